// Scale label texts (whole numbers, fixed point, multiples of pi, suffix) and the fraction search
// behind the multiples of pi.
#include <gtest/gtest.h>

#include <string>

#include "kernel/scale_text.h"

using kernel::Pi;
using kernel::Real;
using kernel::ScaleLabelText;
using kernel::ScaleTextStyle;

namespace {

ScaleTextStyle Style(int places, bool pi = false) {
  ScaleTextStyle s;
  s.places = places;
  s.multiplesOfPi = pi;
  s.piText = "p";
  s.suffix = '\xB0';
  return s;
}

}  // namespace

TEST(ScaleText, LabelsOfNumbersAndMultiplesOfPi) {
  struct Case {
    Real value;
    ScaleTextStyle style;
    std::string text;
  };
  const Case cases[] = {
      {2, Style(0), "2"},
      {-3, Style(0), "-3"},
      {2.5L, Style(0), "2"},  // an exact half rounds toward zero
      {0.5L, Style(2), "0.50"},
      {-0.25L, Style(2), "-0.25"},
      {0.5L, Style(12), "0.50\xB0"},
      {7, Style(10), "7\xB0"},
      {Pi / 4, Style(0, true), "p/4"},
      {Pi / 2, Style(0, true), "p/2"},
      {-Pi, Style(0, true), "-p"},
      {3 * Pi / 4, Style(0, true), "3p/4"},
      {2 * Pi, Style(0, true), "2p"},
      {0, Style(0, true), "0p"},
      {0.12L * Pi, Style(0, true), "3p/25"},
      {-0.12L * Pi, Style(2, true), "-3p/25"},
      {Pi / 2, Style(10, true), "p/2\xB0"},
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleLabelText(c.value, c.style), c.text) << static_cast<double>(c.value);
}

TEST(ScaleText, AMultipleNoDenominatorMatchesFallsBackToTheHundredth) {
  struct Case {
    Real v;
    int numerator;
    int denominator;
  };
  const Case cases[] = {
      {0.377L, 23, 61},            // found on the way: 0.377 x 61 = 22.997
      {-0.125L, -1, 8},            // the sign goes to the numerator
      {0.41421356237L, 41, 100},   // nothing within tolerance: the hundredths, 41/100
      {0.01737L, 1, 50},           // nothing either: 2/100, reduced to 1/50
  };
  for (const Case& c : cases) {
    int m = 0;
    int n = 0;
    kernel::NearFraction(c.v, 100, m, n);
    EXPECT_EQ(m, c.numerator) << static_cast<double>(c.v);
    EXPECT_EQ(n, c.denominator) << static_cast<double>(c.v);
  }
  EXPECT_EQ(kernel::PiMultipleText(0.01737L * Pi, 100, "p"), "p/50");
}
