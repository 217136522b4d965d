// The window's geometry and look for each resistor count, at whatever QT_SCALE_FACTOR the test
// runs with: every widget where the binding maps its control, and the design's colours and the
// schematic painted where they belong. Every grab is saved as a PNG for a person to look at.
#include <QDir>
#include <QImage>
#include <QPixmap>
#include <memory>

#include "caption_label.h"
#include "painted_pixels.h"
#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

// A point of the frame, in its pixels, and the colour the window shows there.
struct Probe {
  const char* what;
  QPoint inFrame;
  QColor colour;
};

// Shows the resistor count and fills the rows so that every result box holds a value.
class WindowLayout : public WindowTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    const int count = GetParam();
    PickInList(Form().cboRezP, count - 2);
    for (int i = 0; i < count; ++i) TypeOver(Form().txtRp(i), "100");
    TypeOver(Form().txtIpt, "1");
    QTest::qWait(0);
  }

  QImage Grab() {
    const QPixmap grab = window->grab();
    const int percent = qRound(grab.devicePixelRatio() * 100);
    const QString dir = ZENTAVO_SCREENSHOT_DIR;
    QDir().mkpath(dir);
    const QString file =
        QString("%1/count_%2_at_%3_percent.png").arg(dir).arg(GetParam()).arg(percent);
    EXPECT_TRUE(grab.save(file)) << file.toStdString();
    return grab.toImage();
  }

  // Whether a device pixel centred inside the logical pixel at p has the colour: at a fractional
  // scale a logical pixel covers one or two device pixels, and shares none with its neighbours.
  static bool Shows(const QImage& image, QPoint p, const QColor& colour) {
    const double ratio = image.devicePixelRatio();
    auto inside = [ratio](int logical, int device) {
      return device + 0.5 > logical * ratio && device + 0.5 < (logical + 1) * ratio;
    };
    for (int y = static_cast<int>(p.y() * ratio) - 1; y <= (p.y() + 1) * ratio; ++y)
      for (int x = static_cast<int>(p.x() * ratio) - 1; x <= (p.x() + 1) * ratio; ++x)
        if (inside(p.x(), x) && inside(p.y(), y) && image.pixelColor(x, y).rgb() == colour.rgb())
          return true;
    return false;
  }
};

TEST_P(WindowLayout, EveryWidgetStandsWhereItsControlIsAndInTheFrame) {
  ExpectWidgetsMirrorTheForm();
  QWidget* frame = Widget(Form().fraParalel);
  for (const Control* control : Form().Controls()) {
    const QWidget* widget = Widget(*control);
    if (widget != nullptr && widget != window.get() && widget != frame) {
      EXPECT_EQ(widget->parentWidget(), frame) << control->QualifiedName();
    }
  }
}

TEST_P(WindowLayout, GrabShowsTheDesignColoursAndTheSchematicWhereTheyBelong) {
  const int count = GetParam();
  // The row of the bottom leads, which move up with the voltage box for every resistor fewer.
  const int leads = Pixels(Form().linP4(0).Y1());
  const QColor grey = ToQColor(design::kWindowGrey), green = ToQColor(design::kInputGreen),
               yellow = ToQColor(design::kResultYellow), blue = ToQColor(design::kLeadBlue),
               ink = ToQColor(design::kInk);
  std::vector<Probe> probes = {
      {"window margin", {-5, -5}, grey},
      {"frame inside", {640, 40}, grey},
      {"transparent label corner", {8, 24}, grey},
      {"resistor 1 input", {78, 80}, green},
      {"resistor 2 input", {78, 128}, green},
      {"current input over the supply lead", {502, 104}, green},
      {"power result", {214, 80}, yellow},
      {"branch current result", {318, 128}, yellow},
      {"total resistance result", {494, 32}, yellow},
      {"voltage result", {190, leads}, yellow},
      {"power unit box", {290, 80}, grey},
      {"left common wire", {32, 90}, ink},
      {"right common wire", {464, 90}, ink},
      {"first branch wire", {50, 80}, ink},
      {"above the second branch wire", {50, 127}, grey},
      {"second branch wire, one wire wide", {50, 129}, ink},
      {"below the second branch wire", {50, 130}, grey},
      {"first resistor body, left side", {71, 80}, ink},
      {"first resistor body, top side", {200, 67}, ink},
      {"left supply lead", {16, 104}, ink},
      {"right supply lead", {480, 104}, ink},
      {"left junction dot", {31, 102}, ink},
      {"left junction dot", {34, 106}, ink},
      {"beside the left dot", {30, 96}, grey},
      {"right junction dot", {466, 102}, ink},
      {"right junction dot", {462, 106}, ink},
      {"beside the right dot", {467, 96}, grey},
      {"left vertical lead", {32, leads - 12}, blue},
      {"left horizontal lead", {100, leads}, blue},
      {"right vertical lead", {464, leads - 12}, blue},
      {"right horizontal lead", {400, leads}, blue},
      {"between the last wire and the leads", {32, leads - 40}, grey},
      {"second loop", {32, 150}, count >= 3 ? ink : grey},
      {"third resistor input", {78, 176}, count >= 3 ? green : grey},
      {"third loop", {32, 198}, count >= 4 ? ink : grey},
  };
  // With two resistors the window ends above the fourth row.
  if (count >= 3) probes.push_back({"fourth resistor input", {78, 224}, count >= 4 ? green : grey});
  const QImage image = Grab();
  const QPoint frame = Widget(Form().fraParalel)->pos();
  for (const Probe& probe : probes) {
    const QPoint at = probe.inFrame + frame;
    EXPECT_TRUE(Shows(image, at, probe.colour))
        << probe.what << " at " << at.x() << "," << at.y() << " shows "
        << image.pixelColor(at * image.devicePixelRatio()).name().toStdString() << ", not "
        << probe.colour.name().toStdString();
  }
}

// Every caption the window starts with shows the pixels the build drew for this scale and place
// (so that the caption font, and the signature's bold one, are never loaded), and the window shows
// there what labels set up alike, drawing their text, show.
TEST_P(WindowLayout, EveryCaptionShowsWhatALabelDrawingItsTextShows) {
  std::vector<std::unique_ptr<QLabel>> twins;
  for (Control* control : Form().Controls()) {
    auto* caption = qobject_cast<CaptionLabel*>(Widget(*control));
    if (caption == nullptr || !caption->isVisible()) continue;
    SCOPED_TRACE(control->QualifiedName());
    EXPECT_TRUE(caption->ShowsPredrawnPixels());
    auto twin = std::make_unique<QLabel>(caption->text(), caption->parentWidget());
    twin->setTextFormat(Qt::PlainText);
    twin->setFont(caption->font());
    twin->setAlignment(caption->alignment());
    twin->setGeometry(caption->geometry());
    twin->stackUnder(caption);
    EXPECT_EQ(twin->sizeHint(), caption->size());
    twins.push_back(std::move(twin));
  }
  EXPECT_GE(twins.size(), 8u);
  const QImage predrawn = window->grab().toImage();
  for (const auto& twin : twins) twin->show();
  for (QLabel* caption : window->findChildren<CaptionLabel*>()) caption->hide();
  const QImage drawnAsText = window->grab().toImage();
  for (const auto& twin : twins) {
    const QRect pixels = testing_support::DevicePixels(
        predrawn, QRect(twin->mapTo(window.get(), QPoint()), twin->size()));
    EXPECT_EQ(drawnAsText.copy(pixels), predrawn.copy(pixels)) << twin->text().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, WindowLayout, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Resistors"; });

}  // namespace
}  // namespace zentavo
