#include "kernel/convex_hull3.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "kernel/frames3.h"
#include "kernel/random.h"
#include "kernel/vector3.h"

using namespace kernel;

namespace {

using Cycle = std::vector<std::uint16_t>;

// A face as a cycle starting at its smallest index, so that equal faces compare equal whatever
// vertex the hull started them at; the set of them ignores the order of the faces.
std::set<Cycle> FaceSet(const ConvexHull3& hull) {
  std::set<Cycle> faces;
  for (const HullFace& face : hull.faces) {
    Cycle cycle = face.vertices;
    std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
    EXPECT_TRUE(faces.insert(cycle).second) << "a face is listed twice";
  }
  return faces;
}

std::vector<Point3> CubeCorners() {
  std::vector<Point3> cube;
  for (int i = 0; i < 8; ++i) cube.push_back({Real(i & 1), Real((i >> 1) & 1), Real((i >> 2) & 1)});
  return cube;
}

// The cube's faces through its corners 0..7 (corner i at (i & 1, i >> 1 & 1, i >> 2 & 1)),
// counter-clockwise from outside.
const std::set<Cycle> kCubeFaces = {{0, 2, 3, 1}, {4, 5, 7, 6}, {0, 1, 5, 4},
                                    {2, 6, 7, 3}, {0, 4, 6, 2}, {1, 3, 7, 5}};

// Checks that the faces bound the convex hull of the points: each face is planar, convex and
// counter-clockwise from outside, no point lies outside any face plane, and every directed edge is
// met by its reverse exactly once. Returns the Euler characteristic V - E + F.
int CheckClosedConvexSurface(std::span<const Point3> points, const ConvexHull3& hull, Real tolerance) {
  std::map<std::pair<int, int>, int> edges;
  std::set<int> vertices;
  for (const HullFace& face : hull.faces) {
    const std::size_t m = face.vertices.size();
    EXPECT_GE(m, 3u);
    EXPECT_LE(m, kMaxHullFaceVertices);
    Point3 twiceArea{0, 0, 0};
    const Point3& first = points[face.vertices[0]];
    for (std::size_t j = 1; j + 1 < m; ++j) {
      twiceArea = twiceArea + Cross3(points[face.vertices[j]] - first, points[face.vertices[j + 1]] - first);
    }
    const Real twiceAreaLength = std::sqrt(Dot3(twiceArea, twiceArea));
    EXPECT_GT(twiceAreaLength, 0);
    const Point3 normal = (1 / twiceAreaLength) * twiceArea;
    for (std::size_t k = 0; k < m; ++k) {
      const Point3& p = points[face.vertices[k]];
      const Point3& q = points[face.vertices[(k + 1) % m]];
      const Point3& r = points[face.vertices[(k + 2) % m]];
      // Convex and counter-clockwise about the outward normal: every corner turns left.
      EXPECT_GT(Dot3(Cross3(q - p, r - q), normal), 0);
      ++edges[{face.vertices[k], face.vertices[(k + 1) % m]}];
      vertices.insert(face.vertices[k]);
    }
    for (const Point3& p : points) EXPECT_LE(Dot3(p - first, normal), tolerance);
  }
  for (const auto& [edge, count] : edges) {
    EXPECT_EQ(count, 1) << edge.first << "->" << edge.second;
    const auto reverse = edges.find({edge.second, edge.first});
    EXPECT_TRUE(reverse != edges.end() && reverse->second == 1) << edge.first << "->" << edge.second;
  }
  return static_cast<int>(vertices.size()) - static_cast<int>(edges.size() / 2) +
         static_cast<int>(hull.faces.size());
}

TEST(ConvexHull3, TetrahedronHasFourCounterClockwiseTriangles) {
  const std::vector<Point3> points = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  const ConvexHull3 hull = ConvexHull3D(points);
  EXPECT_EQ(hull.status, HullStatus::kComplete);
  EXPECT_EQ(FaceSet(hull), (std::set<Cycle>{{0, 2, 1}, {0, 1, 3}, {0, 3, 2}, {1, 2, 3}}));
  EXPECT_EQ(CheckClosedConvexSurface(points, hull, 0), 2);
}

TEST(ConvexHull3, CubeFacesAreItsCornersWhateverElseLiesOnOrInIt) {
  struct Extra {
    const char* name;
    std::vector<Point3> points;
  };
  const Extra extras[] = {
      {"corners only", {}},
      {"centre", {{0.5L, 0.5L, 0.5L}}},
      {"face centres",
       {{0.5L, 0.5L, 0},
        {0.5L, 0.5L, 1},
        {0.5L, 0, 0.5L},
        {0.5L, 1, 0.5L},
        {0, 0.5L, 0.5L},
        {1, 0.5L, 0.5L}}},
      {"edge midpoints",
       {{0.5L, 0, 0},
        {0.5L, 1, 1},
        {0, 0.5L, 0},
        {1, 0.5L, 1},
        {0, 0, 0.5L},
        {1, 1, 0.5L},
        {0.25L, 0, 0},
        {0.75L, 0, 0}}},
      {"repeated corners", {{0, 0, 0}, {1, 1, 1}, {1, 1, 1}}},
      {"corners off by rounding", {{1e-19L, 0, 0}, {1, 1 - 1e-19L, 1}}},
      // Within the tolerance (1e-13 here) of a corner, in every direction: the same vertex.
      {"copies within the tolerance",
       {{3e-14L, 3e-14L, 3e-14L},
        {1 - 3e-14L, 3e-14L, -3e-14L},
        {-3e-14L, 1 + 3e-14L, 3e-14L},
        {1 + 3e-14L, 1 - 3e-14L, -3e-14L},
        {3e-14L, -3e-14L, 1 + 3e-14L},
        {1 - 3e-14L, -3e-14L, 1 - 3e-14L},
        {-3e-14L, 1 - 3e-14L, 1 + 3e-14L},
        {1 + 3e-14L, 1 + 3e-14L, 1 + 3e-14L}}},
  };
  for (const Extra& extra : extras) {
    SCOPED_TRACE(extra.name);
    std::vector<Point3> points = CubeCorners();
    points.insert(points.end(), extra.points.begin(), extra.points.end());
    const ConvexHull3 hull = ConvexHull3D(points);
    EXPECT_EQ(hull.status, HullStatus::kComplete);
    EXPECT_EQ(FaceSet(hull), kCubeFaces);
    // Nothing is random: another call lists the same faces in the same order from the same vertex.
    const ConvexHull3 again = ConvexHull3D(points);
    ASSERT_EQ(again.faces.size(), hull.faces.size());
    for (std::size_t f = 0; f < hull.faces.size(); ++f) EXPECT_EQ(again.faces[f].vertices, hull.faces[f].vertices);
  }
}

TEST(ConvexHull3, CornersListedBeforeTheirCopiesStandForThem) {
  // Copies come first here: the first of coinciding points is the vertex.
  std::vector<Point3> points = {{1, 1, 1}, {0, 0, 0}};
  const std::vector<Point3> cube = CubeCorners();
  points.insert(points.end(), cube.begin(), cube.end());
  const ConvexHull3 hull = ConvexHull3D(points);
  EXPECT_EQ(hull.status, HullStatus::kComplete);
  std::set<std::uint16_t> used;
  for (const HullFace& face : hull.faces) used.insert(face.vertices.begin(), face.vertices.end());
  EXPECT_EQ(used, (std::set<std::uint16_t>{0, 1, 3, 4, 5, 6, 7, 8}));
}

TEST(ConvexHull3, PlanarPointsGiveThePolygonInBothOrientations) {
  const std::vector<Point3> points = {{0, 0, 2}, {3, 0, 2}, {3, 2, 2}, {0, 2, 2}, {1, 1, 2}, {1.5L, 0, 2}};
  const ConvexHull3 hull = ConvexHull3D(points);
  EXPECT_EQ(hull.status, HullStatus::kComplete);
  EXPECT_EQ(FaceSet(hull), (std::set<Cycle>{{0, 1, 2, 3}, {0, 3, 2, 1}}));
}

TEST(ConvexHull3, NoFaceForPointsOnOneLineOrAllCoinciding) {
  const std::vector<std::vector<Point3>> cases = {
      {{0, 0, 0}, {1, 1, 1}, {2, 2, 2}, {-3, -3, -3}},
      {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}},
      {{1, 2, 3}},
      {{0, 0, 0}, {0, 0, 1e-20L}, {1e-20L, 0, 0}, {0, 1e-20L, 0}},
  };
  for (const auto& points : cases) {
    const ConvexHull3 hull = ConvexHull3D(points);
    EXPECT_EQ(hull.status, HullStatus::kNoFace);
    EXPECT_TRUE(hull.faces.empty());
  }
}

