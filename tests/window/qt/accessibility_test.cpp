// What a screen reader learns about the window through Qt's accessibility interfaces: the form's
// name and description for every control, what kind of control it is, whether it can be edited or
// is hidden, and the value it shows.
#include <QAccessible>
#include <QHash>
#include <QImage>
#include <QRegion>
#include <QSet>
#include <map>
#include <numeric>

#include "fitted_box.h"
#include "painted_pixels.h"
#include "result_box.h"
#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::BrightnessDistance;
using testing_support::DevicePixels;
using testing_support::InkBounds;
using testing_support::WindowTest;

QAccessibleInterface* Accessible(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  EXPECT_NE(face, nullptr) << widget->objectName().toStdString();
  return face;
}

// The names of the window's accessible tree below `face`, as a screen reader walks it.
void CollectNames(QAccessibleInterface* face, QSet<QString>& names) {
  for (int i = 0; i < face->childCount(); ++i) {
    QAccessibleInterface* child = face->child(i);
    if (child == nullptr) continue;
    names.insert(child->text(QAccessible::Name));
    CollectNames(child, names);
  }
}

// What each control is called and how it is described are the form's; the widgets mirror them
// (ExpectWidgetsMirrorTheForm), here through start-up, results and a change of units, and a reader
// walking the tree finds every control the form names.
TEST_F(WindowTest, EveryNamedControlIsInTheAccessibleTreeAndFollowsTheFormsDescriptions) {
  QSet<QString> tree;
  CollectNames(Accessible(window.get()), tree);
  for (const Control* control : Form().Controls()) {
    if (control->Kind() == ControlKind::Window || control->AccessibleName().empty()) continue;
    EXPECT_TRUE(tree.contains(ToQString(control->AccessibleName()))) << control->QualifiedName();
  }
  ExpectWidgetsMirrorTheForm();
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "100");
  TypeOver(Form().txtIpt, "1");
  ExpectWidgetsMirrorTheForm();
  PickInList(Form().cboRp(0), 1);
  PickInList(Form().cboRp(1), 1);
  ExpectWidgetsMirrorTheForm();
}

// What kind of control a reader hears, inside the window's one grouping, and whether it can be
// edited: the form's read-only boxes are read-only and offer no editing, its inputs are editable,
// and a box's text is what it shows.
TEST_F(WindowTest, EachControlIsReadAsItsKindAndOnlyInputsCanBeEdited) {
  const std::map<ControlKind, QAccessible::Role> roles{
      {ControlKind::Window, QAccessible::Window},
      {ControlKind::Frame, QAccessible::Grouping},
      {ControlKind::TextBox, QAccessible::EditableText},
      {ControlKind::ComboBox, QAccessible::ComboBox},
      {ControlKind::CommandButton, QAccessible::Button},
  };
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtIpt, "1");
  for (const Control* control : Form().Controls()) {
    const auto role = roles.find(control->Kind());
    if (role == roles.end()) continue;
    SCOPED_TRACE(control->QualifiedName());
    QAccessibleInterface* face = Accessible(Widget(*control));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->role(), role->second);
    const auto* box = dynamic_cast<const TextBox*>(control);
    const bool input = box != nullptr && !box->ReadOnly();
    EXPECT_EQ(face->state().readOnly, box != nullptr && box->ReadOnly());
    EXPECT_EQ(face->editableTextInterface() != nullptr, input);
    if (box == nullptr) continue;
    EXPECT_EQ(face->state().editable, input);
    ASSERT_NE(face->textInterface(), nullptr);
    EXPECT_EQ(face->textInterface()->text(0, face->textInterface()->characterCount()), Shown(*box));
  }
  EXPECT_EQ(Accessible(Widget(Form().fraParalel))->parent()->object(), window.get());
}

TEST_F(WindowTest, HiddenRowsAreReportedInvisibleUntilTheCountShowsThem) {
  struct Row {
    int countEntry;
    int rowsShown;
  };
  for (const Row row : {Row{0, 2}, Row{1, 3}, Row{2, 4}}) {
    SCOPED_TRACE(row.rowsShown);
    PickInList(Form().cboRezP, row.countEntry);
    for (int i = 0; i < 4; ++i) {
      for (const Control* control : std::initializer_list<const Control*>{
               &Form().txtRp(i), &Form().cboRp(i), &Form().txtIp(i)}) {
        EXPECT_EQ(Accessible(Widget(*control))->state().invisible, i >= row.rowsShown)
            << control->QualifiedName();
      }
    }
  }
}

