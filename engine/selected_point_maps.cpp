#include "engine/selected_point_maps.h"

#include <algorithm>
#include <cmath>

#include "engine/hyperbolic_primitives.h"
#include "kernel/constants.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

using kernel::Point2;
using kernel::Real;

// A mirror line shorter than this has no direction.
constexpr Real kShortestMirror = static_cast<Real>(1e-16);
// Points closer than this (taxicab) are one point for a hyperbolic translation.
constexpr Real kSameHyperbolicPoint = static_cast<Real>(1e-13);

template <typename Map>
void ForEachTreated(PointRange range, Map map) {
  const int end = std::min(range.last, static_cast<int>(range.points.size()) - 1);
  for (int i = std::max(range.first, 0); i <= end; ++i) {
    if (!range.selected.empty() && (static_cast<std::size_t>(i) >= range.selected.size() || range.selected[i] == 0)) {
      continue;
    }
    map(range.points[static_cast<std::size_t>(i)]);
  }
}

// The disk isometry taking A to the centre (z - A) / (1 - conj(A) z), and its inverse.
Point2 ToOrigin(const Point2& a, Point2 z) {
  TranslateToOrigin(kPoincareDisk, a, z, true);
  return z;
}
Point2 FromOrigin(const Point2& a, Point2 z) {
  TranslateFromOrigin(kPoincareDisk, a, z, true);
  return z;
}

}  // namespace

Point2 ReflectAcross(const Point2& a, const Point2& n, const Point2& z) {
  return z - 2 * kernel::Dot2(z - a, n) * n;
}

void ReflectSelected(const Point2& a, const Point2& n, PointRange range) {
  ForEachTreated(range, [&](Point2& z) { z = ReflectAcross(a, n, z); });
}

void TranslateSelected(const Point2& v, PointRange range) {
  ForEachTreated(range, [&](Point2& z) { z = z + v; });
}

void RotateDilateSelected(const GeometryModel& model, const Point2& c, Real factor, Real angle, PointRange range) {
  if (model.Hyperbolic) {
    ForEachTreated(range, [&](Point2& z) { z = RotateDilatePoint(model, c, z, angle, factor); });
    return;
  }
  Point2 turn;
  if (!kernel::FromPolar(factor, angle, turn)) return;
  ForEachTreated(range, [&](Point2& z) { kernel::RotateAbout2(c, turn.x, turn.y, z); });
}

void ReflectInLine(const Point2& a, const Point2& b, PointRange range) {
  const Point2 d = b - a;
  const Real length = std::sqrt(kernel::Dot2(d, d));
  if (!(length > kShortestMirror)) return;
  ReflectSelected(a, Point2{-d.y / length, d.x / length}, range);
}

void DiskTranslate(const Point2& a, const Point2& b, PointRange range) {
  if (kernel::TaxiDist2(a, b) < kSameHyperbolicPoint) return;
  const Point2 target = ToOrigin(a, b);
  ForEachTreated(range, [&](Point2& z) { z = FromOrigin(a, FromOrigin(target, ToOrigin(a, z))); });
}

void HalfPlaneTranslate(const Point2& a, const Point2& b, PointRange range) {
  Point2 da = a;
  Point2 db = b;
  HalfPlaneToDisk(da);
  HalfPlaneToDisk(db);
  if (kernel::TaxiDist2(da, db) < kSameHyperbolicPoint) return;
  const Point2 target = ToOrigin(da, db);
  // Only the treated entries go through the disk, so the others keep their exact coordinates.
  ForEachTreated(range, [&](Point2& z) {
    HalfPlaneToDisk(z);
    z = FromOrigin(da, FromOrigin(target, ToOrigin(da, z)));
    DiskToHalfPlane(z);
  });
}

void HyperbolicTranslate(const GeometryModel& model, const Point2& a, const Point2& b, PointRange range) {
  if (model.HalfPlane) {
    HalfPlaneTranslate(a, b, range);
  } else {
    DiskTranslate(a, b, range);
  }
}

void DiskReflect(const Point2& a, const Point2& b, PointRange range) {
  const Point2 direction = ToOrigin(a, b);
  const Real length = std::sqrt(kernel::Dot2(direction, direction));
  if (!(length > kShortestMirror)) return;
  const Point2 normal{-direction.y / length, direction.x / length};
  // Carried to the centre, the mirror is the diameter through the image of B.
  DiskTranslate(a, kernel::Origin2, range);
  ReflectSelected(kernel::Origin2, normal, range);
  DiskTranslate(kernel::Origin2, a, range);
}

void HalfPlaneReflect(const Point2& a, const Point2& b, PointRange range) {
  Point2 da = a;
  Point2 db = b;
  HalfPlaneToDisk(da);
  HalfPlaneToDisk(db);
  ForEachTreated(range, [](Point2& z) { HalfPlaneToDisk(z); });
  DiskReflect(da, db, range);
  ForEachTreated(range, [](Point2& z) { DiskToHalfPlane(z); });
}

void ReflectInModelLine(const GeometryModel& model, const Point2& a, const Point2& b, PointRange range) {
  if (!model.Hyperbolic) {
    ReflectInLine(a, b, range);
  } else if (model.HalfPlane) {
    HalfPlaneReflect(a, b, range);
  } else {
    DiskReflect(a, b, range);
  }
}

}  // namespace engine
