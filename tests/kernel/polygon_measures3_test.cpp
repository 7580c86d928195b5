#include "kernel/polygon_measures3.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "kernel/vector3.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

bool IsFinite(const Point3& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

TEST(PolygonMeasures3, ClosedPolylineAreaAndPerimeter) {
  std::array<Point3, 5> square = {Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{1, 1, 0}, Point3{0, 1, 0},
                                  Point3{7, 7, 7}};
  PolygonMeasures3 m = ClosedPolyline3(square, 3);
  EXPECT_EQ(m.area, 1);
  EXPECT_EQ(m.perimeter, 4);
  EXPECT_POINT3_NEAR(square[4], (Point3{0, 0, 0}), 0);

  // The same square lifted off the origin and stood upright: the area does not depend on the origin.
  std::array<Point3, 5> upright = {Point3{5, 2, 3}, Point3{5, 3, 3}, Point3{5, 3, 4}, Point3{5, 2, 4}, Point3{}};
  m = ClosedPolyline3(upright, 3);
  EXPECT_REAL_NEAR(m.area, 1, 1e-17L);
  EXPECT_EQ(m.perimeter, 4);

  std::array<Point3, 4> triangle = {Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}, Point3{}};
  m = ClosedPolyline3(triangle, 2);
  EXPECT_REAL_NEAR(m.area, std::sqrt(3.0L) / 2, 1e-18L);
  EXPECT_REAL_NEAR(m.perimeter, 3 * std::sqrt(2.0L), 1e-17L);
}

TEST(PolygonMeasures3, ClosedPolylineWithoutRoomForTheClosingEntry) {
  std::array<Point3, 3> tight = {Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}};
  const PolygonMeasures3 m = ClosedPolyline3(tight, 2);
  EXPECT_EQ(m.area, 0);
  EXPECT_EQ(m.perimeter, 0);
  EXPECT_POINT3_NEAR(tight[2], (Point3{0, 0, 1}), 0);
  EXPECT_EQ(ClosedPolyline3(tight, -1).perimeter, 0);
}

TEST(PolygonMeasures3, CircumcenterOfThreePoints) {
  Point3 centre;
  EXPECT_EQ(Circumcenter3(Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}, centre), 0);
  EXPECT_POINT3_NEAR(centre, (Point3{1.0L / 3, 1.0L / 3, 1.0L / 3}), 1e-18L);

  // A right triangle: the centre is the midpoint of the hypotenuse.
  EXPECT_EQ(Circumcenter3(Point3{1, 1, 1}, Point3{4, 1, 1}, Point3{1, 5, 1}, centre), 0);
  EXPECT_POINT3_NEAR(centre, (Point3{2.5L, 3, 1}), 1e-17L);
}

TEST(PolygonMeasures3, CircumcenterOfCollinearPointsReportsThemAndStaysFinite) {
  Point3 centre{9, 9, 9};
  EXPECT_EQ(Circumcenter3(Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{2, 0, 0}, centre), kCollinearPointsMessage);
  EXPECT_TRUE(IsFinite(centre));

  // Nearly collinear: the clamped denominator sends the centre far away.
  EXPECT_EQ(Circumcenter3(Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{2, static_cast<Real>(1e-12), 0}, centre),
            kCollinearPointsMessage);
  EXPECT_TRUE(IsFinite(centre));
  EXPECT_GT(Dist3(centre, Point3{}), 1e3L);

  EXPECT_EQ(Circumcenter3(Point3{2, 2, 2}, Point3{2, 2, 2}, Point3{2, 2, 2}, centre), kCollinearPointsMessage);
  EXPECT_POINT3_NEAR(centre, (Point3{2, 2, 2}), 0);
}

TEST(PolygonMeasures3, CircumsphereOfFourPoints) {
  struct Case {
    std::array<Point3, 4> points;
    Point3 centre;
  };
  const Case cases[] = {
      {{Point3{0, 0, 0}, Point3{2, 0, 0}, Point3{0, 2, 0}, Point3{0, 0, 2}}, {1, 1, 1}},
      {{Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{0, 0, 1}}, {0.5L, 0.5L, 0.5L}},
      {{Point3{0, 0, 0}, Point3{0, 1, 0}, Point3{1, 0, 0}, Point3{0, 0, 1}}, {0.5L, 0.5L, 0.5L}},  // mirror order
      {{Point3{3, 2, 1}, Point3{5, 2, 1}, Point3{3, 4, 1}, Point3{3, 2, 3}}, {4, 3, 2}},
  };
  for (const Case& c : cases) {
    Point3 centre;
    EXPECT_EQ(Circumsphere3(c.points[0], c.points[1], c.points[2], c.points[3], centre), 0);
    EXPECT_POINT3_NEAR(centre, c.centre, 1e-17L);
  }

  Point3 centre{9, 9, 9};
  EXPECT_EQ(Circumsphere3(Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{0, 1, 0}, Point3{1, 1, 0}, centre),
            kCoplanarPointsMessage);
  EXPECT_TRUE(IsFinite(centre));
}

