// Hands out a fuzz input one byte at a time; once it runs out, every byte reads as 0.
#pragma once

#include <cstddef>
#include <cstdint>

namespace zentavo::fuzz_reference {

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool AtEnd() const { return next_ >= size_; }
  std::uint8_t Next() { return AtEnd() ? 0 : data_[next_++]; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t next_ = 0;
};

}  // namespace zentavo::fuzz_reference
