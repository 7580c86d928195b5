// The directions and distances from a centre that a view box covers.
#include <gtest/gtest.h>

#include <cmath>

#include "kernel/polar_range.h"

using kernel::Box2;
using kernel::Pi;
using kernel::Real;
using kernel::TwoPi;

namespace {
constexpr Real kTol = static_cast<Real>(1e-12);
}  // namespace

TEST(PolarRange, TheAngleRangeOfEveryPositionOfTheBox) {
  struct Case {
    const char* where;
    Box2 box;
    bool inside;
    Real from;
    Real to;
  };
  // Boxes about the origin; atan2 of the corners as the table of positions gives them.
  const Case cases[] = {
      {"around", {-1, 1, -1, 1}, true, 0, TwoPi},
      {"on the edge", {0, 2, 0, 2}, true, 0, TwoPi},
      {"right", {1, 2, -1, 1}, false, std::atan2(-1.0L, 1.0L), std::atan2(1.0L, 1.0L)},
      {"right, above", {1, 2, 1, 2}, false, std::atan2(1.0L, 2.0L), std::atan2(2.0L, 1.0L)},
      {"right, below", {1, 2, -2, -1}, false, std::atan2(-2.0L, 1.0L), std::atan2(-1.0L, 2.0L)},
      {"above", {-1, 1, 1, 2}, false, std::atan2(1.0L, 1.0L), std::atan2(1.0L, -1.0L)},
      {"below", {-1, 1, -2, -1}, false, std::atan2(-1.0L, -1.0L), std::atan2(-1.0L, 1.0L)},
      {"left, above", {-2, -1, 1, 2}, false, std::atan2(2.0L, -1.0L), std::atan2(1.0L, -2.0L)},
      {"left, below", {-2, -1, -2, -1}, false, std::atan2(-1.0L, -2.0L), std::atan2(-2.0L, -1.0L)},
      // Straddling the negative x axis: from the top right corner on past pi, without a gap.
      {"left", {-2, -1, -1, 1}, false, std::atan2(1.0L, -1.0L), std::atan2(-1.0L, -1.0L) + TwoPi},
      // Its bottom edge through the centre: the corner straight left measures pi; the range stops
      // there instead of running on to 3 pi.
      {"left, bottom on the axis", {-2, -1, 0, 1}, false, std::atan2(1.0L, -1.0L), Pi},
  };
  for (const Case& c : cases) {
    Real from = -9;
    Real to = -9;
    EXPECT_EQ(kernel::PolarAngleRange(c.box, {0, 0}, from, to), c.inside) << c.where;
    EXPECT_NEAR(static_cast<double>(from), static_cast<double>(c.from), 1e-12) << c.where;
    EXPECT_NEAR(static_cast<double>(to), static_cast<double>(c.to), 1e-12) << c.where;
    EXPECT_LE(to - from, TwoPi + kTol) << c.where;
    EXPECT_GE(to, from) << c.where;
  }
}

TEST(PolarRange, TheRadiusRangeFromTheNearestPointToTheFarthestCorner) {
  Real rmin = -1;
  Real rmax = -1;
  EXPECT_TRUE(kernel::PolarRadiusRange({-3, 4, -1, 2}, {0, 0}, rmin, rmax));
  EXPECT_EQ(rmin, 0);
  EXPECT_NEAR(static_cast<double>(rmax), std::sqrt(16.0 + 4.0), 1e-15);
  EXPECT_FALSE(kernel::PolarRadiusRange({3, 6, 4, 8}, {0, 0}, rmin, rmax));
  EXPECT_EQ(rmin, 5);  // the corner (3, 4)
  EXPECT_EQ(rmax, 10);  // the corner (6, 8)
  EXPECT_FALSE(kernel::PolarRadiusRange({-1, 1, 2, 3}, {0, 0}, rmin, rmax));
  EXPECT_EQ(rmin, 2);  // straight above: the bottom edge
}
