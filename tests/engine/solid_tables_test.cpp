// The searches of the 3-D commands in the face and surface tables.
#include "engine/solid_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

namespace {

using kernel::FaceRecord;

FaceRecord Face(std::vector<std::uint16_t> vertices) {
  FaceRecord face;
  EXPECT_TRUE(kernel::InitFaceListFrom(face, static_cast<int>(vertices.size()), vertices));
  return face;
}

engine::SolidTables Faces(const std::vector<FaceRecord>& faces) {
  engine::SolidTables solid;
  solid.Allocate();
  for (const FaceRecord& face : faces) solid.faces[static_cast<std::size_t>(++solid.last_face)] = face;
  return solid;
}

TEST(SolidTables, FacesAreFoundByTheirVertices) {
  FaceRecord hidden = Face({0, 1, 2});
  hidden.visible = 0;
  const engine::SolidTables solid = Faces({hidden, Face({3, 4}), Face({0, 1, 2, 3}), Face({2, 1, 0}), Face({5, 6, 7})});
  struct Case {
    std::vector<std::uint16_t> list;
    int n;
    int face;
  };
  for (const Case& c : std::vector<Case>{
           {{0, 1, 2}, 0, 2},     // the first visible face of three or more holding the three
           {{0, 1, 2}, 3, 3},     // exactly three vertices, any order
           {{3, 4}, 2, 1},        // a two-vertex element
           {{3, 0, 2, 1}, 4, 2},  // every vertex of the quadrilateral
           {{0, 1, 5}, 0, -1},
           {{0, 1, 2}, 1, -1},
           {{0, 1, 2}, -1, -1},
           {{0, 1}, 3, -1},  // fewer entries than asked for
       }) {
    EXPECT_EQ(engine::FindFaceByVertices(solid, c.list, c.n), c.face) << c.list.size() << " " << c.n;
  }
}

TEST(SolidTables, AnEqualFaceHasTheSameVerticesInTheSameCyclicOrder) {
  FaceRecord hidden = Face({4, 5, 6});
  hidden.visible = 0;
  const engine::SolidTables solid = Faces({hidden, Face({0, 1, 2, 3}), Face({4, 5, 6})});
  EXPECT_EQ(engine::FindEqualFace(solid, Face({2, 3, 0, 1}), 2), 1);
  EXPECT_EQ(engine::FindEqualFace(solid, Face({3, 2, 1, 0}), 2), -1);  // the other way round
  EXPECT_EQ(engine::FindEqualFace(solid, Face({0, 1, 2}), 2), -1);
  EXPECT_EQ(engine::FindEqualFace(solid, Face({5, 6, 4}), 2), 2);  // the hidden copy is skipped
  EXPECT_EQ(engine::FindEqualFace(solid, Face({5, 6, 4}), 1), -1);  // beyond the last face asked
}

TEST(SolidTables, SpheresAndDisksAreFoundByTheirPoints) {
  engine::SolidTables solid;
  solid.Allocate();
  kernel::InitSurfaceRecord(solid.surfaces[0], kernel::kSurfaceSphere, 1, 2, 1, 0, 0, 0, 3, -1);
  solid.surfaces[0].active = 0;
  kernel::InitSurfaceRecord(solid.surfaces[1], kernel::kSurfaceCylinder, 1, 2, 1, 0, 0, 0, -1, -1);
  kernel::InitSurfaceRecord(solid.surfaces[2], kernel::kSurfaceSphere, 1, 2, 1, 0, 0, 0, 3, -1);
  kernel::InitSurfaceRecord(solid.surfaces[3], kernel::kSurfaceDisk, 4, 5, 1, 0, 0, 0, 6, -1);
  solid.last_surface = 3;
  constexpr int kLastPoint = 6;
  EXPECT_EQ(engine::FindSphereThrough(solid, kLastPoint, 1, 3), 2);
  EXPECT_EQ(engine::FindSphereThrough(solid, kLastPoint, 1, 2), 2);
  EXPECT_EQ(engine::FindSphereThrough(solid, kLastPoint, 2, 3), -1);  // 2 is no centre
  EXPECT_EQ(engine::FindSphereThrough(solid, kLastPoint, 1, 1), -1);
  EXPECT_EQ(engine::FindSphereThrough(solid, 2, 1, 3), -1);  // 3 is past the last point
  EXPECT_EQ(engine::FindDiskRecord(solid, kLastPoint, 4, 5, 6), 3);
  EXPECT_EQ(engine::FindDiskRecord(solid, kLastPoint, 5, 4, 6), -1);
  EXPECT_EQ(engine::FindDiskRecord(solid, 5, 4, 5, 6), -1);
  EXPECT_EQ(engine::FindDiskRecord(solid, kLastPoint, -1, 5, 6), -1);
}

}  // namespace