TEST(ConvexHull3, RefusesInputItCannotWrap) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const Real infinity = std::numeric_limits<Real>::infinity();
  const std::vector<std::vector<Point3>> cases = {
      {},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, nan}},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {infinity, 0, 0}},
      {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0, -1e19L, 0}},
      std::vector<Point3>(kMaxHullPoints + 1),
  };
  for (const auto& points : cases) {
    const ConvexHull3 hull = ConvexHull3D(points);
    EXPECT_EQ(hull.status, HullStatus::kRefused);
    EXPECT_TRUE(hull.faces.empty());
  }
}

TEST(ConvexHull3, FaceWithMoreCornersThanARecordHoldsIsReportedMissing) {
  // A prism over a regular 30-gon: its two 30-cornered ends cannot be kept, its sides can.
  std::vector<Point3> points;
  for (int level = 0; level < 2; ++level) {
    for (int k = 0; k < 30; ++k) {
      const Real angle = 2 * std::acos(-1.0L) * k / 30;
      points.push_back({std::cos(angle), std::sin(angle), Real(level)});
    }
  }
  const ConvexHull3 hull = ConvexHull3D(points);
  EXPECT_EQ(hull.status, HullStatus::kIncomplete);
  EXPECT_EQ(hull.faces.size(), 30u);
  for (const HullFace& face : hull.faces) EXPECT_EQ(face.vertices.size(), 4u);
}

