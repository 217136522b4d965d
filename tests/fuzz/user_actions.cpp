#include "user_actions.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "utf8_text.h"

namespace zentavo::fuzz {
namespace {

// Printable ASCII stands for itself; other bytes pick characters that matter to a number field,
// a few non-ASCII ones among them.
std::string CharacterFor(std::uint8_t byte) {
  static constexpr std::array<std::string_view, 20> kOthers = {
      "0", "1",  "5", "9", ".",      ",",      "-", "+", "e", "E",
      " ", "\t", "ă", "ș", "\u00a0", "\u202f", "€", "µ", "k", "x"};
  if (byte >= 0x20 && byte < 0x7F) return std::string(1, static_cast<char>(byte));
  return std::string(kOthers[byte % kOthers.size()]);
}

std::vector<std::string> TypedCharacters(ByteReader& in) {
  std::vector<std::string> typed(in.Next() % 24);
  for (std::string& character : typed) character = CharacterFor(in.Next());
  return typed;
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
  std::string verb;
  if (how < 4) {
    verb = "types into";
    auto where = text.begin() + at(text.size() + 1);
    std::string typed = CharacterFor(in.Next());
    text.insert(where, typed);
  } else if (how < 6) {
    verb = "deletes in";
    if (!text.empty()) {
      auto from = text.begin() + at(text.size());
      auto count = std::min<std::ptrdiff_t>(1 + in.Next() % 4, text.end() - from);
      text.erase(from, from + count);
    }
  } else if (how < 8) {
    verb = "pastes into";
    auto from = text.begin() + at(text.size() + 1);
    auto replaced = std::min<std::ptrdiff_t>(in.Next() % 4, text.end() - from);
    from = text.erase(from, from + replaced);
    std::vector<std::string> pasted = TypedCharacters(in);
    text.insert(from, pasted.begin(), pasted.end());
  } else {
    verb = "replaces all of";
    text = TypedCharacters(in);
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
  std::uint8_t how = in.Next() % 16;
  if (how < 10) return Edit(in, form, how);
  if (how < 14) return Pick(in, form);
  UserAction action;
  if (how == 14) {
    action.kind = UserAction::Kind::ClickClear;
    action.description = "the user clicks cmdClear";
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

}  // namespace zentavo::fuzz
