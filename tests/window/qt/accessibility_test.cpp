// What a screen reader learns about the window through Qt's accessibility interfaces: a distinct
// name for every control, what kind of control it is, whether it can be edited or is hidden, and
// the value it shows.
#include <QAccessible>
#include <QHash>
#include <QSet>

#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

QAccessibleInterface* Accessible(QWidget* widget) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
  EXPECT_NE(face, nullptr) << widget->objectName().toStdString();
  return face;
}

// Every control that can take the focus and every read-only result box, hidden rows included.
std::vector<QWidget*> ControlsAScreenReaderNames(QWidget& window) {
  std::vector<QWidget*> controls;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (widget->window() != &window) continue;  // the lists' pop-ups
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (widget->focusPolicy() != Qt::NoFocus || (edit != nullptr && edit->isReadOnly()))
      controls.push_back(widget);
  }
  return controls;
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

TEST_F(WindowTest, EveryFocusableControlAndResultBoxHasADistinctNameInTheAccessibleTree) {
  PickInList(Form().cboRezP, 2);
  const std::vector<QWidget*> controls = ControlsAScreenReaderNames(*window);
  // Six boxes in each of four rows, the count and current lists and boxes, the total and
  // voltage boxes and the button.
  EXPECT_EQ(controls.size(), 31u);
  QSet<QString> tree;
  CollectNames(Accessible(window.get()), tree);
  QHash<QString, QString> owners;
  for (QWidget* widget : controls) {
    const QString control = widget->objectName();
    SCOPED_TRACE(control.toStdString());
    const QString name = Accessible(widget)->text(QAccessible::Name);
    EXPECT_FALSE(name.trimmed().isEmpty());
    EXPECT_FALSE(owners.contains(name))
        << name.toStdString() << " also names " << owners[name].toStdString();
    owners.insert(name, control);
    EXPECT_TRUE(tree.contains(name)) << name.toStdString() << " is not in the accessible tree";
  }
}

TEST_F(WindowTest, ScreenReaderHearsEachControlsCaptionRowKindAndWhetherItCanBeEdited) {
  struct Row {
    const Control* control;
    QString name;
    QAccessible::Role role;
    bool readOnly;
  };
  const Row rows[] = {
      {&Form().cboRezP, "Numărul rezistoarelor în paralel", QAccessible::ComboBox, false},
      {&Form().txtRp(0), "Rezistenta 1", QAccessible::EditableText, false},
      {&Form().cboRp(0), "Rezistenta 1, unitate", QAccessible::ComboBox, false},
      {&Form().txtRp(3), "Rezistenta 4", QAccessible::EditableText, false},
      {&Form().txtPp(0), "Puterea disipată 1", QAccessible::EditableText, true},
      {&Form().txtUMW(1), "Puterea disipată 2, unitate", QAccessible::EditableText, true},
      {&Form().txtIp(0), "Curent prin ramură 1", QAccessible::EditableText, true},
      {&Form().txtUMI(2), "Curent prin ramură 3, unitate", QAccessible::EditableText, true},
      {&Form().txtRpt, "Rezistenta totală", QAccessible::EditableText, true},
      {&Form().txtIpt, "Curentul în circuit", QAccessible::EditableText, false},
      {&Form().cboIpt, "Curentul în circuit, unitate", QAccessible::ComboBox, false},
      {&Form().txtUpt, "Căderea de tensiune", QAccessible::EditableText, true},
      {&Form().txtUMU, "Căderea de tensiune, unitate", QAccessible::EditableText, true},
      {&Form().cmdClear, "Sterge valori", QAccessible::Button, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.control->QualifiedName());
    QAccessibleInterface* face = Accessible(Widget(*row.control));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(face->text(QAccessible::Name), row.name);
    EXPECT_EQ(face->role(), row.role);
    EXPECT_EQ(face->state().readOnly, row.readOnly);
  }
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

TEST_F(WindowTest, TheWindowIsATitledWindowHoldingAGroupingNotAFrame) {
  QAccessibleInterface* face = Accessible(window.get());
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::Window);
  EXPECT_EQ(face->text(QAccessible::Name), "Zentavo");
  QAccessibleInterface* frame = Accessible(Widget(Form().fraParalel));
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->role(), QAccessible::Grouping);
  EXPECT_EQ(frame->parent()->object(), window.get());
}