namespace {

kernel::SurfaceRecord LookupRecord(std::int16_t kind, std::int16_t p0, std::int16_t p1, kernel::Real param1,
                                   std::int16_t p2 = -1, std::int16_t p3 = -1, int number = 0) {
  kernel::SurfaceRecord s;
  kernel::InitSurfaceRecord(s, kind, p0, p1, 1, param1, 0, 0, p2, p3);
  kernel::SetCodeHundreds(s, number);
  return s;
}

TEST(SolidTables, SurfacesAreFoundByNumberOrByKindPointsAndPart) {
  engine::SolidTables solid;
  solid.Allocate();
  std::vector<kernel::SurfaceRecord> records{
      LookupRecord(kernel::kSurfaceSphere, 0, 1, -1, -1, -1, 4),      // a whole sphere
      LookupRecord(kernel::kSurfaceSphere, 0, 1, 0, -1, -1, 5),       // a hemisphere on the same points
      LookupRecord(kernel::kSurfaceDisk, 0, 1, 1, 2, -1, 6),
      LookupRecord(kernel::kSurfaceCylinderSphereCurve, 0, 1, 1, 2, 3, 7),
  };
  records[1].active = 0;  // inactive records are found too
  for (const kernel::SurfaceRecord& s : records) solid.surfaces[static_cast<std::size_t>(++solid.last_surface)] = s;

  EXPECT_EQ(engine::FindSurfaceById(solid, 5), 1);
  EXPECT_EQ(engine::FindSurfaceById(solid, 8), -1);

  struct Case {
    std::vector<std::uint16_t> operands;  // from operand 0: the kind, then the points
    kernel::Real param1;
    int found;
  };
  for (const Case& c : std::vector<Case>{
           {{3, 0, 1}, -1, 0},
           {{3, 0, 1}, 0, 1},
           {{3, 0, 1}, 1e-13L, 1},  // within the tolerance
           {{3, 0, 1}, 0.5L, -1},   // no segment
           {{3, 1, 0}, -1, -1},     // the points in their order
           {{6, 0, 1, 2}, 99, 2},   // a disk by its three points alone
           {{10, 0, 1, 2, 3}, 0, 3},
           {{10, 0, 1, 2, 4}, 0, -1},
           {{11, 0, 1, 2, 3}, 0, -1},
       }) {
    kernel::ConstructionRecord step;
    std::copy(c.operands.begin(), c.operands.end(), step.operands.begin() + 2);
    step.parameters[1] = c.param1;
    EXPECT_EQ(engine::FindSurfaceOfStep(solid, step, 2), c.found) << c.operands[0] << " " << c.param1;
  }
  const std::array<std::int16_t, 2> sphere{0, 1};
  EXPECT_EQ(engine::FindSurfaceByPoints(solid, 3, sphere), 0);
  EXPECT_EQ(engine::FindSurfaceByPoints(solid, 3, sphere, 0.0L), 1);
  EXPECT_EQ(engine::FindSurfaceOfStep(solid, kernel::ConstructionRecord{}, 38), -1);  // no room for the points
}

}  // namespace
