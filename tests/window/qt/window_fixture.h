// A shown calculator window whose failure and ending hooks record instead of acting, with
// helpers that drive its real widgets the way a user does.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "form_state_checks.h"
#include "number_formats.h"
#include "qt_conversions.h"
#include "window_driving.h"
#include "zentavo_window.h"

// Lets GoogleTest print Qt's strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace zentavo::testing_support {

struct Recorded {
  std::vector<std::string> failures;
  int endings = 0;
  int refusals = 0;  // the beeps of refused edits
};

// A number format, the desktop's by default, with failures, endings and refusals recorded instead
// of acted on.
inline Platform RecordingPlatform(Recorded& recorded,
                                  const NumberFormat& format = SystemNumberFormat()) {
  return {format, [&recorded](const std::string& message) { recorded.failures.push_back(message); },
          [&recorded] { ++recorded.endings; },
          [&recorded](const TextBox&, const std::string&) { ++recorded.refusals; }};
}

class WindowTest : public ::testing::Test {
 protected:
  enum class Hooks { Recording, RealFailureBox, RealEnding };

  explicit WindowTest(Hooks kind = Hooks::Recording,
                      const NumberFormat& format = SystemNumberFormat()) {
    Platform platform = RecordingPlatform(recorded, format);
    if (kind == Hooks::RealFailureBox) platform.showFailure = nullptr;
    if (kind == Hooks::RealEnding) platform.endProgram = nullptr;
    window = std::make_unique<ZentavoWindow>(std::move(platform));
    window->show();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  frmZentavo& Form() { return window->Form(); }

  QLineEdit* Edit(const TextBox& box) {
    QLineEdit* edit = EditFor(*window, box);
    EXPECT_NE(edit, nullptr) << box.QualifiedName();
    return edit;
  }
  QComboBox* Combo(const ComboBox& box) {
    QComboBox* combo = ComboFor(*window, box);
    EXPECT_NE(combo, nullptr) << box.QualifiedName();
    return combo;
  }
  QWidget* Widget(const Control& control) { return window->WidgetFor(control); }

  void TypeOver(const TextBox& box, const QString& keys) {
    testing_support::TypeOver(*Edit(box), keys);
  }
  void PasteOver(const TextBox& box, const QString& text) {
    testing_support::PasteOver(*Edit(box), text);
  }

  // Opens the drop-down list and clicks the entry, as a user does with the mouse.
  void PickInList(const ComboBox& box, int entry) {
    QComboBox* combo = Combo(box);
    combo->showPopup();
    QAbstractItemView* view = combo->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
    const QPoint item = EntryPoint(*combo, entry);
    QTest::mouseMove(view->viewport(), item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item);
    EXPECT_FALSE(view->isVisible());
  }

  // Every widget mirrors its control as the binding maps it: the window sized by its client area,
  // every other widget where its twips fall in pixels (a label's size is its caption's), shown or
  // hidden with its control, with the text it holds, and read by a screen reader under the form's
  // name and description (a label without a name under its caption). Shapes and lines have no
  // widget.
  void ExpectWidgetsMirrorTheForm() {
    for (const Control* control : Form().Controls()) {
      QWidget* widget = Widget(*control);
      if (widget == nullptr) continue;
      SCOPED_TRACE(control->QualifiedName());
      EXPECT_EQ(widget->isVisible(), control->Visible());
      QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(face, nullptr);
      const auto* label = dynamic_cast<const Label*>(control);
      EXPECT_EQ(face->text(QAccessible::Name),
                ToQString(label != nullptr && control->AccessibleName().empty()
                              ? label->Caption()
                              : control->AccessibleName()));
      EXPECT_EQ(face->text(QAccessible::Description), ToQString(control->AccessibleDescription()));
      Visit(*control, Overloaded{[&](const Window& frm) {
                                   EXPECT_EQ(widget->size(), QSize(Pixels(frm.ClientWidth()),
                                                                   Pixels(frm.ClientHeight())));
                                 },
                                 [&](const Label& label) {
                                   EXPECT_EQ(widget->pos(), PixelRect(label).topLeft());
                                   EXPECT_EQ(Shown(label), ToQString(label.Caption()));
                                 },
                                 [&](const TextBox& box) {
                                   EXPECT_EQ(widget->geometry(), PixelRect(box));
                                   EXPECT_EQ(Shown(box), ToQString(box.Text()));
                                 },
                                 [&](const ComboBox& box) {
                                   EXPECT_EQ(widget->geometry(), PixelRect(box));
                                   EXPECT_EQ(Shown(box), ToQString(box.Text()));
                                 },
                                 [&](const Control& other) {
                                   EXPECT_EQ(widget->geometry(), PixelRect(other));
                                 }});
    }
  }

  // What a clear does is the form's matter; here, that the user's action is one: it changes the
  // form, which a clear by the form itself then leaves as it is, and the widgets show the result.
  template <typename Action>
  void ExpectToClearTheForm(Action userAction) {
    const std::vector<std::string> before = form_checks::Everything(Form());
    userAction();
    const std::vector<std::string> cleared = form_checks::Everything(Form());
    EXPECT_NE(cleared, before) << "nothing was cleared";
    Form().UserClicks(Form().cmdClear);
    EXPECT_EQ(form_checks::Everything(Form()), cleared) << "the action did less than a clear";
    ExpectWidgetsMirrorTheForm();
  }

  // Two resistors of 1 Ohm fed by 1e308 A, pasted: the powers overflow.
  void Overflow() {
    TypeOver(Form().txtRp(0), "1");
    TypeOver(Form().txtRp(1), "1");
    PasteOver(Form().txtIpt, "1e308");
  }

  QString Shown(const TextBox& box) { return ShownText(Edit(box)); }
  QString Shown(const ComboBox& box) { return ShownText(Combo(box)); }
  QString Shown(const Label& label) { return ShownText(Widget(label)); }

  Recorded recorded;
  std::unique_ptr<ZentavoWindow> window;
};

// A window that reports a failure in its own failure box, as on the desktop.
class FailureBoxTest : public WindowTest {
 protected:
  FailureBoxTest() : WindowTest(Hooks::RealFailureBox) {}
  // The box an overflow opens, once it is shown.
  QMessageBox* OverflowBox() {
    Overflow();
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    EXPECT_NE(box, nullptr);
    if (box != nullptr) {
      EXPECT_TRUE(QTest::qWaitForWindowActive(box));
    }
    return box;
  }
};

}  // namespace zentavo::testing_support
