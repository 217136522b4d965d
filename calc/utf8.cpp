#include "utf8.h"

#include <algorithm>

namespace zentavo {

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), StartsCharacter));
}

std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (StartsCharacter(text[i]) && seen++ == count) return std::string(text.substr(0, i));
  }
  return std::string(text);
}

}  // namespace zentavo
