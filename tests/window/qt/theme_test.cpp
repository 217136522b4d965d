// The window stays readable whatever the desktop's theme: every text-bearing control reaches a
// contrast of at least 4.5:1 (WCAG AA) between its text and its background, in the palette it
// paints with and in the pixels it paints, and the wires stay dark on the grey. Asked for high
// contrast, the window turns black on white, or white on black for an inverse theme, and reaches
// 7:1 (WCAG AAA) everywhere. CTest runs this plain, under a dark and two high-contrast GTK themes
// through Qt's GTK platform theme (with ZENTAVO_EXPECT_DARK_DESKTOP=1 where the theme is dark and
// ZENTAVO_EXPECT_CONTRAST naming the variant expected), and one test gives the application a dark
// palette for every widget class, as a dark Qt colour scheme does.
#include <QAbstractItemView>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPointer>
#include <QStyle>
#include <QStyleFactory>
#include <QtMath>
#include <cmath>
#include <map>
#include <memory>

#include "design_palette.h"
#include "failure_box.h"
#include "frm_zentavo.h"
#include "qt_conversions.h"
#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

double Luminance(QColor colour) {
  auto channel = [](double value) {
    value /= 255;
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
         0.0722 * channel(colour.blue());
}

double Contrast(QColor a, QColor b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

// The text and background roles a widget paints its text with; a label is transparent over its
// parent.
std::pair<QColor, QColor> TextColours(const QWidget& widget) {
  const QPalette& palette = widget.palette();
  if (qobject_cast<const QLineEdit*>(&widget) != nullptr)
    return {palette.color(QPalette::Text), palette.color(QPalette::Base)};
  if (qobject_cast<const QLabel*>(&widget) != nullptr)
    return {palette.color(QPalette::WindowText),
            widget.parentWidget()->palette().color(QPalette::Window)};
  return {palette.color(QPalette::ButtonText), palette.color(QPalette::Button)};
}

// The painted background (the commonest colour) and the painted colour that stands out most
// from it, which is the text's where there is text.
std::pair<QColor, QColor> PaintedColours(const QImage& image) {
  std::map<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  QRgb background = counts.begin()->first;
  for (const auto& [colour, count] : counts)
    if (count > counts[background]) background = colour;
  QRgb ink = background;
  for (const auto& entry : counts)
    if (Contrast(QColor(entry.first), QColor(background)) >
        Contrast(QColor(ink), QColor(background)))
      ink = entry.first;
  return {QColor(ink), QColor(background)};
}

// The variant the run expects, by the name CTest gives it.
zentavo::Contrast ExpectedContrast() {
  const QString name = qEnvironmentVariable("ZENTAVO_EXPECT_CONTRAST");
  if (name == "high") return zentavo::Contrast::High;
  if (name == "inverse") return zentavo::Contrast::HighInverse;
  return zentavo::Contrast::Design;
}

class Themes : public WindowTest {
 protected:
  Themes() {
    PickInList(Form().cboRezP, 2);
    for (int i = 0; i < kResistorRows; ++i) TypeOver(Form().txtRp(i), "47");
    TypeOver(Form().txtIpt, "3");
  }

  // WCAG's AA for the design, AAA for high contrast.
  static double Least() { return UsedContrast() == zentavo::Contrast::Design ? 4.5 : 7; }

  void ExpectReadable(QWidget& widget, const std::string& what) {
    SCOPED_TRACE(what);
    const auto [text, background] = TextColours(widget);
    EXPECT_GE(Contrast(text, background), Least())
        << text.name().toStdString() << " on " << background.name().toStdString();
    const auto [ink, paper] = PaintedColours(widget.grab().toImage());
    EXPECT_GE(Contrast(ink, paper), Least())
        << "painted " << ink.name().toStdString() << " on " << paper.name().toStdString();
  }

  void ExpectEveryControlReadable() {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
      if (!widget->isVisible()) continue;
      const bool bearsText = qobject_cast<QLineEdit*>(widget) != nullptr ||
                             qobject_cast<QComboBox*>(widget) != nullptr ||
                             qobject_cast<QLabel*>(widget) != nullptr ||
                             qobject_cast<QPushButton*>(widget) != nullptr;
      if (bearsText && !widget->grab().isNull())
        ExpectReadable(*widget, widget->objectName().toStdString());
    }
    // The middle of the left supply lead, dark on the frame's grey.
    const QColor lead = Middle(Widget(Form().fraParalel)->grab().toImage(), Form().linP1);
    EXPECT_GE(Contrast(lead, ShownBackground(design::kWindowGrey)), Least())
        << lead.name().toStdString();
  }

  static QColor Middle(const QImage& drawn, const Line& wire) {
    const qreal ratio = drawn.devicePixelRatio();
    return drawn.pixelColor(qRound((Pixels(wire.X1()) + Pixels(wire.X2())) / 2 * ratio),
                            qRound((Pixels(wire.Y1()) + Pixels(wire.Y2())) / 2 * ratio));
  }
};

// A high-contrast GTK theme by name, or a desktop palette of pure black and white, asks for the
// high-contrast variant; anything else keeps the design.
TEST(AskedContrast, FollowsTheGtkThemeOrAPaletteOfBlackAndWhite) {
  const auto palette = [](QColor window, QColor text) {
    QPalette desktop;
    desktop.setColor(QPalette::Window, window);
    desktop.setColor(QPalette::WindowText, text);
    return desktop;
  };
  const QPalette light = palette(QColor(239, 239, 239), Qt::black);
  struct Row {
    QString theme;
    QPalette desktop;
    zentavo::Contrast asked;
  };
  const Row rows[] = {
      {"", light, zentavo::Contrast::Design},
      {"Adwaita", light, zentavo::Contrast::Design},
      {"Adwaita:dark", palette(QColor(50, 50, 50), QColor(240, 240, 240)),
       zentavo::Contrast::Design},
      {"HighContrast", light, zentavo::Contrast::High},
      {"highcontrast", light, zentavo::Contrast::High},
      {"HighContrastInverse", light, zentavo::Contrast::HighInverse},
      {"HighContrast:dark", light, zentavo::Contrast::HighInverse},
      {"", palette(Qt::white, Qt::black), zentavo::Contrast::High},
      {"", palette(Qt::black, Qt::white), zentavo::Contrast::HighInverse},
      {"", palette(Qt::white, QColor(40, 40, 40)), zentavo::Contrast::Design},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.theme.toStdString() + " " +
                 row.desktop.color(QPalette::Window).name().toStdString());
    EXPECT_EQ(AskedContrast(row.theme, row.desktop), row.asked);
  }
}