TEST_F(WindowTest, ResultBoxesAreReadOnlyAndOfferNoEditingWhileInputsAreEditable) {
  for (const TextBox* box : {&Form().txtRp(0), &Form().txtIpt, &Form().txtRpt, &Form().txtPp(2),
                             &Form().txtUMI(1), &Form().txtUpt, &Form().txtUMU}) {
    SCOPED_TRACE(box->QualifiedName());
    QAccessibleInterface* face = Accessible(Widget(*box));
    ASSERT_NE(face, nullptr);
    const bool input = !box->ReadOnly();
    EXPECT_EQ(face->state().editable, input);
    EXPECT_EQ(face->state().readOnly, !input);
    EXPECT_EQ(face->editableTextInterface() != nullptr, input);
    ASSERT_NE(face->textInterface(), nullptr);
    EXPECT_EQ(face->textInterface()->text(0, face->textInterface()->characterCount()), Shown(*box));
  }
}

TEST_F(WindowTest, EachValueIsDescribedByItsUnitAsTheUnitChanges) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "100");
  TypeOver(Form().txtIpt, "1");
  auto description = [this](const Control& control) {
    return Accessible(Widget(control))->text(QAccessible::Description);
  };
  EXPECT_EQ(description(Form().txtRpt), "Ohm");
  EXPECT_EQ(description(Form().txtUpt), "V");
  EXPECT_EQ(description(Form().txtPp(1)), "W");
  EXPECT_EQ(description(Form().txtIp(0)), "mA");
  EXPECT_EQ(description(Form().txtIpt), "A");
  PickInList(Form().cboRp(0), 1);
  PickInList(Form().cboRp(1), 1);
  EXPECT_EQ(description(Form().txtRpt), Shown(Form().lblUMr));
  EXPECT_EQ(description(Form().txtRpt), "kOhm");
  EXPECT_EQ(description(Form().txtRp(0)), "kOhm");
  EXPECT_EQ(description(Form().txtUpt), "kV");
  // The total's unit label is read as the unit it shows.
  EXPECT_EQ(Accessible(Widget(Form().lblUMr))->text(QAccessible::Name), "kOhm");
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
  EXPECT_EQ(Form().txtRp(1).Text(), "100000") << "the box still holds at most six characters";
}

// Where a reader's review finds each character: inside the box, left to right, and back.
TEST_F(WindowTest, CharactersAreFoundInsideTheirBoxInReadingOrder) {
  TypeOver(Form().txtRp(0), "100");
  TypeOver(Form().txtRp(1), "47");
  TypeOver(Form().txtIpt, "1");
  for (const Control* control : std::initializer_list<const Control*>{
           &Form().txtRp(0), &Form().txtIpt, &Form().txtRpt, &Form().txtUMU, &Form().cboRp(1)}) {
    SCOPED_TRACE(control->QualifiedName());
    QWidget* widget = Widget(*control);
    QAccessibleTextInterface* text = Accessible(widget)->textInterface();
    ASSERT_NE(text, nullptr);
    ASSERT_GT(text->characterCount(), 0);
    const QRect box(widget->mapToGlobal(QPoint()), widget->size());
    int previousRight = box.left();
    for (int offset = 0; offset < text->characterCount(); ++offset) {
      const QRect character = text->characterRect(offset);
      EXPECT_FALSE(character.isEmpty()) << offset;
      EXPECT_TRUE(box.contains(character)) << offset;
      EXPECT_GE(character.left(), previousRight) << offset;
      previousRight = character.right();
      EXPECT_EQ(text->offsetAtPoint(character.center()), offset);
    }
    EXPECT_EQ(text->characterRect(text->characterCount()), QRect());
    EXPECT_EQ(text->offsetAtPoint(box.topLeft() - QPoint(5, 5)), -1);
  }
}

}  // namespace
}  // namespace zentavo