// A 4 x 4 x 4 lattice: every face plane holds 16 points, 8 of them on its edges. Turned and moved,
// the points of one edge are collinear only up to rounding.
TEST(ConvexHull3, LatticeCubeKeepsOnlyItsCorners) {
  struct Placement {
    Real cosine, sine;
    Point3 axis, shift;
    Real scale;
  };
  const Real r = 1 / std::sqrt(static_cast<Real>(3));
  const Placement placements[] = {
      {1, 0, {0, 0, 1}, {0, 0, 0}, 1},
      {0.6L, 0.8L, {r, r, r}, {0, 0, 0}, 1},
      {std::cos(0.3L), std::sin(0.3L), {0.6L, 0, 0.8L}, {37, -81, 12.5L}, 1},
      {std::cos(2.1L), std::sin(2.1L), {0, 0.8L, -0.6L}, {-3, 5, 7}, 1e-4L},
      {std::cos(4.0L), std::sin(4.0L), {r, -r, r}, {0.1L, 0.2L, 0.3L}, 1e4L},
  };
  for (const Placement& placement : placements) {
    SCOPED_TRACE(static_cast<double>(placement.scale));
    std::vector<Point3> points;
    std::set<std::uint16_t> corners;
    for (int x = 0; x < 4; ++x) {
      for (int y = 0; y < 4; ++y) {
        for (int z = 0; z < 4; ++z) {
          if ((x == 0 || x == 3) && (y == 0 || y == 3) && (z == 0 || z == 3)) corners.insert(points.size());
          const Point3 p{Real(x) / 3, Real(y) / 3, Real(z) / 3};
          points.push_back(
              placement.scale *
              (RotateAboutAxis3(placement.axis, placement.cosine, placement.sine, p) + placement.shift));
        }
      }
    }
    for (int call = 0; call < 4; ++call) {
      const ConvexHull3 hull = ConvexHull3D(points);
      EXPECT_EQ(hull.status, HullStatus::kComplete);
      ASSERT_EQ(hull.faces.size(), 6u);
      for (const HullFace& face : hull.faces) {
        EXPECT_EQ(face.vertices.size(), 4u);
        for (std::uint16_t v : face.vertices) EXPECT_TRUE(corners.contains(v)) << v;
      }
      EXPECT_EQ(CheckClosedConvexSurface(points, hull, 1e-15L * placement.scale * 100), 2);
    }
  }
}

