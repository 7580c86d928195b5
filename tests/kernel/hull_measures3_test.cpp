#include "kernel/hull_measures3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "kernel/constants.h"
#include "kernel/convex_hull3.h"
#include "support/extended_expect.h"
#include "kernel/random.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

struct Measures {
  Real volume = -1;
  Real area = -1;
};

Measures Measure(const std::vector<Point3>& points) {
  Measures m;
  EXPECT_TRUE(SolidVolumeArea(points, m.volume, SolidMeasure::kVolume));
  EXPECT_TRUE(SolidVolumeArea(points, m.area, SolidMeasure::kSurfaceArea));
  return m;
}

std::vector<Point3> UnitCubeCorners() {
  std::vector<Point3> cube;
  for (int i = 0; i < 8; ++i) cube.push_back({Real(i & 1), Real((i >> 1) & 1), Real((i >> 2) & 1)});
  return cube;
}

TEST(HullMeasures3, PolygonAreaAndPyramidVolume) {
  // The unit square with a vertex on its first edge: its first three vertices are collinear.
  const std::vector<Point3> square = {{0, 0, 0}, {0.5L, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
  EXPECT_REAL_NEAR(PyramidVolumeOrArea3({5, 5, 3}, square, SolidMeasure::kSurfaceArea), 1, 1e-18L);
  EXPECT_REAL_NEAR(PyramidVolumeOrArea3({5, 5, 3}, square, SolidMeasure::kVolume), 1, 1e-18L);
  EXPECT_REAL_NEAR(PyramidVolumeOrArea3({5, 5, -3}, square, SolidMeasure::kVolume), 1, 1e-18L);

  const std::vector<Point3> segment = {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}};
  EXPECT_EQ(PyramidVolumeOrArea3({0, 0, 1}, segment, SolidMeasure::kVolume), 0);
  EXPECT_EQ(PyramidVolumeOrArea3({0, 0, 1}, std::vector<Point3>(square.begin(), square.begin() + 2),
                                 SolidMeasure::kSurfaceArea),
            0);
}

TEST(HullMeasures3, KnownSolids) {
  const Measures cube = Measure(UnitCubeCorners());
  EXPECT_REAL_NEAR(cube.volume, 1, 1e-18L);
  EXPECT_REAL_NEAR(cube.area, 6, 1e-18L);

  const std::vector<Point3> tetrahedron = {
      {0, 0, 0}, {1, 0, 0}, {0.5L, HalfSqrt3, 0}, {0.5L, HalfSqrt3 / 3, std::sqrt(static_cast<Real>(2) / 3)}};
  const Measures regular = Measure(tetrahedron);
  EXPECT_REAL_NEAR(regular.volume, Sqrt2 / 12, 1e-18L);
  EXPECT_REAL_NEAR(regular.area, Sqrt3, 1e-18L);
}

TEST(HullMeasures3, PointsInsideOrOnTheSurfaceChangeNothing) {
  std::vector<Point3> points = UnitCubeCorners();
  // Inside (moving the apex), on edges (a face could start with three collinear points), on faces.
  for (Point3 p : {Point3{0.9L, 0.8L, 0.7L}, Point3{0.1L, 0.1L, 0.2L}, Point3{0.5L, 0, 0},
                   Point3{0.25L, 0, 0}, Point3{1, 0.5L, 1}, Point3{0.5L, 0.5L, 1}, Point3{0, 0.3L, 0.6L}}) {
    points.push_back(p);
  }
  // Put an edge point first, so that faces meeting there might begin with it.
  std::swap(points[0], points[10]);
  const Measures m = Measure(points);
  EXPECT_REAL_NEAR(m.volume, 1, 1e-18L);
  EXPECT_REAL_NEAR(m.area, 6, 1e-18L);
}

TEST(HullMeasures3, FlatAndDegenerateSets) {
  // A 3 by 2 rectangle with a point inside: no volume, the rectangle counted once per side.
  const Measures flat = Measure({{0, 0, 1}, {3, 0, 1}, {3, 2, 1}, {0, 2, 1}, {1, 1, 1}});
  EXPECT_EQ(flat.volume, 0);
  EXPECT_REAL_NEAR(flat.area, 12, 1e-18L);

  const Measures line = Measure({{0, 0, 0}, {1, 2, 3}, {2, 4, 6}, {3, 6, 9}});
  EXPECT_EQ(line.volume, 0);
  EXPECT_EQ(line.area, 0);
}

TEST(HullMeasures3, FailsInsteadOfLosingFaces) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  std::vector<Point3> prism;  // its 30-cornered ends cannot be kept
  for (int level = 0; level < 2; ++level) {
    for (int k = 0; k < 30; ++k) {
      const Real angle = TwoPi * k / 30;
      prism.push_back({std::cos(angle), std::sin(angle), Real(level)});
    }
  }
  const std::vector<std::vector<Point3>> cases = {{}, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, nan}}, prism};
  for (const auto& points : cases) {
    for (SolidMeasure mode : {SolidMeasure::kVolume, SolidMeasure::kSurfaceArea}) {
      Real result = 42;
      EXPECT_FALSE(SolidVolumeArea(points, result, mode));
      EXPECT_EQ(result, 42);
    }
  }
}

// Volume and area of random clouds against the divergence theorem over the returned faces: the
// volume as signed tetrahedra from the origin, the area as the sum of fan triangles.
TEST(HullMeasures3, RandomCloudsAgreeWithTheDivergenceTheorem) {
  SeedRandom(12);
  for (int cloud = 0; cloud < 3; ++cloud) {
    std::vector<Point3> points;
    for (int i = 0; i < 1000; ++i) {
      points.push_back({RandomBetween(2, 5), RandomBetween(-1, 1), RandomBetween(-3, 0)});
    }
    const ConvexHull3 hull = ConvexHull3D(points);
    ASSERT_EQ(hull.status, HullStatus::kComplete);
    Real volume = 0;
    Real area = 0;
    for (const HullFace& face : hull.faces) {
      const Point3& first = points[face.vertices[0]];
      for (std::size_t j = 1; j + 1 < face.vertices.size(); ++j) {
        const Point3& p = points[face.vertices[j]];
        const Point3& q = points[face.vertices[j + 1]];
        volume += Det3(first, p, q) / 6;
        const Point3 twice = Cross3(p - first, q - first);
        area += std::sqrt(Dot3(twice, twice)) / 2;
      }
    }
    const Measures m = Measure(points);
    EXPECT_REAL_NEAR(m.volume, volume, 1e-15L);
    EXPECT_REAL_NEAR(m.area, area, 1e-15L);
    // A cloud this dense nearly fills its 3 x 2 x 3 box.
    EXPECT_GT(volume, 16);
    EXPECT_LT(volume, 18);
  }
}

}  // namespace
