#include "frm_zentavo.h"

#include "failure_message.h"
#include "utf8.h"

namespace zentavo {
namespace {

// The text that makes a negative value positive. DoubleToText of the negated value is preferred;
// where the field could not hold it, or it would not read back as that value, or the user is still
// typing the number, the typed text loses its minus sign instead, so the field keeps exactly the
// value typed.
std::string PositiveText(const TextBox& field, const FieldReading& negative,
                         const NumberFormat& format) {
  if (negative.kind == FieldReading::Kind::Number) {
    std::string written = DoubleToText(-negative.value, format);
    bool fits = field.MaxLength() == 0 || CharacterCount(written) <= field.MaxLength();
    if (fits && ReadInputNumber(written, format) == -negative.value) return written;
  }
  std::string typed = field.Text();
  typed.erase(typed.find('-'), 1);
  return typed;
}

// How deep the running user action is nested in others, counted down again however it ends.
class NestingLevel {
 public:
  explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
  NestingLevel(const NestingLevel&) = delete;
  NestingLevel& operator=(const NestingLevel&) = delete;
  ~NestingLevel() { --depth_; }
  bool Outermost() const { return depth_ == 1; }

 private:
  int& depth_;
};

}  // namespace

frmZentavo::frmZentavo(Platform platform) : platform_(std::move(platform)) {
  BuildDesign();
  BuildValueFields();
  NameForScreenReaders();
  ConnectHandlers();
  RunUserAction([this] { Form_Load(); });
}

void frmZentavo::ConnectHandlers() {
  for (int i = 0; i < kResistorRows; ++i) {
    txtRp(i).Change = [this, i] { txtRp_Change(i); };
    cboRp(i).Click = [this, i] { cboRp_Click(i); };
  }
  txtIpt.Change = [this] { txtIpt_Change(); };
  cboIpt.Click = [this] { cboIpt_Click(); };
  cboRezP.Click = [this] { cboRezP_Click(); };
  cmdClear.Click = [this] { cmdClear_Click(); };
}

void frmZentavo::RunUserAction(const std::function<void()>& action) {
  std::optional<FailureKind> failed;
  {
    const NestingLevel level(actionDepth_);
    // Only the outermost action catches: a failure unwinds every handler nested in it first.
    if (!level.Outermost()) {
      action();
      return;
    }
    try {
      action();
    } catch (const Failure& failure) {
      calculator_.ClearResults();
      failed = failure.Kind();
    }
  }
  if (ActionEnded) ActionEnded();
  // The report comes after the action has ended, so that what it starts is a new action.
  if (failed && platform_.showFailure) platform_.showFailure(FailureMessage(*failed));
  AnnounceChangedResults(failed.has_value());
}

void frmZentavo::UserPicks(ComboBox& box, int entry) {
  if (entry < 0 || entry >= box.ListCount()) return;
  ForgetLetters();
  RunUndoableAction([&] { box.SetText(box.List(entry)); });
}

void frmZentavo::UserClicks(CommandButton& button) {
  ForgetLetters();
  RunUndoableAction([&] {
    if (button.Click) button.Click();
  });
}

bool frmZentavo::UserPressesKey(std::int16_t characterCode) {
  RunUserAction([&] { Form_KeyPress(characterCode); });
  return characterCode != kEscape;
}

void frmZentavo::Form_Load() {
  cboRezP.SetText(cboRezP.List(0));
  for (int i = 0; i < kResistorRows; ++i) {
    cboRp(i).SetText(cboRp(i).List(0));
    txtRp(i).SetText("0");
  }
  lblUMr.SetCaption("Ohm");
  txtIpt.SetText("0");
  cboIpt.SetText(cboIpt.List(2));
  txtUpt.SetText("0");
  txtUMU.SetText("V");
  Recalculate();
}

void frmZentavo::Form_KeyPress(std::int16_t KeyAscii) {
  if (KeyAscii == kEscape && platform_.endProgram) platform_.endProgram();
}

void frmZentavo::CorrectValueField(TextBox& field) {
  const FieldReading reading = ReadValueField(field.Text(), platform_.format);
  if (reading.kind == FieldReading::Kind::NotANumber) {
    field.SetText("0");
    return;
  }
  if (reading.value < 0) field.SetText(PositiveText(field, reading, platform_.format));
  Recalculate();
}

void frmZentavo::txtRp_Change(int Index) {
  CorrectValueField(txtRp(Index));
}
void frmZentavo::txtIpt_Change() {
  CorrectValueField(txtIpt);
}
void frmZentavo::cboRp_Click(int) {
  Recalculate();
}
void frmZentavo::cboIpt_Click() {
  Recalculate();
}

void frmZentavo::cboRezP_Click() {
  ArrangeForCount();
  Recalculate();
}

void frmZentavo::cmdClear_Click() {
  for (int i = 1; i <= kResistorRows; ++i) {
    txtRp(i - 1).SetText("0");
    cboRp(i - 1).SetText(cboRp(i - 1).List(0));
  }
  txtIpt.SetText("0");
  cboIpt.SetText(cboIpt.List(2));
  txtUpt.SetText("0");
  txtUMU.SetText("V");
}

}  // namespace zentavo