// Offscreen Qt sends no accessibility events, so this reads each value the way a screen reader
// asks for it.
TEST_F(WindowTest, ScreenReaderReadsEveryInputAndResultAsItsValue) {
  PickInList(Form().cboRp(1), 1);
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "0.1");
  TypeOver(Form().txtIpt, "1");
  struct Row {
    const Control* box;
    QString value;
  };
  const Row rows[] = {
      {&Form().cboRezP, "2"},    {&Form().txtRp(0), "100"},  {&Form().cboRp(0), "Ohm"},
      {&Form().txtRp(1), "0.1"}, {&Form().cboRp(1), "kOhm"}, {&Form().cboIpt, "A"},
      {&Form().txtRpt, "50"},    {&Form().txtUpt, "50"},     {&Form().txtUMU, "V"},
      {&Form().txtPp(0), "25"},  {&Form().txtUMW(1), "W"},   {&Form().txtIp(1), "500"},
      {&Form().txtUMI(0), "mA"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.box->QualifiedName());
    QAccessibleInterface* face = Accessible(Widget(*row.box));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Value), row.value);
  }
}

TEST_F(WindowTest, ADropDownListShowsItsChosenEntryAsText) {
  PickInList(Form().cboRp(0), 2);
  QAccessibleInterface* face = Accessible(Widget(Form().cboRp(0)));
  ASSERT_NE(face, nullptr);
  QAccessibleTextInterface* text = face->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->characterCount(), 4);
  EXPECT_EQ(text->text(0, text->characterCount()), "MOhm");
  EXPECT_EQ(face->editableTextInterface(), nullptr);
}

// A screen reader that types into a box does what the user does: the form corrects and
// recalculates.
TEST_F(WindowTest, AnEditThroughTheAccessibleInterfaceReachesTheForm) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtIpt, "1");
  QAccessibleEditableTextInterface* editable =
      Accessible(Widget(Form().txtRp(1)))->editableTextInterface();
  ASSERT_NE(editable, nullptr);
  editable->replaceText(0, 1, "100");
  EXPECT_EQ(Form().txtRp(1).Text(), "100");
  EXPECT_EQ(Shown(Form().txtRpt), "50");
  editable->insertText(0, "-");
  EXPECT_EQ(Form().txtRp(1).Text(), "100") << "the input correction removes the minus sign";
  editable->deleteText(2, 3);
  EXPECT_EQ(Form().txtRp(1).Text(), "10");
  EXPECT_EQ(Shown(Form().txtRpt), "9.091");
  editable->insertText(2, "00000");
  EXPECT_EQ(Form().txtRp(1).Text(), "10") << "the box refuses a seventh character";
}

// Whether something is drawn over the background inside `area`, in the widget's coordinates.
bool HasInk(const QImage& drawn, const QRect& area, const QColor& background, const QColor& ink) {
  const int threshold = BrightnessDistance(ink, background) / 3;
  return !InkBounds(drawn, DevicePixels(drawn, area), background, threshold).isEmpty();
}

