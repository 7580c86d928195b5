#include "engine/polygon_areas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "support/hyperbolic_test_support.h"
#include "support/extended_expect.h"
#include "kernel/vector3.h"

namespace {

using engine::GeometryModel;
using engine::kPoincareDisk;
using engine::kUpperHalfPlane;
using kernel::Point2;
using kernel::Point3;
using kernel::Real;

// An independent reference: the hyperboloid model, where angles and distances come from the
// Minkowski product of the lifted points.
struct Lifted {
  Real x, y, t;
};

Lifted Lift(const Point2& disk) {
  const Real r2 = disk.x * disk.x + disk.y * disk.y;
  const Real k = 1 / (1 - r2);
  return {2 * disk.x * k, 2 * disk.y * k, (1 + r2) * k};
}

Real Minkowski(const Lifted& a, const Lifted& b) {
  return a.x * b.x + a.y * b.y - a.t * b.t;
}

Real ReferenceDistance(const Point2& p, const Point2& q) {
  return std::acosh(-Minkowski(Lift(p), Lift(q)));
}

Real ReferenceAngle(const Point2& p, const Point2& v, const Point2& q) {
  const Lifted P = Lift(p), V = Lift(v), Q = Lift(q);
  // Tangent vectors at V towards P and Q.
  const Real kp = Minkowski(P, V), kq = Minkowski(Q, V);
  const Lifted u{P.x + kp * V.x, P.y + kp * V.y, P.t + kp * V.t};
  const Lifted w{Q.x + kq * V.x, Q.y + kq * V.y, Q.t + kq * V.t};
  return std::acos(Minkowski(u, w) / std::sqrt(Minkowski(u, u) * Minkowski(w, w)));
}

Real ReferenceTriangleArea(const Point2& a, const Point2& b, const Point2& c) {
  return kernel::Pi - ReferenceAngle(c, a, b) - ReferenceAngle(a, b, c) - ReferenceAngle(b, c, a);
}

// Measures the polygon given in disk coordinates, placed in the model, with room for the closing copies.
kernel::AreaPerimeter Measure(const GeometryModel& model, const std::vector<Point2>& diskVertices) {
  std::vector<Point2> vertices;
  for (const Point2& p : diskVertices) vertices.push_back(engine_test::InModel(model, p));
  vertices.resize(vertices.size() + 2);
  return engine::HyperbolicPolygonArea(model, vertices, static_cast<int>(diskVertices.size()) - 1);
}

class HyperbolicPolygonArea : public ::testing::TestWithParam<GeometryModel> {
 protected:
  GeometryModel model = GetParam();
};

TEST_P(HyperbolicPolygonArea, TrianglesMatchTheHyperboloidModel) {
  const std::array<Point2, 3> triangles[] = {
      {Point2{-0.3L, -0.2L}, Point2{0.4L, -0.1L}, Point2{0.05L, 0.45L}},
      {Point2{0, 0}, Point2{0.9L, 0}, Point2{0, 0.9L}},
      {Point2{-0.8L, 0.1L}, Point2{0.7L, 0.3L}, Point2{0.1L, -0.6L}},
      {Point2{0.01L, 0.02L}, Point2{0.03L, 0.01L}, Point2{0.02L, 0.04L}},
  };
  for (const auto& [a, b, c] : triangles) {
    const Real area = ReferenceTriangleArea(a, b, c);
    const Real perimeter = ReferenceDistance(a, b) + ReferenceDistance(b, c) + ReferenceDistance(c, a);
    for (const std::vector<Point2>& order : {std::vector<Point2>{a, b, c}, std::vector<Point2>{c, b, a}}) {
      const kernel::AreaPerimeter measured = Measure(model, order);
      EXPECT_REAL_NEAR(measured.area, area, 1e-12L);
      EXPECT_REAL_NEAR(measured.perimeter, perimeter, 1e-12L);
    }
  }
}

TEST_P(HyperbolicPolygonArea, NonConvexPolygonCountsItsReflexAngle) {
  // An arrowhead with the reflex vertex b; the diagonal bd lies inside.
  const Point2 a{-0.5L, -0.4L}, b{0, -0.05L}, c{0.5L, -0.4L}, d{0, 0.6L};
  const Real area = ReferenceTriangleArea(a, b, d) + ReferenceTriangleArea(b, c, d);
  for (const std::vector<Point2>& order :
       {std::vector<Point2>{a, b, c, d}, std::vector<Point2>{d, c, b, a}, std::vector<Point2>{b, c, d, a}}) {
    EXPECT_REAL_NEAR(Measure(model, order).area, area, 1e-12L);
  }
}

TEST_P(HyperbolicPolygonArea, NearlyIdealTriangleStaysBelowPi) {
  const Real r = 0.999999L;
  std::vector<Point2> vertices;
  for (int k = 0; k < 3; ++k) {
    const Real angle = 2 * kernel::Pi * k / 3;
    vertices.push_back({r * std::cos(angle), r * std::sin(angle)});
  }
  const Real area = Measure(model, vertices).area;
  EXPECT_LE(area, kernel::Pi);
  EXPECT_GT(area, kernel::Pi - 1e-2L);
}

TEST_P(HyperbolicPolygonArea, CoincidentVerticesAreMergedFirst) {
  const Point2 a{-0.3L, -0.2L}, b{0.4L, -0.1L}, c{0.05L, 0.45L};
  const Real ab = ReferenceDistance(a, b);
  const kernel::AreaPerimeter triangle = Measure(model, {a, b, c});
  struct Case {
    std::vector<Point2> vertices;
    Real area, perimeter;
  };
  const Case cases[] = {
      {{a, a, a}, 0, 0},
      {{a, a}, 0, 0},
      {{a}, 0, 0},
      {{a, b, b}, 0, 2 * ab},
      {{a, b, a}, 0, 2 * ab},
      {{a, b, c, a}, triangle.area, triangle.perimeter},  // the closing side is merged too
      {{a, a, b, c, c}, triangle.area, triangle.perimeter},
  };
  for (const Case& k : cases) {
    const kernel::AreaPerimeter measured = Measure(model, k.vertices);
    EXPECT_REAL_NEAR(measured.area, k.area, 1e-13L);
    EXPECT_REAL_NEAR(measured.perimeter, k.perimeter, 1e-13L);
  }
}

INSTANTIATE_TEST_SUITE_P(BothModels, HyperbolicPolygonArea, ::testing::Values(kPoincareDisk, kUpperHalfPlane),
                         engine_test::ModelName);

TEST(HyperbolicPolygonAreaRoom, WithoutRoomForTheClosingCopiesNothingIsMeasured) {
  std::array<Point2, 4> vertices{Point2{0, 0}, Point2{0.5L, 0}, Point2{0, 0.5L}, Point2{7, 7}};
  const kernel::AreaPerimeter measured = engine::HyperbolicPolygonArea(kPoincareDisk, vertices, 2);
  EXPECT_EQ(measured.area, 0);
  EXPECT_EQ(measured.perimeter, 0);
  EXPECT_EQ(vertices[3].x, 7);
  EXPECT_EQ(engine::HyperbolicPolygonArea(kPoincareDisk, vertices, -1).perimeter, 0);
}

constexpr Point3 kX{1, 0, 0}, kY{0, 1, 0}, kZ{0, 0, 1};

Real SphericalReferenceAngle(const Point3& p, const Point3& v, const Point3& q) {
  Point3 u = p - kernel::Dot3(p, v) * v;
  Point3 w = q - kernel::Dot3(q, v) * v;
  kernel::Normalize3(u);
  kernel::Normalize3(w);
  return std::acos(kernel::Dot3(u, w));
}

kernel::AreaPerimeter MeasureOnSphere(std::vector<Point3> vertices) {
  const int last = static_cast<int>(vertices.size()) - 1;
  vertices.resize(vertices.size() + 2);
  return engine::SphericalPolygonArea3(vertices, last);
}

TEST(SphericalPolygonArea, OctantInEitherOrientation) {
  for (const std::vector<Point3>& order : {std::vector<Point3>{kX, kY, kZ}, std::vector<Point3>{kZ, kY, kX},
                                           std::vector<Point3>{kX, kY, kZ, kX}}) {
    const kernel::AreaPerimeter measured = MeasureOnSphere(order);
    EXPECT_REAL_NEAR(measured.area, kernel::Pi / 2, 1e-15L);
    EXPECT_REAL_NEAR(measured.perimeter, 3 * kernel::Pi / 2, 1e-15L);
  }
}

TEST(SphericalPolygonArea, TriangleMatchesGirardsTheorem) {
  Point3 a{0.2L, -0.3L, 0.9L}, b{0.8L, 0.1L, 0.3L}, c{-0.4L, 0.7L, 0.2L};
  for (Point3* p : {&a, &b, &c}) kernel::Normalize3(*p);
  const Real excess = SphericalReferenceAngle(c, a, b) + SphericalReferenceAngle(a, b, c) +
                      SphericalReferenceAngle(b, c, a) - kernel::Pi;
  EXPECT_REAL_NEAR(MeasureOnSphere({a, b, c}).area, excess, 1e-14L);
}

TEST(SphericalPolygonArea, MergesToOneOrTwoVertices) {
  EXPECT_EQ(MeasureOnSphere({kX, kX, kX}).area, 0);
  EXPECT_EQ(MeasureOnSphere({kX, kX, kX}).perimeter, 0);
  const kernel::AreaPerimeter segment = MeasureOnSphere({kX, kY, kY});
  EXPECT_EQ(segment.area, 0);
  EXPECT_REAL_NEAR(segment.perimeter, kernel::Pi, 1e-15L);
}

TEST(SphericalPolygonArea, AreaOfPointsSeenFromTheCentre) {
  const Point3 centre{1, 2, 3};
  std::array<Point3, 6> points{centre, centre + 2 * kX, centre + 3 * kY, centre + 0.5L * kZ};
  EXPECT_REAL_NEAR(engine::SphericalPolygonAreaOfPoints3(points, 3), kernel::Pi / 2, 1e-15L);
  EXPECT_POINT3_NEAR(points[2], kY, 1e-18L);  // the vertices become unit directions

  std::array<Point3, 6> withCentre{centre, centre + kX, centre, centre + kZ};
  EXPECT_EQ(engine::SphericalPolygonAreaOfPoints3(withCentre, 3), 0);
}

}  // namespace
