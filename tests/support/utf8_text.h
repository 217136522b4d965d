// Text split into UTF-8 characters (code points), for editing it as a user would.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentavo::fuzz_reference {

inline std::vector<std::string> Characters(std::string_view text) {
  std::vector<std::string> characters;
  for (char c : text) {
    bool continuation = (static_cast<unsigned char>(c) & 0xC0) == 0x80;
    if (continuation && !characters.empty()) {
      characters.back() += c;
    } else {
      characters.emplace_back(1, c);
    }
  }
  return characters;
}

inline std::string Joined(const std::vector<std::string>& characters) {
  std::string text;
  for (const std::string& character : characters) text += character;
  return text;
}

}  // namespace zentavo::fuzz_reference
