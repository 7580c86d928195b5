#include "kernel/regular_polygons.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "support/extended_expect.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

Point3 Lift(const Point2& p) { return {p.x, p.y, 0}; }

// p turned about the centre by the angle.
Point2 TurnedAbout(const Point2& centre, Point2 p, Real angle) {
  Point2 offset = p - centre;
  Rotate2(offset, angle);
  return centre + offset;
}

// Angles here come from the double-precision pi widened to 80 bits, so results that involve it
// are compared to about 1e-15.
TEST(RegularPolygons, GreatCirclePointAt) {
  const Point3 a{1, 0, 0};
  Point3 p{0, 1, 0};
  GreatCirclePointAt3(a, p, Pi / 2);
  EXPECT_POINT3_NEAR(p, (Point3{0, 1, 0}), 1e-15L);

  p = {0, 3, 4};  // need not be a unit vector: only its direction counts
  GreatCirclePointAt3(a, p, 1);
  EXPECT_POINT3_NEAR(p, (Point3{std::cos(1.0L), 0.6L * std::sin(1.0L), 0.8L * std::sin(1.0L)}), 1e-15L);

  // Out of range or without a direction: unchanged.
  for (Real t : {Pi, -0.25L, Pi - 1e-14L}) {
    p = {0, 1, 0};
    GreatCirclePointAt3(a, p, t);
    EXPECT_POINT3_NEAR(p, (Point3{0, 1, 0}), 0);
  }
  p = a;
  GreatCirclePointAt3(a, p, 1);
  EXPECT_POINT3_NEAR(p, a, 0);
}

TEST(RegularPolygons, CompleteRegularPolygonLiesLeftOfTheFirstSide) {
  std::array<Point2, 4> square{{{0, 0}, {1, 0}}};
  CompleteRegularPolygon2(square);
  EXPECT_POINT3_NEAR(Lift(square[2]), (Point3{1, 1, 0}), 1e-15L);
  EXPECT_POINT3_NEAR(Lift(square[3]), (Point3{0, 1, 0}), 1e-15L);

  std::array<Point2, 7> heptagon{{{1, 2}, {0.5L, 1.5L}}};
  CompleteRegularPolygon2(heptagon);
  const Real side = Dist2(heptagon[0], heptagon[1]);
  for (int i = 0; i < 7; ++i) EXPECT_REAL_NEAR(Dist2(heptagon[i], heptagon[(i + 1) % 7]), side, 1e-15L);
}

TEST(RegularPolygons, SpherePolygonTurnsEachVertexAboutTheLast) {
  // The octant triangle: interior angle pi/2, so phi = pi/2; x turned about y by 3 pi / 2 is z.
  std::array<Point3, 3> triangle{{{1, 0, 0}, {0, 1, 0}}};
  CompleteRegularPolygonSphere(triangle, Pi / 2);
  EXPECT_POINT3_NEAR(triangle[2], (Point3{0, 0, 1}), 1e-15L);
  CompleteRegularPolygonSphere(triangle, -Pi / 2);
  EXPECT_POINT3_NEAR(triangle[2], (Point3{0, 0, -1}), 1e-15L);

  // A regular spherical pentagon closes up: vertex 5 would be vertex 0 again.
  const Real side = 0.6L;
  const Real interior = 2 * std::asin(std::cos(Pi / 5) / std::cos(side / 2));
  std::array<Point3, 7> pentagon{{{0, 0, 1}, {std::sin(side), 0, std::cos(side)}}};
  CompleteRegularPolygonSphere(pentagon, Pi - interior);
  for (int i = 0; i < 5; ++i) EXPECT_REAL_NEAR(Dot3(pentagon[i], pentagon[i + 1]), std::cos(side), 1e-15L);
  EXPECT_POINT3_NEAR(pentagon[5], pentagon[0], 1e-15L);
  EXPECT_POINT3_NEAR(pentagon[6], pentagon[1], 1e-15L);

  std::array<Point3, 2> pair{{{1, 0, 0}, {0, 1, 0}}};
  CompleteRegularPolygonSphere(pair, 1);  // two vertices: nothing to do
  EXPECT_POINT3_NEAR(pair[1], (Point3{0, 1, 0}), 0);

  // Parallel vertices give no direction: no number turns into NaN.
  std::array<Point3, 3> stuck{{{0, 0, 1}, {0, 0, 1}}};
  CompleteRegularPolygonSphere(stuck, 1);
  EXPECT_FALSE(std::isnan(stuck[2].x) || std::isnan(stuck[2].y) || std::isnan(stuck[2].z));
}

