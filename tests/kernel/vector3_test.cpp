#include "kernel/vector3.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/extended_expect.h"

using namespace kernel;

namespace {

TEST(Vector3, NormalizeRefusesLengthsBelowTheNullTolerance) {
  Point3 tiny{static_cast<Real>(1e-17), 0, 0};
  EXPECT_FALSE(Normalize3(tiny));
  EXPECT_EQ(tiny.x, static_cast<Real>(1e-17));

  Point3 small{static_cast<Real>(2e-16), 0, 0};
  EXPECT_TRUE(Normalize3(small));
  EXPECT_POINT3_NEAR(small, (Point3{1, 0, 0}), 1e-18L);

  Point3 v{0, 3, 4};
  EXPECT_TRUE(Normalize3(v));
  EXPECT_POINT3_NEAR(v, (Point3{0, 0.6L, 0.8L}), 1e-18L);
}

TEST(Vector3, ScaleToReversesForNegativeLengthAndLeavesNullAlone) {
  Point3 v{0, 3, 4};
  EXPECT_TRUE(ScaleTo3(v, -10));
  EXPECT_POINT3_NEAR(v, (Point3{0, -6, -8}), 1e-17L);

  Point3 null{};
  EXPECT_FALSE(ScaleTo3(null, 5));
  EXPECT_POINT3_NEAR(null, (Point3{0, 0, 0}), 0);
}

TEST(Vector3, NormalizeBySmallestIgnoresNegligibleComponentsWhenChoosing) {
  Point3 v{4, -2, static_cast<Real>(1e-20)};
  NormalizeBySmallest3(v);
  EXPECT_EQ(v.x, 2);
  EXPECT_EQ(v.y, -1);
  EXPECT_EQ(v.z, static_cast<Real>(1e-20) / 2);

  Point3 ties{-3, 3, 6};
  NormalizeBySmallest3(ties);
  EXPECT_POINT3_NEAR(ties, (Point3{-1, 1, 2}), 0);

  Point3 negligible{static_cast<Real>(1e-17), 0, 0};
  NormalizeBySmallest3(negligible);
  EXPECT_EQ(negligible.x, static_cast<Real>(1e-17));
}

TEST(Vector3, ProductsDeterminantAndDistances) {
  const Point3 ex{1, 0, 0}, ey{0, 1, 0}, ez{0, 0, 1};
  EXPECT_POINT3_NEAR(Cross3(ex, ey), (Point3{0, 0, 1}), 0);
  EXPECT_POINT3_NEAR(Cross3(ey, ex), (Point3{0, 0, -1}), 0);
  EXPECT_EQ(Det3(ex, ey, ez), 1);
  EXPECT_EQ(Det3(ey, ex, ez), -1);
  EXPECT_EQ(Det3(Point3{1, 2, 3}, Point3{4, 5, 6}, Point3{7, 8, 10}), -3);

  EXPECT_EQ(Dot3(Point3{1, 2, 3}, Point3{4, -5, 6}), 12);
  EXPECT_EQ(Dist3(Point3{1, 1, 1}, Point3{3, 4, 7}), 7);
  EXPECT_EQ(TaxiDist3(Point3{1, 1, 1}, Point3{3, -4, 7}), 13);
  EXPECT_POINT3_NEAR(Midpoint3(Point3{1, 2, 3}, Point3{3, -2, 0}), (Point3{2, 0, 1.5L}), 0);
}

TEST(Vector3, CrossResultMayOverwriteAnOperand) {
  Point3 a{1, 2, 3};
  const Point3 b{4, 5, 6};
  a = Cross3(a, b);
  EXPECT_POINT3_NEAR(a, (Point3{-3, 6, -3}), 0);
}

TEST(Vector3, BoundsAndBoxWidening) {
  EXPECT_POINT3_NEAR(Max3(Point3{1, 5, -2}, Point3{3, 4, -2}), (Point3{3, 5, -2}), 0);
  EXPECT_POINT3_NEAR(Min3(Point3{1, 5, -2}, Point3{3, 4, -3}), (Point3{1, 4, -3}), 0);

  Point3 lo{0, 0, 0}, hi{2, 2, 2};
  ExtendBox3(lo, Point3{1, 1, 1}, hi);
  EXPECT_POINT3_NEAR(lo, (Point3{0, 0, 0}), 0);
  EXPECT_POINT3_NEAR(hi, (Point3{2, 2, 2}), 0);
  ExtendBox3(lo, Point3{-1, 3, 1}, hi);
  EXPECT_POINT3_NEAR(lo, (Point3{-1, 0, 0}), 0);
  EXPECT_POINT3_NEAR(hi, (Point3{2, 3, 2}), 0);

  const Point3 p{5, -5, 7};
  Point3 degenerateLo = p, degenerateHi = p;
  ExtendBox3(degenerateLo, p, degenerateHi);
  EXPECT_POINT3_NEAR(degenerateLo, (Point3{5, -5, 7}), 0);
  EXPECT_POINT3_NEAR(degenerateHi, (Point3{5, -5, 7}), 0);
}

TEST(Vector3, AngleBetweenSnapsNearItsLimits) {
  struct Case {
    Point3 a, b;
    Real expected;
  };
  const Real tiny = static_cast<Real>(1e-5);
  const Case cases[] = {
      {{1, 0, 0}, {-1, static_cast<Real>(1e-7), 0}, Pi},    // cosine within the tolerance of -1
      {{1, 0, 0}, {0, 1, 0}, Pi / 2},                        // exactly a right angle
      {{1, 0, 0}, {5, static_cast<Real>(1e-7), 0}, 0},       // cosine within the tolerance of 1
      {{tiny, 0, 0}, {0, tiny, 0}, 0},                       // product of squared lengths is 1e-20
      {{0, 0, 0}, {1, 0, 0}, 0},                             // null vector
  };
  for (const Case& c : cases) EXPECT_EQ(AngleBetween3(c.a, c.b), c.expected);

  EXPECT_REAL_NEAR(AngleBetween3(Point3{1, 0, 0}, Point3{1, 1, 0}), std::atan(1.0L), 1e-18L);
  // Obtuse angles are completed with the program's pi, the double value widened (about 1.2e-16 short).
  EXPECT_REAL_NEAR(AngleBetween3(Point3{1, 0, 0}, Point3{-1, 1, 0}), 3 * std::atan(1.0L), 2e-16L);
  EXPECT_REAL_NEAR(AngleBetween3(Point3{0, 0, 2}, Point3{-1, 0, -std::sqrt(3.0L)}), Pi * 5 / 6, 1e-16L);
}

TEST(Vector3, AngleAtVertex) {
  EXPECT_EQ(AngleAt3(Point3{1, 1, 1}, Point3{1, 1, 1}, Point3{2, 3, 4}), 0);
  EXPECT_EQ(AngleAt3(Point3{2, 1, 1}, Point3{1, 1, 1}, Point3{1, 1, 5}), Pi / 2);
}

TEST(Vector3, SphericalAndPolarCoordinates) {
  // The program's pi is the double value widened, so cos(pi / 2) is about 6e-17, not 0.
  Point3 v{2, 0, Pi / 2};
  EXPECT_TRUE(FromSpherical3(v));
  EXPECT_POINT3_NEAR(v, (Point3{2, 0, 0}), 1e-15L);

  Point3 w{1, Pi / 2, Pi / 2};
  EXPECT_TRUE(FromSpherical3(w));
  EXPECT_POINT3_NEAR(w, (Point3{0, 1, 0}), 1e-15L);

  Point3 huge{2, static_cast<Real>(6e18), 1};
  EXPECT_FALSE(FromSpherical3(huge));
  EXPECT_POINT3_NEAR(huge, (Point3{2, static_cast<Real>(6e18), 1}), 0);

  Point2 p{2, Pi};
  EXPECT_TRUE(FromPolarInPlace2(p));
  EXPECT_REAL_NEAR(p.x, -2, 1e-15L);
  EXPECT_REAL_NEAR(p.y, 0, 1e-15L);
  Point2 far{1, static_cast<Real>(-6e18)};
  EXPECT_FALSE(FromPolarInPlace2(far));
  EXPECT_EQ(far.x, 1);
}

TEST(Vector3, RecordSetters) {
  PenRec pen;
  SetRec8(pen, 0x00FF8040u, 3, 65535);
  EXPECT_EQ(pen.colour, 0x00FF8040u);
  EXPECT_EQ(pen.first, 3);
  EXPECT_EQ(pen.second, 65535);

  Short3 triple;
  SetShort3b(triple, 1, 2, 0xFFFF);
  EXPECT_EQ(triple.a, 1);
  EXPECT_EQ(triple.b, 2);
  EXPECT_EQ(triple.c, 0xFFFF);
}

TEST(Vector3, BoxTestsIncludeTheBoundary) {
  const Box2 box{-1, 2, 0, 3};
  struct Case {
    Point2 p;
    bool inside;
  };
  const Case cases[] = {
      {{0, 1}, true}, {{-1, 0}, true}, {{2, 3}, true}, {{2, 1}, true},
      {{2.0000001L, 1}, false}, {{0, -0.0001L}, false}, {{-3, 1}, false}, {{0, 4}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(InBox2(c.p, box), c.inside) << c.p.x << ", " << c.p.y;
    EXPECT_EQ(PointInBox2b(c.p, box.xmin, box.xmax, box.ymin, box.ymax), c.inside);
  }
}

}  // namespace
