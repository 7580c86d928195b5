#include "engine/hyperbolic_constructions.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "support/hyperbolic_test_support.h"
#include "support/extended_expect.h"
#include "kernel/vector2.h"

namespace {

using engine::GeometryModel;
using engine::kPoincareDisk;
using engine::kUpperHalfPlane;
using kernel::Point2;
using kernel::Real;

constexpr Real kRightAngle = kernel::Pi / 2;

// Every construction is checked by an invariant of the hyperbolic plane, on figures given in disk
// coordinates and placed in the model under test.
class HyperbolicConstructions : public ::testing::TestWithParam<GeometryModel> {
 protected:
  GeometryModel model = GetParam();

  Point2 Pt(Real x, Real y) const { return engine_test::InModel(model, {x, y}); }
  Real Dist(const Point2& p, const Point2& q) const { return engine::HyperbolicDistance(model, p, q); }
  Real Angle(const Point2& p, const Point2& v, const Point2& q) const {
    return engine::AngleAt(model, p, v, q);
  }
  Point2 AtDistance(const Point2& c, Point2 towards, Real d) const {
    engine::PointAtDistance(model, c, towards, d);
    return towards;
  }

  // How far X lies off the line AB, measured in the disk centred at A (where AB is a diameter).
  Real OffLine(const Point2& a, const Point2& b, Point2 x) const {
    Point2 direction = b;
    engine::TranslateToOrigin(model, a, direction, false);
    engine::TranslateToOrigin(model, a, x, false);
    kernel::Normalize2(direction);
    return std::fabs(kernel::Cross2(direction, x));
  }

  void ExpectRightAngle(const Point2& p, const Point2& v, const Point2& q) const {
    EXPECT_REAL_NEAR(std::fabs(Angle(p, v, q)), kRightAngle, 1e-12L);
  }

