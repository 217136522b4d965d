// At whatever QT_SCALE_FACTOR the test runs with, nothing in the window is cut off: every widget
// lies inside its parent, no caption runs into a box, and every caption, list entry and shown
// text fits its box in the font actually used (DejaVu Sans where Verdana is missing). The widest
// texts are grabbed as a PNG for a person to look at.
#include <QDir>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>

#include "qt_conversions.h"
#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

// QLineEdit keeps this many pixels free on each side of its text.
constexpr int kLineEditMargin = 2;

int TextRoom(const QLineEdit& edit) {
  QStyleOptionFrame option;
  option.initFrom(&edit);
  option.lineWidth =
      edit.hasFrame() ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &edit) : 0;
  option.state |= QStyle::State_Sunken;
  const QRect contents = edit.style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, &edit)
                             .marginsRemoved(edit.textMargins());
  return contents.width() - 2 * kLineEditMargin;
}

QRect TextRoom(const QComboBox& combo) {
  QStyleOptionComboBox option;
  option.initFrom(&combo);
  option.editable = false;
  option.frame = true;
  option.subControls = QStyle::SC_All;
  // The entry's text is drawn one pixel in from each side of the edit field.
  return combo.style()
      ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &combo)
      .adjusted(1, 0, -1, 0);
}

QRect TextRoom(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.text = button.text();
  if (button.autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
  return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

// The longest texts each box shows: six typed digits in a resistor field, a result of three
// integer and three decimal digits, and every unit of its kind.
std::vector<QString> WidestTexts(const frmZentavo& form, const TextBox& box) {
  const std::vector<QString> powers = {"uW", "mW", "W", "kW", "MW"};
  const std::vector<QString> currents = {"uA", "mA", "A"};
  const std::vector<QString> voltages = {"uV", "mV", "V", "kV", "MV"};
  for (int i = 0; i < kResistorRows; ++i) {
    if (&box == &form.txtRp(i)) return {"888888"};
    if (&box == &form.txtUMW(i)) return powers;
    if (&box == &form.txtUMI(i)) return currents;
  }
  if (&box == &form.txtUMU) return voltages;
  return {"888.888"};
}

class WindowFit : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  // Fills every shown row, so that the total resistance row shows too.
  void SetUp() override {
    PickInList(Form().cboRezP, GetParam() - 2);
    for (int i = 0; i < GetParam(); ++i) TypeOver(Form().txtRp(i), "100");
    TypeOver(Form().txtIpt, "1");
  }

  std::vector<QWidget*> Shown() const {
    std::vector<QWidget*> shown;
    for (QWidget* widget : window->findChildren<QWidget*>())
      if (widget->window() == window.get() && widget->isVisible()) shown.push_back(widget);
    return shown;
  }

  static std::string Describe(const QWidget* widget, const QRect& rect) {
    return widget->objectName().toStdString() + " at " + std::to_string(rect.x()) + "," +
           std::to_string(rect.y()) + " " + std::to_string(rect.width()) + "x" +
           std::to_string(rect.height());
  }

  void SaveGrab(const QString& what) {
    const QPixmap grab = window->grab();
    const int percent = qRound(grab.devicePixelRatio() * 100);
    QDir().mkpath(ZENTAVO_SCREENSHOT_DIR);
    const QString file = QString("%1/%2_count_%3_at_%4_percent.png")
                             .arg(ZENTAVO_SCREENSHOT_DIR, what)
                             .arg(GetParam())
                             .arg(percent);
    EXPECT_TRUE(grab.save(file)) << file.toStdString();
  }
};

TEST_P(WindowFit, EveryWidgetLiesInsideItsParent) {
  for (QWidget* widget : Shown()) {
    const QRect inside = widget->parentWidget()->rect();
    EXPECT_TRUE(inside.contains(widget->geometry()))
        << Describe(widget, widget->geometry()) << " leaves "
        << Describe(widget->parentWidget(), inside);
  }
}

TEST_P(WindowFit, CaptionsFitTheirDesignWidthAndRunIntoNoBox) {
  const QWidget* frame = Widget(Form().fraParalel);
  const QRect inside = frame->contentsRect();
  std::vector<const QWidget*> boxes;
  for (QWidget* widget : Shown())
    if (qobject_cast<QLabel*>(widget) == nullptr && widget != frame) boxes.push_back(widget);
  for (const Control* control : Form().Controls()) {
    if (control->Kind() != ControlKind::Label || !control->Visible()) continue;
    SCOPED_TRACE(control->QualifiedName());
    auto* label = qobject_cast<QLabel*>(Widget(*control));
    ASSERT_NE(label, nullptr);
    const QFontMetrics metrics = label->fontMetrics();
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
    EXPECT_LE(metrics.height(), label->height());
    if (control == &Form().lblUMr) {
      // The unit widens to the right with its caption, which changes at run time.
      const int widest = metrics.horizontalAdvance("MOhm");
      EXPECT_LE(label->x() + widest, inside.right() + 1);
    } else {
      // The design widths are the captions' extents in Verdana.
      EXPECT_LE(label->width(), PixelRect(*control).width()) << label->text().toStdString();
    }
    EXPECT_TRUE(inside.contains(label->geometry())) << Describe(label, label->geometry());
    for (const QWidget* box : boxes) {
      EXPECT_FALSE(label->geometry().intersects(box->geometry()))
          << Describe(label, label->geometry()) << " runs into " << Describe(box, box->geometry());
    }
  }
}

TEST_P(WindowFit, ButtonAndListEntriesFitTheirBoxes) {
  auto* button = qobject_cast<QPushButton*>(Widget(Form().cmdClear));
  ASSERT_NE(button, nullptr);
  const QRect room = TextRoom(*button);
  EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), room.width());
  EXPECT_LE(button->fontMetrics().height(), room.height());

  for (const ComboBox* box : {&Form().cboRezP, &Form().cboIpt, &Form().cboRp(0)}) {
    SCOPED_TRACE(box->QualifiedName());
    QComboBox* combo = Combo(*box);
    const QRect field = TextRoom(*combo);
    EXPECT_LE(combo->fontMetrics().height(), field.height());
    for (int i = 0; i < combo->count(); ++i)
      EXPECT_LE(combo->fontMetrics().horizontalAdvance(combo->itemText(i)), field.width())
          << combo->itemText(i).toStdString();
  }
}

TEST_P(WindowFit, TheWidestTextOfEveryBoxFits) {
  for (Control* control : Form().Controls()) {
    if (control->Kind() != ControlKind::TextBox || !control->Visible()) continue;
    const auto& box = static_cast<const TextBox&>(*control);
    SCOPED_TRACE(box.QualifiedName());
    QLineEdit* edit = Edit(box);
    const QFontMetrics metrics = edit->fontMetrics();
    QString widest;
    for (const QString& text : WidestTexts(Form(), box)) {
      // One more pixel for the caret, as QLineEdit counts it before it scrolls.
      EXPECT_LE(metrics.horizontalAdvance(text) + 1, TextRoom(*edit)) << text.toStdString();
      if (metrics.horizontalAdvance(text) > metrics.horizontalAdvance(widest)) widest = text;
    }
    edit->setText(widest);
  }
  SaveGrab("widest_texts");
}

INSTANTIATE_TEST_SUITE_P(Counts, WindowFit, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Resistors"; });

}  // namespace
}  // namespace zentavo
