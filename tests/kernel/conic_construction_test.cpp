#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "support/extended_expect.h"
#include "kernel/conic_construction.h"
#include "kernel/vector2.h"

using namespace kernel;

namespace {

constexpr Real kClose = static_cast<Real>(1e-15);
constexpr Real kNear = static_cast<Real>(1e-16);  // values built from several roundings
constexpr Real kNaN = std::numeric_limits<Real>::quiet_NaN();

Real R(double v) { return static_cast<Real>(v); }

void ExpectPoint(const Point2& actual, const Point2& expected, Real tolerance = kClose) {
  EXPECT_REAL_NEAR(actual.x, expected.x, tolerance);
  EXPECT_REAL_NEAR(actual.y, expected.y, tolerance);
}

TEST(ConicConstruction, EllipseFromFociAndPoint) {
  ConicAxes axes;
  Real e = 0;
  ASSERT_TRUE(ConicFromFociPoint({Point2{-3, 0}, Point2{3, 0}, Point2{0, 4}}, true, axes, e));
  ExpectPoint(axes[0], {0, 0});
  ExpectPoint(axes[1], {5, 0});
  ExpectPoint(axes[2], {0, 4});
  EXPECT_REAL_NEAR(e, R(0.6), kClose);
}

TEST(ConicConstruction, HyperbolaFromFociAndPointPointsTowardsTheSecondFocus) {
  // Foci (5, 0) and (-5, 0) through the vertex (3, 0): a = 3, b = 4, e = 5/3; axes[1] points
  // towards the second focus, axes[2] is it turned by +90 degrees.
  ConicAxes axes;
  Real e = 0;
  ASSERT_TRUE(ConicFromFociPoint({Point2{5, 0}, Point2{-5, 0}, Point2{3, 0}}, false, axes, e));
  ExpectPoint(axes[0], {0, 0});
  ExpectPoint(axes[1], {-3, 0});
  ExpectPoint(axes[2], {0, -4});
  EXPECT_REAL_NEAR(e, Real{5} / 3, kClose);
}

TEST(ConicConstruction, FociAndPointFailWithoutDividingByZero) {
  ConicAxes axes;
  Real e = 7;
  // Coincident foci: the centre is written and axes[1] holds the point.
  EXPECT_FALSE(ConicFromFociPoint({Point2{1, 1}, Point2{1, 1}, Point2{4, 5}}, true, axes, e));
  ExpectPoint(axes[0], {1, 1});
  ExpectPoint(axes[1], {4, 5});
  EXPECT_EQ(e, 7);
  // A hyperbola through a point equally far from both foci has a = 0.
  EXPECT_FALSE(ConicFromFociPoint({Point2{-3, 0}, Point2{3, 0}, Point2{0, 7}}, false, axes, e));
  EXPECT_EQ(e, 7);
  for (const Point2& p : axes) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

TEST(ConicConstruction, FociAndEccentricity) {
  ConicAxes axes;
  ASSERT_TRUE(ConicFromFociEcc({-1, 0}, {1, 0}, R(0.5), axes));
  ExpectPoint(axes[0], {0, 0});
  ExpectPoint(axes[1], {2, 0});
  ExpectPoint(axes[2], {0, std::sqrt(Real{3})});

  ASSERT_TRUE(ConicFromFociEcc({0, -1}, {0, 1}, 2, axes));  // hyperbola: a = 1/2, b = sqrt(3)/2
  ExpectPoint(axes[1], {0, R(0.5)});
  ExpectPoint(axes[2], {-std::sqrt(Real{3}) / 2, 0});
}

TEST(ConicConstruction, FociAndEccentricityRejectDegenerateInput) {
  const Point2 sentinel{9, 9};
  for (Real e : {Real{0}, Real{-2}, Real{1}, kNaN}) {
    ConicAxes axes{sentinel, sentinel, sentinel};
    EXPECT_FALSE(ConicFromFociEcc({-1, 0}, {1, 0}, e, axes)) << static_cast<double>(e);
    for (const Point2& p : axes) ExpectPoint(p, sentinel);
  }
  ConicAxes axes;
  EXPECT_FALSE(ConicFromFociEcc({2, 3}, {2, 3}, R(0.5), axes));
  ExpectPoint(axes[0], {2, 3});
}

TEST(ConicConstruction, FocusAndDirectrixGiveBothFociAndTheVertex) {
  // Directrix x = -1, focus (1, 0).
  struct Case {
    Real e;
    Point2 second_focus, vertex, centre, first_axis;
    Real b;
  };
  const Case cases[] = {
      {R(0.5), {Real{7} / 3, 0}, {Real{1} / 3, 0}, {Real{5} / 3, 0}, {Real{4} / 3, 0}, 2 / std::sqrt(Real{3})},
      {2, {Real{-13} / 3, 0}, {Real{-1} / 3, 0}, {Real{-5} / 3, 0}, {Real{-4} / 3, 0}, 4 / std::sqrt(Real{3})},
  };
  for (const Case& c : cases) {
    FocalTriple triple{Point2{-1, 0}, Point2{-1, 1}, Point2{1, 0}};
    ASSERT_TRUE(FocusDirectrixToFoci(triple, c.e));
    ExpectPoint(triple[0], {1, 0});
    ExpectPoint(triple[1], c.second_focus, kNear);
    ExpectPoint(triple[2], c.vertex, kNear);

    FocalTriple again{Point2{-1, 0}, Point2{-1, 1}, Point2{1, 0}};
    ConicAxes axes;
    ASSERT_TRUE(ConicFromFocusDirectrix(again, c.e, axes));
    ExpectPoint(axes[0], c.centre, kNear);
    ExpectPoint(axes[1], c.first_axis, kNear);
    EXPECT_REAL_NEAR(std::sqrt(Dot2(axes[2], axes[2])), c.b, kNear);
    EXPECT_REAL_NEAR(Cross2(axes[1], axes[2]), c.b * std::sqrt(Dot2(axes[1], axes[1])), kNear);
  }
}

TEST(ConicConstruction, FocusAndDirectrixRejectParabolaAndDegenerateInput) {
  struct Case {
    FocalTriple triple;
    Real e;
  };
  const FocalTriple good{Point2{-1, 0}, Point2{-1, 1}, Point2{1, 0}};
  const Case cases[] = {
      {good, 1},                                           // a parabola has no second focus
      {good, 0},                                           // no conic
      {good, -R(0.5)},                                     //
      {good, kNaN},                                        //
      {{Point2{-1, 0}, Point2{-1, 0}, Point2{1, 0}}, 2},   // no directrix
      {{Point2{-1, 0}, Point2{-1, 1}, Point2{-1, 5}}, 2},  // focus on the directrix
  };
  for (const Case& c : cases) {
    FocalTriple triple = c.triple;
    EXPECT_FALSE(FocusDirectrixToFoci(triple, c.e)) << static_cast<double>(c.e);
    for (int i = 0; i < 3; ++i) ExpectPoint(triple[i], c.triple[i]);
    ConicAxes axes;
    triple = c.triple;
    EXPECT_FALSE(ConicFromFocusDirectrix(triple, c.e, axes));
  }
}

TEST(ConicConstruction, FivePointsOnACircle) {
  const std::array<Point2, 5> points{Point2{5, 0}, Point2{0, 5}, Point2{-5, 0}, Point2{0, -5}, Point2{3, 4}};
  std::array<Real, 6> coef{};
  ASSERT_TRUE(ConicThroughFivePoints(points, coef));
  const Real expected[6] = {R(-0.04), 0, R(-0.04), 0, 0, 1};
  for (int i = 0; i < 6; ++i) EXPECT_REAL_NEAR(coef[i], expected[i], kClose) << i;
}

TEST(ConicConstruction, FivePointsOnAParabolaLeaveTheYColumnFree) {
  const std::array<Point2, 5> points{Point2{0, 0}, Point2{1, 1}, Point2{2, 4}, Point2{-1, 1}, Point2{3, 9}};
  std::array<Real, 6> coef{};
  ASSERT_TRUE(ConicThroughFivePoints(points, coef));
  const Real expected[6] = {-1, 0, 0, 0, 1, 0};
  for (int i = 0; i < 6; ++i) EXPECT_REAL_NEAR(coef[i], expected[i], kClose) << i;
}

TEST(ConicConstruction, FivePointsThatFixNoConicLeaveTheCoefficients) {
  const std::array<Point2, 5> four_on_a_line{Point2{0, 0}, Point2{1, 1}, Point2{2, 2}, Point2{5, 5}, Point2{3, 0}};
  const std::array<Point2, 5> two_equal{Point2{5, 0}, Point2{0, 5}, Point2{0, 5}, Point2{0, -5}, Point2{3, 4}};
  for (const auto& points : {four_on_a_line, two_equal}) {
    std::array<Real, 6> coef{1, 2, 3, 4, 5, 6};
    EXPECT_FALSE(ConicThroughFivePoints(points, coef));
    EXPECT_EQ(coef, (std::array<Real, 6>{1, 2, 3, 4, 5, 6}));
  }
}

}  // namespace
