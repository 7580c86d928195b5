#include "engine/solid_tables.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace engine {

namespace {

bool InPointRange(int i, int lastPoint) { return i >= 0 && i <= lastPoint; }

bool Holds(const kernel::FaceRecord& face, std::uint16_t vertex) { return kernel::FaceListFind(face, vertex) >= 0; }

bool SameCycle(const kernel::FaceRecord& a, const kernel::FaceRecord& b) {
  const int n = a.count;
  if (n != b.count || n < 0 || n > kernel::kFaceVertexCapacity) return false;
  if (n == 0) return true;
  for (int shift = 0; shift < n; ++shift) {
    bool equal = true;
    for (int k = 0; k < n && equal; ++k) {
      equal = a.vertices[static_cast<std::size_t>(k)] == b.vertices[static_cast<std::size_t>((k + shift) % n)];
    }
    if (equal) return true;
  }
  return false;
}

}  // namespace

void SolidTables::Allocate() {
  faces.assign(kFaceCapacity, kernel::FaceRecord{});
  surfaces.assign(kSurfaceCapacity, kernel::SurfaceRecord{});
  last_face = -1;
  last_surface = -1;
  object_counter = 0;
}

void SolidTables::Clear() {
  std::fill(faces.begin(), faces.end(), kernel::FaceRecord{});
  std::fill(surfaces.begin(), surfaces.end(), kernel::SurfaceRecord{});
  last_face = -1;
  last_surface = -1;
  object_counter = 0;
}

std::span<const kernel::FaceRecord> SolidTables::Faces() const {
  const auto n = std::clamp<std::size_t>(static_cast<std::size_t>(last_face + 1), 0, faces.size());
  return {faces.data(), n};
}

std::span<const kernel::SurfaceRecord> SolidTables::Surfaces() const {
  const auto n = std::clamp<std::size_t>(static_cast<std::size_t>(last_surface + 1), 0, surfaces.size());
  return {surfaces.data(), n};
}

int FindSphereThrough(const SolidTables& solid, int lastPoint, int centre, int p) {
  if (!InPointRange(centre, lastPoint) || !InPointRange(p, lastPoint) || centre == p) return -1;
  const auto surfaces = solid.Surfaces();
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    const kernel::SurfaceRecord& s = surfaces[i];
    if (s.active && s.kind == kernel::kSurfaceSphere && s.points[0] == centre &&
        kernel::SurfaceRecordFind(s, static_cast<std::int16_t>(p)) >= 0) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int FindDiskRecord(const SolidTables& solid, int lastPoint, int a, int b, int c) {
  if (!InPointRange(a, lastPoint) || !InPointRange(b, lastPoint) || !InPointRange(c, lastPoint)) return -1;
  const auto surfaces = solid.Surfaces();
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    const kernel::SurfaceRecord& s = surfaces[i];
    if (s.active && s.kind == kernel::kSurfaceDisk && s.points[0] == a && s.points[1] == b && s.points[2] == c) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int FindSurfaceById(const SolidTables& solid, int number) {
  const auto surfaces = solid.Surfaces();
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    if (surfaces[i].code / 100 == number) return static_cast<int>(i);
  }
  return -1;
}

int FindSurfaceByPoints(const SolidTables& solid, int kind, std::span<const std::int16_t> points,
                        std::optional<kernel::Real> param1) {
  constexpr std::size_t kDefiningPoints = 4;
  if (points.size() > kDefiningPoints) return -1;
  const auto surfaces = solid.Surfaces();
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    const kernel::SurfaceRecord& s = surfaces[i];
    if (s.kind != kind || !std::equal(points.begin(), points.end(), s.points.begin())) continue;
    if (param1 && !(std::fabs(s.param1 - *param1) <= kernel::SnapTolerance)) continue;
    return static_cast<int>(i);
  }
  return -1;
}

int FindSurfaceOfStep(const SolidTables& solid, const kernel::ConstructionRecord& step, int j) {
  if (j < 0 || j >= kernel::kConstructionOperands) return -1;
  const int kind = static_cast<std::int16_t>(step.operands[static_cast<std::size_t>(j)]);
  std::size_t n = 4;
  if (kind == kernel::kSurfaceSphere) {
    n = 2;
  } else if ((kind >= kernel::kSurfaceDisk && kind <= kernel::kSurfaceGreatCircle) ||
             kind == kernel::kSurfaceSphereDiskArc) {
    n = 3;
  }
  if (static_cast<std::size_t>(j) + n >= static_cast<std::size_t>(kernel::kConstructionOperands)) return -1;
  std::array<std::int16_t, 4> points{};
  for (std::size_t k = 0; k < n; ++k) {
    points[k] = static_cast<std::int16_t>(step.operands[static_cast<std::size_t>(j) + 1 + k]);
  }
  std::optional<kernel::Real> param1;
  if (kind == kernel::kSurfaceSphere || kind == kernel::kSurfaceSphereDiskArc) param1 = step.parameters[1];
  return FindSurfaceByPoints(solid, kind, std::span(points).first(n), param1);
}

int FindFaceByVertices(const SolidTables& solid, std::span<const std::uint16_t> list, int n) {
  if (n < 0 || n == 1) return -1;
  const std::size_t wanted = n == 0 ? 3 : static_cast<std::size_t>(n);
  if (list.size() < wanted) return -1;
  const auto faces = solid.Faces();
  for (std::size_t i = 0; i < faces.size(); ++i) {
    const kernel::FaceRecord& face = faces[i];
    if (!face.visible) continue;
    if (n == 0 ? face.count < 3 : face.count != n) continue;
    if (std::all_of(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(wanted),
                    [&](std::uint16_t v) { return Holds(face, v); })) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int FindEqualFace(const SolidTables& solid, const kernel::FaceRecord& face, int lastFace) {
  const auto faces = solid.Faces();
  const int last = std::min(lastFace, static_cast<int>(faces.size()) - 1);
  for (int i = 0; i <= last; ++i) {
    const kernel::FaceRecord& candidate = faces[static_cast<std::size_t>(i)];
    if (candidate.visible && SameCycle(candidate, face)) return i;
  }
  return -1;
}

}  // namespace engine