TEST(RegularPolygons, RegularPolygonFrameInATiltedPlane) {
  // A hexagon of side 2 in the plane x + y + z = 1: turning angle pi/3.
  std::array<Point3, 6> v{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  RegularPolygonFrame3(v, 2, std::cos(Pi / 3), std::sin(Pi / 3));
  for (int i = 0; i < 6; ++i) {
    SCOPED_TRACE(i);
    EXPECT_REAL_NEAR(v[i].x + v[i].y + v[i].z, 1, 1e-15L);
    if (i < 5) {
      EXPECT_REAL_NEAR(Dist3(v[i], v[i + 1]), 2, 1e-15L);
    }
  }
  EXPECT_REAL_NEAR(Dist3(v[5], v[0]), 2, 1e-15L);
  const Real root = std::sqrt(2.0L);
  EXPECT_POINT3_NEAR(v[1], (Point3{1 - root, root, 0}), 1e-15L);
  // The turn follows the plane's normal (V1 - V0) x (V2 - V1): here the third vertex turns
  // towards the given third point.
  EXPECT_GT(v[2].z, 0);

  std::array<Point3, 2> tooFew{{{1, 0, 0}, {0, 1, 0}}};
  RegularPolygonFrame3(tooFew, 2, 1, 0);
  EXPECT_POINT3_NEAR(tooFew[1], (Point3{0, 1, 0}), 0);
}

TEST(RegularPolygons, StarPolygonSquareFromAGivenSide) {
  std::array<Point2, 4> v{{{0, 0}, {3, 0}}};
  ASSERT_TRUE(RegularStarPolygon2(v, 1, 1, false));
  EXPECT_POINT3_NEAR(Lift(v[1]), (Point3{1, 0, 0}), 1e-15L);
  EXPECT_POINT3_NEAR(Lift(v[2]), (Point3{1, 1, 0}), 1e-15L);
  EXPECT_POINT3_NEAR(Lift(v[3]), (Point3{0, 1, 0}), 1e-15L);
}

TEST(RegularPolygons, PentagramVisitsEveryVertexOnce) {
  std::array<Point2, 5> v{{{0, 0}, {2, 1}}};
  const Real side = std::sqrt(5.0L);
  ASSERT_TRUE(RegularStarPolygon2(v, 2, side, false));
  // The centre is where the circumradius meets the first side's bisector on the left.
  const Real radius = (side / 2) / std::sin(2 * Pi / 5);
  const Point2 mid{1, 0.5L};
  Point2 inward{-0.5L, 1};
  ScaleTo2(inward, std::sqrt(radius * radius - side * side / 4));
  const Point2 centre = mid + inward;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(i);
    EXPECT_REAL_NEAR(Dist2(v[i], centre), radius, 1e-15L);
    EXPECT_REAL_NEAR(Dist2(v[i], v[(i + 1) % 5]), side, 1e-15L);
    // Vertex i is vertex 0 turned by i times 144 degrees.
    EXPECT_POINT3_NEAR(Lift(v[i]), Lift(TurnedAbout(centre, v[0], i * 4 * Pi / 5)), 1e-15L);
  }
}

TEST(RegularPolygons, CompoundStarListsItsComponentsInTurn) {
  std::array<Point2, 6> v{{{0, 0}, {1, 0}}};
  ASSERT_TRUE(RegularStarPolygon2(v, 2, 1, false));
  // Two triangles: V0 V1 V2 and V3 V4 V5; V3 is a sixth of a turn past V0.
  const Point2 centre = Centroid2(std::span<const Point2>(v.data(), 3));
  for (int i = 0; i < 3; ++i) {
    EXPECT_REAL_NEAR(Dist2(v[i], v[(i + 1) % 3]), 1, 1e-15L);
    EXPECT_REAL_NEAR(Dist2(v[3 + i], v[3 + (i + 1) % 3]), 1, 1e-15L);
  }
  EXPECT_POINT3_NEAR(Lift(v[3]), Lift(TurnedAbout(centre, v[0], Pi / 3)), 1e-15L);
}

TEST(RegularPolygons, StarPolygonWithAFixedFirstSide) {
  std::array<Point2, 6> v{{{2, 2}, {9, 9}}};
  ASSERT_TRUE(RegularStarPolygon2(v, 1, 1, true));
  EXPECT_POINT3_NEAR(Lift(v[1]), (Point3{1, 2, 0}), 1e-15L);  // the first side points left
  for (int i = 0; i < 6; ++i) EXPECT_REAL_NEAR(Dist2(v[i], v[(i + 1) % 6]), 1, 1e-15L);
}

TEST(RegularPolygons, StarPolygonRefusesInputWithoutAPolygon) {
  struct Case {
    int n;
    int k;
    Real side;
    bool fixed;
    Point2 second;
  };
  const Case cases[] = {
      {5, 0, 1, false, {1, 0}},  // k = 0
      {5, 5, 1, false, {1, 0}},  // k a multiple of n
      {6, -12, 1, true, {1, 0}},
      {2, 1, 1, false, {1, 0}},  // fewer than three vertices
      {5, 2, 0, true, {1, 0}},   // null side
      {5, 2, 1, false, {0, 0}},  // V1 on V0 without a fixed direction
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.n * 100 + c.k);
    std::vector<Point2> v(c.n, Point2{7, 7});
    v[0] = {0, 0};
    v[1] = c.second;
    EXPECT_FALSE(RegularStarPolygon2(v, c.k, c.side, c.fixed));
    EXPECT_TRUE(v[1] == c.second);
    for (int i = 2; i < c.n; ++i) EXPECT_TRUE(v[i] == (Point2{7, 7}));
  }
}

}  // namespace
