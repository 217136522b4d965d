// The binding's one mapping from the design's twips to Qt's pixels, which every widget test then
// asks for instead of working out pixels of its own.
#include "qt_conversions.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zentavo {
namespace {

struct PixelRow {
  int twips, pixels;
};
void PrintTo(const PixelRow& row, std::ostream* out) {
  *out << row.twips << " twips";
}

class PixelsTest : public testing::TestWithParam<PixelRow> {};

TEST_P(PixelsTest, FifteenTwipsToAPixelRoundedToTheNearest) {
  EXPECT_EQ(Pixels(GetParam().twips), GetParam().pixels);
}

// The window's client width and its heights for two, three and four resistors, the frame's
// margin and width, and the roundings either side of half a pixel.
INSTANTIATE_TEST_SUITE_P(Rows, PixelsTest,
                         testing::Values(PixelRow{0, 0}, PixelRow{7, 0}, PixelRow{8, 1},
                                         PixelRow{15, 1}, PixelRow{22, 1}, PixelRow{23, 2},
                                         PixelRow{-7, 0}, PixelRow{-8, -1}, PixelRow{120, 8},
                                         PixelRow{10095, 673}, PixelRow{10335, 689},
                                         PixelRow{3270, 218}, PixelRow{3990, 266},
                                         PixelRow{4710, 314}));

TEST(PixelRect, MapsEachEdgeOfTheControl) {
  Label label("lblEticheteP", 0);
  label.Place(1725, 720, 900, 195);
  EXPECT_EQ(PixelRect(label), QRect(115, 48, 60, 13));
}

TEST(ToQColor, KeepsTheDesignsRedGreenAndBlue) {
  EXPECT_EQ(ToQColor(Colour{192, 255, 128}), QColor(192, 255, 128));
}

}  // namespace
}  // namespace zentavo