// Where a reader's review finds each character of a control: where the control draws it, left to
// right, and back from there to the character; characters an ellipsis stands for all lie where the
// ellipsis is drawn and are found back as the first of them. Gives the offsets found on screen.
std::vector<int> CheckCharactersAreFoundWhereDrawn(QWidget* widget) {
  // Painting first, as the screen does: a line edit scrolls its text while it paints.
  const QImage drawn = widget->grab().toImage();
  QAccessibleTextInterface* text = Accessible(widget)->textInterface();
  EXPECT_NE(text, nullptr);
  if (text == nullptr) return {};
  auto* edit = qobject_cast<QLineEdit*>(widget);
  const QColor background = widget->palette().color(edit ? QPalette::Base : QPalette::Button);
  const QColor ink = widget->palette().color(edit ? QPalette::Text : QPalette::ButtonText);
  const QRect box(widget->mapToGlobal(QPoint()), widget->size());
  std::vector<int> shown;
  QRect previous;
  int firstAtPrevious = -1;
  for (int offset = 0; offset < text->characterCount(); ++offset) {
    SCOPED_TRACE(offset);
    const QRect character = text->characterRect(offset);
    if (character.isEmpty()) continue;
    EXPECT_TRUE(shown.empty() || shown.back() == offset - 1) << "a gap among the shown characters";
    shown.push_back(offset);
    EXPECT_TRUE(box.contains(character));
    const QRect local(widget->mapFromGlobal(character.topLeft()), character.size());
    EXPECT_TRUE(HasInk(drawn, local, background, ink)) << "nothing is drawn there";
    if (character != previous) {
      EXPECT_TRUE(previous.isNull() || character.left() > previous.right());
      firstAtPrevious = offset;
    }
    if (edit != nullptr && !edit->isReadOnly()) {
      // Where a click there puts the caret, before or after all that is drawn there: the line
      // edit's own mapping while it is edited, the box's mapping of its fitted drawing otherwise.
      const auto* fitted = qobject_cast<const FittedBox*>(widget);
      const int between = edit->hasFocus() || fitted == nullptr
                              ? edit->cursorPositionAt(local.center())
                              : fitted->FittedCaretAt(local.center());
      int last = offset;
      while (last + 1 < text->characterCount() && text->characterRect(last + 1) == character)
        ++last;
      EXPECT_TRUE(between == firstAtPrevious || between == last + 1) << between;
    }
    EXPECT_EQ(text->offsetAtPoint(character.center()), firstAtPrevious);
    previous = character;
  }
  EXPECT_EQ(text->characterRect(text->characterCount()), QRect());
  EXPECT_EQ(text->offsetAtPoint(box.topLeft() - QPoint(5, 5)), -1);
  // A result box, or a value box not being edited, draws no caret: whatever it draws in its text
  // area is some character.
  const auto* result = qobject_cast<const FittedBox*>(widget);
  if (result != nullptr && (result->isReadOnly() || !result->hasFocus())) {
    QRegion characters;
    for (int offset : shown) {
      const QRect character = text->characterRect(offset);
      characters += QRect(widget->mapFromGlobal(character.topLeft()), character.size());
    }
    const QRect area = result->TextArea();
    int stray = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (!characters.contains(QPoint(x, y)) && HasInk(drawn, QRect(x, y, 1, 1), background, ink))
          ++stray;
    EXPECT_EQ(stray, 0) << "pixels drawn outside every character";
  }
  return shown;
}

std::vector<int> AllOffsets(int count) {
  std::vector<int> all(static_cast<std::size_t>(count));
  std::iota(all.begin(), all.end(), 0);
  return all;
}

TEST_F(WindowTest, CharactersAreFoundInsideTheirBoxInReadingOrder) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "47");
  TypeOver(Form().txtIpt, "1");
  for (const Control* control : std::initializer_list<const Control*>{
           &Form().txtRp(0), &Form().txtIpt, &Form().txtRpt, &Form().txtUMU, &Form().cboRp(1)}) {
    SCOPED_TRACE(control->QualifiedName());
    QWidget* widget = Widget(*control);
    const int count = Accessible(widget)->textInterface()->characterCount();
    ASSERT_GT(count, 0);
    EXPECT_EQ(CheckCharactersAreFoundWhereDrawn(widget), AllOffsets(count));
  }
}

