#include "engine/hyperbolic_primitives.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/orthogonal_arc.h"
#include "support/hyperbolic_test_support.h"
#include "kernel/constants.h"
#include "support/extended_expect.h"
#include "kernel/vector2.h"

namespace {

using engine::GeodesicEnds;
using engine::GeometryModel;
using engine::kPoincareDisk;
using engine::kUpperHalfPlane;
using engine_test::InModel;
using kernel::Point2;
using kernel::Real;

constexpr Real kTight = 1e-15L;

TEST(HyperbolicDistance, KnownValues) {
  const Real e = std::exp(static_cast<Real>(1));
  const Real nearOne = 1 - 1e-15L;
  const Real pulledIn = 1 - static_cast<Real>(1e-13);
  struct Case {
    GeometryModel model;
    Point2 p, q;
    Real expected;
  };
  const Case cases[] = {
      {kUpperHalfPlane, {0, 1}, {0, e}, 1},
      {kUpperHalfPlane, {2, 3}, {2, 3}, 0},
      {kPoincareDisk, {0, 0}, {0.5L, 0}, std::log(static_cast<Real>(3))},
      {kPoincareDisk, {0.3L, 0.2L}, {0.3L, 0.2L}, 0},
      // The disk denominator 1 - conj(P) Q vanishes: the far value.
      {kPoincareDisk, {0.5L, 0}, {2, 0}, kernel::HugeReal},
      // Opposite points at the boundary are pulled in, never infinitely far apart.
      {kPoincareDisk, {nearOne, 0}, {-nearOne, 0}, std::log((1 + pulledIn) / (1 - pulledIn))},
  };
  for (const Case& c : cases) {
    EXPECT_REAL_NEAR(engine::HyperbolicDistance(c.model, c.p, c.q), c.expected, c.expected * kTight + kTight);
  }
}

TEST(HyperbolicDistance, BoundaryPointsAreFarButFinite) {
  const Real d = engine::HyperbolicDistance(kPoincareDisk, {1, 0}, {-1, 0});
  EXPECT_REAL_NEAR(d, std::log(2e13L), 1e-6L);
}

TEST(HyperbolicDistance, DistanceFollowsTheWindowsGeometry) {
  EXPECT_REAL_NEAR(engine::Distance(engine::kEuclideanPlane, {0, 0}, {3, 4}), 5, kTight);
  EXPECT_REAL_NEAR(engine::Distance(kPoincareDisk, {0, 0}, {0.5L, 0}), std::log(static_cast<Real>(3)),
                   kTight);
}

TEST(CayleyMaps, KnownPointsAndRoundTrips) {
  Point2 z{0, 0};
  engine::DiskToHalfPlane(z);
  EXPECT_POINT2_NEAR(z, (Point2{0, 1}), kTight);
  engine::HalfPlaneToDisk(z);
  EXPECT_POINT2_NEAR(z, (Point2{0, 0}), kTight);

  // The boundary point i has no image; the guarded quotient sends it to the origin.
  Point2 top{0, 1};
  engine::DiskToHalfPlane(top);
  EXPECT_POINT2_NEAR(top, (Point2{0, 0}), kTight);

  const Point2 diskPoints[] = {{0.5L, 0.5L}, {-0.7L, 0.1L}, {0.2L, -0.9L}};
  for (const Point2& p : diskPoints) {
    Point2 w = p;
    engine::DiskToHalfPlane(w);
    EXPECT_GT(w.y, 0);
    const Point2 other = InModel(kUpperHalfPlane, {0.1L, 0.3L});
    EXPECT_REAL_NEAR(engine::HyperbolicDistance(kUpperHalfPlane, w, other),
                     engine::HyperbolicDistance(kPoincareDisk, p, {0.1L, 0.3L}), 1e-14L);
    engine::HalfPlaneToDisk(w);
    EXPECT_POINT2_NEAR(w, p, 1e-17L);
  }
}

TEST(Translations, DenominatorThatVanishesFails) {
  Point2 z{2, 0};
  EXPECT_FALSE(engine::TranslateToOrigin(kPoincareDisk, {0.5L, 0}, z, false));
  EXPECT_POINT2_NEAR(z, (Point2{2, 0}), 0);
  z = {-2, 0};
  EXPECT_FALSE(engine::TranslateFromOrigin(kPoincareDisk, {0.5L, 0}, z, false));
  EXPECT_POINT2_NEAR(z, (Point2{-2, 0}), 0);
}

TEST(Geodesics, DiskGeodesicThroughTheCentreIsADiameter) {
  GeodesicEnds ends;
  bool isLine = false;
  ASSERT_EQ(engine::DiskGeodesic({0, 0}, {0.3L, 0.4L}, ends, isLine), engine::kGeometryOk);
  EXPECT_TRUE(isLine);
  EXPECT_POINT2_NEAR(ends[0], (Point2{-0.6L, -0.8L}), kTight);
  EXPECT_POINT2_NEAR(ends[1], (Point2{0.6L, 0.8L}), kTight);
}

TEST(Geodesics, PointsBothAtTheCentreStillGiveTheirDiameter) {
  // The first point is too near the centre to be inverted, the second is the centre itself.
  GeodesicEnds ends;
  bool isLine = false;
  ASSERT_EQ(engine::DiskGeodesic({1e-10L, 0}, {0, 0}, ends, isLine), engine::kGeometryOk);
  EXPECT_TRUE(isLine);
  EXPECT_POINT2_NEAR(ends[0], (Point2{1, 0}), kTight);
  EXPECT_POINT2_NEAR(ends[1], (Point2{-1, 0}), kTight);
}

TEST(Geodesics, DiskGeodesicArcIsOrthogonalToTheBoundary) {
  const Point2 p{0.2L, 0.1L};
  const Point2 q{-0.3L, 0.4L};
  GeodesicEnds ends;
  bool isLine = true;
  ASSERT_EQ(engine::DiskGeodesic(p, q, ends, isLine), engine::kGeometryOk);
  ASSERT_FALSE(isLine);
  const Point2 centre = ends[2];
  const Real radius = kernel::Dist2(centre, p);
  EXPECT_REAL_NEAR(kernel::Dist2(centre, q), radius, 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dot2(centre, centre), 1 + radius * radius, 1e-14L);
  for (const Point2& end : {ends[0], ends[1]}) {
    EXPECT_REAL_NEAR(kernel::Dot2(end, end), 1, 1e-15L);
    EXPECT_REAL_NEAR(kernel::Dist2(centre, end), radius, 1e-15L);
  }
  EXPECT_LT(kernel::Dist2(p, ends[0]), kernel::Dist2(q, ends[0]));  // ends[0] lies beyond p
}

TEST(Geodesics, NearlyDiametralArcIsDrawnStraight) {
  const Point2 p{0.5L, 0};
  const Point2 q{-0.5L, 1e-5L};
  GeodesicEnds ends;
  bool isLine = false;
  ASSERT_EQ(engine::DiskGeodesic(p, q, ends, isLine), engine::kGeometryOk);
  EXPECT_TRUE(isLine);
  // The carrying circle itself exists, far away.
  ASSERT_EQ(engine::OrthogonalArc2({0, 0}, {1, 0}, p, q, ends, isLine), engine::kGeometryOk);
  EXPECT_FALSE(isLine);
  EXPECT_GT(kernel::Dot2(ends[2], ends[2]), 1e6L);
}

TEST(Geodesics, CoincidentPointsHaveNoGeodesic) {
  GeodesicEnds ends{};
  bool isLine = false;
  EXPECT_EQ(engine::DiskGeodesic({0.1L, 0.1L}, {0.1L, 0.1L}, ends, isLine), engine::kDegenerateInput);
  EXPECT_POINT2_NEAR(ends[2], (Point2{1, 0}), 0);
  EXPECT_EQ(engine::HalfPlaneGeodesic({1, 1}, {1, 1}, ends, isLine), engine::kDegenerateInput);
}

TEST(Geodesics, HalfPlaneGeodesicVerticalRayWritesBothEnds) {
  GeodesicEnds ends;
  bool isLine = false;
  ASSERT_EQ(engine::HalfPlaneGeodesic({1, 1}, {1, 3}, ends, isLine), engine::kGeometryOk);
  EXPECT_TRUE(isLine);
  EXPECT_POINT2_NEAR(ends[2], (Point2{1, 0}), 0);
  EXPECT_POINT2_NEAR(ends[0], (Point2{1, 0}), 0);
  EXPECT_POINT2_NEAR(ends[1], (Point2{1, kernel::HugeReal}), 0);
  // Listed downwards, the end at infinity is the one beyond the first point.
  ASSERT_EQ(engine::Geodesic(kUpperHalfPlane, {1, 3}, {1, 1}, ends, isLine), engine::kGeometryOk);
  EXPECT_POINT2_NEAR(ends[0], (Point2{1, kernel::HugeReal}), 0);
  EXPECT_POINT2_NEAR(ends[1], (Point2{1, 0}), 0);
}

TEST(Geodesics, HalfPlaneGeodesicHalfCircle) {
  GeodesicEnds ends;
  bool isLine = true;
  ASSERT_EQ(engine::Geodesic(kUpperHalfPlane, {0, 1}, {1, 1}, ends, isLine), engine::kGeometryOk);
  EXPECT_FALSE(isLine);
  const Real rho = std::sqrt(1.25L);
  EXPECT_POINT2_NEAR(ends[2], (Point2{0.5L, 0}), kTight);
  EXPECT_POINT2_NEAR(ends[0], (Point2{0.5L - rho, 0}), kTight);
  EXPECT_POINT2_NEAR(ends[1], (Point2{0.5L + rho, 0}), kTight);
}

TEST(OrthogonalArc, ArcOfAnyCircle) {
  const Point2 c{1, 2};
  const Point2 onCircle{4, 2};  // radius 3
  GeodesicEnds ends;
  bool isLine = true;
  // P1 at the circle's centre: P2 gives the inverse point.
  ASSERT_EQ(engine::OrthogonalArc2(c, onCircle, c, {2, 3}, ends, isLine), engine::kGeometryOk);
  EXPECT_TRUE(isLine);
  ASSERT_EQ(engine::OrthogonalArc2(c, onCircle, {2, 2.5L}, {0, 3}, ends, isLine), engine::kGeometryOk);
  ASSERT_FALSE(isLine);
  const Real radius = kernel::Dist2(ends[2], {2, 2.5L});
  EXPECT_REAL_NEAR(kernel::Dist2(ends[2], {0, 3}), radius, 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dot2(ends[2] - c, ends[2] - c), 9 + radius * radius, 1e-14L);
  EXPECT_REAL_NEAR(kernel::Dist2(c, ends[0]), 3, 1e-15L);
  EXPECT_REAL_NEAR(kernel::Dist2(c, ends[1]), 3, 1e-15L);
  EXPECT_EQ(engine::OrthogonalArc2(c, onCircle, {2, 2}, {2, 2}, ends, isLine), engine::kDegenerateInput);
}

TEST(AngleOfParallelism, IsTwiceTheArcTangentOfEToTheMinusDistance) {
  for (const Point2& p : {Point2{0.3L, 0}, Point2{-0.5L, 0.6L}, Point2{0.05L, 0.01L}}) {
    const Point2 c{0.1L, -0.2L};
    const Real d = engine::HyperbolicDistance(kPoincareDisk, c, p);
    EXPECT_REAL_NEAR(engine::AngleOfParallelism(kPoincareDisk, c, p),
                     2 * std::atan(std::exp(-d)) * 180 / kernel::Pi, 1e-12L);
  }
  EXPECT_REAL_NEAR(engine::AngleOfParallelism(kUpperHalfPlane, {1, 2}, {1, 2}), 90, 1e-13L);
}

// The same checks in both models: the model is only a way of drawing the plane.
class HyperbolicPrimitives : public ::testing::TestWithParam<GeometryModel> {
 protected:
  GeometryModel model = GetParam();
  Point2 Pt(Real x, Real y) const { return InModel(model, {x, y}); }
  Real Dist(const Point2& p, const Point2& q) const { return engine::HyperbolicDistance(model, p, q); }
};

TEST_P(HyperbolicPrimitives, TranslationsRoundTripAndKeepDistances) {
  const Point2 a = Pt(0.3L, -0.4L);
  const Point2 z = Pt(-0.6L, 0.2L);
  Point2 centred = a;
  ASSERT_TRUE(engine::TranslateToOrigin(model, a, centred, false));
  EXPECT_POINT2_NEAR(centred, (Point2{0, 0}), kTight);
  Point2 back{0, 0};
  ASSERT_TRUE(engine::TranslateFromOrigin(model, a, back, false));
  EXPECT_POINT2_NEAR(back, a, 1e-15L);

  Point2 moved = z;
  ASSERT_TRUE(engine::TranslateToOrigin(model, a, moved, false));
  EXPECT_REAL_NEAR(engine::HyperbolicDistance(kPoincareDisk, {0, 0}, moved), Dist(a, z), 1e-15L);
  ASSERT_TRUE(engine::TranslateFromOrigin(model, a, moved, false));
  EXPECT_POINT2_NEAR(moved, z, 1e-15L);
}

TEST_P(HyperbolicPrimitives, AngleAtStraightZeroAndTurnedAngles) {
  const Point2 v = Pt(0.2L, 0.3L);
  const Point2 p = Pt(-0.5L, 0.1L);
  const Point2 beyond = engine::DilatePoint(model, v, p, -1);  // p mirrored through v
  const Point2 between = engine::DilatePoint(model, v, p, 0.5L);
  EXPECT_REAL_NEAR(engine::AngleAt(model, p, v, beyond), kernel::Pi, 1e-12L);
  EXPECT_REAL_NEAR(engine::AngleAt(model, p, beyond, v), 0, 1e-12L);
  EXPECT_REAL_NEAR(engine::AngleAt(model, between, p, v), 0, 1e-12L);
  EXPECT_EQ(engine::AngleAt(model, v, v, p), 0);
  for (Real angle : {1.0L, -2.5L, 0.25L}) {
    const Point2 turned = engine::RotatePoint(model, v, p, angle);
    EXPECT_REAL_NEAR(engine::AngleAt(model, p, v, turned), angle, 1e-14L);
    EXPECT_REAL_NEAR(Dist(v, turned), Dist(v, p), 1e-14L);
    Point2 byCosSin = p;
    engine::RotatePointCosSin(model, v, {std::cos(angle), std::sin(angle)}, byCosSin);
    EXPECT_POINT2_NEAR(byCosSin, turned, 1e-15L);
  }
  EXPECT_POINT2_NEAR(engine::RotatePoint(model, v, v, 1), v, 0);
}

TEST_P(HyperbolicPrimitives, DilationScalesTheDistanceAlongTheRay) {
  const Point2 c = Pt(-0.1L, 0.4L);
  const Point2 p = Pt(0.5L, -0.3L);
  const Real d = Dist(c, p);
  const Point2 mid = engine::DilatePoint(model, c, p, 0.5L);
  EXPECT_REAL_NEAR(Dist(c, mid), d / 2, 1e-14L);
  EXPECT_REAL_NEAR(Dist(mid, p), d / 2, 1e-14L);
  const Point2 twice = engine::DilatePoint(model, c, p, 2);
  EXPECT_REAL_NEAR(Dist(c, twice), 2 * d, 1e-13L);
  EXPECT_REAL_NEAR(engine::AngleAt(model, p, c, twice), 0, 1e-12L);
  EXPECT_POINT2_NEAR(engine::DilatePoint(model, c, p, 1), p, 1e-15L);
  EXPECT_POINT2_NEAR(engine::DilatePoint(model, c, c, 3), c, 1e-15L);

  const Point2 both = engine::RotateDilatePoint(model, c, p, 0.7L, 1.5L);
  EXPECT_REAL_NEAR(Dist(c, both), 1.5L * d, 1e-13L);
  EXPECT_REAL_NEAR(engine::AngleAt(model, p, c, both), 0.7L, 1e-14L);
}

TEST_P(HyperbolicPrimitives, PointsAtAGivenDistance) {
  const Point2 c = Pt(0.3L, 0.3L);
  const Point2 p = Pt(-0.2L, 0.1L);
  Point2 z = p;
  ASSERT_TRUE(engine::PointAtDistance(model, c, z, 1.75L));
  EXPECT_REAL_NEAR(Dist(c, z), 1.75L, 1e-14L);
  EXPECT_REAL_NEAR(engine::AngleAt(model, p, c, z), 0, 1e-12L);
  Point2 atCentre = c;
  EXPECT_FALSE(engine::PointAtDistance(model, c, atCentre, 1));

  const Point2 onRay = engine::PointOnRayAtAngle(model, c, p, -1.2L);
  EXPECT_REAL_NEAR(Dist(c, onRay), std::log(1.577L / 0.423L), 1e-14L);
  EXPECT_REAL_NEAR(engine::AngleAt(model, p, c, onRay), -1.2L, 1e-14L);
}

TEST_P(HyperbolicPrimitives, CircleModelCentreGivesTheDrawnCircle) {
  const Point2 c = Pt(0.3L, -0.2L);
  Point2 q = Pt(0.1L, 0.1L);
  ASSERT_TRUE(engine::PointAtDistance(model, c, q, 0.8L));
  Point2 centre;
  ASSERT_TRUE(engine::CircleModelCentre(model, c, q, centre));
  const Real drawnRadius = kernel::Dist2(centre, q);
  for (Real angle : {0.5L, 1.7L, 3.0L, -2.2L}) {
    EXPECT_REAL_NEAR(kernel::Dist2(centre, engine::RotatePoint(model, c, q, angle)), drawnRadius, 1e-14L);
  }
  Point2 out{9, 9};
  EXPECT_FALSE(engine::CircleModelCentre(model, c, c, out));
  EXPECT_POINT2_NEAR(out, c, 0);
}

INSTANTIATE_TEST_SUITE_P(BothModels, HyperbolicPrimitives, ::testing::Values(kPoincareDisk, kUpperHalfPlane),
                         engine_test::ModelName);

TEST(HyperbolicPrimitivesDisk, CircleAboutTheCentreIsCentredThere) {
  Point2 out{9, 9};
  EXPECT_TRUE(engine::CircleModelCentre(kPoincareDisk, {0, 0}, {0.4L, 0.1L}, out));
  EXPECT_POINT2_NEAR(out, (Point2{0, 0}), 0);
}

}  // namespace
