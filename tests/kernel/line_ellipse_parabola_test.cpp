#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "support/extended_expect.h"
#include "kernel/line_ellipse_parabola.h"

using namespace kernel;

namespace {

constexpr Real kMeetClose = static_cast<Real>(1e-15);
const Point2 kUnsetPoint{7, 7};

void ExpectMeetingPoint(const Point2& actual, const Point2& expected, Real tolerance = kMeetClose) {
  EXPECT_REAL_NEAR(actual.x, expected.x, tolerance);
  EXPECT_REAL_NEAR(actual.y, expected.y, tolerance);
}

TEST(LineEllipseParabola, LineParameterAlongEitherAxis) {
  EXPECT_EQ(LineParameter2({1, 1}, {3, 5}, {2, 3}), Real{0.5});
  EXPECT_EQ(LineParameter2({1, 1}, {1, 5}, {1, -7}), Real{-2});
  EXPECT_EQ(LineParameter2({1, 1}, {1, 1}, {4, 4}), kFarLineParameter);
}

TEST(LineEllipseParabola, ReflectAcrossDirection) {
  Point2 v{1, 0};
  ASSERT_TRUE(ReflectAcrossDirection2(v, {1, 1}));
  ExpectMeetingPoint(v, {0, 1});
  v = {1, 0};
  ASSERT_TRUE(ReflectAcrossDirection2(v, {0, 2}));
  ExpectMeetingPoint(v, {-1, 0});
  v = {3, 4};
  EXPECT_FALSE(ReflectAcrossDirection2(v, {0, 0}));
  ExpectMeetingPoint(v, {3, 4});
}

// Foci (-3, 0), (3, 0): e = 0.6 gives a = 5, b = 4; e = 0.75 gives a = 4 exactly, whose
// vertex tangents x = +-4 touch without rounding.
TEST(LineEllipseParabola, EllipseSecantTangentAndMiss) {
  const Real e_5_4 = static_cast<Real>(0.6);
  const Real e_4 = static_cast<Real>(0.75);
  struct Case {
    Point2 p1, p2;
    Real e;
    KernelResult code;
    Point2 first, second;
  };
  const Case cases[] = {
      {{0, -10}, {0, 10}, e_5_4, kTwoOnSegment, {0, 4}, {0, -4}},
      {{0, 10}, {0, -10}, e_5_4, kTwoOnSegment, {0, -4}, {0, 4}},
      {{0, -1}, {0, 1}, e_5_4, kTwoAroundSegment, {0, 4}, {0, -4}},
      {{-10, 0}, {-20, 0}, e_5_4, kTwoBeforeA, {-5, 0}, {5, 0}},
      {{4, -10}, {4, 10}, e_4, kTouchOnSegment, {4, 0}, {4, 0}},
      {{-4, -10}, {-4, -5}, e_4, kTouchBeyondB, {-4, 0}, {-4, 0}},
      {{4, 5}, {4, 10}, e_4, kTouchBeforeA, {4, 0}, {4, 0}},
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> out{kUnsetPoint, kUnsetPoint};
    EXPECT_EQ(IntersectLineEllipse2(c.p1, c.p2, {-3, 0}, {3, 0}, c.e, out), c.code);
    ExpectMeetingPoint(out[0], c.first, 1e-14L);
    ExpectMeetingPoint(out[1], c.second, 1e-14L);
  }
  std::array<Point2, 2> out{kUnsetPoint, kUnsetPoint};
  EXPECT_EQ(IntersectLineEllipse2({-10, 5}, {10, 5}, {-3, 0}, {3, 0}, e_5_4, out), kNoPoint);
  EXPECT_EQ(IntersectLineEllipse2({1, 1}, {1, 1}, {-3, 0}, {3, 0}, e_5_4, out), kNoPoint);
}

TEST(LineEllipseParabola, EllipseRejectsDegenerateFocalData) {
  struct Case {
    Point2 f2;
    Real e;
  };
  const Case cases[] = {
      {{-3, 0}, static_cast<Real>(0.5)},  // coincident foci
      {{3, 0}, 0},
      {{3, 0}, 1},
      {{3, 0}, static_cast<Real>(1.5)},
      {{3, 0}, -static_cast<Real>(0.5)},
      {{3, 0}, std::numeric_limits<Real>::quiet_NaN()},
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> out{kUnsetPoint, kUnsetPoint};
    EXPECT_EQ(IntersectLineEllipse2({0, -10}, {0, 10}, {-3, 0}, c.f2, c.e, out), kNoPoint);
    ExpectMeetingPoint(out[0], kUnsetPoint);
    ExpectMeetingPoint(out[1], kUnsetPoint);
  }
}

// Focus (0, 1) and directrix y = -1: y = x^2 / 4.
TEST(LineEllipseParabola, ParabolaEveryCode) {
  struct Case {
    Point2 p1, p2;
    KernelResult code;
    Point2 first, second;
  };
  const Case cases[] = {
      {{-10, 1}, {10, 1}, kTwoOnSegment, {2, 1}, {-2, 1}},
      {{10, 1}, {-10, 1}, kTwoOnSegment, {-2, 1}, {2, 1}},
      {{-10, 1}, {-5, 1}, kTwoBeyondB, {2, 1}, {-2, 1}},
      {{-5, 1}, {-10, 1}, kTwoBeforeA, {-2, 1}, {2, 1}},
      {{-1, 1}, {1, 1}, kTwoAroundSegment, {2, 1}, {-2, 1}},
      {{-3, 1}, {1, 1}, kFirstOnSecondBeyond, {2, 1}, {-2, 1}},
      {{-1, 1}, {3, 1}, kFirstBeforeSecondOn, {2, 1}, {-2, 1}},
      {{-10, -11}, {10, 9}, kTouchOnSegment, {2, 1}, {2, 1}},  // tangent y = x - 1
      {{20, 19}, {30, 29}, kTouchOnSegment, {2, 1}, {2, 1}},   // every touching point counts as on AB
      {{0, -5}, {0, 5}, kExactlyOnePoint, {0, 0}, {0, 0}},    // the axis
      {{4, 7}, {4, 8}, kExactlyOnePoint, {4, 4}, {4, 4}},      // parallel to the axis
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> out{kUnsetPoint, kUnsetPoint};
    EXPECT_EQ(IntersectLineParabola2(c.p1, c.p2, {-1, -1}, {1, -1}, {0, 1}, out), c.code)
        << static_cast<double>(c.p1.x) << " " << static_cast<double>(c.p2.x);
    ExpectMeetingPoint(out[0], c.first, 1e-14L);
    ExpectMeetingPoint(out[1], c.second, 1e-14L);
  }
}

TEST(LineEllipseParabola, ParabolaMissAndDegenerateInputLeaveTheOutput) {
  struct Case {
    Point2 p1, p2, a, b, focus;
  };
  const Case cases[] = {
      {{-10, -1}, {10, -1}, {-1, -1}, {1, -1}, {0, 1}},  // the directrix itself
      {{-10, -2}, {10, -2}, {-1, -1}, {1, -1}, {0, 1}},  // beyond the directrix
      {{3, 3}, {3, 3}, {-1, -1}, {1, -1}, {0, 1}},       // no line
      {{-10, 1}, {10, 1}, {1, -1}, {1, -1}, {0, 1}},     // no directrix
      {{-10, 1}, {10, 1}, {-1, -1}, {1, -1}, {5, -1}},   // focus on the directrix
      {{0, -5}, {0, 5}, {-1, -1}, {1, -1}, {0, -1}},     // the same, met along the axis
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> out{kUnsetPoint, kUnsetPoint};
    EXPECT_EQ(IntersectLineParabola2(c.p1, c.p2, c.a, c.b, c.focus, out), kNoPoint);
    ExpectMeetingPoint(out[0], kUnsetPoint);
    ExpectMeetingPoint(out[1], kUnsetPoint);
  }
}

}  // namespace
