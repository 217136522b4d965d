// How the user's edits reach the value boxes: what a box takes, what it refuses and why, the unit
// a letter picks, and the undo history of each box.
#include <array>
#include <charconv>

#include "frm_zentavo.h"
#include "utf8.h"

namespace zentavo {
namespace {

// Enough to step back through every edit of a value in one sitting.
constexpr std::size_t kUndoDepth = 100;

std::string Number(std::size_t n) {
  std::array<char, 24> digits{};
  return std::string(digits.data(),
                     std::to_chars(digits.data(), digits.data() + digits.size(), n).ptr);
}

// "6 caractere", "20 de caractere": Romanian puts "de" after numbers ending in 20 to 99 or 00.
std::string InCharacters(std::size_t n) {
  const std::size_t lastTwo = n % 100;
  return Number(n) + (lastTwo == 0 || lastTwo >= 20 ? " de caractere" : " caractere");
}

std::string Joined(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : ", ") + word;
  return joined;
}

}  // namespace

void frmZentavo::BuildValueFields() {
  auto field = [](TextBox& box, ComboBox& units) {
    std::vector<std::string> entries;
    for (int i = 0; i < units.ListCount(); ++i) entries.push_back(units.List(i));
    return ValueField{.box = &box, .units = &units, .spelling = UnitSpelling(entries)};
  };
  for (int i = 0; i < kResistorRows; ++i) valueFields_.push_back(field(txtRp(i), cboRp(i)));
  valueFields_.push_back(field(txtIpt, cboIpt));
}

frmZentavo::ValueField* frmZentavo::FieldOf(const TextBox& box) {
  for (ValueField& field : valueFields_)
    if (field.box == &box) return &field;
  return nullptr;
}

const frmZentavo::ValueField* frmZentavo::FieldOf(const TextBox& box) const {
  return const_cast<frmZentavo*>(this)->FieldOf(box);
}

ComboBox* frmZentavo::UnitListOf(const TextBox& box) {
  const ValueField* field = FieldOf(box);
  return field ? field->units : nullptr;
}

frmZentavo::EditOutcome frmZentavo::UserEditsText(TextBox& box, std::string newText) {
  if (box.ReadOnly()) return {.refused = true};
  if (ValueField* field = FieldOf(box)) return EditValueField(*field, std::move(newText));
  RunUserAction([&] { box.SetText(std::move(newText)); });
  return {};
}

frmZentavo::EditOutcome frmZentavo::EditValueField(ValueField& field, std::string newText) {
  TextBox& box = *field.box;
  const std::string& before = box.Text();
  // The rest of a unit's name, typed after the letter that picked it, is taken in silence.
  if (!field.unitRest.empty() && newText.size() > before.size() && newText.starts_with(before)) {
    std::vector<std::string> rest =
        UnitRestAfter(std::string_view(newText).substr(before.size()), field.unitRest);
    if (!rest.empty()) {
      field.unitRest = std::move(rest);
      return {.caret = CharacterCount(before)};
    }
  }
  ForgetLetters();

  std::optional<TypedValue> typed = TypedValue{};
  if (!newText.empty()) typed = ReadTypedValue(newText, field.spelling, platform_.format);
  if (!typed) {
    return Refuse(field, "Se acceptă cifre, separatorul zecimal „" +
                             platform_.format.decimalSeparator + "”, exponentul e și literele " +
                             Joined(field.spelling.Letters()) + ".");
  }
  std::string number = std::move(typed->number);
  std::size_t caret = typed->caret;
  const auto fits = [&box](const std::string& text) {
    return box.MaxLength() == 0 || CharacterCount(text) <= box.MaxLength();
  };
  // So that typing on after "4k" gives the digits after the point.
  const bool point = typed->pointMayFollow && fits(number + platform_.format.decimalSeparator);
  if (point) {
    number += platform_.format.decimalSeparator;
    caret = number.size();
  }
  if (!fits(number))
    return Refuse(field, "Se acceptă cel mult " + InCharacters(box.MaxLength()) + ".");

  RunUndoableAction([&] {
    const std::string* unit = typed->unit ? &field.units->List(*typed->unit) : nullptr;
    // The number and its unit are one edit: where the unit's pick computes again, its results
    // are the edit's, whatever the number alone gave.
    try {
      box.SetText(number);
    } catch (const Failure&) {
      if (!unit || *unit == field.units->Text()) throw;
    }
    if (unit) field.units->SetText(*unit);
  });
  field.pointFromLetter = point;
  if (!typed->unit) return {};
  field.unitRest = std::move(typed->rest);
  // A sign correction rewrote the number: the caret goes where the platform puts it after one.
  if (box.Text() != number) return {};
  return {.caret = CharacterCount(std::string_view(number).substr(0, caret))};
}

frmZentavo::EditOutcome frmZentavo::Refuse(const ValueField& field, const std::string& hint) {
  if (platform_.refuseEdit) platform_.refuseEdit(*field.box, hint);
  return {.refused = true};
}

void frmZentavo::ForgetLetters() {
  for (ValueField& field : valueFields_) {
    field.unitRest.clear();
    field.pointFromLetter = false;
  }
}

void frmZentavo::RunUndoableAction(const std::function<void()>& action) {
  std::vector<ValueField::State> before;
  for (const ValueField& field : valueFields_) before.push_back(field.Now());
  RunUserAction(action);
  for (std::size_t i = 0; i < valueFields_.size(); ++i) {
    ValueField& field = valueFields_[i];
    if (field.Now() == before[i]) continue;
    if (field.undo.size() == kUndoDepth) field.undo.erase(field.undo.begin());
    field.undo.push_back(std::move(before[i]));
    field.redo.clear();
  }
}

void frmZentavo::Restore(ValueField& field, const ValueField::State& state) {
  ForgetLetters();
  RunUserAction([&] {
    field.box->SetText(state.text);
    field.units->SetText(state.unit);
  });
}

void frmZentavo::UserUndoes(TextBox& box) {
  if (ValueField* field = FieldOf(box)) Step(*field, field->undo, field->redo);
}

void frmZentavo::UserRedoes(TextBox& box) {
  if (ValueField* field = FieldOf(box)) Step(*field, field->redo, field->undo);
}

void frmZentavo::Step(ValueField& field, std::vector<ValueField::State>& from,
                      std::vector<ValueField::State>& to) {
  if (from.empty()) return;
  to.push_back(field.Now());
  ValueField::State state = std::move(from.back());
  from.pop_back();
  Restore(field, state);
}

bool frmZentavo::CanUndo(const TextBox& box) const {
  const ValueField* field = FieldOf(box);
  return field && !field->undo.empty();
}

bool frmZentavo::CanRedo(const TextBox& box) const {
  const ValueField* field = FieldOf(box);
  return field && !field->redo.empty();
}

void frmZentavo::UserLeaves(TextBox& box) {
  const ValueField* field = FieldOf(box);
  if (!field) return;
  const bool pointFromLetter = field->pointFromLetter;
  ForgetLetters();
  const std::string& separator = platform_.format.decimalSeparator;
  if (!pointFromLetter || !box.Text().ends_with(separator)) return;
  std::string number = box.Text().substr(0, box.Text().size() - separator.size());
  RunUserAction([&] { box.SetText(std::move(number)); });
}

}  // namespace zentavo
