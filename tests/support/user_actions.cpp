#include "user_actions.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "utf8_text.h"

namespace zentavo::form_checks {

using namespace fuzz_reference;
namespace {

// The first byte of an action, modulo 32, picks its kind: below kTypes it types, below kDeletes it
// deletes, and so on; the rest presses a key. A user mostly types, then picks, pastes and replaces
// (a number more often than other text), deletes, and now and then clears, leaves a box or
// presses another key.
constexpr std::uint8_t kTypes = 7, kDeletes = 10, kPastes = 14, kReplaces = 23, kPicks = 29,
                       kClears = 30, kLeaves = 31, kKinds = 32;

// Three bytes in four type what numbers are made of, digits most of all; the others type a
// printable ASCII character or one of a few others that a number field must survive.
std::string CharacterFor(std::uint8_t byte) {
  static constexpr std::array<std::string_view, 40> kNumberParts = {
      "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",  "0",      "1",      "2",      "5",
      "7", "9", ".", ",", "-", "+", "e", "E", " ", "\t", "\u00a0", "\u202f", "\u2212", ".",
      ",", "-", "e", "0", "k", "M", "R", "m", "u", "A",  "O",      "\u03a9"};
  static constexpr std::array<std::string_view, 8> kOthers = {
      "ă", "ș", "€", "µ", "\u0663", "\uff11", "\U0001F600", "\n"};
  if (byte < 0xC0) return std::string(kNumberParts[byte % kNumberParts.size()]);
  // 56 bytes spread over the 94 printable characters from "!" to "~".
  if (byte < 0xF8) return std::string(1, static_cast<char>('!' + (byte - 0xC0) * 94 / 56));
  return std::string(kOthers[byte % kOthers.size()]);
}

std::vector<std::string> TypedCharacters(ByteReader& in) {
  std::vector<std::string> typed(in.Next() % 24);
  for (std::string& character : typed) character = CharacterFor(in.Next());
  return typed;
}

// A number as a user writes or pastes it: sometimes negative, mostly short, now and then with a
// decimal separator (the format's or a point) or an exponent, half of them near the ends of the
// double range, where the calculation overflows or reads a resistor as a subnormal.
std::vector<std::string> WrittenNumber(ByteReader& in, const std::string& separator) {
  static constexpr std::array<int, 16> kExponents = {0,   1,   2,   3,   5,   8,   15,  99,
                                                     300, 305, 306, 307, 308, 309, 320, 324};
  std::vector<std::string> text;
  const std::uint8_t shape = in.Next();
  const int digits = 1 + shape % 4 + (shape & 0x20 ? 4 : 0);
  for (int i = 0; i < digits; ++i)
    text.push_back(std::string(1, static_cast<char>('0' + in.Next() % 10)));
  const std::uint8_t point = in.Next();
  if (point % 3 == 0)
    text.insert(text.begin() + point / 3 % (digits + 1), point & 0x80 ? "." : separator);
  if ((shape & 0x0C) == 0) text.insert(text.begin(), "-");
  if ((shape & 0xC0) != 0xC0 && (shape & 0x10) == 0) {
    const std::uint8_t exponent = in.Next();
    text.push_back(exponent & 0x01 ? "E" : "e");
    if (exponent & 0x02) text.push_back(exponent & 0x04 ? "-" : "+");
    for (char digit : std::to_string(kExponents[(exponent >> 3) % kExponents.size()]))
      text.push_back(std::string(1, digit));
  }
  // Now and then with its unit, as printed on parts: "4.7k", "12 mA", "2M2", "1kOhm".
  static constexpr std::array<std::string_view, 8> kUnits = {"k",    "M", " mA", "u",
                                                             "kOhm", "R", "A",   "\u00b5A"};
  const std::uint8_t unit = in.Next();
  if (unit % 4 == 0) {
    const auto letter = std::string(kUnits[unit / 4 % kUnits.size()]);
    if (unit & 0x80 && letter.size() == 1 && text.size() > 1)
      text.insert(text.begin() + 1 + unit / 32 % (text.size() - 1), letter);
    else
      text.push_back(letter);
  }
  return text;
}

TextBox& PickBox(ByteReader& in, frmZentavo& form) {
  std::uint8_t choice = in.Next() % 11;
  if (choice < 10) return choice % 5 == 4 ? form.txtIpt : form.txtRp(choice % 5);
  std::array<TextBox*, 4> readOnly = {&form.txtRpt, &form.txtUpt, &form.txtPp(0), &form.txtIp(1)};
  return *readOnly[in.Next() % readOnly.size()];
}

UserAction Edit(ByteReader& in, frmZentavo& form, std::uint8_t how) {
  UserAction action;
  action.kind = UserAction::Kind::Edit;
  action.box = &PickBox(in, form);
  std::vector<std::string> text = Characters(action.box->Text());
  auto at = [&](std::size_t limit) { return static_cast<std::ptrdiff_t>(in.Next() % limit); };
  auto pasted = [&](bool number) {
    return number ? WrittenNumber(in, form.Format().decimalSeparator) : TypedCharacters(in);
  };
  std::string verb;
  if (how < kTypes) {
    verb = "types into";
    // Mostly at the end, where the caret stands after typing.
    const std::uint8_t caret = in.Next();
    auto where = caret & 0x80
                     ? text.end()
                     : text.begin() + static_cast<std::ptrdiff_t>(caret % (text.size() + 1));
    std::string typed = CharacterFor(in.Next());
    text.insert(where, typed);
  } else if (how < kDeletes) {
    verb = "deletes in";
    if (!text.empty()) {
      auto from = text.begin() + at(text.size());
      auto count = std::min<std::ptrdiff_t>(1 + in.Next() % 4, text.end() - from);
      text.erase(from, from + count);
    }
  } else if (how < kPastes) {
    verb = "pastes into";
    auto from = text.begin() + at(text.size() + 1);
    auto replaced = std::min<std::ptrdiff_t>(in.Next() % 4, text.end() - from);
    from = text.erase(from, from + replaced);
    std::vector<std::string> inserted = pasted(how % 2 == 0);
    text.insert(from, inserted.begin(), inserted.end());
  } else {
    verb = "replaces all of";
    text = pasted(how + 1 < kReplaces);
  }
  action.newText = Joined(text);
  action.description = "the user " + verb + " " + action.box->QualifiedName() + ", making it " +
                       Quoted(action.newText);
  return action;
}

UserAction Pick(ByteReader& in, frmZentavo& form) {
  UserAction action;
  action.kind = UserAction::Kind::Pick;
  std::uint8_t choice = in.Next() % 6;
  action.list = choice < 4 ? &form.cboRp(choice) : choice == 4 ? &form.cboIpt : &form.cboRezP;
  std::uint8_t entry = in.Next();
  action.entry = entry == 0xFF ? -1 : entry == 0xFE ? 3 : entry % 3;
  action.description = "the user picks entry " + std::to_string(action.entry) + " of " +
                       action.list->QualifiedName();
  return action;
}

}  // namespace

UserAction DecodeAction(ByteReader& in, frmZentavo& form) {
  std::uint8_t how = in.Next() % kKinds;
  if (how < kReplaces) return Edit(in, form, how);
  if (how < kPicks) return Pick(in, form);
  UserAction action;
  if (how < kClears) {
    action.kind = UserAction::Kind::ClickClear;
    action.description = "the user clicks cmdClear";
    return action;
  }
  if (how < kLeaves) {
    action.kind = UserAction::Kind::Leave;
    action.box = &PickBox(in, form);
    action.description = "the user leaves " + action.box->QualifiedName();
    return action;
  }
  action.kind = UserAction::Kind::PressKey;
  // Each byte in a statement of its own: the order of the reads must not depend on the compiler.
  unsigned low = in.Next();
  unsigned high = in.Next();
  action.key = static_cast<std::int16_t>(low | (high << 8));
  action.description = "the user presses the key with code " + std::to_string(action.key);
  return action;
}

}  // namespace zentavo::form_checks
