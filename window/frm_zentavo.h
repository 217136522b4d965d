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
  // A user's edit of a box was refused: the platform beeps and shows the hint at the box.
  std::function<void(const TextBox& box, const std::string& hint)> refuseEdit{};
  // Has a screen reader say the words without moving the focus; words handed over soon after
  // replace any not yet said.
  std::function<void(const std::string& words)> announce{};
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

// One resistor row lies this far below the one before it, in twips.
inline constexpr int kRowPitch = 720;
// What lies below the last resistor row, in twips, as designed for four rows. With fewer rows in
// use, each of these moves up by one row pitch for every row hidden.
struct LowerGroup {
  int frameHeight, windowHeight, captionTop, voltageTop, leadTop, leadBottom, buttonTop;
};
inline constexpr LowerGroup kFourRowLowerGroup{4500, 5145, 3720, 4020, 3840, 4200, 3960};
}  // namespace design

class frmZentavo : public CircuitControls {
 public:
  // Builds every control in its design state, then runs Form_Load.
  explicit frmZentavo(Platform platform);
  frmZentavo(const frmZentavo&) = delete;
  frmZentavo& operator=(const frmZentavo&) = delete;

  // What became of a user's edit of a box.
  struct EditOutcome {
    bool refused = false;  // the box keeps its text, and the platform was told why
    // Where the caret goes, in characters from the start, when the edit took a unit letter out.
    std::optional<std::size_t> caret{};
  };

  // The user's actions. Each one is a whole event: a failure inside it is reported through the
  // platform and clears the results; every input stays as the user left it.
  // Typing, pasting, dropping or deleting: a value box takes a number or the beginning of one,
  // with a unit written after it ("4.7k", "12 mA") or a multiplier letter for its decimal point
  // ("4k7"), which picks that entry of its unit list; it refuses any other text but the empty one.
  EditOutcome UserEditsText(TextBox& box, std::string newText);
  // Ctrl+Z and its redo in a value box: its text and unit as before the last action that changed
  // either, and back again.
  void UserUndoes(TextBox& box);
  void UserRedoes(TextBox& box);
  bool CanUndo(const TextBox& box) const;
  bool CanRedo(const TextBox& box) const;
  // The focus leaves a box: a decimal separator that a unit letter left at its end goes.
  void UserLeaves(TextBox& box);
  void UserPicks(ComboBox& box, int entry);
  void UserClicks(CommandButton& button);
  // Returns whether the key goes on to the control that has the focus.
  bool UserPressesKey(std::int16_t characterCode);
  static constexpr std::int16_t kEscape = 27;  // the character code that ends the program

  // Raised once at the end of each user action, before a failure in it is reported: a display
  // shows the controls' texts then, however often the action rewrote them.
  std::function<void()> ActionEnded;
  bool ActionRunning() const { return actionDepth_ > 0; }

  // Every control, in the order of the design: the window first, then the frame and its contents.
  std::vector<Control*> Controls();

  // How a control takes the keyboard focus: through Tab and a click, through a click only (the
  // result boxes, whose text can still be selected and copied), or never.
  enum class Focus { TabAndClick, ClickOnly, Never };
  static Focus FocusOf(const Control& control);
  // The controls Tab visits, in order; the platform passes over the hidden ones.
  std::vector<Control*> TabOrder();

  const NumberFormat& Format() const { return platform_.format; }
  // The unit list beside a value box; null for any other box.
  ComboBox* UnitListOf(const TextBox& box);

  // The results a screen reader reads, in reading order: the visible result boxes from the total
  // down to the voltage. After a user's action that changes the total or the voltage they are
  // announced; UserAsksForResults announces every visible one.
  std::vector<TextBox*> ResultsInReadingOrder();
  void UserAsksForResults();

  // The controls beside those of the circuit; sha a shape, lin a line, P the parallel schematic.
  Window frm{"frmZentavo"};                             // the window
  Frame fraParalel{"fraParalel"};                       // the frame that holds everything
  CommandButton cmdClear{"cmdClear"};                   // "Sterge valori": clears the inputs
  Label lblTarvik{"lblTarvik"};                         // the author's signature
  Label lblP{"lblP"};                                   // the resistor count's caption
  ControlArray<Shape, kResistorRows> shaRez{"shaRez"};  // each resistor's body
  ControlArray<Shape, 3> shaP{"shaP"};      // the loop of wire joining each row to the next
  ControlArray<Shape, 2> shaDot{"shaDot"};  // the two junction dots
  Line linP1{"linP1"};                      // the supply lead on the left
  Line linP2{"linP2"};                      // the supply lead on the right
  ControlArray<Line, 2> linP3{"linP3"};     // the leads down to the voltage, left and right
  ControlArray<Line, 2> linP4{"linP4"};     // the leads across to the voltage, left and right

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
  void RunUserAction(const std::function<void()>& action);

  // A value box with its unit list, how its units are written, and its edits.
  struct ValueField {
    TextBox* box;
    ComboBox* units;
    UnitSpelling spelling;
    std::vector<std::string> unitRest{};  // what may still be typed of the unit picked by a letter
    bool pointFromLetter = false;         // the text ends with a separator that a letter put there
    struct State {
      std::string text, unit;
      bool operator==(const State&) const = default;
    };
    std::vector<State> undo{}, redo{};
    State Now() const { return {box->Text(), units->Text()}; }
  };
  void BuildValueFields();
  ValueField* FieldOf(const TextBox& box);
  const ValueField* FieldOf(const TextBox& box) const;
  EditOutcome EditValueField(ValueField& field, std::string newText);
  EditOutcome Refuse(const ValueField& field, const std::string& hint);
  // What a unit letter left for the next edit is forgotten once the user does anything else.
  void ForgetLetters();
  // Runs a user action that may change values, so that Ctrl+Z can bring them back.
  void RunUndoableAction(const std::function<void()>& action);
  void Restore(ValueField& field, const ValueField::State& state);
  // Restores the last state of one history, keeping the present one on the other for the way back.
  void Step(ValueField& field, std::vector<ValueField::State>& from,
            std::vector<ValueField::State>& to);
  void AnnounceChangedResults(bool failed);

  Platform platform_;
  std::vector<Control*> controls_;
  std::vector<ValueField> valueFields_;
  int actionDepth_ = 0;
  // The total and the voltage as the user last heard or found them.
  std::optional<std::string> spokenResults_;
  Calculator calculator_{*this, platform_.format};
};

}  // namespace zentavo
