// The maps the plane transformations move points with: known images, the degenerate cases that
// must move nothing, and the hyperbolic maps checked by what they keep (distances, fixed points).
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/selected_point_maps.h"
#include "kernel/real.h"
#include "kernel/vector2.h"
#include "support/hyperbolic_test_support.h"

namespace {

using engine::PointRange;
using kernel::Point2;
using kernel::Real;

#define EXPECT_POINT_NEAR(actual, expected, tolerance) \
  EXPECT_PRED_FORMAT3(::engine_test::Points2Close, actual, expected, tolerance)

constexpr Real kTight = static_cast<Real>(1e-15);

TEST(SelectedPointMaps, OnlySelectedEntriesWithinTheRangeMove) {
  std::vector<Point2> p{{1, 0}, {2, 0}, {3, 0}, {4, 0}};
  const std::vector<std::uint8_t> selected{1, 0, 1, 1};
  engine::TranslateSelected({0, 1}, PointRange{p, selected, 0, 2});
  EXPECT_EQ(p, (std::vector<Point2>{{1, 1}, {2, 0}, {3, 1}, {4, 0}}));
  // A negative last moves nothing; no flags move every entry of the range.
  engine::TranslateSelected({5, 5}, PointRange{p, selected, 0, -1});
  engine::TranslateSelected({0, -1}, PointRange{p, {}, 1, 3});
  EXPECT_EQ(p, (std::vector<Point2>{{1, 1}, {2, -1}, {3, 0}, {4, -1}}));
}

TEST(SelectedPointMaps, EuclideanRotationDilationAndReflection) {
  struct Case {
    Real factor;
    Real angle;
    Point2 expected;  // the image of (3, 1) about (1, 1)
  };
  const std::array<Case, 4> cases{{
      {1, 0, {3, 1}},               // the identity
      {-1, 0, {-1, 1}},             // factor -1 is the half-turn
      {1, kernel::Pi / 2, {1, 3}},  // a quarter turn
      {0.5L, kernel::Pi, {0, 1}},   // half the distance, turned over
  }};
  for (const Case& c : cases) {
    std::vector<Point2> p{{3, 1}};
    engine::RotateDilateSelected(engine::kEuclideanPlane, {1, 1}, c.factor, c.angle, PointRange{p, {}, 0, 0});
    EXPECT_POINT_NEAR(p[0], c.expected, kTight);
  }

  std::vector<Point2> p{{2, 0}, {1, 1}, {5, 3}};
  // The mirror y = x: a point on it stays, the others swap their coordinates.
  engine::ReflectInLine({0, 0}, {2, 2}, PointRange{p, {}, 0, 2});
  EXPECT_POINT_NEAR(p[0], (Point2{0, 2}), kTight);
  EXPECT_POINT_NEAR(p[1], (Point2{1, 1}), kTight);
  EXPECT_POINT_NEAR(p[2], (Point2{3, 5}), kTight);
  // A mirror without a direction moves nothing.
  const std::vector<Point2> before = p;
  engine::ReflectInLine({1, 1}, {1, 1}, PointRange{p, {}, 0, 2});
  EXPECT_EQ(p, before);
}

class HyperbolicPointMaps : public ::testing::TestWithParam<engine::GeometryModel> {};

TEST_P(HyperbolicPointMaps, TranslationCarriesAToBAndKeepsDistances) {
  const engine::GeometryModel model = GetParam();
  const Point2 a = engine_test::InModel(model, {0.2L, -0.1L});
  const Point2 b = engine_test::InModel(model, {-0.3L, 0.4L});
  const Point2 z = engine_test::InModel(model, {0.5L, 0.5L});
  std::vector<Point2> p{a, z, b};
  engine::HyperbolicTranslate(model, a, b, PointRange{p, {}, 0, 2});
  EXPECT_POINT_NEAR(p[0], b, static_cast<Real>(1e-15));
  EXPECT_NEAR(static_cast<double>(engine::HyperbolicDistance(model, p[0], p[1])),
              static_cast<double>(engine::HyperbolicDistance(model, a, z)), 1e-12);
  // The translation moves along AB: the image of B lies beyond B on the line AB, as far from B as
  // B from A.
  EXPECT_NEAR(static_cast<double>(engine::HyperbolicDistance(model, a, p[2])),
              2 * static_cast<double>(engine::HyperbolicDistance(model, a, b)), 1e-12);

  // B within a taxicab distance of 1e-13 from A: the identity, to the last bit.
  std::vector<Point2> q{z};
  const Point2 nearA = a + Point2{4e-14L, 4e-14L};
  engine::DiskTranslate(a, nearA, PointRange{q, {}, 0, 0});
  EXPECT_EQ(q[0], z);
}

TEST_P(HyperbolicPointMaps, ReflectionFixesTheMirrorAndIsAnInvolution) {
  const engine::GeometryModel model = GetParam();
  const Point2 a = engine_test::InModel(model, {0.1L, 0.3L});
  const Point2 b = engine_test::InModel(model, {-0.4L, -0.2L});
  const Point2 z = engine_test::InModel(model, {0.6L, -0.3L});
  std::vector<Point2> p{a, b, z};
  engine::ReflectInModelLine(model, a, b, PointRange{p, {}, 0, 2});
  EXPECT_POINT_NEAR(p[0], a, static_cast<Real>(1e-15));
  EXPECT_POINT_NEAR(p[1], b, static_cast<Real>(1e-15));
  // The image keeps its distances from both points of the mirror and is another point.
  EXPECT_NEAR(static_cast<double>(engine::HyperbolicDistance(model, a, p[2])),
              static_cast<double>(engine::HyperbolicDistance(model, a, z)), 1e-12);
  EXPECT_NEAR(static_cast<double>(engine::HyperbolicDistance(model, b, p[2])),
              static_cast<double>(engine::HyperbolicDistance(model, b, z)), 1e-12);
  EXPECT_GT(static_cast<double>(engine::HyperbolicDistance(model, z, p[2])), 0.1);
  engine::ReflectInModelLine(model, a, b, PointRange{p, {}, 2, 2});
  EXPECT_POINT_NEAR(p[2], z, static_cast<Real>(1e-14));
  // A mirror through one point only moves nothing.
  engine::ReflectInModelLine(model, a, a, PointRange{p, {}, 2, 2});
  EXPECT_POINT_NEAR(p[2], z, static_cast<Real>(1e-14));
}

TEST_P(HyperbolicPointMaps, RotationWithFactorMinusOneIsTheHalfTurn) {
  const engine::GeometryModel model = GetParam();
  const Point2 c = engine_test::InModel(model, {0.2L, 0.1L});
  const Point2 z = engine_test::InModel(model, {-0.3L, 0.4L});
  std::vector<Point2> halfTurn{z};
  std::vector<Point2> turned{z};
  engine::RotateDilateSelected(model, c, -1, 0, PointRange{halfTurn, {}, 0, 0});
  engine::RotateDilateSelected(model, c, 1, kernel::Pi, PointRange{turned, {}, 0, 0});
  EXPECT_POINT_NEAR(halfTurn[0], turned[0], static_cast<Real>(1e-14));
  EXPECT_NEAR(static_cast<double>(engine::HyperbolicDistance(model, c, halfTurn[0])),
              static_cast<double>(engine::HyperbolicDistance(model, c, z)), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Models, HyperbolicPointMaps,
                         ::testing::Values(engine::kPoincareDisk, engine::kUpperHalfPlane), engine_test::ModelName);

}  // namespace
