// The tables of the regular and semi-regular library solids: each is its named solid at edge 1,
// every face a face of the convex hull walked counter-clockwise as seen from outside, and the
// colour runs colour whole kinds of faces.
#include "solid/library_solid_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "kernel/convex_hull3.h"
#include "kernel/hull_measures3.h"
#include "kernel/vector3.h"
#include "solid/library_constants.h"

using kernel::Point3;
using kernel::Real;
using solid::FindLibrarySolid;
using solid::LibrarySolid;

namespace {

struct LibraryFaceKind {
  int count;
  int size;
};

struct LibrarySolidCase {
  int code;
  int stepKind;
  const char* name;
  int vertices;
  std::vector<LibraryFaceKind> faces;  // in table order
  bool chiral;
  std::optional<Real> volume;
  std::optional<Real> circumradius;
};

void PrintTo(const LibrarySolidCase& c, std::ostream* out) {
  *out << c.name;
}

// A solid read from its tables: its vertices and its faces as 0-based vertex numbers.
struct LibraryPolyhedron {
  std::vector<Point3> points;
  std::vector<std::vector<std::uint16_t>> faces;
};

// Reads the tables as the builder does, checking on the way that every word lies inside them.
LibraryPolyhedron ReadLibraryPolyhedron(const LibrarySolid& solid) {
  LibraryPolyhedron out;
  const auto& faces = solid.faceTable;
  if (faces.size() < 2) {
    ADD_FAILURE() << "no counts in the face table";
    return out;
  }
  const int n = faces[0];
  const int f = faces[1];
  if (n < 1 || solid.vertexTable.size() < static_cast<std::size_t>(1 + 3 * n)) {
    ADD_FAILURE() << "the vertex table holds fewer than " << n << " vertices";
    return out;
  }
  for (int i = 0; i < n; ++i) {
    Point3 p;
    Real* xyz[] = {&p.x, &p.y, &p.z};
    for (int k = 0; k < 3; ++k) {
      const std::int16_t word = solid.vertexTable[static_cast<std::size_t>(1 + 3 * i + k)];
      EXPECT_LT(std::abs(word), solid::kLibraryConstantCount);
      // A word other than 0 names an entry that holds a value.
      if (word != 0) {
        EXPECT_NE(solid::LibraryTableValue(word), 0.0L) << "word " << word;
      }
      *xyz[k] = solid::LibraryTableValue(word);
    }
    out.points.push_back(p);
  }
  std::size_t at = 2;
  for (int j = 0; j < f; ++j) {
    EXPECT_LT(at, faces.size());
    if (at >= faces.size()) break;
    const int k = faces[at++];
    EXPECT_GE(k, 3);
    EXPECT_LE(k, 24);
    std::vector<std::uint16_t> face;
    for (int v = 0; v < k && at < faces.size(); ++v) {
      const int number = faces[at++];
      EXPECT_GE(number, 1);
      EXPECT_LE(number, n);
      face.push_back(static_cast<std::uint16_t>(number - 1));
    }
    EXPECT_EQ(std::set<std::uint16_t>(face.begin(), face.end()).size(), face.size()) << "face " << j;
    out.faces.push_back(face);
  }
  EXPECT_EQ(at, faces.size()) << "words after the last face";
  return out;
}

Point3 LibraryCentroid(const std::vector<Point3>& points) {
  Point3 sum;
  for (const Point3& p : points) sum = sum + p;
  return (1.0L / points.size()) * sum;
}

// A face as a cycle starting at its smallest vertex number.
std::vector<std::uint16_t> CycleFromSmallest(std::vector<std::uint16_t> cycle) {
  std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
  return cycle;
}

class LibrarySolidTables : public testing::TestWithParam<LibrarySolidCase> {};

TEST_P(LibrarySolidTables, HoldTheNamedSolidAtUnitEdge) {
  const LibrarySolidCase& c = GetParam();
  const LibrarySolid* solid = FindLibrarySolid(c.code);
  ASSERT_NE(solid, nullptr);
  EXPECT_EQ(solid->code, c.code);
  EXPECT_EQ(solid->stepKind, c.stepKind);
  EXPECT_EQ(solid->chiral, c.chiral);
  const LibraryPolyhedron poly = ReadLibraryPolyhedron(*solid);
  ASSERT_EQ(static_cast<int>(poly.points.size()), c.vertices);

  // Face counts and sizes, the faces of one kind together in the listed order.
  std::vector<LibraryFaceKind> kinds;
  for (const auto& face : poly.faces) {
    const int size = static_cast<int>(face.size());
    if (kinds.empty() || kinds.back().size != size) kinds.push_back({0, size});
    ++kinds.back().count;
  }
  ASSERT_EQ(kinds.size(), c.faces.size());
  for (std::size_t i = 0; i < kinds.size(); ++i) {
    EXPECT_EQ(kinds[i].count, c.faces[i].count) << "kind " << i;
    EXPECT_EQ(kinds[i].size, c.faces[i].size) << "kind " << i;
  }

  // Every edge 1, every face flat, and every edge walked once each way by the two faces that share
  // it: a closed surface with all faces turned the same way, of Euler characteristic 2.
  std::map<std::pair<int, int>, int> walks;
  for (const auto& face : poly.faces) {
    Point3 normal;
    for (std::size_t i = 0; i < face.size(); ++i) {
      const Point3& a = poly.points[face[i]];
      const Point3& b = poly.points[face[(i + 1) % face.size()]];
      EXPECT_NEAR(kernel::Dist3(a, b), 1.0L, 1e-15L);
      normal = normal + kernel::Cross3(a, b);
      ++walks[{face[i], face[(i + 1) % face.size()]}];
    }
    ASSERT_TRUE(kernel::Normalize3(normal));
    const Real offset = kernel::Dot3(normal, poly.points[face[0]]);
    for (const std::uint16_t v : face) EXPECT_NEAR(kernel::Dot3(normal, poly.points[v]), offset, 1e-15L);
  }
  std::set<int> used;
  for (const auto& [edge, count] : walks) {
    EXPECT_EQ(count, 1) << edge.first + 1 << "-" << edge.second + 1;
    EXPECT_EQ(walks.count({edge.second, edge.first}), 1u) << edge.first + 1 << "-" << edge.second + 1;
    used.insert(edge.first);
  }
  EXPECT_EQ(static_cast<int>(used.size()), c.vertices) << "a vertex on no face";
  const int edges = static_cast<int>(walks.size()) / 2;
  EXPECT_EQ(c.vertices - edges + static_cast<int>(poly.faces.size()), 2);

  // The faces are those of the convex hull, in the hull's orientation: counter-clockwise from
  // outside.
  const kernel::ConvexHull3 hull = kernel::ConvexHull3D(poly.points);
  ASSERT_EQ(hull.status, kernel::HullStatus::kComplete);
  std::set<std::vector<std::uint16_t>> hullFaces;
  for (const kernel::HullFace& face : hull.faces) hullFaces.insert(CycleFromSmallest(face.vertices));
  EXPECT_EQ(hullFaces.size(), poly.faces.size());
  for (std::size_t j = 0; j < poly.faces.size(); ++j)
    EXPECT_TRUE(hullFaces.count(CycleFromSmallest(poly.faces[j]))) << "face " << j + 1;

  // Volume from the faces (each a fan of pyramids from the centroid, all positive when the faces
  // point outward) and the sphere through the vertices.
  const Point3 centre = LibraryCentroid(poly.points);
  Real volume = 0;
  for (const auto& face : poly.faces) {
    for (std::size_t i = 1; i + 1 < face.size(); ++i) {
      const Real pyramid = kernel::Det3(poly.points[face[0]] - centre, poly.points[face[i]] - centre,
                                        poly.points[face[i + 1]] - centre) /
                           6;
      EXPECT_GT(pyramid, 0);
      volume += pyramid;
    }
  }
  Real hullVolume = 0;
  ASSERT_TRUE(kernel::SolidVolumeArea(poly.points, hullVolume, kernel::SolidMeasure::kVolume));
  EXPECT_NEAR(volume, hullVolume, 1e-13L * hullVolume);
  if (c.volume) {
    EXPECT_NEAR(volume, *c.volume, 1e-13L * *c.volume);
  }

  Real nearest = 1e30L;
  Real farthest = 0;
  for (const Point3& p : poly.points) {
    nearest = std::min(nearest, kernel::Dist3(p, centre));
    farthest = std::max(farthest, kernel::Dist3(p, centre));
  }
  EXPECT_NEAR(nearest, farthest, 1e-15L * farthest) << "the vertices lie on one sphere";
  if (c.circumradius) {
    EXPECT_NEAR(farthest, *c.circumradius, 1e-13L * *c.circumradius);
  }
  const Real placement = solid::LibraryTableValue(solid->vertexTable[0]);
  EXPECT_GE(placement, farthest * (1 - 1e-15L));

  // Colour runs: none for the regular solids; otherwise runs of colours 1 to 24 that end before
  // the last face is passed, each within one kind of face.
  if (c.code <= 1004) {
    EXPECT_TRUE(solid->colorRuns.empty());
  } else {
    ASSERT_FALSE(solid->colorRuns.empty());
    std::size_t face = 0;
    std::size_t i = 0;
    for (; i + 1 < solid->colorRuns.size() && solid->colorRuns[i] > 0; i += 2) {
      const int length = solid->colorRuns[i];
      EXPECT_GE(solid->colorRuns[i + 1], 1);
      EXPECT_LE(solid->colorRuns[i + 1], 24);
      ASSERT_LE(face + length, poly.faces.size()) << "a run past the last face";
      for (int k = 1; k < length; ++k) EXPECT_EQ(poly.faces[face + k].size(), poly.faces[face].size());
      face += length;
    }
    EXPECT_LT(i, solid->colorRuns.size());
    EXPECT_LE(solid->colorRuns[i], 0) << "the runs end with their marker";
  }
}

INSTANTIATE_TEST_SUITE_P(
    RegularAndSemiRegular, LibrarySolidTables,
    testing::Values(
        LibrarySolidCase{
            1000, 316, "tetrahedron", 4, {{4, 3}}, false, 0.11785113019775793L, 0.6123724356957945L},
        LibrarySolidCase{1001, 317, "cube", 8, {{6, 4}}, false, 1.0L, 0.8660254037844386L},
        LibrarySolidCase{
            1002, 318, "octahedron", 6, {{8, 3}}, false, 0.47140452079103173L, 0.7071067811865476L},
        LibrarySolidCase{
            1003, 319, "dodecahedron", 20, {{12, 5}}, false, 7.663118960624632L, 1.4012585384440734L},
        LibrarySolidCase{
            1004, 320, "icosahedron", 12, {{20, 3}}, false, 2.1816949906249126L, 0.9510565162951536L},
        LibrarySolidCase{1005, 321, "truncated_icosahedron", 60, {{12, 5}, {20, 6}}, false, {}, {}},
        LibrarySolidCase{1006, 323, "icosidodecahedron", 30, {{20, 3}, {12, 5}}, false, {}, {}},
        LibrarySolidCase{1007, 324, "cuboctahedron", 12, {{8, 3}, {6, 4}}, false, {}, {}},
        LibrarySolidCase{1008, 325, "rhombicosidodecahedron", 60, {{20, 3}, {30, 4}, {12, 5}}, false, {}, {}},
        LibrarySolidCase{1009, 326, "snub_cuboctahedron", 24, {{32, 3}, {6, 4}}, true, {}, {}},
        LibrarySolidCase{1010, 327, "truncated_octahedron", 24, {{6, 4}, {8, 6}}, false, {}, {}},
        LibrarySolidCase{1011, 328, "truncated_cube", 24, {{8, 3}, {6, 8}}, false, {}, {}},
        LibrarySolidCase{1012, 329, "truncated_dodecahedron", 60, {{20, 3}, {12, 10}}, false, {}, {}},
        LibrarySolidCase{1013, 330, "snub_icosidodecahedron", 60, {{80, 3}, {12, 5}}, true, {}, {}},
        LibrarySolidCase{1014, 331, "truncated_cuboctahedron", 48, {{12, 4}, {8, 6}, {6, 8}}, false, {}, {}},
        LibrarySolidCase{1015,
                         332,
                         "truncated_icosidodecahedron",
                         120,
                         {{30, 4}, {20, 6}, {12, 10}},
                         false,
                         206.80339887498948L,
                         3.8023944998512937L},
        LibrarySolidCase{1016, 333, "truncated_tetrahedron", 12, {{4, 3}, {4, 6}}, false, {}, {}},
        LibrarySolidCase{1017, 334, "rhombicuboctahedron", 24, {{8, 3}, {18, 4}}, false, {}, {}}),
    [](const testing::TestParamInfo<LibrarySolidCase>& param) { return std::string(param.param.name); });

TEST(LibrarySolidTables, TetrahedronAndCubeAreTheirClassicTables) {
  const LibrarySolid* tetrahedron = FindLibrarySolid(1000);
  ASSERT_NE(tetrahedron, nullptr);
  const std::vector<std::int16_t> corners(tetrahedron->vertexTable.begin(), tetrahedron->vertexTable.end());
  EXPECT_EQ(corners, (std::vector<std::int16_t>{46, 22, 0, 0, 0, 22, 0, 0, 0, 22, 22, 22, 22}));
  // The faces 123, 124, 134, 234 in this order, each walked counter-clockwise from outside.
  const LibraryPolyhedron tetra = ReadLibraryPolyhedron(*tetrahedron);
  const std::vector<std::set<std::uint16_t>> sets = {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}};
  ASSERT_EQ(tetra.faces.size(), sets.size());
  for (std::size_t j = 0; j < sets.size(); ++j)
    EXPECT_EQ(std::set<std::uint16_t>(tetra.faces[j].begin(), tetra.faces[j].end()), sets[j]);