TEST_F(Themes, EveryControlAndWireIsReadable) {
  ASSERT_EQ(UsedContrast(), ExpectedContrast());
  if (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") == "gtk3") {
    // Qt falls back silently to its own theme where the GTK one is not installed.
    const QString plugin =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platformthemes/libqgtk3.so";
    EXPECT_TRUE(QFileInfo::exists(plugin)) << plugin.toStdString();
  }
  if (qEnvironmentVariableIntValue("ZENTAVO_EXPECT_DARK_DESKTOP") == 1) {
    // Otherwise the theme did not load and this run would prove nothing: the style's own palette
    // follows the desktop's.
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    EXPECT_LT(fusion->standardPalette().color(QPalette::Window).lightness(), 128);
  }
  ExpectEveryControlReadable();
}

// In high contrast the window is ink on paper alone: its background, the boxes' and every wire.
TEST_F(Themes, HighContrastDrawsTheDesignInInkOnPaper) {
  if (UsedContrast() == zentavo::Contrast::Design) GTEST_SKIP() << "the design's own colours";
  const bool inverse = UsedContrast() == zentavo::Contrast::HighInverse;
  const QColor paper = inverse ? Qt::black : Qt::white, ink = inverse ? Qt::white : Qt::black;
  const QImage frame = Widget(Form().fraParalel)->grab().toImage();
  EXPECT_EQ(PaintedColours(frame).second, paper);
  for (const Line* wire : {&Form().linP1, &Form().linP3(1), &Form().linP4(1)})
    EXPECT_EQ(Middle(frame, *wire), ink) << wire->QualifiedName();
  for (const TextBox* box : {&Form().txtRp(0), &Form().txtPp(0), &Form().txtUMW(0), &Form().txtRpt})
    EXPECT_EQ(PaintedColours(Edit(*box)->grab().toImage()).second, paper) << box->QualifiedName();
}

