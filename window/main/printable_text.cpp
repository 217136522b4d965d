#include "printable_text.h"

#include <array>
#include <cstdint>

namespace zentavo {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// The length of the well-formed UTF-8 sequence that begins `text`, or 0 when it begins with a
// byte that starts none (a continuation, an overlong form, a surrogate, beyond U+10FFFF).
std::size_t SequenceLength(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the bounds of the second byte
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
  }
  return length;
}

char32_t CodePoint(std::string_view sequence) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(sequence[i]); };
  if (sequence.size() == 1) return byte(0);
  char32_t code = byte(0) & (0x7F >> sequence.size());
  for (std::size_t i = 1; i < sequence.size(); ++i) code = (code << 6) | (byte(i) & 0x3F);
  return code;
}

// Characters a terminal acts on, or that change the order in which the rest of the line shows.
bool Acts(char32_t code) {
  return code < 0x20 || (code >= 0x7F && code <= 0x9F) || code == 0x061C || code == 0x200E ||
         code == 0x200F || (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void AppendHex(std::string& out, std::uint32_t value, int digits) {
  for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
    out += kHexDigits[(value >> shift) & 0xF];
}

void AppendEscape(std::string& out, char32_t code) {
  constexpr std::array<std::pair<char32_t, char>, 8> kNamed{{{'\a', 'a'},
                                                             {'\b', 'b'},
                                                             {'\t', 't'},
                                                             {'\n', 'n'},
                                                             {'\v', 'v'},
                                                             {'\f', 'f'},
                                                             {'\r', 'r'},
                                                             {0x1B, 'e'}}};
  for (const auto& [named, letter] : kNamed) {
    if (code == named) {
      out.append({'\\', letter});
      return;
    }
  }
  if (code < 0x80) {
    out += "\\x";
    AppendHex(out, code, 2);
  } else {
    out += "\\u";
    AppendHex(out, code, 4);
  }
}

}  // namespace

std::string Printable(std::string_view text) {
  std::string out;
  while (!text.empty()) {
    const std::size_t length = SequenceLength(text);
    if (length == 0) {
      out += "\\x";
      AppendHex(out, static_cast<unsigned char>(text.front()), 2);
      text.remove_prefix(1);
      continue;
    }
    const std::string_view sequence = text.substr(0, length);
    const char32_t code = CodePoint(sequence);
    if (code == '\\') {
      out += "\\\\";
    } else if (Acts(code)) {
      AppendEscape(out, code);
    } else {
      out += sequence;
    }
    text.remove_prefix(length);
  }
  return out;
}

}  // namespace zentavo
