// Triangles from typed angles and sides in the hyperbolic window, in the disk and the half-plane:
// measured again by hyperbolic angles and distances.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/hyperbolic_test_support.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using HyperbolicTriangles = IsolatedFolders;

constexpr int kAAA = 50;
constexpr int kSAS = 52;
constexpr int kSSS = 53;
constexpr Real kDegree = std::numbers::pi_v<Real> / 180;

int Triangle(PlaneWindow& w, int kind, std::vector<std::string> data) {
  return w.Step(kind, {-1, -1, -1, 0, 0, 0}, std::move(data));
}

// The last three points: vertices 1, 2 and 3.
std::array<Point2, 3> Vertices(const PlaneWindow& w) {
  const int last = w.tables().last_point;
  return {w.tables().xy[last - 2], w.tables().xy[last - 1], w.tables().xy[last]};
}

Real AngleDegrees(const PlaneWindow& w, const Point2& p, const Point2& v, const Point2& q) {
  return std::fabs(engine::AngleAt(w.model(), p, v, q)) / kDegree;
}

Real Length(const PlaneWindow& w, const Point2& p, const Point2& q) { return engine::Distance(w.model(), p, q); }

TEST_F(HyperbolicTriangles, ThreeAnglesGiveATriangleWithThoseAnglesInBothModels) {
  for (bool halfPlane : {false, true}) {
    PlaneWindow w(1);
    if (halfPlane) w.ToggleHalfPlane();
    ASSERT_EQ(Triangle(w, kAAA, {"50", "60", "60"}), 0);
    const auto v = Vertices(w);
    EXPECT_REAL_NEAR(AngleDegrees(w, v[1], v[0], v[2]), 50, 1e-9L);
    EXPECT_REAL_NEAR(AngleDegrees(w, v[0], v[1], v[2]), 60, 1e-9L);
    EXPECT_REAL_NEAR(AngleDegrees(w, v[0], v[2], v[1]), 60, 1e-9L);
    EXPECT_EQ(w.tables().last_line, 2);
    EXPECT_EQ(w.stepText.substr(0, 20), "ABC = AAA(50,60,60) ");
  }
}

TEST_F(HyperbolicTriangles, AnglesOfNoHyperbolicTriangleAreRefusedAndLeaveNothing) {
  PlaneWindow w(1);
  EXPECT_EQ(Triangle(w, kAAA, {"60", "60", "60.01"}), 6);
  EXPECT_EQ(w.tables().last_point, -1);
  EXPECT_EQ(w.tables().last_line, -1);
  EXPECT_TRUE(w.history().steps.size() <= 1);
  // Sides too long for the model to hold a vertex.
  EXPECT_EQ(Triangle(w, kSAS, {"60", "60", "1"}), 17);
  EXPECT_EQ(w.tables().last_point, -1);
}

TEST_F(HyperbolicTriangles, EqualSidesAboutAnAngleMakeAnIsoscelesTriangleThatKeepsItsShapeWhenDragged) {
  PlaneWindow w(1);
  ASSERT_EQ(Triangle(w, kSAS, {"1.2", "70", "1.2"}), 0);
  auto v = Vertices(w);
  EXPECT_REAL_NEAR(Length(w, v[1], v[0]), 1.2L, 1e-12L);
  EXPECT_REAL_NEAR(Length(w, v[1], v[2]), 1.2L, 1e-12L);
  EXPECT_REAL_NEAR(AngleDegrees(w, v[0], v[1], v[2]), 70, 1e-9L);
  EXPECT_REAL_NEAR(AngleDegrees(w, v[1], v[0], v[2]), AngleDegrees(w, v[1], v[2], v[0]), 1e-9L);

  // Vertex 2 dragged: the triangle follows it with the same sides and angle.
  const int second = w.tables().last_point - 1;
  w.tables().xy[second] = {-0.2L, 0.1L};
  w.ReplayConstruction(false);
  v = Vertices(w);
  EXPECT_POINT2_NEAR(v[1], (Point2{-0.2L, 0.1L}), 0);
  EXPECT_REAL_NEAR(Length(w, v[1], v[0]), 1.2L, 1e-12L);
  EXPECT_REAL_NEAR(AngleDegrees(w, v[0], v[1], v[2]), 70, 1e-9L);
}

TEST_F(HyperbolicTriangles, ThreeSidesMatchTheLawOfCosines) {
  PlaneWindow w(1);
  ASSERT_EQ(Triangle(w, kSSS, {"1", "1", "1"}), 0);
  const auto v = Vertices(w);
  for (int k = 0; k < 3; ++k) EXPECT_REAL_NEAR(Length(w, v[k], v[(k + 1) % 3]), 1, 1e-12L);
  const Real ch = std::cosh(Real{1});
  const Real angle = std::acos((ch * ch - ch) / (ch * ch - 1)) / kDegree;
  for (int k = 0; k < 3; ++k) EXPECT_REAL_NEAR(AngleDegrees(w, v[(k + 1) % 3], v[k], v[(k + 2) % 3]), angle, 1e-9L);

  // Sides that break the triangle inequality are refused before the solver.
  EXPECT_EQ(Triangle(w, kSSS, {"1", "3", "1"}), 6);
  EXPECT_EQ(w.tables().last_point, 2);
}

}  // namespace
