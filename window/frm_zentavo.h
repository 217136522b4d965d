// The calculator's window as a control model: its design, its handlers, and the entry points
// through which the platform hands over each user action.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calculator.h"
#include "circuit_controls.h"
#include "control_model.h"
#include "number_text.h"

namespace zentavo {

// What the form needs from the platform it runs on.
struct Platform {
  NumberFormat format;
  std::function<void(const std::string& message)> showFailure;
  std::function<void()> endProgram;
  // Has a screen reader say the words without moving the focus; words handed over soon after
  // replace any not yet said.
  std::function<void(const std::string& words)> announce = {};
};

// Design colours and fonts, for the on-screen binding and the tests.
namespace design {
inline constexpr Colour kWindowGrey{224, 224, 224};
inline constexpr Colour kInputGreen{192, 255, 192};
inline constexpr Colour kResultYellow{255, 255, 128};
inline constexpr Colour kLeadBlue{128, 128, 255};
// Text, wires and shape borders: dark on the fixed backgrounds whatever the desktop's theme says.
inline constexpr Colour kInk{0, 0, 0};
inline const Font kWindowFont{"Verdana", 9.75, false};
inline const Font kCaptionFont{"Verdana", 8.25, false};
inline const Font kSignatureFont{"Verdana", 12, true};
}  // namespace design

class frmZentavo : public CircuitControls {
 public:
  // Builds every control in its design state, then runs Form_Load.
  explicit frmZentavo(Platform platform);
  frmZentavo(const frmZentavo&) = delete;
  frmZentavo& operator=(const frmZentavo&) = delete;

  // The user's actions. Each one is a whole event: a failure inside it is reported through the
  // platform and clears the results; every input stays as the user left it.
  void UserEditsText(TextBox& box, std::string newText);  // typing, pasting or deleting
  void UserPicks(ComboBox& box, int entry);
  void UserClicks(CommandButton& button);
  // Returns whether the key goes on to the control that has the focus.
  bool UserPressesKey(std::int16_t characterCode);
  static constexpr std::int16_t kEscape = 27;  // the character code that ends the program

  // Every control, in the order of the design: the window first, then the frame and its contents.
  std::vector<Control*> Controls();

  // How a control takes the keyboard focus: through Tab and a click, through a click only (the
  // result boxes, whose text can still be selected and copied), or never.
  enum class Focus { TabAndClick, ClickOnly, Never };
  static Focus FocusOf(const Control& control);
  // The controls Tab visits, in order; the platform passes over the hidden ones.
  std::vector<Control*> TabOrder();

  const NumberFormat& Format() const { return platform_.format; }

  // The results a screen reader reads, in reading order: the visible result boxes from the total
  // down to the voltage. After a user's action that changes the total or the voltage they are
  // announced; UserAsksForResults announces every visible one.
  std::vector<TextBox*> ResultsInReadingOrder();
  void UserAsksForResults();

  Window frm{"frmZentavo"};
  Frame fraParalel{"fraParalel"};
  CommandButton cmdClear{"cmdClear"};
  Label lblTarvik{"lblTarvik"};
  Label lblP{"lblP"};
  ControlArray<Shape, kResistorRows> shaRez{"shaRez"};
  ControlArray<Shape, 3> shaP{"shaP"};
  ControlArray<Shape, 2> shaDot{"shaDot"};
  Line linP1{"linP1"};
  Line linP2{"linP2"};
  ControlArray<Line, 2> linP3{"linP3"};
  ControlArray<Line, 2> linP4{"linP4"};

  // Handlers, raised by the controls' events.
  void Form_Load();
  void Form_KeyPress(std::int16_t KeyAscii);
  void txtRp_Change(int Index);
  void txtIpt_Change();
  void cboRp_Click(int Index);
  void cboIpt_Click();
  void cboRezP_Click();
  void cmdClear_Click();

 private:
  void BuildDesign();
  void NameForScreenReaders();
  void ConnectHandlers();
  void ArrangeForCount();
  void CorrectValueField(TextBox& field);
  void Recalculate() { calculator_.Recalculate(); }
  template <typename Action>
  void RunUserAction(Action action);
  void AnnounceChangedResults(bool failed);

  Platform platform_;
  std::vector<Control*> controls_;
  int actionDepth_ = 0;
  // The total and the voltage as the user last heard or found them.
  std::optional<std::string> spokenResults_;
  Calculator calculator_{*this, platform_.format};
};

}  // namespace zentavo