// The box draws the number shortened in the middle: its first digit, separator and exponent are
// shown, and the digits the ellipsis stands for are found there.
TEST_F(WindowTest, AShortenedResultsCharactersAreFoundWhereItDrawsThem) {
  for (int row : {0, 1}) {
    TypeOver(Form().txtRp(row), "999999");
    PickInList(Form().cboRp(row), 2);
  }
  TypeOver(Form().txtIpt, "123456789");
  auto* power = qobject_cast<ResultBox*>(Edit(Form().txtPp(0)));
  ASSERT_NE(power, nullptr);
  ASSERT_EQ(power->text(), "3.81039087715294E+21");
  ASSERT_TRUE(power->DrawnText().text.contains(QChar(0x2026)))
      << power->DrawnText().text.toStdString();
  const std::vector<int> shown = CheckCharactersAreFoundWhereDrawn(power);
  EXPECT_EQ(shown, AllOffsets(static_cast<int>(power->text().size())));
  QAccessibleTextInterface* text = Accessible(power)->textInterface();
  EXPECT_NE(text->characterRect(0), text->characterRect(1)) << "the first digit and the separator";
  const int ellipsis = static_cast<int>(power->DrawnText().text.indexOf(QChar(0x2026)));
  EXPECT_EQ(text->characterRect(ellipsis), text->characterRect(ellipsis + 1))
      << "digits behind the ellipsis";

  // A number written without an exponent is drawn in its exponent form: each digit shown is found
  // where it is drawn, the first one with the separator the form puts after it, and the rest of
  // the number, its own separator included, where the ellipsis and the exponent are.
  Form().txtPp(0).SetText("30864166385802.8");
  const QString drawn = power->DrawnText().text;
  ASSERT_TRUE(drawn.startsWith("3.08") && drawn.endsWith(QString(QChar(0x2026)) + "E+13"))
      << drawn.toStdString();
  EXPECT_EQ(CheckCharactersAreFoundWhereDrawn(power), AllOffsets(16));
  const int hidden = static_cast<int>(drawn.indexOf(QChar(0x2026))) - 1;
  EXPECT_GT(text->characterRect(0).width(), text->characterRect(1).width())
      << "the first digit with the separator drawn after it";
  EXPECT_EQ(text->characterRect(hidden), text->characterRect(14)) << "the number's separator";
}

// A value box not being edited shows its whole value from its first character, in a smaller size
// or shortened where needed, and a reader finds each character where it is drawn; a click puts the
// caret where it falls in that drawing. Being edited again, the box scrolls to its caret.
TEST_F(WindowTest, AValueBoxNotBeingEditedShowsItsWholeValueWhereAReaderFindsIt) {
  auto* current = qobject_cast<FittedBox*>(Edit(Form().txtIpt));
  ASSERT_NE(current, nullptr);
  for (const QString typed : {"123456789", "12345678901234567890123456789012345678901"}) {
    SCOPED_TRACE(typed.toStdString());
    TypeOver(Form().txtIpt, typed);
    ASSERT_EQ(current->text(), typed);
    Widget(Form().cmdClear)->setFocus();
    const FittedBox::Drawing& drawing = current->DrawnText();
    EXPECT_LT(drawing.font.pixelSize(), current->font().pixelSize());
    EXPECT_EQ(drawing.text == typed, typed.size() < 20) << drawing.text.toStdString();
    EXPECT_EQ(CheckCharactersAreFoundWhereDrawn(current),
              AllOffsets(static_cast<int>(typed.size())));

    // The fourth character as drawn, clicked on its left half.
    const QRect fourth(
        current->mapFromGlobal(Accessible(current)->textInterface()->characterRect(3).topLeft()),
        QSize(2, 2));
    QTest::mouseClick(current, Qt::LeftButton, {}, fourth.topLeft());
    EXPECT_TRUE(current->hasFocus());
    EXPECT_EQ(current->cursorPosition(), 3);
    current->end(false);
    const std::vector<int> edited = CheckCharactersAreFoundWhereDrawn(current);
    ASSERT_FALSE(edited.empty());
    EXPECT_EQ(edited.back(), typed.size() - 1) << "scrolled to the caret at the end";
    EXPECT_GT(edited.front(), 0) << "the start scrolled out of view";
  }
}

// A current longer than its box is scrolled so that the caret stays in view: the characters shown
// are found where they are drawn, and the ones scrolled out of the box are not found on screen.
TEST_F(WindowTest, AScrolledCurrentsCharactersAreFoundWhereTheyAreShown) {
  const QString current = "0." + QString(60, '0') + "1";
  PasteOver(Form().txtIpt, current);
  QLineEdit* box = Edit(Form().txtIpt);
  ASSERT_EQ(box->text(), current);
  ASSERT_EQ(box->cursorPosition(), current.size());
  const std::vector<int> shown = CheckCharactersAreFoundWhereDrawn(box);
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown.back(), current.size() - 1) << "the end, where the caret is, is in view";
  EXPECT_GT(shown.front(), 0) << "the start is scrolled out of view";
  box->setCursorPosition(0);
  const std::vector<int> start = CheckCharactersAreFoundWhereDrawn(box);
  ASSERT_FALSE(start.empty());
  EXPECT_EQ(start.front(), 0) << "back at the start";
  EXPECT_LT(start.back(), current.size() - 1);
}

}  // namespace
}  // namespace zentavo
