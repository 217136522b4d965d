// Fuzzes the calculator's window: the first byte picks the number format, the rest is decoded
// into user actions, and the window is checked after every one of them.
#include <cstdint>
#include <iterator>

#include "byte_reader.h"
#include "checked_session.h"
#include "number_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zentavo;
  using testing_support::kFormats;
  fuzz_reference::ByteReader in(data, size);
  form_checks::CheckedSession session(kFormats[in.Next() % std::size(kFormats)]);
  while (!in.AtEnd() && !session.Ended()) session.PerformNext(in);
  return 0;
}
