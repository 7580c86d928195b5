#pragma once
// The faces and the curves and curved surfaces of a 3-D figure, and the searches the 3-D commands
// make in them. A 3-D window allocates the tables; other windows keep them empty.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "kernel/construction_record.h"
#include "kernel/face_surface_records.h"
#include "kernel/real.h"

namespace engine {

inline constexpr int kFaceCapacity = 1501;
inline constexpr int kSurfaceCapacity = 301;

struct SolidTables {
  std::int16_t last_face = -1;
  std::vector<kernel::FaceRecord> faces;
  std::int16_t last_surface = -1;
  std::vector<kernel::SurfaceRecord> surfaces;
  // The number of the last curve or curved surface made: each new one takes the next, kept in the
  // hundreds of its record's code.
  std::uint16_t object_counter = 0;

  // Room for the 1501 faces and 301 surfaces of a 3-D window, all unused.
  void Allocate();
  // Every face and surface unused, the object numbers from the start.
  void Clear();
  // The faces and surfaces in use (0 to the last index, within the table).
  std::span<const kernel::FaceRecord> Faces() const;
  std::span<const kernel::SurfaceRecord> Surfaces() const;
};

// The first active sphere whose centre (its first defining point) is `centre` and whose defining
// points hold p; -1 when there is none, or when either index lies outside 0..lastPoint or they
// are equal.
int FindSphereThrough(const SolidTables& solid, int lastPoint, int centre, int p);
// The first active disk whose three defining points are a, b and c in this order; -1 when there is
// none or an index lies outside 0..lastPoint.
int FindDiskRecord(const SolidTables& solid, int lastPoint, int a, int b, int c);
// The first surface record (active or not) whose object number, the hundreds of its code, is
// `number`; -1 when none.
int FindSurfaceById(const SolidTables& solid, int number);
// The first surface record (active or not) of the kind whose first points.size() defining points
// are those given, in order, and, when a parameter is given, whose param1 lies within 1e-13 of it;
// -1 when none (and for more than four points).
int FindSurfaceByPoints(const SolidTables& solid, int kind, std::span<const std::int16_t> points,
                        std::optional<kernel::Real> param1 = std::nullopt);
// The record an older step names by a kind (its operand j) and the defining points in the operands
// after it: two for a sphere, three for disks, circles of latitude, meridians, great circles and
// the sphere-disk arc, four for every other kind; spheres and sphere-disk arcs also by the step's
// second parameter, which tells a whole sphere, a hemisphere and a segment apart. -1 when none.
int FindSurfaceOfStep(const SolidTables& solid, const kernel::ConstructionRecord& step, int j);
// With n = 0 the first visible face of at least three vertices that holds the first three entries
// of the list; with n of 2 or more the first visible face of exactly n vertices that holds every
// one of the first n entries; -1 when none (and for any other n).
int FindFaceByVertices(const SolidTables& solid, std::span<const std::uint16_t> list, int n);
// The first visible face among 0..lastFace whose vertices are those of `face` in the same cyclic
// order (starting anywhere); -1 when none.
int FindEqualFace(const SolidTables& solid, const kernel::FaceRecord& face, int lastFace);

}  // namespace engine
