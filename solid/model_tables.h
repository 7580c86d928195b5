#pragma once
// What a figure in space keeps beside its faces and surfaces (engine::SolidTables), as plain data
// without a window: the plane and the screen box of each face, the image of each point under the
// current transformation or copy, the edges of the visible faces, the cutting plane, the rows of
// the axis rotation, and the point lists of the figures attached to it.

#include <array>
#include <cstdint>
#include <vector>

#include "engine/imported_point_lists.h"
#include "kernel/real.h"
#include "kernel/stored_plane.h"

namespace solid {

using kernel::Point2;
using kernel::Point3;
using kernel::Real;

inline constexpr int kEdgeCapacity = 3000;
inline constexpr std::uint16_t kNoImage = 0xFFFF;

// An edge of the visible faces: its two vertices, the point reserved for where a cutting plane
// crosses it (0xFFFF for none), and the first face that has it.
struct EdgeRecord {
  std::uint16_t a = 0;
  std::uint16_t b = 0;
  std::uint16_t section_point = 0;
  std::int16_t face = -1;
};

// The pixel rectangle a face covers (both edges included).
struct FaceScreenBox {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

struct ModelTables {
  // Per face (1501): its plane (normal . p = constant), kept while the face has fewer than three
  // vertices, and its screen box.
  std::vector<kernel::PlaneRecord> face_planes;
  std::vector<FaceScreenBox> face_boxes;
  // Per point (7878): where a transformation puts it, the index of its image after a copy
  // (kNoImage for none; a section keeps the side of each point here) and whether it is the image
  // of a selected point.
  std::vector<Point3> images;
  std::vector<std::int16_t> image_index;
  std::vector<std::uint8_t> image_flag;
  // The unique edges of the visible faces.
  std::vector<EdgeRecord> edges;
  std::int16_t last_edge = -1;
  // The plane of the current section.
  kernel::PlaneRecord cutting_plane;
  // The rows of the matrix of the axis rotation.
  std::array<Point3, 3> rotation_rows{};
  // The point lists of attached figures (at most 26).
  std::vector<engine::ImportedPointList3> point_lists;
  // Points whose taxicab distance is below this count as one.
  Real point_tolerance = static_cast<Real>(1e-6);
  // A point lies on a cutting plane when its plane value is within this.
  Real model_tolerance = static_cast<Real>(1e-16) * 10000;

  // Room for every face and point, all cleared.
  void Allocate();
};

}  // namespace solid
