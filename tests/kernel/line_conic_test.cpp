#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <random>

#include "support/conic_coefficients.h"
#include "support/extended_expect.h"
#include "kernel/line_conic.h"
#include "kernel/line_ellipse_parabola.h"
#include "kernel/line_hyperbola.h"
#include "kernel/vector2.h"

using namespace kernel;

namespace {

const Point2 kSentinel{7, 7};
const std::array<Real, 6> kUnitCircle{1, 0, 1, 0, 0, -1};
const std::array<Real, 6> kParabolaYx2{1, 0, 0, 0, -1, 0};  // y = x^2

void ExpectPoint(const Point2& actual, const Point2& expected, Real tolerance = 1e-15L) {
  EXPECT_REAL_NEAR(actual.x, expected.x, tolerance);
  EXPECT_REAL_NEAR(actual.y, expected.y, tolerance);
}

LineConicBlock Block(Point2 p, Point2 q, std::initializer_list<Point2> conic_points = {}) {
  LineConicBlock block;
  block.p = p;
  block.q = q;
  std::copy(conic_points.begin(), conic_points.end(), block.conic_points.begin());
  block.first = block.second = kSentinel;
  return block;
}

TEST(LineConic, EquationSecantTangentMissAndSinglePoint) {
  struct Case {
    const char* name;
    std::array<Real, 6> coef;
    Point2 p, q;
    int count;
    Point2 first, second;
  };
  const Case cases[] = {
      {"secant", kUnitCircle, {0, 0}, {1, 0}, 2, {1, 0}, {-1, 0}},
      {"secant, ends swapped", kUnitCircle, {1, 0}, {0, 0}, 2, {-1, 0}, {1, 0}},
      {"vertical secant", kUnitCircle, {0, 5}, {0, -5}, 2, {0, -1}, {0, 1}},
      {"vertical tangent", kUnitCircle, {1, -5}, {1, 5}, 2, {1, 0}, {1, 0}},
      {"tangent", kUnitCircle, {-3, 1}, {3, 1}, 2, {0, 1}, {0, 1}},
      {"miss", kUnitCircle, {0, 2}, {1, 2}, 0, kSentinel, kSentinel},
      {"vertical miss", kUnitCircle, {2, 0}, {2, 1}, 0, kSentinel, kSentinel},
      {"no line", kUnitCircle, {0, 0}, {0, 0}, 0, kSentinel, kSentinel},
      {"parallel to the axis", kParabolaYx2, {3, 0}, {3, 1}, 1, {3, 9}, kSentinel},
      {"parabola secant", kParabolaYx2, {-5, 4}, {5, 4}, 2, {2, 4}, {-2, 4}},
      {"line inside the conic", {0, 0, 1, 0, 0, 0}, {0, 0}, {1, 0}, 0, kSentinel, kSentinel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineConicBlock block = Block(c.p, c.q);
    EXPECT_EQ(LineConicIntersection(c.coef, block), c.count);
    ExpectPoint(block.first, c.first);
    ExpectPoint(block.second, c.second);
  }
}

TEST(LineConic, FivePointConic) {
  const std::initializer_list<Point2> circle{{5, 0}, {0, 5}, {-5, 0}, {0, -5}, {3, 4}};
  LineConicBlock block = Block({0, 0}, {1, 0}, circle);
  EXPECT_EQ(IntersectLineWithFivePointConic(block), 2);
  ExpectPoint(block.first, {5, 0}, 1e-14L);
  ExpectPoint(block.second, {-5, 0}, 1e-14L);
  // The defining points survive the call.
  EXPECT_TRUE(std::equal(circle.begin(), circle.end(), block.conic_points.begin()));

  LineConicBlock collinear = Block({0, 0}, {1, 0}, {{0, 0}, {1, 1}, {2, 2}, {5, 5}, {3, 0}});
  EXPECT_EQ(IntersectLineWithFivePointConic(collinear), 0);
  ExpectPoint(collinear.first, kSentinel);
  ExpectPoint(collinear.second, kSentinel);
}

TEST(LineConic, FocalKindCountsTheKernelCodes) {
  const Real ellipse_e = static_cast<Real>(0.75);  // foci (+-3, 0): a = 4
  const Real hyperbola_e = Real{5} / 3;            // foci (+-5, 0): a = 3, b = 4
  const std::initializer_list<Point2> ellipse{{-3, 0}, {3, 0}};
  const std::initializer_list<Point2> hyperbola{{-5, 0}, {5, 0}};
  const std::initializer_list<Point2> parabola{{-1, -1}, {1, -1}, {0, 1}};  // y = x^2 / 4
  struct Case {
    const char* name;
    LineConicBlock block;
    std::int16_t kind;
    Real e;
    int count;
    Point2 first, second;
  };
  const Case cases[] = {
      {"ellipse, touch beyond B (33)", Block({-4, -10}, {-4, -5}, ellipse), 0, ellipse_e, 1, {-4, 0}, {-4, 0}},
      {"ellipse, around the segment (35)", Block({-1, 0}, {1, 0}, ellipse), 0, ellipse_e, 2, {4, 0}, {-4, 0}},
      {"ellipse, swapped ends", Block({1, 0}, {-1, 0}, ellipse), 0, ellipse_e, 2, {-4, 0}, {4, 0}},
      {"ellipse, miss (30)", Block({-10, 9}, {10, 9}, ellipse), 0, ellipse_e, 0, {0, 0}, {0, 0}},
      {"ellipse, e of a hyperbola", Block({-1, 0}, {1, 0}, ellipse), 0, hyperbola_e, 0, kSentinel, kSentinel},
      {"hyperbola, two points", Block({0, 0}, {10, 0}, hyperbola), 2, hyperbola_e, 2, {3, 0}, {-3, 0}},
      {"hyperbola, asymptote (40)", Block({0, 1}, {3, 5}, hyperbola), 2, hyperbola_e, 1, {-6.375L, -7.5L},
       {-6.375L, -7.5L}},
      {"hyperbola, e of an ellipse", Block({0, 0}, {10, 0}, hyperbola), 2, ellipse_e, 0, kSentinel, kSentinel},
      {"parabola, axis (40)", Block({0, -5}, {0, 5}, parabola), 1, 0, 1, {0, 0}, {0, 0}},
      {"parabola, tangent (2)", Block({-10, -11}, {10, 9}, parabola), 1, 0, 1, {2, 1}, {2, 1}},
      {"parabola, beyond B (67)", Block({-10, 1}, {-5, 1}, parabola), 1, 0, 2, {2, 1}, {-2, 1}},
      {"any other kind is a parabola", Block({10, 1}, {5, 1}, parabola), 7, 0, 2, {-2, 1}, {2, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LineConicBlock block = c.block;
    EXPECT_EQ(IntersectLineWithConicKind(block, c.kind, c.e), c.count);
    ExpectPoint(block.first, c.first, 1e-14L);
    ExpectPoint(block.second, c.second, 1e-14L);
  }
}

// ---- Cross-check against an independent closed form on random conics ----

struct RandomConic {
  std::int16_t kind = 0;
  Real e = 0;
  std::array<Point2, 3> focal{};  // foci, or two directrix points and the focus
  std::array<Real, 6> coef{};
  std::array<Point2, 5> points{};  // five points of the curve
};

class Sampler {
 public:
  explicit Sampler(unsigned seed) : random_(seed) {}
  Real Uniform(double lo, double hi) { return static_cast<Real>(std::uniform_real_distribution<double>(lo, hi)(random_)); }
  Point2 Point() { return {Uniform(-10, 10), Uniform(-10, 10)}; }
  Point2 Direction() {
    const Real angle = Uniform(-3.14, 3.14);
    return {std::cos(angle), std::sin(angle)};
  }

  RandomConic Conic(std::int16_t kind) {
    RandomConic conic;
    conic.kind = kind;
    const Point2 centre = Point();
    const Point2 u = Direction();
    const Point2 v{-u.y, u.x};
    if (kind == 1) {
      // Directrix through `centre` along v, focus h away from it along u.
      const Real h = Uniform(0.5, 5);
      const Point2 focus = centre + h * u;
      conic.focal = {centre, centre + Uniform(0.5, 3) * v, focus};
      conic.coef = SumOfSquares({{1, 0, -focus.x, 1}, {0, 1, -focus.y, 1}, {u.x, u.y, -Dot2(u, centre), -1}}, 0);
      const Point2 vertex = centre + (h / 2) * u;
      for (int i = 0; i < 5; ++i) {
        const Real s = Uniform(-1, 1) + 2 * (i - 2);
        conic.points[i] = vertex + s * v + (s * s / (2 * h)) * u;
      }
      return conic;
    }
    const Real c = Uniform(0.5, 5);
    conic.e = kind == 0 ? Uniform(0.2, 0.9) : Uniform(1.2, 3);
    conic.focal = {centre - c * u, centre + c * u, {}};
    const Real a = c / conic.e;
    const Real b = std::sqrt(std::fabs(a * a - c * c));
    const Real sign = kind == 0 ? 1 : -1;
    const Real scale = Uniform(0.5, 4);
    conic.coef = SumOfSquares(
        {{u.x, u.y, -Dot2(u, centre), scale / (a * a)}, {v.x, v.y, -Dot2(v, centre), sign * scale / (b * b)}}, -scale);
    for (int i = 0; i < 5; ++i) {
      const Real s = Uniform(-1, 1) + 1.2L * (i - 2);
      conic.points[i] = kind == 0 ? centre + a * std::cos(s) * u + b * std::sin(s) * v
                                  : centre + (i % 2 ? a : -a) * std::cosh(s) * u + b * std::sinh(s) * v;
    }
    return conic;
  }

 private:
  std::mt19937 random_;
};

// Where the two crossings lie on the segment AB: an ellipse with vertices (+-2, 0) and a hyperbola
// with vertices (+-1, 0), each met by the x-axis, with A and B placed in units of the vertex
// distance r.
TEST(LineConic, TwoCrossingsGetThePositionCodeOfTheirPlaceOnTheSegment) {
  struct Case {
    Real a, b;  // x of A and B, in units of r
  };
  const Case cases[] = {
      {1.5L, 2}, {-2, -1.5L},      // both before A, both beyond B
      {-0.5L, 0.5L}, {-1.5L, 1.5L},  // around the segment, both on it
      {-1.5L, 0}, {0, 1.5L},         // one on it and one beyond B, one before A and one on it
  };
  const KernelResult codes[] = {kTwoBeforeA,   kTwoBeyondB,          kTwoAroundSegment,
                                kTwoOnSegment, kFirstOnSecondBeyond, kFirstBeforeSecondOn};
  for (int i = 0; i < 6; ++i) {
    const Case& c = cases[i];
    std::array<Point2, 2> out;
    EXPECT_EQ(IntersectLineEllipse2({c.a * 2, 0}, {c.b * 2, 0}, {-1, 0}, {1, 0}, 0.5L, out), codes[i])
        << "ellipse, case " << i;
    EXPECT_EQ(IntersectLineHyperbola2({c.a, 0}, {c.b, 0}, {-2, 0}, {2, 0}, 2, out), codes[i])
        << "hyperbola, case " << i;
  }
}

TEST(LineConic, RandomConicsAgreeWithTheClosedForm) {
  Sampler sampler(9017);
  int compared = 0;
  for (int n = 0; n < 600; ++n) {
    SCOPED_TRACE(n);
    const RandomConic conic = sampler.Conic(static_cast<std::int16_t>(n % 3));
    const Point2 p = sampler.Point();
    const Point2 q = p + sampler.Uniform(0.5, 8) * sampler.Direction();

    // The conic along X(t) = P + t (Q - P): alpha t^2 + beta t + gamma.
    const auto [a, b, c, d, e, f] = conic.coef;
    const Point2 D = q - p;
    const Real alpha = a * D.x * D.x + b * D.x * D.y + c * D.y * D.y;
    const Real beta = 2 * a * p.x * D.x + b * (p.x * D.y + p.y * D.x) + 2 * c * p.y * D.y + d * D.x + e * D.y;
    const Real gamma = a * p.x * p.x + b * p.x * p.y + c * p.y * p.y + d * p.x + e * p.y + f;
    const Real disc = beta * beta - 4 * alpha * gamma;
    const Real size = std::fabs(alpha) + std::fabs(beta) + std::fabs(gamma);
    // Leave out lines too close to a tangent or to an asymptote or axis direction, where the
    // kernels' tolerances rightly decide differently.
    if (std::fabs(disc) < 1e-6L * (beta * beta + std::fabs(4 * alpha * gamma)) || std::fabs(alpha) < 1e-4L * size) {
      continue;
    }
    ++compared;
    const int count = disc < 0 ? 0 : 2;
    Real t_hi = 0, t_lo = 0;
    if (count == 2) {
      const Real t1 = (-beta + std::sqrt(disc)) / (2 * alpha);
      const Real t2 = (-beta - std::sqrt(disc)) / (2 * alpha);
      t_hi = std::max(t1, t2);
      t_lo = std::min(t1, t2);
    }
    const Point2 far_point = p + t_hi * D;
    const Point2 near_point = p + t_lo * D;

    LineConicBlock block = Block(p, q);
    ASSERT_EQ(LineConicIntersection(conic.coef, block), count);
    if (count == 2) {
      ExpectPoint(block.first, far_point, 1e-10L);
      ExpectPoint(block.second, near_point, 1e-10L);
    }

    LineConicBlock five = Block(p, q);
    std::copy(conic.points.begin(), conic.points.end(), five.conic_points.begin());
    ASSERT_EQ(IntersectLineWithFivePointConic(five), count);
    if (count == 2) {
      ExpectPoint(five.first, far_point, 1e-8L);
      ExpectPoint(five.second, near_point, 1e-8L);
    }

    LineConicBlock focal = Block(p, q);
    std::copy(conic.focal.begin(), conic.focal.end(), focal.conic_points.begin());
    ASSERT_EQ(IntersectLineWithConicKind(focal, conic.kind, conic.e), count);
    if (count == 2) {
      ExpectPoint(focal.first, far_point, 1e-10L);
      ExpectPoint(focal.second, near_point, 1e-10L);

      // The line's ends swapped: the same points in the other order.
      LineConicBlock swapped = Block(q, p);
      std::copy(conic.focal.begin(), conic.focal.end(), swapped.conic_points.begin());
      ASSERT_EQ(IntersectLineWithConicKind(swapped, conic.kind, conic.e), 2);
      ExpectPoint(swapped.first, near_point, 1e-10L);
      ExpectPoint(swapped.second, far_point, 1e-10L);
    }
  }
  EXPECT_GT(compared, 400);  // the filter above must leave most lines in
}

}  // namespace