// Random clouds: the faces must bound the hull of all points, and on a sphere every point is a corner.
TEST(ConvexHull3, RandomCloudsGiveClosedConvexSurfaces) {
  SeedRandom(20240611);
  for (int shape = 0; shape < 3; ++shape) {
    SCOPED_TRACE(shape);
    std::vector<Point3> points;
    while (points.size() < 1000) {
      Point3 p{RandomBetween(-1, 1), RandomBetween(-1, 1), RandomBetween(-1, 1)};
      if (shape == 1 && Dot3(p, p) > 1) continue;  // a ball
      if (shape == 2 && !Normalize3(p)) continue;  // a sphere
      points.push_back(p);
    }
    const ConvexHull3 hull = ConvexHull3D(points);
    ASSERT_EQ(hull.status, HullStatus::kComplete);
    EXPECT_EQ(CheckClosedConvexSurface(points, hull, 1e-15L), 2);
    if (shape == 2) {
      std::set<std::uint16_t> corners;
      for (const HullFace& face : hull.faces) corners.insert(face.vertices.begin(), face.vertices.end());
      EXPECT_EQ(corners.size(), points.size());
    }
  }
}

// Slabs from well above the tolerance down to far below it. Near it, qhull merges facets that its
// rounding cannot tell apart into faces whose outlines bend back (here at the tenth slab of 5e-13);
// those faces are cut into triangles.
TEST(ConvexHull3, NearlyCoplanarCloudsGiveSoundSurfaces) {
  SeedRandom(7);
  for (int slab = 0; slab < 10; ++slab) {
    for (Real thickness : {1e-9L, 2e-12L, 1e-12L, 5e-13L, 3e-13L, 1e-13L, 1e-14L, 1e-17L}) {
      SCOPED_TRACE(static_cast<double>(thickness));
      std::vector<Point3> points;
      for (int i = 0; i < 400; ++i) {
        points.push_back({RandomBetween(-1, 1), RandomBetween(-1, 1), thickness * RandomBetween(-1, 1)});
      }
      const ConvexHull3 hull = ConvexHull3D(points);
      ASSERT_EQ(hull.status, HullStatus::kComplete);
      EXPECT_EQ(CheckClosedConvexSurface(points, hull, 1e-12L), 2);
      // In the plane within the tolerance (2e-13 here): the polygon both ways.
      if (thickness <= 1e-13L) {
        EXPECT_EQ(hull.faces.size(), 2u);
      }
    }
  }
}

// The input in an order drawn from the seed (seed 0 keeps it), and back.
struct Shuffled {
  std::vector<Point3> points;
  std::vector<std::uint16_t> original;  // the position in the input of each shuffled point
};

Shuffled Shuffle(const std::vector<Point3>& points, std::uint32_t seed) {
  Shuffled s;
  for (std::size_t i = 0; i < points.size(); ++i) s.original.push_back(static_cast<std::uint16_t>(i));
  if (seed != 0) {
    SeedRandom(seed);
    for (std::size_t i = points.size(); i > 1; --i) {
      std::swap(s.original[i - 1], s.original[static_cast<std::size_t>(Rand31()) % i]);
    }
  }
  for (std::uint16_t i : s.original) s.points.push_back(points[i]);
  return s;
}