  std::array<Point2, 3> Triangle() const { return {Pt(-0.3L, -0.2L), Pt(0.4L, -0.1L), Pt(0.05L, 0.45L)}; }
};

TEST_P(HyperbolicConstructions, LineLineIntersectLiesOnBothLines) {
  const Point2 a = Pt(-0.5L, -0.1L), b = Pt(0.5L, 0.2L), c = Pt(-0.1L, -0.5L), d = Pt(0.2L, 0.6L);
  Point2 x;
  ASSERT_EQ(engine::LineLineIntersect(model, a, b, c, d, x), engine::kGeometryOk);
  EXPECT_LT(OffLine(a, b, x), 1e-15L);
  EXPECT_LT(OffLine(c, d, x), 1e-15L);

  // A line through A meets AB at A exactly.
  ASSERT_EQ(engine::LineLineIntersect(model, a, b, c, a, x), engine::kGeometryOk);
  EXPECT_POINT2_NEAR(x, a, 0);

  EXPECT_EQ(engine::LineLineIntersect(model, a, b, c, c, x), engine::kDegenerateInput);
  EXPECT_EQ(engine::LineLineIntersect(model, a, a, c, d, x), engine::kDegenerateInput);
}

TEST_P(HyperbolicConstructions, LineCrossingCloseToTheFirstPointIsNotSnappedToIt) {
  const Point2 a = Pt(0, 0), b = Pt(0.5L, 0);
  const Point2 crossing = Pt(1e-4L, 0);
  const Point2 c = Pt(0.2L, 0.5L);
  const Point2 d = engine::DilatePoint(model, crossing, c, -1);
  Point2 x;
  ASSERT_EQ(engine::LineLineIntersect(model, a, b, c, d, x), engine::kGeometryOk);
  EXPECT_POINT2_NEAR(x, crossing, 1e-13L);
}

TEST_P(HyperbolicConstructions, UltraparallelLinesDoNotMeetAndHaveACommonPerpendicular) {
  struct Case {
    Point2 a, b, c, d;
  };
  // The second case is symmetric about the perpendicular diameter through A.
  const Case cases[] = {{Pt(-0.5L, 0.05L), Pt(0.5L, 0), Pt(-0.2L, 0.8L), Pt(0.25L, 0.75L)},
                        {Pt(0, 0), Pt(0.5L, 0), Pt(-0.2L, 0.8L), Pt(0.2L, 0.8L)}};
  for (const Case& k : cases) {
    Point2 x;
    EXPECT_EQ(engine::LineLineIntersect(model, k.a, k.b, k.c, k.d, x), engine::kLinesDoNotMeet);
    Point2 footAB, footCD;
    ASSERT_TRUE(engine::Perpendicular(model, k.a, k.b, k.c, k.d, footAB, footCD));
    EXPECT_LT(OffLine(k.a, k.b, footAB), 1e-15L);
    EXPECT_LT(OffLine(k.c, k.d, footCD), 1e-15L);
    ExpectRightAngle(k.b, footAB, footCD);
    ExpectRightAngle(k.c, footCD, footAB);
  }
  Point2 footAB, footCD;
  EXPECT_FALSE(engine::Perpendicular(model, Pt(-0.5L, -0.1L), Pt(0.5L, 0.2L), Pt(-0.1L, -0.5L),
                                     Pt(0.2L, 0.6L), footAB, footCD));
}

TEST_P(HyperbolicConstructions, LineCircleIntersectGivesPointsOfBoth) {
  const Point2 a = Pt(-0.6L, 0.1L), b = Pt(0.5L, -0.2L);
  const Point2 centre = Pt(0.1L, 0.2L);
  const Point2 onCircle = AtDistance(centre, Pt(0.3L, 0.3L), 0.9L);
  std::array<Point2, 2> points;
  const engine::GeometryResult code = engine::LineCircleIntersect(model, a, b, centre, onCircle, points);
  ASSERT_NE(code, engine::kNoSolution);
  for (const Point2& p : points) {
    EXPECT_REAL_NEAR(Dist(centre, p), 0.9L, 1e-14L);
    EXPECT_LT(OffLine(a, b, p), 1e-15L);
  }
  EXPECT_GT(Dist(a, points[0]), Dist(a, points[1]));  // points[0] is farther along from A towards B

  const Point2 smallCircle = AtDistance(centre, Pt(0.3L, 0.3L), 0.05L);
  EXPECT_EQ(engine::LineCircleIntersect(model, a, b, centre, smallCircle, points), engine::kNoSolution);
}

TEST_P(HyperbolicConstructions, PerpendicularThroughAPoint) {
  const Point2 a = Pt(-0.4L, -0.3L), b = Pt(0.5L, 0.1L), p = Pt(0.1L, 0.5L);
  Point2 foot, second;
  ASSERT_EQ(engine::PerpendicularThrough(model, a, b, p, foot, engine::kFootOfPerpendicular),
            engine::kGeometryOk);
  EXPECT_LT(OffLine(a, b, foot), 1e-15L);
  ExpectRightAngle(a, foot, p);
  ASSERT_EQ(engine::PerpendicularThrough(model, a, b, p, second, engine::kPerpendicularThroughPoint),
            engine::kGeometryOk);
  EXPECT_LT(OffLine(p, second, foot), 1e-14L);

  // Through a point of the line: the perpendicular leaves to the left of A -> B.
  const Point2 mid = engine::DilatePoint(model, a, b, 0.5L);
  ASSERT_EQ(engine::PerpendicularThrough(model, a, b, mid, second, engine::kPerpendicularThroughPoint),
            engine::kGeometryOk);
  EXPECT_REAL_NEAR(Angle(b, mid, second), kRightAngle, 1e-13L);
}

TEST_P(HyperbolicConstructions, FootOfPerpendicularSpecialCases) {
  const Point2 a = Pt(-0.4L, -0.3L), b = Pt(0.5L, 0.1L);
  Point2 foot;
  const Point2 onLine = engine::DilatePoint(model, a, b, 1.7L);
  ASSERT_EQ(engine::PerpendicularThrough(model, a, b, onLine, foot, engine::kFootOfPerpendicular),
            engine::kGeometryOk);
  EXPECT_POINT2_NEAR(foot, onLine, 1e-15L);
  const Point2 square = engine::RotatePoint(model, a, b, kRightAngle);  // AP perpendicular to AB at A
  ASSERT_EQ(engine::PerpendicularThrough(model, a, b, square, foot, engine::kFootOfPerpendicular),
            engine::kGeometryOk);
  EXPECT_POINT2_NEAR(foot, a, 1e-15L);
  EXPECT_EQ(engine::PerpendicularThrough(model, a, b, a, foot, engine::kFootOfPerpendicular),
            engine::kDegenerateInput);
  EXPECT_EQ(engine::PerpendicularThrough(model, a, b, onLine, foot, 5), engine::kModeOutOfRange);
}

TEST_P(HyperbolicConstructions, AngleBisectorSplitsTheAngle) {
  const auto [v, p, q] = Triangle();
  Point2 bisector;
  ASSERT_TRUE(engine::AngleBisectorPoint(model, v, p, q, bisector));
  EXPECT_REAL_NEAR(Angle(p, v, bisector), Angle(bisector, v, q), 1e-14L);
  EXPECT_FALSE(engine::AngleBisectorPoint(model, v, v, q, bisector));
}

TEST_P(HyperbolicConstructions, CircumcentreIsEquidistant) {
  const auto [a, b, c] = Triangle();
  Point2 o;
  ASSERT_TRUE(engine::Circumcentre(model, a, b, c, o));
  EXPECT_REAL_NEAR(Dist(o, b), Dist(o, a), 1e-14L);
  EXPECT_REAL_NEAR(Dist(o, c), Dist(o, a), 1e-14L);
}

TEST_P(HyperbolicConstructions, LargeObtuseTriangleHasNoCircumcentre) {
  Point2 o;
  EXPECT_FALSE(engine::Circumcentre(model, Pt(-0.95L, 0), Pt(0, 0.1L), Pt(0.95L, 0), o));
}

TEST_P(HyperbolicConstructions, IncentreFeetAreEquidistant) {
  const std::array<Point2, 3> t = Triangle();
  std::array<Point2, 4> out;
  ASSERT_TRUE(engine::Incentre(model, t, out, true));
  const Real radius = Dist(out[0], out[1]);
  EXPECT_REAL_NEAR(Dist(out[0], out[2]), radius, 1e-14L);
  EXPECT_REAL_NEAR(Dist(out[0], out[3]), radius, 1e-14L);
  for (int side = 0; side < 3; ++side) {
    const Point2& from = t[side];
    const Point2& to = t[(side + 1) % 3];
    EXPECT_LT(OffLine(from, to, out[side + 1]), 1e-15L);
    ExpectRightAngle(from, out[side + 1], out[0]);
  }
}

TEST_P(HyperbolicConstructions, AltitudesAndMediansAreConcurrent) {
  const std::array<Point2, 3> t = Triangle();
  Point2 h;
  ASSERT_TRUE(engine::Orthocentre(model, t, h));
  Point2 footFrom0;
  ASSERT_EQ(engine::PerpendicularThrough(model, t[1], t[2], t[0], footFrom0, engine::kFootOfPerpendicular),
            engine::kGeometryOk);
  EXPECT_LT(OffLine(t[0], footFrom0, h), 1e-14L);  // the third altitude passes through it too

  const Point2 g = engine::Centroid(model, t[0], t[1], t[2]);
  const Point2 midCA = engine::DilatePoint(model, t[2], t[0], 0.5L);
  EXPECT_LT(OffLine(t[1], midCA, g), 1e-14L);  // the third median passes through it too
}

TEST_P(HyperbolicConstructions, OrthocentreOfARightTriangleIsTheRightAngledVertex) {
  const Point2 v1 = Pt(0.1L, -0.2L);
  const Point2 v0 = Pt(-0.4L, 0.1L);
  const Point2 v2 = AtDistance(v1, engine::RotatePoint(model, v1, v0, -kRightAngle), 0.7L);
  Point2 h;
  ASSERT_TRUE(engine::Orthocentre(model, {v0, v1, v2}, h));
  EXPECT_POINT2_NEAR(h, v1, 1e-14L);
}

TEST_P(HyperbolicConstructions, TangentsFromAPoint) {
  const Point2 centre = Pt(0.2L, 0.1L);
  const Point2 onCircle = AtDistance(centre, Pt(0.4L, 0.1L), 0.6L);
  const Point2 outside = Pt(-0.6L, -0.3L);
  std::array<Point2, 2> touching;
  ASSERT_EQ(engine::TangentPointsFromPoint(model, centre, onCircle, outside, touching), engine::kGeometryOk);
  for (const Point2& t : touching) {
    EXPECT_REAL_NEAR(Dist(centre, t), 0.6L, 1e-14L);
    ExpectRightAngle(centre, t, outside);
  }
  EXPECT_REAL_NEAR(Dist(outside, touching[0]), Dist(outside, touching[1]), 1e-14L);
  EXPECT_REAL_NEAR(Angle(touching[0], outside, centre), Angle(centre, outside, touching[1]), 1e-14L);

  EXPECT_EQ(engine::TangentPointsFromPoint(model, centre, onCircle, onCircle, touching),
            engine::kPointInsideCircle);
  EXPECT_EQ(engine::TangentPointsFromPoint(model, centre, onCircle, centre, touching),
            engine::kPointInsideCircle);
}

TEST_P(HyperbolicConstructions, CommonTangentsTouchBothCirclesAtRightAngles) {
  const Point2 c1 = Pt(-0.4L, 0), c2 = Pt(0.4L, 0.1L);
  const Point2 q1 = AtDistance(c1, Pt(0, 0.5L), 0.4L);
  const Point2 q2 = AtDistance(c2, Pt(0, -0.5L), 0.3L);
  for (bool internal : {false, true}) {
    SCOPED_TRACE(internal ? "internal" : "external");
    std::array<Point2, 2> onFirst, onSecond;
    ASSERT_EQ(engine::CommonTangents(model, c1, q1, c2, q2, internal, onFirst, onSecond),
              engine::kGeometryOk);
    for (int i = 0; i < 2; ++i) {
      EXPECT_REAL_NEAR(Dist(c1, onFirst[i]), 0.4L, 1e-14L);
      EXPECT_REAL_NEAR(Dist(c2, onSecond[i]), 0.3L, 1e-14L);
      ExpectRightAngle(c1, onFirst[i], onSecond[i]);
      ExpectRightAngle(c2, onSecond[i], onFirst[i]);
    }
    // External tangents leave both centres on one side, internal ones separate them.
    const Real sides = Angle(onSecond[0], onFirst[0], c1) * Angle(onFirst[0], onSecond[0], c2);
    EXPECT_EQ(sides < 0, !internal);
  }
}

TEST_P(HyperbolicConstructions, CommonTangentsOfAPointCircleAreTangentsFromThePoint) {
  const Point2 c1 = Pt(-0.4L, 0), c2 = Pt(0.4L, 0.1L);
  const Point2 q2 = AtDistance(c2, Pt(0, -0.5L), 0.3L);
  std::array<Point2, 2> onFirst, onSecond, fromPoint;
  ASSERT_EQ(engine::CommonTangents(model, c1, c1, c2, q2, false, onFirst, onSecond), engine::kGeometryOk);
  ASSERT_EQ(engine::TangentPointsFromPoint(model, c2, q2, c1, fromPoint), engine::kGeometryOk);
  EXPECT_POINT2_NEAR(onFirst[0], c1, 0);
  EXPECT_POINT2_NEAR(onFirst[1], c1, 0);
  EXPECT_POINT2_NEAR(onSecond[0], fromPoint[0], 0);
  EXPECT_POINT2_NEAR(onSecond[1], fromPoint[1], 0);
}

TEST_P(HyperbolicConstructions, RegularPolygonHasEqualSidesAndAngles) {
  std::array<Point2, 6> v{Pt(-0.1L, -0.2L), Pt(0.2L, -0.15L)};
  engine::CompleteRegularPolygon(model, v, 6, 1.5L);
  const Real side = Dist(v[0], v[1]);
  for (int k = 1; k + 1 < 6; ++k) {
    EXPECT_REAL_NEAR(Dist(v[k], v[k + 1]), side, 1e-13L);
    EXPECT_REAL_NEAR(Angle(v[k + 1], v[k], v[k - 1]), 1.5L, 1e-13L);  // turning left
  }
}

TEST_P(HyperbolicConstructions, RegularPolygonOfTheRightSideCloses) {
  // Four sides meeting at 72 degrees: cosh(s / 2) = cos(pi / 4) / sin(36 degrees).
  const Real angle = 2 * kernel::Pi / 5;
  const Real side = 2 * std::acosh(std::cos(kernel::Pi / 4) / std::sin(angle / 2));
  std::array<Point2, 5> v{Pt(0.1L, 0.1L)};
  v[1] = AtDistance(v[0], Pt(0.3L, -0.2L), side);
  engine::CompleteRegularPolygon(model, v, 5, angle);
  EXPECT_POINT2_NEAR(v[4], v[0], 1e-13L);

  std::array<Point2, 3> untouched{Pt(0, 0), Pt(0.2L, 0), Point2{7, 7}};
  engine::CompleteRegularPolygon(model, untouched, 2, angle);
  EXPECT_POINT2_NEAR(untouched[2], (Point2{7, 7}), 0);
}

INSTANTIATE_TEST_SUITE_P(BothModels, HyperbolicConstructions,
                         ::testing::Values(kPoincareDisk, kUpperHalfPlane), engine_test::ModelName);

}  // namespace
