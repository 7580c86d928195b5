#include "kernel/incircles.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "support/extended_expect.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

Point3 Lift(const Point2& p) { return {p.x, p.y, 0}; }

void ExpectPoints2(std::span<const Point2> actual, std::span<const Point2> expected, Real tolerance) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_POINT3_NEAR(Lift(actual[i]), Lift(expected[i]), tolerance);
  }
}

void ExpectPoints3(std::span<const Point3> actual, std::span<const Point3> expected, Real tolerance) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_POINT3_NEAR(actual[i], expected[i], tolerance);
  }
}

const std::array<Point2, 3> kRightTriangle{{{0, 0}, {4, 0}, {0, 3}}};

TEST(Incircles, PlaneIncircleOfTheThreeFourFiveTriangle) {
  std::array<Point2, 4> out;
  std::array<Real, 3> len;
  TriangleIncircle2(kRightTriangle, out, len);
  EXPECT_EQ(len[0], 5);
  EXPECT_EQ(len[1], 3);
  EXPECT_EQ(len[2], 4);
  ExpectPoints2(out, std::array<Point2, 4>{{{1, 1}, {1, 0}, {1.6L, 1.8L}, {0, 1}}}, 1e-17L);
}

TEST(Incircles, PlaneIncircleTouchPointsAreAtTheInradius) {
  // A scalene triangle: each touch point lies on its side at the inradius from the incentre,
  // and the radius to it is perpendicular to the side.
  const std::array<Point2, 3> v{{{-1.5L, 0.25L}, {3, -1}, {0.5L, 4}}};
  std::array<Point2, 4> out;
  std::array<Real, 3> len;
  TriangleIncircle2(v, out, len);
  const Real s = (len[0] + len[1] + len[2]) / 2;
  const Real area = std::fabs(Cross2(v[1] - v[0], v[2] - v[0])) / 2;
  const Real inradius = area / s;
  const std::array<std::pair<int, int>, 3> sides{{{0, 1}, {1, 2}, {2, 0}}};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const Point2& touch = out[i + 1];
    const Point2 side = v[sides[i].second] - v[sides[i].first];
    EXPECT_REAL_NEAR(Dist2(out[0], touch), inradius, 1e-17L);
    EXPECT_REAL_NEAR(Dot2(touch - out[0], side), 0, 1e-17L);
    EXPECT_REAL_NEAR(Cross2(side, touch - v[sides[i].first]), 0, 1e-17L);
  }
}

TEST(Incircles, PlaneIncircleOfAPointFallsBackOnTheVertices) {
  const std::array<Point2, 3> v{{{2, -1}, {2, -1}, {2, -1}}};
  std::array<Point2, 4> out;
  std::array<Real, 3> len{9, 9, 9};
  TriangleIncircle2(v, out, len);
  EXPECT_EQ(len[0], 0);
  EXPECT_EQ(len[1], 0);
  EXPECT_EQ(len[2], 0);
  for (const Point2& p : out) EXPECT_TRUE(p == v[0]);
}

TEST(Incircles, PlaneExcircleOppositeTheFirstVertex) {
  std::array<Point2, 4> out;
  Kind134Plane2(kRightTriangle, out);
  ExpectPoints2(out, std::array<Point2, 4>{{{6, 6}, {6, 0}, {2.4L, 1.2L}, {0, 6}}}, 1e-17L);
  // The excircle has radius area / (s - a) = 6 and touches each of the three lines.
  for (int i = 1; i < 4; ++i) EXPECT_REAL_NEAR(Dist2(out[0], out[i]), 6, 1e-17L);
}

TEST(Incircles, PlaneExcircleOfCollinearPointsIsFarAway) {
  const std::array<Point2, 3> v{{{0, 0}, {-1, 0}, {2, 0}}};
  std::array<Point2, 4> out;
  Kind134Plane2(v, out);
  EXPECT_EQ(out[0].x, kMissingExcentreCoordinate);
  EXPECT_EQ(out[0].y, kMissingExcentreCoordinate);
}

TEST(Incircles, SphereIncircleAndExcircleOfTheOctantTriangle) {
  const std::array<Point3, 3> v{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
  const Real r2 = 1 / std::sqrt(2.0L);
  const Real r3 = 1 / std::sqrt(3.0L);

  std::array<Point3, 4> in;
  TriangleIncircleSphere3(v, in);
  ExpectPoints3(in, std::array<Point3, 4>{{{r3, r3, r3}, {0, r2, r2}, {r2, 0, r2}, {r2, r2, 0}}}, 1e-17L);

  std::array<Point3, 4> ex;
  ASSERT_TRUE(Kind134Sphere3(v, ex));
  ExpectPoints3(ex, std::array<Point3, 4>{{{-r3, r3, r3}, {0, r2, r2}, {-r2, 0, r2}, {-r2, r2, 0}}}, 1e-17L);
}

TEST(Incircles, SphereIncircleOfAGeneralTriangleTouchesEachSide) {
  std::array<Point3, 3> v{{{0.9L, 0.1L, 0.2L}, {-0.3L, 0.8L, 0.4L}, {0.2L, -0.1L, 0.95L}}};
  for (Point3& p : v) Normalize3(p);
  std::array<Point3, 4> out;
  TriangleIncircleSphere3(v, out);
  // Each touch point lies on its side's great circle, at the same arc from the centre.
  const std::array<std::pair<int, int>, 3> sides{{{1, 2}, {2, 0}, {0, 1}}};
  const Real cosRadius = Dot3(out[0], out[1]);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_REAL_NEAR(Dot3(Cross3(v[sides[i].first], v[sides[i].second]), out[i + 1]), 0, 1e-17L);
    EXPECT_REAL_NEAR(Dot3(out[0], out[i + 1]), cosRadius, 1e-17L);
  }
}

TEST(Incircles, SphereExcircleWithCoincidingVerticesWritesNothing) {
  const std::array<Point3, 3> v{{{1, 0, 0}, {1, 0, 0}, {0, 0, 1}}};
  std::array<Point3, 4> out;
  out.fill(Point3{7, 7, 7});
  EXPECT_FALSE(Kind134Sphere3(v, out));
  for (const Point3& p : out) EXPECT_POINT3_NEAR(p, (Point3{7, 7, 7}), 0);
}

}  // namespace