ConvexHull3 InInputPositions(ConvexHull3 hull, const Shuffled& s) {
  for (HullFace& face : hull.faces) {
    for (std::uint16_t& v : face.vertices) v = s.original[v];
  }
  return hull;
}

std::vector<Point3> SpherePoints(int count, Real radius, const Point3& centre) {
  std::vector<Point3> points;
  while (static_cast<int>(points.size()) < count) {
    Point3 p{RandomBetween(-1, 1), RandomBetween(-1, 1), RandomBetween(-1, 1)};
    if (Dot3(p, p) > 1 || !Normalize3(p)) continue;
    points.push_back(radius * p + centre);
  }
  return points;
}

// Inputs a user can make that lie within rounding of a degenerate position: each must give the
// true hull whatever the order of the points.
TEST(ConvexHull3, HardInputsGiveTheTrueHullInAnyOrder) {
  SeedRandom(99);
  struct CubeCase {
    const char* name;
    std::vector<Point3> extra;
  };
  std::vector<CubeCase> cubes;
  cubes.push_back({"a point a rounding error above the top face near an edge",
                   {{std::ldexp(1.0L, -10), 0.5L, 1 + std::ldexp(1.0L, -52)}}});
  cubes.push_back({"such points near every edge of the top face",
                   {{std::ldexp(1.0L, -10), 0.5L, 1 + std::ldexp(1.0L, -52)},
                    {1 - std::ldexp(1.0L, -10), 0.5L, 1 + std::ldexp(1.0L, -52)},
                    {0.5L, std::ldexp(1.0L, -10), 1 + std::ldexp(1.0L, -52)},
                    {0.5L, 1 - std::ldexp(1.0L, -10), 1 + std::ldexp(1.0L, -52)}}});
  {
    // 60 points on the faces, ten a face, every coordinate moved by rounding noise.
    CubeCase noisy{"60 face points perturbed by 1e-16", {}};
    for (int face = 0; face < 6; ++face) {
      for (int k = 0; k < 10; ++k) {
        Real c[3] = {RandomBetween(0.01L, 0.99L), RandomBetween(0.01L, 0.99L), RandomBetween(0.01L, 0.99L)};
        c[face / 2] = Real(face % 2);
        for (Real& x : c) x += RandomBetween(-1e-16L, 1e-16L);
        noisy.extra.push_back({c[0], c[1], c[2]});
      }
    }
    cubes.push_back(noisy);
  }
  for (const CubeCase& c : cubes) {
    SCOPED_TRACE(c.name);
    std::vector<Point3> points = CubeCorners();
    points.insert(points.end(), c.extra.begin(), c.extra.end());
    for (std::uint32_t seed = 0; seed < 8; ++seed) {
      SCOPED_TRACE(seed);
      const Shuffled s = Shuffle(points, seed);
      const ConvexHull3 hull = InInputPositions(ConvexHull3D(s.points), s);
      EXPECT_EQ(hull.status, HullStatus::kComplete);
      EXPECT_EQ(FaceSet(hull), kCubeFaces);
    }
  }

  // Spheres far from the origin and very small: every point is a corner.
  struct SphereCase {
    const char* name;
    std::vector<Point3> points;
    Real tolerance;
  };
  const SphereCase spheres[] = {
      {"unit sphere at (3e8, 0, 0)", SpherePoints(2000, 1, {3e8L, 0, 0}), 1e-9L},
      {"sphere of radius 1e-6", SpherePoints(1000, 1e-6L, {0, 0, 0}), 1e-22L},
      {"sphere of radius 1e-6 at (5, -7, 2)", SpherePoints(1000, 1e-6L, {5, -7, 2}), 1e-17L},
  };
  for (const SphereCase& c : spheres) {
    SCOPED_TRACE(c.name);
    const ConvexHull3 hull = ConvexHull3D(c.points);
    ASSERT_EQ(hull.status, HullStatus::kComplete);
    EXPECT_EQ(CheckClosedConvexSurface(c.points, hull, c.tolerance), 2);
    std::set<std::uint16_t> corners;
    for (const HullFace& face : hull.faces) corners.insert(face.vertices.begin(), face.vertices.end());
    EXPECT_EQ(corners.size(), c.points.size());
    // The points are in general position: every order gives the same faces.
    const std::set<Cycle> faces = FaceSet(hull);
    for (std::uint32_t seed = 1; seed < 4; ++seed) {
      const Shuffled s = Shuffle(c.points, seed);
      EXPECT_EQ(FaceSet(InInputPositions(ConvexHull3D(s.points), s)), faces) << seed;
    }
  }
}

