// The horizon of the unit ball, which points face the observer, arcs cut at the horizon and the
// step counts of drawn arcs.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <span>

#include "kernel/ball_horizon.h"
#include "kernel/sphere_kernels.h"
#include "kernel/vector3.h"

namespace {

using kernel::Point3;
using kernel::Real;

constexpr Real kPi = std::numbers::pi_v<Real>;

void ExpectNearPoint(const Point3& a, const Point3& b, double tolerance) {
  EXPECT_NEAR(a.x, b.x, tolerance);
  EXPECT_NEAR(a.y, b.y, tolerance);
  EXPECT_NEAR(a.z, b.z, tolerance);
}

TEST(BallHorizon, FromTheFirstObserverAndFromAbove) {
  kernel::HorizonFrame f;
  ASSERT_TRUE(kernel::ComputeHorizon({6, 8, 5}, f));
  const Real d = std::sqrt(Real{125});
  EXPECT_NEAR(static_cast<double>(d), 11.1803399, 1e-7);
  ExpectNearPoint(f.centre, {0.048L, 0.064L, 0.04L}, 1e-15);
  ExpectNearPoint(f.e1, {-0.7967936L, 0.5975952L, 0}, 1e-7);
  EXPECT_NEAR(static_cast<double>(kernel::Dot3(f.point, f.point)), 1.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(kernel::Dot3(f.e2, f.e1)), 0.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(kernel::Dot3(f.e2, f.e2)), static_cast<double>(1 - 1 / Real{125}), 1e-15);

  // Straight above the ball the frame is whole, e1 along +x.
  ASSERT_TRUE(kernel::ComputeHorizon({0, 0, 5}, f));
  const Real r = std::sqrt(1 - Real{1} / 25);
  ExpectNearPoint(f.e1, {r, 0, 0}, 1e-15);
  ExpectNearPoint(f.e2, {0, r, 0}, 1e-15);
  ExpectNearPoint(f.point, {r, 0, 0.2L}, 1e-15);

  // An observer in the ball or on it never reaches the frame: the last one stays.
  const kernel::HorizonFrame before = f;
  for (const Point3 o : {Point3{0, 0, 1}, Point3{0.5L, 0, 0}, Point3{NAN, 0, 3}}) {
    EXPECT_FALSE(kernel::ComputeHorizon(o, f));
    ExpectNearPoint(f.e1, before.e1, 0);
  }
}

TEST(BallHorizon, InsideTheBallAndFacingTheObserver) {
  EXPECT_FALSE(kernel::InsideUnitBall({1, 0, 0}));
  EXPECT_FALSE(kernel::InsideUnitBall({0, 0, 1 - 1e-15L}));  // on the sphere up to the margin
  EXPECT_TRUE(kernel::InsideUnitBall({0, 0.9L, 0}));
  const Point3 o{6, 8, 5};
  EXPECT_FALSE(kernel::FacesObserver({1, -0.625L, 0}, o));  // p . O exactly 1
  EXPECT_TRUE(kernel::FacesObserver({0.6L, 0.8L, 0}, o));
  EXPECT_FALSE(kernel::FacesObserver({-0.6L, -0.8L, 0}, o));
}

// The great circle of the xz plane, turning from +x towards +z (pole -y), seen from (0, 0, 5):
// visible above z = 0.2.
Point3 OnGreatCircle(Real angle) { return {std::cos(angle), 0, std::sin(angle)}; }

struct ClipCase {
  const char* name;
  Point3 pole;
  Point3 centre;
  Point3 p1;
  Point3 p2;
  int code;
  Point3 out1;
  Point3 out2;
};

TEST(BallHorizon, ArcsAreCutAtTheHorizonInArcOrder) {
  const Point3 o{0, 0, 5};
  kernel::HorizonFrame f;
  ASSERT_TRUE(kernel::ComputeHorizon(o, f));
  const Real low = std::asin(Real{0.2});
  const Real high = kPi - low;
  const Point3 n{0, -1, 0};
  const Point3 origin{0, 0, 0};
  // A small circle whose lowest point dips behind the ball: pole at 0.9 from +z towards +x,
  // angular radius 0.5; from the lowest point B = (sin 1.4, 0, cos 1.4) its position phi gives
  // z = K.z + U.z cos phi, hidden for |phi| < acos((K.z - 0.2) / -U.z).
  const Point3 pole{std::sin(Real{0.9}), 0, std::cos(Real{0.9})};
  std::array<Point3, 3> frame;
  Real latitude = 0;
  kernel::AxisFrame3(pole, {std::sin(Real{1.4}), 0, std::cos(Real{1.4})}, frame, latitude);
  const auto onSmall = [&](Real phi) { return frame[0] + std::cos(phi) * frame[1] + std::sin(phi) * frame[2]; };
  const Real edge = std::acos((frame[0].z - Real{0.2}) / -frame[1].z);

  const ClipCase cases[] = {
      {"all seen", n, origin, OnGreatCircle(0.5L), OnGreatCircle(1.5L), kernel::kArcAllSeen, OnGreatCircle(0.5L),
       OnGreatCircle(1.5L)},
      {"all hidden", n, origin, OnGreatCircle(-1.5L), OnGreatCircle(-0.5L), kernel::kArcHidden,
       OnGreatCircle(-1.5L), OnGreatCircle(-0.5L)},
      {"seen to the crossing", n, origin, OnGreatCircle(0.5L), OnGreatCircle(3), kernel::kArcSeenToCrossing,
       OnGreatCircle(0.5L), OnGreatCircle(high)},
      {"seen from the crossing", n, origin, OnGreatCircle(-0.5L), OnGreatCircle(1), kernel::kArcSeenFromCrossing,
       OnGreatCircle(low), OnGreatCircle(1)},
      {"seen in the middle", n, origin, OnGreatCircle(0.1L), OnGreatCircle(3.04L), kernel::kArcSeenMiddle,
       OnGreatCircle(low), OnGreatCircle(high)},
      {"dips behind the ball", pole, frame[0], onSmall(-1.2L), onSmall(1.2L), kernel::kArcHiddenMiddle,
       onSmall(-edge), onSmall(edge)},
      // Starting exactly on the horizon: the crossing there is found at 0 or just short of a full
      // turn, and either way it is the start of the seen part.
      {"starts on the horizon", n, origin, OnGreatCircle(low), OnGreatCircle(1), kernel::kArcSeenFromCrossing,
       OnGreatCircle(low), OnGreatCircle(1)},
  };
  for (const ClipCase& c : cases) {
    SCOPED_TRACE(c.name);
    Point3 p1 = c.p1;
    Point3 p2 = c.p2;
    const int code = kernel::ClipArcToHorizon(o, f, c.centre, c.pole, p1, p2);
    if (c.code == kernel::kArcSeenFromCrossing && code == kernel::kArcAllSeen) {
      // On the horizon to the last bit, the start may count as seen.
      ExpectNearPoint(p1, c.out1, 1e-15);
      continue;
    }
    EXPECT_EQ(code, c.code);
    ExpectNearPoint(p1, c.out1, 1e-15);
    ExpectNearPoint(p2, c.out2, 1e-15);
    // The crossings lie on the sphere and on the horizon plane.
    const bool crossed[] = {code == kernel::kArcSeenFromCrossing || code == kernel::kArcSeenMiddle ||
                                code == kernel::kArcHiddenMiddle,
                            code == kernel::kArcSeenToCrossing || code == kernel::kArcSeenMiddle ||
                                code == kernel::kArcHiddenMiddle};
    const Point3 ends[] = {p1, p2};
    for (int k = 0; k < 2; ++k) {
      if (!crossed[k]) continue;
      EXPECT_NEAR(static_cast<double>(kernel::Dot3(ends[k], ends[k])), 1.0, 1e-15);
      EXPECT_NEAR(static_cast<double>(kernel::Dot3(ends[k], o)), 1.0, 1e-15);
    }
  }
}

TEST(BallHorizon, APositionJustShortOfAFullTurnIsBehindTheStart) {
  Real t = 0;
  // X a hair behind P1 on the arc from P1 towards P2.
  EXPECT_FALSE(kernel::PointOnArcBetween({0, 0, 0}, OnGreatCircle(0), OnGreatCircle(1), OnGreatCircle(-1e-9L), t));
  EXPECT_GT(static_cast<double>(t), 2 * std::numbers::pi - 1e-8);
  EXPECT_TRUE(kernel::PointOnArcBetween({0, 0, 0}, OnGreatCircle(0), OnGreatCircle(1), OnGreatCircle(0.5L), t));
  EXPECT_NEAR(static_cast<double>(t), 0.5, 1e-15);
  // Ends parallel to the centre: no arc.
  EXPECT_FALSE(kernel::PointOnArcBetween({0, 0, 0}, OnGreatCircle(0), OnGreatCircle(kPi), OnGreatCircle(1), t));
  EXPECT_EQ(t, 0);
}

TEST(BallHorizon, ArcStepsGrowWithTheZoomBetweenTheirBounds) {
  struct {
    Real length;
    Real initial;
    Real now;
    int steps;
  } const cases[] = {
      {0.01L, 1, 1, 20},              // a short arc
      {2 * kPi, 1, 0.5L, 202},        // a great circle at half the initial half width
      {0.1L * 2 * kPi, 1, 1, 20},     // a circle of angular radius 0.1: round(10.1), raised
      {2 * kPi, 1, 1e-9L, 20000},     // a deep zoom
      {2 * kPi, 1, 0, 20},            // no view yet
      {2 * kPi, 2, 1, 202},
  };
  for (const auto& c : cases) EXPECT_EQ(kernel::ArcStepCount(c.length, c.initial, c.now), c.steps);
}

// The turning angle at B of A -> B -> C: t1 = (A x B) x B, t2 = (B x C) x B, |acos(t1.t2)|, minus
// pi for the flag 0, negated when (t1 x t2) . B < 0. The flag 0 is the kernel's turning = false.
TEST(BallHorizon, TheSphericalAngleFlagMapsOntoTurning) {
  const Point3 a{1, 0, 0};
  const Point3 b{0, 0, 1};
  const Point3 c{0, 1, 0};
  EXPECT_NEAR(static_cast<double>(kernel::SphericalAngleAt3(a, b, c, false)), std::numbers::pi / 2, 1e-15);
  EXPECT_NEAR(static_cast<double>(kernel::SphericalAngleAt3(a, b, c, true)), -std::numbers::pi / 2, 1e-15);
}

}  // namespace
