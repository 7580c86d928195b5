#pragma once
// The box a model in space is seen in: the points and curved elements it holds, made at least a
// quarter unit thick in every direction around them and stretched to the origin; and the extent
// of that box seen from an observer.

#include <span>

#include "kernel/central_projection.h"
#include "kernel/face_surface_records.h"
#include "kernel/real.h"

namespace kernel {

// The starting bounds of an empty box (e^42).
Real ModelBoxInfinity();

// Widens lo..hi by the eight corners of a box around the curved element: a cylinder, frustum or
// cone around the midpoint of its axis ends, a sphere or circle around its centre moved along W,
// the other kinds a thin box around their first point. An element whose points lie outside the
// table leaves the box as it was.
void ExtendBoxBySurface(const SurfaceRecord& surface, std::span<const Point3> points, Point3& lo, Point3& hi);

// What the model box gives the view: the point the observer looks at and the model's size scale.
struct ModelBoxView {
  Point3 centre;
  Real epsilon = 0;  // 0.0001 of the box's diagonal
};
// Finishes a box measured from the model: each coordinate at least half a unit wide (a quarter on
// each side) when it is flat, the origin included, the centre and scale taken, then widened by 1 %
// of its extent on each side.
ModelBoxView FinishModelBox(Point3& lo, Point3& hi);

// The view-plane extent of the eight corners of the box lo..hi.
Box2 ProjectedBoxExtent(const ViewFrame& frame, const Point3& lo, const Point3& hi);

}  // namespace kernel
