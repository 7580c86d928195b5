#include "kernel/tangents.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "support/extended_expect.h"
#include "kernel/frames3.h"
#include "kernel/regular_polygons.h"
#include "kernel/sphere_kernels.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

Point3 Lift(const Point2& p) { return {p.x, p.y, 0}; }

const Point2 kUntouched2{-7, -7};
const Point3 kUntouched3{-7, -7, -7};

// ---- Plane ----

TEST(Tangents, FromAPointToTheUnitCircle) {
  std::array<Point2, 2> out;
  ASSERT_EQ(TangentPointsFromPoint2({0, 0}, {1, 0}, {2, 0}, out), kTangentsFound);
  const Real h = std::sqrt(3.0L) / 2;
  EXPECT_POINT3_NEAR(Lift(out[0]), (Point3{0.5L, h, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(out[1]), (Point3{0.5L, -h, 0}), 1e-17L);
}

TEST(Tangents, FromAPointNotOutsideTheCircleWritesNothing) {
  for (const Point2& p : {Point2{0, 1}, Point2{0.3L, 0.2L}, Point2{0, 0}}) {
    std::array<Point2, 2> out{kUntouched2, kUntouched2};
    EXPECT_EQ(TangentPointsFromPoint2({0, 0}, {1, 0}, p, out), kPointNotOutsideCircle2);
    EXPECT_TRUE(out[0] == kUntouched2 && out[1] == kUntouched2);
  }
}

TEST(Tangents, OuterTangentsOfEqualCircles) {
  std::array<Point2, 2> out1, out2;
  ASSERT_EQ(CommonTangents2({0, 0}, {1, 0}, {4, 0}, {4, 1}, false, out1, out2), kTangentsFound);
  EXPECT_POINT3_NEAR(Lift(out1[0]), (Point3{0, 1, 0}), 1e-18L);
  EXPECT_POINT3_NEAR(Lift(out1[1]), (Point3{0, -1, 0}), 1e-18L);
  EXPECT_POINT3_NEAR(Lift(out2[0]), (Point3{4, 1, 0}), 1e-18L);
  EXPECT_POINT3_NEAR(Lift(out2[1]), (Point3{4, -1, 0}), 1e-18L);
}

TEST(Tangents, InnerTangentsOfEqualCirclesCrossHalfway) {
  std::array<Point2, 2> out1, out2;
  ASSERT_EQ(CommonTangents2({0, 0}, {1, 0}, {4, 0}, {4, 1}, true, out1, out2), kTangentsFound);
  const Real h = std::sqrt(3.0L) / 2;
  EXPECT_POINT3_NEAR(Lift(out1[0]), (Point3{0.5L, h, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(out1[1]), (Point3{0.5L, -h, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(out2[0]), (Point3{3.5L, -h, 0}), 1e-17L);
  EXPECT_POINT3_NEAR(Lift(out2[1]), (Point3{3.5L, h, 0}), 1e-17L);
}

// Every pair (out1[i], out2[i]) must span a line that touches both circles at those points, and
// entry 0 must touch circle 1 on the counter-clockwise side of the direction c1 to c2.
TEST(Tangents, CommonTangentPairsTouchBothCircles) {
  struct Case {
    Point2 c1;
    Real r1;
    Point2 c2;
    Real r2;
    bool inner;
  };
  const Case cases[] = {
      {{0, 0}, 1, {5, 1}, 2, false},     // the second circle larger
      {{0, 0}, 2, {5, 1}, 1, false},     // the first circle larger
      {{0, 0}, 2, {5, 1}, 1, true},
      {{-1, 3}, 0.5L, {2, -1}, 2, true},
      {{-1, 3}, 3, {2, -1}, 2.5L, false},  // overlapping circles still have outer tangents
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.r1 * 10 + c.r2 + (c.inner ? 100 : 0));
    std::array<Point2, 2> out1, out2;
    ASSERT_EQ(CommonTangents2(c.c1, c.c1 + Point2{c.r1, 0}, c.c2, c.c2 + Point2{0, c.r2}, c.inner, out1, out2),
              kTangentsFound);
    for (int i = 0; i < 2; ++i) {
      const Point2 along = out2[i] - out1[i];
      EXPECT_REAL_NEAR(Dist2(out1[i], c.c1), c.r1, 1e-16L);
      EXPECT_REAL_NEAR(Dist2(out2[i], c.c2), c.r2, 1e-16L);
      EXPECT_REAL_NEAR(Dot2(out1[i] - c.c1, along), 0, 1e-15L);
      EXPECT_REAL_NEAR(Dot2(out2[i] - c.c2, along), 0, 1e-15L);
      // Outer tangents keep both centres on one side, inner ones separate them.
      const Real side1 = Cross2(along, c.c1 - out1[i]);
      const Real side2 = Cross2(along, c.c2 - out1[i]);
      EXPECT_EQ(side1 * side2 < 0, c.inner);
    }
    EXPECT_GT(Cross2(c.c2 - c.c1, out1[0] - c.c1), 0);
    EXPECT_LT(Cross2(c.c2 - c.c1, out1[1] - c.c1), 0);
  }
}

TEST(Tangents, CommonTangentsThatDoNotExist) {
  struct Case {
    Point2 c2;
    Real r2;
    bool inner;
  };
  // Circle 1 is the unit circle about the origin.
  const Case cases[] = {
      {{0, 0}, 2, false},  // concentric
      {{0, 0}, 2, true},
      {{1.5L, 0}, 1, true},   // overlapping: no inner tangents
      {{0.5L, 0}, 3, false},  // one inside the other
      {{2, 0}, 1, true},      // touching from outside: the inner tangents meet in one line
  };
  for (const Case& c : cases) {
    std::array<Point2, 2> out1{kUntouched2, kUntouched2}, out2{kUntouched2, kUntouched2};
    EXPECT_EQ(CommonTangents2({0, 0}, {1, 0}, c.c2, c.c2 + Point2{c.r2, 0}, c.inner, out1, out2),
              kNoCommonTangent);
    EXPECT_TRUE(out1[0] == kUntouched2 && out1[1] == kUntouched2 && out2[0] == kUntouched2);
  }

  // A circle of radius 0 sits on the centre of similitude of the inner tangents: no contact point
  // can be found from there, and that is reported rather than returning stale points.
  std::array<Point2, 2> out1{kUntouched2, kUntouched2}, out2{kUntouched2, kUntouched2};
  EXPECT_EQ(CommonTangents2({0, 0}, {0, 0}, {4, 0}, {5, 0}, true, out1, out2), kNoCommonTangent);
  EXPECT_TRUE(out1[0] == kUntouched2 && out2[0] == kUntouched2);
}

// ---- Sphere ----

// The point of the unit sphere at polar angle theta from +z and azimuth phi.
Point3 OnSphere(Real theta, Real phi) {
  return {std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
}

// A point at arc r from the unit vector c.
Point3 AtArc(const Point3& c, Real r) {
  Point3 u, w;
  OrthoBasis3(c, u, w, false);
  Normalize3(u);
  return std::cos(r) * c + std::sin(r) * u;
}

TEST(Tangents, FromAPointToACircleOfTheSphere) {
  // The circle of arc radius 60 degrees about +z seen from the point (1, 0, 0) of the equator.
  const Point3 c{0, 0, 1};
  const Point3 q = OnSphere(Pi / 3, 2);
  std::array<Point3, 2> out;
  ASSERT_EQ(TangentPointsFromPointSphere3(c, q, {1, 0, 0}, out), kTangentsFound);
  const Real h = std::sqrt(3.0L) / 2;
  EXPECT_POINT3_NEAR(out[0], (Point3{0, h, 0.5L}), 1e-16L);  // the arc pi/3 from the widened pi
  EXPECT_POINT3_NEAR(out[1], (Point3{0, -h, 0.5L}), 1e-16L);

  // A general case: each contact point lies on the circle, and the great circle through it and
  // the point keeps the arc radius from the centre (it touches the circle).
  const Point3 c2 = OnSphere(0.4L, -1);
  const Real r = 0.7L;
  const Point3 p = OnSphere(1.6L, 0.9L);
  ASSERT_EQ(TangentPointsFromPointSphere3(c2, AtArc(c2, r), p, out), kTangentsFound);
  for (const Point3& t : out) {
    EXPECT_REAL_NEAR(Dot3(t, t), 1, 1e-17L);
    EXPECT_REAL_NEAR(Dot3(t, c2), std::cos(r), 1e-17L);
    Point3 pole = Cross3(p, t);
    ASSERT_TRUE(Normalize3(pole));
    EXPECT_REAL_NEAR(std::fabs(Dot3(pole, c2)), std::sin(r), 1e-16L);
  }
  // out[0] lies on the side of c x p.
  EXPECT_GT(Dot3(out[0] - out[1], Cross3(c2, p)), 0);
}

TEST(Tangents, FromAPointOnTheSphereWithoutTangents) {
  const Point3 c{0, 0, 1};
  const Point3 small = OnSphere(Pi / 3, 0);  // arc radius 60 degrees
  const struct {
    Point3 q;
    Point3 p;
  } cases[] = {
      {small, OnSphere(Pi / 3, 1)},        // on the circle
      {small, OnSphere(0.5L, 1)},          // inside
      {small, {0, 0, -1}},                 // antipodal to the centre
      {small, OnSphere(2.7L, 1)},          // within the antipodal image: the line misses the sphere
      {OnSphere(Pi / 2, 0), OnSphere(1.9L, 1)},  // a great circle
      {OnSphere(2.2L, 0), OnSphere(2.5L, 1)},    // a circle larger than a hemisphere, seen from outside
  };
  for (const auto& c0 : cases) {
    std::array<Point3, 2> out{kUntouched3, kUntouched3};
    EXPECT_EQ(TangentPointsFromPointSphere3(c, c0.q, c0.p, out), kNoTangentFromPointSphere);
    EXPECT_POINT3_NEAR(out[0], kUntouched3, 0);
    EXPECT_POINT3_NEAR(out[1], kUntouched3, 0);
  }
}

struct SphereCirclePair {
  Point3 c1;
  Real r1;
  Point3 c2;
  Real r2;
  bool inner;
};

// Each pair (out1[i], out2[i]) lies on a great circle that touches circle 1 at out1[i] and circle 2
// at out2[i]: on an outer tangent both centres lie on the same side of it, on an inner one apart.
void ExpectCommonTangents(const SphereCirclePair& c, std::span<const Point3, 2> out1,
                          std::span<const Point3, 2> out2) {
  for (int i = 0; i < 2; ++i) {
    SCOPED_TRACE(i);
    EXPECT_REAL_NEAR(Dot3(out1[i], c.c1), std::cos(c.r1), 1e-16L);
    EXPECT_REAL_NEAR(Dot3(out2[i], c.c2), std::cos(c.r2), 1e-16L);
    Point3 pole = Cross3(out1[i], out2[i]);
    ASSERT_TRUE(Normalize3(pole));
    const Real h1 = Dot3(pole, c.c1);
    const Real h2 = Dot3(pole, c.c2);
    EXPECT_REAL_NEAR(std::fabs(h1), std::sin(c.r1), 1e-15L);
    EXPECT_REAL_NEAR(std::fabs(h2), std::sin(c.r2), 1e-15L);
    EXPECT_EQ(h1 * h2 < 0, c.inner);
  }
  // The two tangents are different great circles.
  EXPECT_GT(Dist3(out1[0], out1[1]) + Dist3(out2[0], out2[1]), 1e-6L);
}

TEST(Tangents, CommonTangentsOnTheSphereForAnyOrderOfRadii) {
  const SphereCirclePair cases[] = {
      {OnSphere(0.3L, 0), 0.2L, OnSphere(1.4L, 0.5L), 0.5L, false},  // first circle smaller
      {OnSphere(0.3L, 0), 0.5L, OnSphere(1.4L, 0.5L), 0.2L, false},  // first larger: the crossing lies beyond circle 2
      {OnSphere(0.3L, 0), 0.6L, OnSphere(1.4L, 0.5L), 0.1L, false},
      {OnSphere(0.3L, 0), 0.4L, OnSphere(1.4L, 0.5L), 0.4L, false},  // equal circles
      {OnSphere(0.3L, 0), 0.2L, OnSphere(1.9L, 0.5L), 0.5L, true},
      {OnSphere(0.3L, 0), 0.6L, OnSphere(1.9L, 0.5L), 0.3L, true},
      {{0, 0, 1}, 1.2L, OnSphere(2.0L, 1), 0.3L, true},  // centres more than a quarter circle apart
  };
  for (const SphereCirclePair& c : cases) {
    SCOPED_TRACE(c.r1 * 10 + c.r2 + (c.inner ? 100 : 0));
    std::array<Point3, 2> out1, out2;
    ASSERT_EQ(CommonTangentsSphere3(c.c1, AtArc(c.c1, c.r1), c.c2, AtArc(c.c2, c.r2), c.inner, out1, out2),
              kTangentsFound);
    ExpectCommonTangents(c, out1, out2);
  }
}

// Where the crossing of the tangents lies within a quarter circle of c1, it is the point at arc
// D + alpha from c2 through c1, and the contact points come in the order seen from it.
TEST(Tangents, CommonTangentsOnTheSphereKeepTheOrderSeenFromTheCrossing) {
  const SphereCirclePair cases[] = {
      {OnSphere(0.3L, 0), 0.2L, OnSphere(1.4L, 0.5L), 0.5L, false},
      {OnSphere(0.3L, 0), 0.2L, OnSphere(1.9L, 0.5L), 0.5L, true},
  };
  for (const SphereCirclePair& c : cases) {
    const Point3 q1 = AtArc(c.c1, c.r1);
    const Point3 q2 = AtArc(c.c2, c.r2);
    const Real d = SphericalDistance3(c.c1, c.c2);
    const Real s1 = std::sin(c.r1), s2 = std::sin(c.r2);
    const Real v = s1 * s1 + s2 * s2 + (c.inner ? 2 : -2) * s1 * s2 * std::cos(d);
    Real alpha = std::asin(std::sin(d) * s1 / std::sqrt(v));
    if (c.inner) alpha = -alpha;
    Point3 crossing = c.c1;
    GreatCirclePointAt3(c.c2, crossing, d + alpha);

    std::array<Point3, 2> expected1, expected2, out1, out2;
    ASSERT_EQ(TangentPointsFromPointSphere3(c.c1, q1, crossing, expected1), kTangentsFound);
    ASSERT_EQ(TangentPointsFromPointSphere3(c.c2, q2, crossing, expected2), kTangentsFound);
    ASSERT_EQ(CommonTangentsSphere3(c.c1, q1, c.c2, q2, c.inner, out1, out2), kTangentsFound);
    for (int i = 0; i < 2; ++i) {
      EXPECT_POINT3_NEAR(out1[i], expected1[i], 1e-16L);
      EXPECT_POINT3_NEAR(out2[i], expected2[i], 1e-16L);
    }
  }
}

TEST(Tangents, CommonTangentsOnTheSphereThatDoNotExist) {
  const Point3 north{0, 0, 1};
  const SphereCirclePair cases[] = {
      {north, 0.3L, north, 0.5L, false},               // concentric
      {north, 0.3L, OnSphere(0.6L, 1), 0.4L, true},    // overlapping: no inner tangents
      {north, 0.6L, OnSphere(0.1L, 1), 0.3L, false},   // nested: no outer tangents
      // Nearly antipodal centres: the tests on the arcs pass, but the second circle, seen from
      // its antipode, encloses the first, so no great circle touches both on the same side.
      {north, 0.5L, OnSphere(Pi - 0.1L, 0), 0.3L, false},
  };
  for (const SphereCirclePair& c : cases) {
    std::array<Point3, 2> out1{kUntouched3, kUntouched3}, out2{kUntouched3, kUntouched3};
    EXPECT_EQ(CommonTangentsSphere3(c.c1, AtArc(c.c1, c.r1), c.c2, AtArc(c.c2, c.r2), c.inner, out1, out2),
              kNoCommonTangent);
    EXPECT_POINT3_NEAR(out1[0], kUntouched3, 0);
    EXPECT_POINT3_NEAR(out2[1], kUntouched3, 0);
  }
}

}  // namespace
