#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "kernel/plane_intersections.h"
#include "kernel/vector2.h"

using namespace kernel;

namespace {

constexpr Real kClose = static_cast<Real>(1e-15);

Real R(double v) { return static_cast<Real>(v); }

void ExpectNear(const Point2& actual, const Point2& expected) {
  EXPECT_NEAR(actual.x, expected.x, kClose);
  EXPECT_NEAR(actual.y, expected.y, kClose);
}

TEST(PlaneIntersections, LineAndUnitCircleGiveEveryPositionCode) {
  // Every line runs along +x, so a secant gives (1, 0) first and (-1, 0) second, and a tangent
  // at height 1 touches at (0, 1).
  struct Case {
    Point2 a, b;
    KernelResult code;
  };
  const Case cases[] = {
      {{-1, 2}, {1, 2}, kNoPoint},
      {{1, 1}, {2, 1}, kTouchBeforeA},
      {{-1, 1}, {1, 1}, kTouchOnSegment},
      {{-2, 1}, {-1, 1}, kTouchBeyondB},
      {{2, 0}, {3, 0}, kTwoBeforeA},
      {{-3, 0}, {-2, 0}, kTwoBeyondB},
      {{R(-0.5), 0}, {R(0.5), 0}, kTwoAroundSegment},
      {{R(-0.5), 0}, {2, 0}, kFirstBeforeSecondOn},
      {{-2, 0}, {2, 0}, kTwoOnSegment},
      {{-2, 0}, {R(0.5), 0}, kFirstOnSecondBeyond},
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> points{Point2{7, 7}, Point2{7, 7}};
    const KernelResult code = IntersectLineCircle2(c.a, c.b, {0, 0}, 1, points);
    EXPECT_EQ(code, c.code) << static_cast<double>(c.a.x) << " " << static_cast<double>(c.b.x);
    if (code == kNoPoint) {
      ExpectNear(points[0], {0, 0});
      ExpectNear(points[1], {0, 0});
    } else if (IsSinglePoint(code)) {
      ExpectNear(points[0], {0, 1});
      ExpectNear(points[1], {0, 1});
    } else {
      ExpectNear(points[0], {1, 0});
      ExpectNear(points[1], {-1, 0});
    }
  }
}

TEST(PlaneIntersections, DegenerateLineHasNoPoint) {
  std::array<Point2, 2> points{Point2{7, 7}, Point2{7, 7}};
  EXPECT_EQ(IntersectLineCircle2({1, 0}, {1, 0}, {0, 0}, 1, points), kNoPoint);
  EXPECT_EQ(points[0], Point2{});
}

TEST(PlaneIntersections, SinglePointCodes) {
  for (KernelResult code : {kTouchBeforeA, kTouchOnSegment, kTouchBeyondB, kExactlyOnePoint})
    EXPECT_TRUE(IsSinglePoint(code)) << code;
  for (KernelResult code : {kNoPoint, kTwoBeforeA, kFirstOnSecondBeyond, kFirstBeforeSecondOn, kTwoOnSegment,
                            kTwoAroundSegment, kTwoBeyondB})
    EXPECT_FALSE(IsSinglePoint(code)) << code;
}

TEST(PlaneIntersections, TouchingCirclesGiveTheTouchCodeInEitherOrder) {
  struct Case {
    Point2 c1, p1, c2, p2, touch;
  };
  const Case cases[] = {
      {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {1, 0}},   // two unit circles, outside each other
      {{0, 0}, {-1, 0}, {3, 0}, {5, 0}, {1, 0}},  // radii 1 and 2, outside
      {{0, 0}, {2, 0}, {1, 0}, {2, 0}, {2, 0}},   // the second inside the first
      {{0, 1}, {0, 4}, {0, 2}, {0, 4}, {0, 4}},   // the second inside the first, vertical
  };
  for (const Case& c : cases) {
    for (const bool swapped : {false, true}) {
      std::array<Point2, 2> points;
      const int code = swapped ? IntersectCircles2(c.c2, c.p2, c.c1, c.p1, points)
                               : IntersectCircles2(c.c1, c.p1, c.c2, c.p2, points);
      EXPECT_EQ(code, kCirclesTouch) << "swapped " << swapped << " touch " << static_cast<double>(c.touch.x);
      ExpectNear(points[0], c.touch);
      ExpectNear(points[1], c.touch);
    }
  }
}

TEST(PlaneIntersections, CrossingCirclesAndCirclesWithoutCommonPoints) {
  std::array<Point2, 2> points;
  const int crossing = IntersectCircles2({0, 0}, {1, 0}, {1, 0}, {2, 0}, points);
  EXPECT_EQ(crossing, 6);
  const Real h = std::sqrt(static_cast<Real>(3)) / 2;
  ExpectNear(points[0], {R(0.5), -h});
  ExpectNear(points[1], {R(0.5), h});

  struct Case {
    Point2 c1, p1, c2, p2;
  };
  const Case apart[] = {
      {{0, 0}, {1, 0}, {0, 0}, {2, 0}},  // concentric
      {{0, 0}, {1, 0}, {3, 0}, {4, 0}},  // apart
      {{0, 0}, {3, 0}, {1, 0}, {2, 0}},  // the second well inside the first
      {{1, 0}, {2, 0}, {0, 0}, {3, 0}},  // the first well inside the second
  };
  for (const Case& c : apart) {
    points = {Point2{7, 7}, Point2{7, 7}};
    EXPECT_EQ(IntersectCircles2(c.c1, c.p1, c.c2, c.p2, points), kCirclesApart);
    EXPECT_EQ(points[0], Point2{});
    EXPECT_EQ(points[1], Point2{});
  }
}

}  // namespace
