#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "support/conic_coefficients.h"
#include "support/extended_expect.h"
#include "kernel/conic_classification.h"
#include "kernel/conic_construction.h"
#include "kernel/vector2.h"

using namespace kernel;

namespace {

constexpr Real kClose = static_cast<Real>(1e-15);

Real R(double v) { return static_cast<Real>(v); }

void ExpectPoint(const Point2& actual, const Point2& expected, Real tolerance = kClose) {
  EXPECT_REAL_NEAR(actual.x, expected.x, tolerance);
  EXPECT_REAL_NEAR(actual.y, expected.y, tolerance);
}

ConicRecord Classified(const std::array<Real, 6>& coefficients) {
  ConicRecord record;
  InitConicRecord(record);
  record.coefficients = coefficients;
  ClassifyConic(record);
  return record;
}

TEST(ConicClassification, EveryKindWithItsShapePoints) {
  const Real s3 = std::sqrt(Real{3});
  const Real s2 = std::sqrt(Real{2});
  struct Case {
    const char* name;
    std::array<Real, 6> coef;
    ConicKind kind;
    std::array<Point2, 4> shape;
  };
  const Case cases[] = {
      {"x^2/4 + y^2 = 1", {R(0.25), 0, 1, 0, 0, -1}, kConicEllipse, {{{0, 0}, {2, 0}, {0, 1}, {s3, 0}}}},
      {"x^2 + y^2/4 = 1", {1, 0, R(0.25), 0, 0, -1}, kConicEllipse, {{{0, 0}, {0, 2}, {1, 0}, {0, s3}}}},
      {"(x-1)^2/4 + (y+2)^2 = 1", {R(0.25), 0, 1, R(-0.5), 4, R(3.25)}, kConicEllipse,
       {{{1, -2}, {2, 0}, {0, 1}, {s3, 0}}}},
      {"y = x^2", {1, 0, 0, 0, -1, 0}, kConicParabola, {{{0, R(0.25)}, {0, R(-0.25)}, {1, R(-0.25)}, {0, 0}}}},
      {"x = y^2 + 2", {0, 0, 1, -1, 0, 2}, kConicParabola,
       {{{R(2.25), 0}, {R(1.75), 0}, {R(1.75), 1}, {2, 0}}}},
      {"x^2 - y^2 = 1", {1, 0, -1, 0, 0, -1}, kConicHyperbola, {{{0, 0}, {1, 0}, {0, 1}, {s2, 0}}}},
      {"-x^2 + y^2 = 1", {-1, 0, 1, 0, 0, -1}, kConicHyperbola, {{{0, 0}, {0, 1}, {1, 0}, {0, s2}}}},
      {"x + y = 2", {0, 0, 0, 1, 1, -2}, kConicOneLine, {{{0, 2}, {2, 0}, {}, {}}}},
      {"x = 3", {0, 0, 0, 1, 0, -3}, kConicOneLine, {{{3, 0}, {3, 1}, {}, {}}}},
      {"y = 3", {0, 0, 0, 0, 1, -3}, kConicOneLine, {{{0, 3}, {1, 3}, {}, {}}}},
      {"x^2 = 0", {1, 0, 0, 0, 0, 0}, kConicOneLine, {{{0, 0}, {0, 1}, {}, {}}}},
      {"(y-2)^2 = 0", {0, 0, 1, 0, -4, 4}, kConicOneLine, {{{0, 2}, {1, 2}, {}, {}}}},
      {"x^2 = 1", {1, 0, 0, 0, 0, -1}, kConicParallelLines, {{{1, 0}, {1, 1}, {-1, 0}, {-1, 1}}}},
      {"y^2 = 4", {0, 0, 1, 0, 0, -4}, kConicParallelLines, {{{0, 2}, {1, 2}, {0, -2}, {1, -2}}}},
      {"x^2 - y^2 = 0", {1, 0, -1, 0, 0, 0}, kConicCrossingLines, {{{0, 0}, {1, 1}, {1, -1}, {0, 0}}}},
      {"(x-1)^2 + (y-2)^2 = 0", {1, 0, 1, -2, -4, 5}, kConicSinglePoint, {{{1, 2}, {}, {}, {}}}},
      {"(x-1)^2 + y^2 + 1 = 0", {1, 0, 1, -2, 0, 2}, kConicNoRealPoint, {{{1, 0}, {}, {}, {}}}},
      {"x^2 + 1 = 0", {1, 0, 0, 0, 0, 1}, kConicNoRealPoint, {}},
      {"1 = 0", {0, 0, 0, 0, 0, 1}, kConicNoRealPoint, {}},
      {"0 = 0", {0, 0, 0, 0, 0, 0}, kConicEveryPoint, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const ConicRecord record = Classified(c.coef);
    EXPECT_EQ(record.kind, c.kind);
    for (int i = 0; i < 4; ++i) ExpectPoint(record.shape[i], c.shape[i]);
    EXPECT_EQ(record.angle, 0);
    EXPECT_EQ(record.circle, 0);
    EXPECT_EQ(record.shape_set, 1);
  }
}

TEST(ConicClassification, CircleFromFivePointsSetsTheCircleFlag) {
  ConicRecord record;
  InitConicRecord(record);
  const std::array<Point2, 5> points{Point2{5, 0}, Point2{0, 5}, Point2{-5, 0}, Point2{0, -5}, Point2{3, 4}};
  ASSERT_TRUE(ConicThroughFivePoints(points, record.coefficients));
  ClassifyConic(record);
  EXPECT_EQ(record.kind, kConicEllipse);
  EXPECT_EQ(record.circle, 1);
  ExpectPoint(record.shape[0], {0, 0});
  EXPECT_REAL_NEAR(std::sqrt(Dot2(record.shape[1], record.shape[1])), 5, 1e-14L);
  EXPECT_REAL_NEAR(std::sqrt(Dot2(record.shape[2], record.shape[2])), 5, 1e-14L);
  ExpectPoint(record.shape[3], {0, 0}, 1e-4L);  // sqrt of a difference of equal squares
}

TEST(ConicClassification, ParabolaFromFivePointsHasItsFocus) {
  ConicRecord record;
  InitConicRecord(record);
  const std::array<Point2, 5> points{Point2{0, 0}, Point2{1, 1}, Point2{2, 4}, Point2{-1, 1}, Point2{3, 9}};
  ASSERT_TRUE(ConicThroughFivePoints(points, record.coefficients));
  ClassifyConic(record);
  EXPECT_EQ(record.kind, kConicParabola);
  ExpectPoint(record.shape[0], {0, R(0.25)});
  ExpectPoint(record.shape[3], {0, 0});
}

TEST(ConicClassification, RectangularHyperbolaXyTurnsByAQuarterPi) {
  ConicRecord record = Classified({0, 1, 0, 0, 0, -1});
  EXPECT_EQ(record.kind, kConicHyperbola);
  EXPECT_EQ(record.angle, Pi / 4);
  const Real s2 = std::sqrt(Real{2});
  ExpectPoint(record.shape[1], {s2, 0});
  ExpectPoint(record.shape[2], {0, s2});
  ExpectPoint(record.shape[3], {2, 0});
  RotateConicShape(record);
  ExpectPoint(record.shape[1], {1, 1}, 1e-16L);  // the vertex (1, 1)
  ExpectPoint(record.shape[3], {s2, s2}, 1e-16L);  // the focus (sqrt 2, sqrt 2)
}

TEST(ConicClassification, LineThroughTheOriginKeepsTwoDistinctPoints) {
  const ConicRecord record = Classified({0, 0, 0, 2, -1, 0});  // y = 2x
  EXPECT_EQ(record.kind, kConicOneLine);
  ExpectPoint(record.shape[0], {0, 0});
  ExpectPoint(record.shape[1], {1, 2});
}

TEST(ConicClassification, UncoveredEquationNeverKeepsAnEarlierShape) {
  // 1e20 x^2 + y^2 = 1: the constant term is too small beside the x^2 term for the central case.
  ConicRecord record = Classified({R(0.25), 0, 1, 0, 0, -1});
  ASSERT_EQ(record.kind, kConicEllipse);
  record.coefficients = {R(1e20), 0, 1, 0, 0, -1};
  ClassifyConic(record);
  EXPECT_EQ(record.kind, kConicNoRealPoint);
  for (const Point2& p : record.shape) ExpectPoint(p, {0, 0});
  EXPECT_EQ(record.angle, 0);
}

TEST(ConicClassification, RandomTurnedConicsGiveTheirFociAndAxes) {
  std::mt19937 random(20240531);
  std::uniform_real_distribution<double> coordinate(-10, 10);
  std::uniform_real_distribution<double> length(0.5, 5);
  std::uniform_real_distribution<double> angle(-3.1, 3.1);
  for (int n = 0; n < 300; ++n) {
    const Point2 centre{R(coordinate(random)), R(coordinate(random))};
    const Real phi = R(angle(random));
    const Point2 u{std::cos(phi), std::sin(phi)};
    const Point2 v{-u.y, u.x};
    const int shape = n % 3;
    SCOPED_TRACE(n);
    if (shape == kConicParabola) {
      // Focus at centre + f u, directrix through centre - f u along v: |X - F|^2 = (u.(X - C) + f)^2.
      const Real f = R(length(random));
      const Point2 focus = centre + f * u;
      const auto coef = SumOfSquares({{1, 0, -focus.x, 1}, {0, 1, -focus.y, 1}, {u.x, u.y, f - Dot2(u, centre), -1}}, 0);
      ConicRecord record = Classified(coef);
      ASSERT_EQ(record.kind, kConicParabola);
      RotateConicShape(record);
      ExpectPoint(record.shape[0], focus, 1e-11L);
      ExpectPoint(record.shape[3], centre, 1e-11L);
      const Point2 along = record.shape[2] - record.shape[1];
      EXPECT_REAL_NEAR(Dot2(along, along), 1, 1e-12L);
      EXPECT_REAL_NEAR(Dot2(record.shape[1] - centre, u), -f, 1e-11L);
      EXPECT_REAL_NEAR(Dot2(along, u), 0, 1e-12L);
      continue;
    }
    Real a = R(length(random));
    Real b = R(length(random));
    if (shape == kConicEllipse && b > a) std::swap(a, b);
    const Real sign = shape == kConicEllipse ? 1 : -1;
    const Real c = std::sqrt(a * a - sign * b * b);
    // (u.(X - C))^2 / a^2 + sign (v.(X - C))^2 / b^2 = 1, scaled by a random factor.
    const Real scale = R(length(random)) * (n % 2 ? 1 : -1);
    auto coef = SumOfSquares({{u.x, u.y, -Dot2(u, centre), scale / (a * a)}, {v.x, v.y, -Dot2(v, centre), sign * scale / (b * b)}}, -scale);
    ConicRecord record = Classified(coef);
    ASSERT_EQ(record.kind, shape);
    RotateConicShape(record);
    ExpectPoint(record.shape[0], centre, 1e-11L);
    EXPECT_REAL_NEAR(std::sqrt(Dot2(record.shape[1], record.shape[1])), a, 1e-11L);
    EXPECT_REAL_NEAR(std::sqrt(Dot2(record.shape[2], record.shape[2])), b, 1e-11L);
    EXPECT_REAL_NEAR(std::fabs(Dot2(record.shape[1], u)), a, 1e-11L);  // along the focal axis
    EXPECT_REAL_NEAR(std::fabs(Dot2(record.shape[3], u)), c, 1e-11L);
    EXPECT_REAL_NEAR(Dot2(record.shape[3], v), 0, 1e-11L);
  }
}

}  // namespace
