// The window's geometry and look for each resistor count, at whatever QT_SCALE_FACTOR the test
// runs with; every grab is saved as a PNG for a person to look at.
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "window_fixture.h"

namespace zentavo {
namespace {

using testing_support::WindowTest;

struct Twips {
  int left, top, width, height;
};

// The design layout for four resistors, inside the frame; `lower` marks the group that moves up
// one row pitch of 720 twips for every resistor fewer than four.
struct DesignBox {
  QString name;
  Twips rect;
  bool lower = false;
  int row = -1;  // shown only while the count reaches this row
};

std::vector<DesignBox> DesignBoxes() {
  std::vector<DesignBox> boxes = {
      {"cboRezP", {3240, 300, 735, 360}},          {"txtRpt", {7320, 300, 1095, 375}},
      {"txtIpt", {7440, 1380, 975, 375}},          {"cboIpt", {8400, 1380, 1095, 360}},
      {"txtUpt", {2760, 4020, 975, 375}, true},    {"txtUMU", {3720, 4020, 1095, 360}, true},
      {"cmdClear", {8400, 3960, 1455, 375}, true},
  };
  for (int i = 0; i < 4; ++i) {
    const int top = 1020 + 720 * i;
    const QString index = QString("(%1)").arg(i);
    boxes.push_back({"txtRp" + index, {1080, top, 975, 360}, false, i});
    boxes.push_back({"cboRp" + index, {2040, top, 1095, 360}, false, i});
    boxes.push_back({"txtPp" + index, {3120, top, 975, 375}, false, i});
    boxes.push_back({"txtUMW" + index, {4080, top, 615, 375}, false, i});
    boxes.push_back({"txtIp" + index, {4680, top, 975, 375}, false, i});
    boxes.push_back({"txtUMI" + index, {5640, top, 615, 375}, false, i});
  }
  return boxes;
}

struct DesignLabel {
  QString name;
  int left, top;
  bool lower = false;
};

const DesignLabel kLabels[] = {
    {"lblP", 120, 360},
    {"lblEticheteP(3)", 5520, 360},
    {"lblUMr", 8640, 360},
    {"lblEticheteP(0)", 1725, 720},
    {"lblEticheteP(1)", 3120, 720},
    {"lblEticheteP(2)", 4695, 720},
    {"lblEticheteP(4)", 7680, 1080},
    {"lblTarvik", 8040, 2040},
    {"lblEticheteP(5)", 2880, 3720, true},
};

int Px(int twips) {
  return (twips + 7) / 15;
}

QRect Expected(const Twips& t, int shift) {
  return {Px(t.left), Px(t.top - shift), Px(t.width), Px(t.height)};
}

const QColor kInputGreen(192, 255, 192);
const QColor kResultYellow(255, 255, 128);
const QColor kLeadBlue(128, 128, 255);
const QColor kWindowGrey(224, 224, 224);
const QColor kBlack(0, 0, 0);

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

  int Shift() const { return 720 * (4 - GetParam()); }
  int ShiftPx() const { return 48 * (4 - GetParam()); }

  QWidget* Named(const QString& name) {
    auto* widget = window->findChild<QWidget*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
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

TEST_P(WindowLayout, EveryWidgetStandsAtItsTwipsDividedByFifteen) {
  const int count = GetParam();
  EXPECT_EQ(window->size(), QSize(689, Px(4710 - Shift())));
  EXPECT_EQ(Named("fraParalel")->geometry(), QRect(8, 8, 673, Px(4500 - Shift())));
  for (const DesignBox& box : DesignBoxes()) {
    SCOPED_TRACE(box.name.toStdString());
    QWidget* widget = Named(box.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), Named("fraParalel"));
    EXPECT_EQ(widget->geometry(), Expected(box.rect, box.lower ? Shift() : 0));
    if (box.row >= 0) {
      EXPECT_EQ(widget->isVisible(), box.row < count);
    }
  }
  for (const DesignLabel& label : kLabels) {
    SCOPED_TRACE(label.name.toStdString());
    QWidget* widget = Named(label.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->pos(),
              Expected({label.left, label.top, 0, 0}, label.lower ? Shift() : 0).topLeft());
    EXPECT_TRUE(widget->isVisible());
  }
}

TEST_P(WindowLayout, GrabShowsTheDesignColoursAndTheSchematicWhereTheyBelong) {
  const int count = GetParam();
  const int up = ShiftPx();
  std::vector<Probe> probes = {
      {"window margin", {-5, -5}, kWindowGrey},
      {"frame inside", {640, 40}, kWindowGrey},
      {"transparent label corner", {8, 24}, kWindowGrey},
      {"resistor 1 input", {78, 80}, kInputGreen},
      {"resistor 2 input", {78, 128}, kInputGreen},
      {"current input over the supply lead", {502, 104}, kInputGreen},
      {"power result", {214, 80}, kResultYellow},
      {"branch current result", {318, 128}, kResultYellow},
      {"total resistance result", {494, 32}, kResultYellow},
      {"voltage result", {190, 280 - up}, kResultYellow},
      {"power unit box", {290, 80}, kWindowGrey},
      {"left common wire", {32, 90}, kBlack},
      {"right common wire", {464, 90}, kBlack},
      {"first branch wire", {50, 80}, kBlack},
      {"above the second branch wire", {50, 127}, kWindowGrey},
      {"second branch wire, one wire wide", {50, 129}, kBlack},
      {"below the second branch wire", {50, 130}, kWindowGrey},
      {"first resistor body, left side", {71, 80}, kBlack},
      {"first resistor body, top side", {200, 67}, kBlack},
      {"left supply lead", {16, 104}, kBlack},
      {"right supply lead", {480, 104}, kBlack},
      {"left junction dot", {31, 102}, kBlack},
      {"left junction dot", {34, 106}, kBlack},
      {"beside the left dot", {30, 96}, kWindowGrey},
      {"right junction dot", {466, 102}, kBlack},
      {"right junction dot", {462, 106}, kBlack},
      {"beside the right dot", {467, 96}, kWindowGrey},
      {"left vertical lead", {32, 268 - up}, kLeadBlue},
      {"left horizontal lead", {100, 280 - up}, kLeadBlue},
      {"right vertical lead", {464, 268 - up}, kLeadBlue},
      {"right horizontal lead", {400, 280 - up}, kLeadBlue},
      {"between the last wire and the leads", {32, 240 - up}, kWindowGrey},
      {"second loop", {32, 150}, count >= 3 ? kBlack : kWindowGrey},
      {"third resistor input", {78, 176}, count >= 3 ? kInputGreen : kWindowGrey},
      {"third loop", {32, 198}, count >= 4 ? kBlack : kWindowGrey},
  };
  // With two resistors the window ends above the fourth row.
  if (count >= 3)
    probes.push_back({"fourth resistor input", {78, 224}, count >= 4 ? kInputGreen : kWindowGrey});
  const QImage image = Grab();
  const QPoint frame = Named("fraParalel")->pos();
  for (const Probe& probe : probes) {
    const QPoint at = probe.inFrame + frame;
    EXPECT_TRUE(Shows(image, at, probe.colour))
        << probe.what << " at " << at.x() << "," << at.y() << " shows "
        << image.pixelColor(at * image.devicePixelRatio()).name().toStdString() << ", not "
        << probe.colour.name().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, WindowLayout, ::testing::Values(2, 3, 4),
                         [](const auto& info) { return std::to_string(info.param) + "Resistors"; });

}  // namespace
}  // namespace zentavo