TEST_F(Themes, AnOpenListAndTheFailureBoxAreReadable) {
  QComboBox* list = Combo(Form().cboRp(0));
  list->showPopup();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->view()->window()));
  const QPalette& palette = list->view()->palette();
  EXPECT_GE(Contrast(palette.color(QPalette::Text), palette.color(QPalette::Base)), Least());
  const auto [ink, paper] = PaintedColours(list->view()->viewport()->grab().toImage());
  EXPECT_GE(Contrast(ink, paper), Least());
  list->hidePopup();

  QPointer<FailureBox> box = &FailureBox::Report("Depășire", *window);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
  for (QWidget* widget : box->findChildren<QWidget*>()) {
    auto* label = qobject_cast<QLabel*>(widget);
    const bool bearsText =
        label != nullptr ? !label->text().isEmpty() : qobject_cast<QPushButton*>(widget) != nullptr;
    if (widget->isVisible() && bearsText)
      ExpectReadable(*widget, "failure box " + widget->objectName().toStdString());
  }
  box->close();
}

// The boxes, lists and the button are drawn as the Fusion style draws them, in the same colours
// and states, only with square corners: every pixel but the four by four at each corner, where
// Fusion rounds its outline and the ring inside it, is Fusion's.
TEST_F(Themes, BoxesListsAndTheButtonKeepFusionsLookWithSquareCorners) {
  Edit(Form().txtIpt)->setFocus();
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
  const Control* const drawn[] = {&Form().txtIpt,    &Form().txtRp(1), &Form().txtPp(0),
                                  &Form().txtUMW(0), &Form().cboRp(0), &Form().cboRezP,
                                  &Form().cmdClear};
  for (const Control* control : drawn) {
    SCOPED_TRACE(control->QualifiedName());
    QWidget* widget = Widget(*control);
    // Fusion keeps its drawings of lists in a cache whose keys do not name the style.
    QPixmapCache::clear();
    const QImage ours = widget->grab().toImage();
    widget->setStyle(fusion.get());
    QPixmapCache::clear();
    const QImage theirs = widget->grab().toImage();
    widget->setStyle(nullptr);
    ASSERT_EQ(ours.size(), theirs.size());
    const int corner = qCeil(4 * ours.devicePixelRatio());
    const QRect middle(QPoint(corner, corner), ours.size() - QSize(2 * corner, 2 * corner));
    int differing = 0;
    for (int y = 0; y < ours.height(); ++y) {
      for (int x = 0; x < ours.width(); ++x) {
        const bool inCorner =
            (x < middle.left() || x > middle.right()) && (y < middle.top() || y > middle.bottom());
        if (!inCorner && ours.pixel(x, y) != theirs.pixel(x, y)) ++differing;
      }
    }
    EXPECT_EQ(differing, 0);
  }
}

// A dark colour scheme as a Qt desktop gives it: a dark palette for the application and for
// every widget class.
class DarkQtPalette : public Themes {
 protected:
  static void SetUpTestSuite() {
    QPalette dark;
    for (auto [role, colour] : {std::pair{QPalette::Window, QColor(40, 40, 40)},
                                {QPalette::WindowText, QColor(235, 235, 235)},
                                {QPalette::Base, QColor(25, 25, 25)},
                                {QPalette::Text, QColor(235, 235, 235)},
                                {QPalette::Button, QColor(50, 50, 50)},
                                {QPalette::ButtonText, QColor(235, 235, 235)}})
      dark.setColor(role, colour);
    saved_ = QApplication::palette();
    QApplication::setPalette(dark);
    for (const char* kind :
         {"QLineEdit", "QComboBox", "QLabel", "QPushButton", "QAbstractItemView"})
      QApplication::setPalette(dark, kind);
  }
  static void TearDownTestSuite() { QApplication::setPalette(saved_); }

  static inline QPalette saved_;
};

TEST_F(DarkQtPalette, EveryControlAndWireIsReadable) {
  ExpectEveryControlReadable();
}

}  // namespace
}  // namespace zentavo
