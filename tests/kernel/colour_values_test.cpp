#include "kernel/colour_values.h"

#include <gtest/gtest.h>

using namespace kernel;

TEST(ColourValues, LuminanceOfWhiteAndOfPureGreen) {
  EXPECT_NEAR(static_cast<double>(Luminance(Rgb(255, 255, 255))), 255.0, 1e-12);
  EXPECT_NEAR(static_cast<double>(Luminance(Rgb(0, 255, 0))), 150.45, 1e-12);
  EXPECT_EQ(Luminance(Rgb(0, 0, 0)), 0);
}

TEST(ColourValues, HexTextIsLowerCaseRedGreenBlue) {
  EXPECT_EQ(ColorToHex(Rgb(255, 0, 10)), "#ff000a");
  EXPECT_EQ(ColorToHex(Rgb(0, 0, 0)), "#000000");
  EXPECT_EQ(ColorToHex(Rgb(1, 0xab, 0xcd)), "#01abcd");
}

TEST(ColourValues, DitherLevelNLeavesSixtyFourMinusNWhiteCellsPerTile) {
  for (int level = 0; level <= 65; ++level) {
    int white = 0;
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) {
        const ColorRef pixel = DitherPixel(level, x, y);
        ASSERT_TRUE(pixel == kWhiteRef || pixel == kBlackRef);
        // The pattern repeats every 8 pixels.
        ASSERT_EQ(pixel, DitherPixel(level, x + 8 * 13, y + 8 * 5));
        if (pixel == kWhiteRef) ++white;
      }
    EXPECT_EQ(white, level >= 64 ? 0 : 64 - level) << "level " << level;
  }
  EXPECT_EQ(DitherPixel(1, 0, 0), kBlackRef);
  EXPECT_EQ(DitherPixel(1, 1, 0), kWhiteRef);
}