// Distance of p from the plane through a, b, c.
Real DistanceToPlane(const Point3& p, const Point3& a, const Point3& b, const Point3& c) {
  Point3 n = Cross3(b - a, c - a);
  Normalize3(n);
  return std::fabs(Dot3(p - a, n));
}

TEST(PolygonMeasures3, InsphereOfTheUnitCornerInEitherOrientation) {
  const Point3 a{0, 0, 0}, b{1, 0, 0}, c{0, 1, 0}, d{0, 0, 1};
  const Real r = 1 / (3 + std::sqrt(3.0L));

  Point3 centre, ta, tb, tc, td;
  Insphere3(a, b, c, d, centre, ta, tb, tc, td);
  EXPECT_POINT3_NEAR(centre, (Point3{r, r, r}), 1e-17L);
  EXPECT_POINT3_NEAR(tb, (Point3{0, r, r}), 1e-17L);  // on the face x = 0
  EXPECT_POINT3_NEAR(tc, (Point3{r, 0, r}), 1e-17L);
  EXPECT_POINT3_NEAR(td, (Point3{r, r, 0}), 1e-17L);
  const Real s = r + r / std::sqrt(3.0L);
  EXPECT_POINT3_NEAR(ta, (Point3{s, s, s}), 1e-17L);  // on the face x + y + z = 1
  for (const Point3& t : {ta, tb, tc, td}) EXPECT_REAL_NEAR(Dist3(centre, t), r, 1e-17L);
  EXPECT_REAL_NEAR(DistanceToPlane(ta, b, c, d), 0, 1e-17L);

  // Swapping b and c turns the orientation over: the radius changes sign with the normals, so the
  // points of contact still follow their faces.
  Point3 centre2, ta2, tb2, tc2, td2;
  Insphere3(a, c, b, d, centre2, ta2, tb2, tc2, td2);
  EXPECT_POINT3_NEAR(centre2, centre, 1e-17L);
  EXPECT_POINT3_NEAR(ta2, ta, 1e-17L);
  EXPECT_POINT3_NEAR(tb2, tc, 1e-17L);
  EXPECT_POINT3_NEAR(tc2, tb, 1e-17L);
  EXPECT_POINT3_NEAR(td2, td, 1e-17L);
}

TEST(PolygonMeasures3, InsphereOfAGeneralTetrahedronTouchesEveryFace) {
  const Point3 a{1, 2, 0}, b{4, 1, 1}, c{2, 5, -1}, d{2, 3, 4};
  Point3 centre, ta, tb, tc, td;
  Insphere3(a, b, c, d, centre, ta, tb, tc, td);
  const Real r = Dist3(centre, ta);
  EXPECT_GT(r, 0.1L);
  const struct {
    Point3 contact, p, q, s;
  } faces[] = {{ta, b, c, d}, {tb, a, c, d}, {tc, a, b, d}, {td, a, b, c}};
  for (const auto& f : faces) {
    EXPECT_REAL_NEAR(Dist3(centre, f.contact), r, 1e-16L);
    EXPECT_REAL_NEAR(DistanceToPlane(f.contact, f.p, f.q, f.s), 0, 1e-16L);
    EXPECT_REAL_NEAR(DistanceToPlane(centre, f.p, f.q, f.s), r, 1e-16L);
  }
}

TEST(PolygonMeasures3, InsphereOfCoincidingPointsGivesB) {
  const Point3 p{2, 3, 4};
  Point3 centre, ta, tb, tc, td;
  Insphere3(p, p, p, p, centre, ta, tb, tc, td);
  for (const Point3& out : {centre, ta, tb, tc, td}) EXPECT_POINT3_NEAR(out, p, 0);

  // Collinear points have no face area either.
  Insphere3(Point3{0, 0, 0}, Point3{1, 0, 0}, Point3{2, 0, 0}, Point3{3, 0, 0}, centre, ta, tb, tc, td);
  for (const Point3& out : {centre, ta, tb, tc, td}) EXPECT_POINT3_NEAR(out, (Point3{1, 0, 0}), 0);
}

}  // namespace