  const LibrarySolid* cube = FindLibrarySolid(1001);
  ASSERT_NE(cube, nullptr);
  EXPECT_EQ(cube->vertexTable[0], 20);
  std::set<std::vector<Real>> cubeCorners;
  for (const Point3& p : ReadLibraryPolyhedron(*cube).points) cubeCorners.insert({p.x, p.y, p.z});
  std::set<std::vector<Real>> unitCube;
  for (int i = 0; i < 8; ++i) unitCube.insert({Real(i & 1), Real((i >> 1) & 1), Real((i >> 2) & 1)});
  EXPECT_EQ(cubeCorners, unitCube);
}

// The vertex orders that let related solids read the first vertices of these tables.
TEST(LibrarySolidTables, RelatedSolidsFindTheirVerticesFirst) {
  auto faceSets = [](const LibraryPolyhedron& poly) {
    std::set<std::set<std::uint16_t>> sets;
    for (const auto& face : poly.faces) sets.insert({face.begin(), face.end()});
    return sets;
  };
  auto range = [](int first, int count) {
    std::set<std::uint16_t> vertices;
    for (int v = first; v < first + count; ++v) vertices.insert(static_cast<std::uint16_t>(v));
    return vertices;
  };
  // Icosahedron: vertices 2 to 6 around vertex 1, vertex 12 opposite it.
  const LibraryPolyhedron icosa = ReadLibraryPolyhedron(*FindLibrarySolid(1004));
  for (int v = 1; v <= 5; ++v) EXPECT_NEAR(kernel::Dist3(icosa.points[0], icosa.points[v]), 1.0L, 1e-15L);
  EXPECT_NEAR(kernel::Dist3(icosa.points[0] + icosa.points[11], {}), 0.0L, 1e-15L);
  // Rhombicosidodecahedron: the last 15 vertices are three pentagons.
  const auto rid = faceSets(ReadLibraryPolyhedron(*FindLibrarySolid(1008)));
  for (int first : {45, 50, 55}) EXPECT_TRUE(rid.count(range(first, 5))) << first + 1;
  // Rhombicuboctahedron: a square on top of an octagon of 8 vertices, then the next 8.
  const LibraryPolyhedron rco = ReadLibraryPolyhedron(*FindLibrarySolid(1017));
  EXPECT_TRUE(faceSets(rco).count(range(0, 4)));
  for (int v = 4; v < 20; ++v) {
    EXPECT_NEAR(rco.points[v].z, v < 12 ? 0.5L : -0.5L, 1e-18L) << v + 1;
  }
}

TEST(LibrarySolidTables, OnlyTheCodesWithTablesAreFound) {
  EXPECT_EQ(FindLibrarySolid(999), nullptr);
  EXPECT_EQ(FindLibrarySolid(1018), nullptr);
  EXPECT_EQ(FindLibrarySolid(-1), nullptr);
  const std::vector<std::int16_t> runs(FindLibrarySolid(1005)->colorRuns.begin(),
                                       FindLibrarySolid(1005)->colorRuns.end());
  EXPECT_EQ(runs, (std::vector<std::int16_t>{12, 4, 20, 1, -1}));  // pentagons 4, hexagons 1
}

}  // namespace
