// Counts and cuts UTF-8 text by characters (code points), not bytes, as a text box counts them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentavo {

// Whether a byte begins a character rather than continuing one.
inline bool StartsCharacter(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

std::size_t CharacterCount(std::string_view text);
std::string FirstCharacters(std::string_view text, std::size_t count);

}  // namespace zentavo
