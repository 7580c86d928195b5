// The moves of the observer of a model in space.
#include "kernel/observer_moves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "kernel/observer_placement.h"

namespace {

using kernel::Point3;
using kernel::Real;

const Point3 kBoxLow{0, 0, 0};
const Point3 kBoxHigh{2, 2, 2};
const Point3 kBoxCentre{1, 1, 1};

Real Elevation(const Point3& p) { return std::atan2(p.z, std::hypot(p.x, p.y)) * 180 / std::numbers::pi_v<Real>; }

TEST(ObserverMoves, InStopsBeforeTheMidpointEntersTheBoxAndOutThenInDoesNotReturn) {
  Point3 o{25, 32, 18};
  int steps = 0;
  while (kernel::ObserverIn(kBoxLow, kBoxHigh, kBoxCentre, o)) ++steps;
  EXPECT_GT(steps, 10);
  EXPECT_FALSE(kernel::ObserverTooClose(kBoxLow, kBoxHigh, kBoxCentre, o));
  const Point3 next{1 + 0.9L * (o.x - 1), 1 + 0.9L * (o.y - 1), 1 + 0.9L * (o.z - 1)};
  EXPECT_TRUE(kernel::ObserverTooClose(kBoxLow, kBoxHigh, kBoxCentre, next));
  // High above the box counts as inside: no step at all.
  Point3 above{1.2L, 1.2L, 500};
  EXPECT_FALSE(kernel::ObserverIn(kBoxLow, kBoxHigh, kBoxCentre, above));
  EXPECT_EQ(above.z, 500);

  // 1.1 and 0.9 are not inverse: 0.99 of the distance.
  Point3 start{11, 1, 1};
  Point3 back = kernel::ObserverOut(start, kBoxCentre);
  EXPECT_NEAR(back.x, 12, 1e-15L);
  ASSERT_TRUE(kernel::ObserverIn(kBoxLow, kBoxHigh, kBoxCentre, back));
  EXPECT_NEAR(back.x, 1 + 9.9L, 1e-14L);
}

TEST(ObserverMoves, FarOutAndIsometricGoByTheBoxsTaxicabSize) {
  // Taxicab size 6.
  const Point3 far = kernel::ObserverFarOut(kBoxLow, kBoxHigh, kBoxCentre, {4, 5, 1});
  EXPECT_NEAR(std::hypot(far.x - 1, far.y - 1), 6000, 1e-9L);
  EXPECT_NEAR((far.y - 1) / (far.x - 1), 4.0L / 3, 1e-15L);
  const Point3 same = kernel::ObserverFarOut(kBoxLow, kBoxHigh, kBoxCentre, kBoxCentre);
  EXPECT_EQ(same.x, 1);
  const Point3 iso = kernel::IsometricObserver(kBoxLow, kBoxHigh);
  EXPECT_EQ(iso.x, 48000);
  EXPECT_EQ(iso.y, 48000);
  EXPECT_EQ(iso.z, 48000);
}

TEST(ObserverMoves, TurnsGoAboutTheZAxisAndTiltsApproachThePoleWithoutReachingIt) {
  const Point3 turned = kernel::TurnObserver({1, 0, 3}, std::numbers::pi_v<Real> / 2);
  EXPECT_NEAR(turned.x, 0, 1e-18L);
  EXPECT_NEAR(turned.y, 1, 1e-18L);
  EXPECT_EQ(turned.z, 3);

  // Up from the horizon: 2.25 degrees, then 2.5 % of what remains each time.
  Point3 o{10, 0, 0};
  ASSERT_TRUE(kernel::TiltObserver(o, true));
  EXPECT_NEAR(Elevation(o), 2.25L, 1e-12L);
  ASSERT_TRUE(kernel::TiltObserver(o, true));
  EXPECT_NEAR(Elevation(o), 2.25L + 0.025L * (90 - 2.25L), 1e-12L);
  for (int i = 0; i < 200; ++i) kernel::TiltObserver(o, true);
  EXPECT_LT(Elevation(o), 90);
  EXPECT_EQ(o.x, 10);
  // Down from above the horizon: a fixed 2.25 degrees.
  Point3 d{10, 0, 10};
  ASSERT_TRUE(kernel::TiltObserver(d, false));
  EXPECT_NEAR(Elevation(d), 45 - 2.25L, 1e-12L);
  // On the z axis nothing happens.
  for (const bool up : {true, false}) {
    Point3 pole{1e-14L, 0, 5};
    EXPECT_FALSE(kernel::TiltObserver(pole, up));
    EXPECT_EQ(pole.z, 5);
  }
}

TEST(ObserverMoves, ArrowheadPixelsFromAPercentageOfTheScreen) {
  EXPECT_EQ(kernel::ArrowheadPixelsFor(0.1L, 1024), 1);
  EXPECT_EQ(kernel::ArrowheadPixelsFor(19.5L, 1024), 200);
  EXPECT_EQ(kernel::ArrowheadPixelsFor(19.6L, 1024), 201);
}

}  // namespace
