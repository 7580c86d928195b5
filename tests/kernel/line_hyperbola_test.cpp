#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "support/extended_expect.h"
#include "kernel/line_hyperbola.h"

using namespace kernel;

namespace {

const Point2 kSentinel{7, 7};

void ExpectPoint(const Point2& actual, const Point2& expected, kernel::Real tolerance = 1e-14L) {
  EXPECT_REAL_NEAR(actual.x, expected.x, tolerance);
  EXPECT_REAL_NEAR(actual.y, expected.y, tolerance);
}

TEST(LineHyperbola, SecantTangentAsymptoteAndMiss) {
  // Foci (-5, 0), (5, 0): e = 5/3 gives x^2/9 - y^2/16 = 1, e = 5/4 gives x^2/16 - y^2/9 = 1.
  const Real e_3_4 = Real{5} / 3;
  const Real e_4_3 = Real{5} / 4;
  struct Case {
    Point2 p, q;
    Real e;
    KernelResult code;
    Point2 first, second;
  };
  const Case cases[] = {
      {{0, 0}, {10, 0}, e_3_4, kFirstBeforeSecondOn, {3, 0}, {-3, 0}},
      {{10, 0}, {0, 0}, e_3_4, kFirstOnSecondBeyond, {-3, 0}, {3, 0}},
      {{-10, 0}, {10, 0}, e_3_4, kTwoOnSegment, {3, 0}, {-3, 0}},
      {{-1, 0}, {1, 0}, e_3_4, kTwoAroundSegment, {3, 0}, {-3, 0}},
      {{-10, 0}, {-20, 0}, e_3_4, kTwoBeforeA, {-3, 0}, {3, 0}},
      {{-20, 0}, {-10, 0}, e_3_4, kTwoBeyondB, {3, 0}, {-3, 0}},
      {{0, 1}, {3, 5}, e_3_4, kExactlyOnePoint, {-6.375L, -7.5L}, {-6.375L, -7.5L}},  // parallel to y = 4x/3
      {{4, -1}, {4, 1}, e_4_3, kTwoOnSegment, {4, 0}, {4, 0}},                        // tangent at the vertex
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> out{kSentinel, kSentinel};
    EXPECT_EQ(IntersectLineHyperbola2(c.p, c.q, {-5, 0}, {5, 0}, c.e, out), c.code);
    ExpectPoint(out[0], c.first);
    ExpectPoint(out[1], c.second);
  }
}

TEST(LineHyperbola, MissAndDegenerateInputLeaveTheOutput) {
  const Real e = Real{5} / 3;
  struct Case {
    Point2 p, q, f1, f2;
    Real e;
  };
  const Case cases[] = {
      {{0, -10}, {0, 10}, {-5, 0}, {5, 0}, e},   // between the branches
      {{2, 2}, {2, 2}, {-5, 0}, {5, 0}, e},      // no line
      {{0, 0}, {10, 0}, {1, 1}, {1, 1}, e},      // coincident foci
      {{0, 0}, {10, 0}, {-5, 0}, {5, 0}, 1},     // no hyperbola
      {{0, 0}, {10, 0}, {-5, 0}, {5, 0}, 0.5L},  // an ellipse's eccentricity
      {{0, 0}, {10, 0}, {-5, 0}, {5, 0}, std::numeric_limits<Real>::quiet_NaN()},
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> out{kSentinel, kSentinel};
    EXPECT_EQ(IntersectLineHyperbola2(c.p, c.q, c.f1, c.f2, c.e, out), kNoPoint);
    ExpectPoint(out[0], kSentinel, 0);
    ExpectPoint(out[1], kSentinel, 0);
  }
}

}  // namespace
