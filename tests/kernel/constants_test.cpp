#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "kernel/constants.h"

using namespace kernel;

namespace {

struct X87Image {
  std::uint64_t mantissa;
  std::uint16_t exponent;
};

X87Image Image(Real v) {
  X87Image image{};
  std::memcpy(&image.mantissa, &v, 8);
  std::memcpy(&image.exponent, reinterpret_cast<const char*>(&v) + 8, 2);
  return image;
}

TEST(Constants, PiIsTheWidenedDoublePi) {
  EXPECT_EQ(Image(Pi).mantissa, 0xC90FDAA22168C000ull);
  EXPECT_EQ(Image(Pi).exponent, 0x4000);
  EXPECT_EQ(Image(TwoPi).mantissa, 0xC90FDAA22168C000ull);
  EXPECT_EQ(Image(TwoPi).exponent, 0x4001);
}

TEST(Constants, HugeRealIsDoubleExpWidened) {
  EXPECT_EQ(HugeReal, static_cast<Real>(std::exp(42.0)));
  EXPECT_NE(HugeReal, std::exp(static_cast<Real>(42)));  // the double value, not the extended one
  EXPECT_NEAR(static_cast<double>(HugeReal), 1.739275e18, 1e13);
}

TEST(Constants, TableValues) {
  struct Case {
    const char* name;
    Real value;
    double expected;
  };
  const Case cases[] = {
      {"SqrtPi", SqrtPi, 1.772453850906},       {"LnSqrtPi", LnSqrtPi, 0.572364942925},
      {"TwoOverSqrtPi", TwoOverSqrtPi, 1.128379167096}, {"SqrtTwoPi", SqrtTwoPi, 2.506628274631},
      {"InvSqrtTwoPi", InvSqrtTwoPi, 0.398942280401}, {"Sqrt2", Sqrt2, 1.414213562373},
      {"Sqrt3", Sqrt3, 1.732050807569},         {"HalfSqrt3", HalfSqrt3, 0.866025403784},
      {"TetraHeight", TetraHeight, 1.632993161855}, {"GoldenRatio", GoldenRatio, 1.618033988750},
      {"Ln2", Ln2, 0.693147180560},             {"Ln10", Ln10, 2.302585092994},
      {"LnTwoPi", LnTwoPi, 1.837877066409},     {"Log10E", Log10E, 0.434294481903},
      {"ExpArgLimit", ExpArgLimit, 5000.0},
  };
  for (const Case& c : cases) EXPECT_NEAR(static_cast<double>(c.value), c.expected, 1e-12) << c.name;
  // Computed from the widened double pi, bit for bit.
  EXPECT_EQ(SqrtPi, std::sqrt(Pi));
  EXPECT_EQ(LnTwoPi, std::log(2 * Pi));
}

TEST(Constants, OverflowBoundsAreExtendedExponentials) {
  EXPECT_NEAR(static_cast<double>(std::log10(ExpHugeLimit)), 2171.4724, 1e-3);
  EXPECT_NEAR(static_cast<double>(std::log10(ExpTinyLimit)), -2171.4724, 1e-3);
  EXPECT_EQ(UnitX2.x, 1);
  EXPECT_EQ(UnitX2.y, 0);
  EXPECT_EQ(Origin3.z, 0);
}

}  // namespace