TEST(ConvexHull3, DegenerateSetsFarFromTheOrigin) {
  // A planar pentagon with a point inside, in a tilted plane 3e8 away: the polygon both ways.
  const Point3 shift{3e8L, -2e8L, 1e8L};
  const Point3 u{0.6L, 0.8L, 0};
  const Point3 w{0, 0, 1};
  std::vector<Point3> planar;
  for (int k = 0; k < 5; ++k) {
    const Real angle = 2 * std::acos(-1.0L) * k / 5;
    planar.push_back(shift + std::cos(angle) * u + std::sin(angle) * w);
  }
  planar.push_back(shift + 0.1L * u);
  const ConvexHull3 flat = ConvexHull3D(planar);
  EXPECT_EQ(flat.status, HullStatus::kComplete);
  EXPECT_EQ(FaceSet(flat), (std::set<Cycle>{{0, 1, 2, 3, 4}, {0, 4, 3, 2, 1}}));

  // Collinear and coinciding points there give no face; near copies of corners count as the corners.
  EXPECT_EQ(ConvexHull3D(std::vector<Point3>{shift, shift + u, shift + 2 * u, shift - 5 * u}).status,
            HullStatus::kNoFace);
  std::vector<Point3> cube;
  for (const Point3& p : CubeCorners()) cube.push_back(shift + p);
  for (const Point3& p : CubeCorners()) cube.push_back(shift + p + Point3{0, 1e-14L, 0});
  const ConvexHull3 hull = ConvexHull3D(cube);
  EXPECT_EQ(hull.status, HullStatus::kComplete);
  EXPECT_EQ(FaceSet(hull), kCubeFaces);
}

TEST(ConvexHull3, ExtremePoint) {
  const std::vector<Point3> points = {{0, 0, 0}, {2, 0, 0}, {2, 1, 0}, {1, 0, 0}};
  // Of points equally far along the direction, the first keeps the maximum.
  EXPECT_EQ(HullExtremePoint3(points, {1, 0, 0}), 1);
  EXPECT_EQ(HullExtremePoint3(points, {0, 1, 0}), 2);
  EXPECT_EQ(HullExtremePoint3(points, {-1, 0, 0}), 0);
  // The last improvement is below the null tolerance: no clear extreme point.
  EXPECT_EQ(HullExtremePoint3(std::vector<Point3>{{0, 0, 0}, {1e-20L, 0, 0}}, {1, 0, 0}), -1);
  EXPECT_EQ(HullExtremePoint3(std::vector<Point3>{}, {1, 0, 0}), -1);
}

TEST(ConvexHull3, EdgeMate) {
  // From (0, 0, 0), extreme along +z: the smallest angle with +z, the nearer of two equal directions.
  const std::vector<Point3> points = {{0, 0, 0}, {2, 0, 0}, {0, 0, 0}, {1, 0, 0}, {0, 1, -5}, {0, -1, -0.5L}};
  EXPECT_EQ(HullEdgeMate3(points, 0, {0, 0, 1}), 3);
  EXPECT_EQ(HullEdgeMate3(std::vector<Point3>{{1, 1, 1}, {1, 1, 1}}, 0, {0, 0, 1}), -1);
  EXPECT_EQ(HullEdgeMate3(points, 9, {0, 0, 1}), -1);
}

}  // namespace
