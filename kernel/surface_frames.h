#pragma once
// The frames of curves and curved surfaces: from a record's defining points (indices into the
// figure's point coordinates) and parameters, the vectors u, v and w that drawing, hidden-surface,
// section and intersection code read instead of recomputing them. Each routine writes only the
// fields of its kind; nothing is reported, and degenerate points leave defined values.
//
// A defining point index outside the coordinates given reads as the origin.

#include <span>

#include "kernel/face_surface_records.h"
#include "kernel/real.h"

namespace kernel {

// Kinds 0 to 5: w along the axis from P0 to P1, u horizontal (or (1, 0, 0) for a vertical axis),
// v = w x u, all three of length 1.
void UpdateSolidFrame(SurfaceRecord& record, std::span<const Point3> xyz);
inline void UpdateSphereFrame(SurfaceRecord& record, std::span<const Point3> xyz) {
  UpdateSolidFrame(record, xyz);
}
// Kinds 6 and 14: w = P1 - P0 the normal, u = P2 - P0 the radius to the rim, v = w x u as long as
// param0.
void UpdateDisk(SurfaceRecord& record, std::span<const Point3> xyz);
inline void UpdateDiskArc(SurfaceRecord& record, std::span<const Point3> xyz) {
  UpdateDisk(record, xyz);
}
// Kind 7: w from the sphere centre P3 to the pole P1, u and v across it as long as param0.
void UpdateLatitudeCircle(SurfaceRecord& record, std::span<const Point3> xyz);
// Kind 8: u to the pole, v to the meridian's point on the equator, w = (0, 0, 1).
void UpdateMeridian(SurfaceRecord& record, std::span<const Point3> xyz);
// Kinds 9, 15 and 16: param0 the radius |P2 - P0|, u = P2 - P0, v across u towards P3 in the
// circle's plane (as long as u), w = (0, 0, 1); when P0, P2 and P3 are collinear v and w are the
// perpendicular pair of u. Kind 15 takes the arc from P2 to P3 in turns as param1, kind 16 the
// complementary arc (negative).
void UpdateGreatCircle(SurfaceRecord& record, std::span<const Point3> xyz);
// Kind 10: w along the cylinder's axis P2 to P3, u from P1 to the sphere centre P0, v = w x u, all
// of length 1; when P0 and P1 coincide u and v are the perpendicular pair of w.
void UpdateCylinderSphereCurve(SurfaceRecord& record, std::span<const Point3> xyz);
// Kinds 11 to 13: w = P1 - P0, u = P2 - P0, v = P3 - P0, lengths kept.
void UpdateConic(SurfaceRecord& record, std::span<const Point3> xyz);

// The routine of the record's kind (kinds 15 and above are left as they are).
void UpdateSurfaceFrame(SurfaceRecord& record, std::span<const Point3> xyz);
// UpdateSurfaceFrame for every active record.
void UpdateSurfaces(std::span<SurfaceRecord> records, std::span<const Point3> xyz);

}  // namespace kernel
