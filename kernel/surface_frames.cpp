#include "kernel/surface_frames.h"

#include <cmath>

#include "kernel/frames3.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

Point3 DefiningPoint(const SurfaceRecord& record, int k, std::span<const Point3> xyz) {
  const int i = record.points[static_cast<std::size_t>(k)];
  return i >= 0 && static_cast<std::size_t>(i) < xyz.size() ? xyz[static_cast<std::size_t>(i)] : Point3{};
}

// The three axes made unit and kept as the record's frame.
void StoreUnitFrame(SurfaceRecord& record, Point3 u, Point3 v, Point3 w) {
  Normalize3(u);
  Normalize3(v);
  Normalize3(w);
  record.u = u;
  record.v = v;
  record.w = w;
}

}  // namespace

void UpdateSolidFrame(SurfaceRecord& record, std::span<const Point3> xyz) {
  Point3 w = DefiningPoint(record, 1, xyz) - DefiningPoint(record, 0, xyz);
  Point3 u, v;
  OrthoBasis3(w, u, v, false);
  StoreUnitFrame(record, u, v, w);
}

void UpdateDisk(SurfaceRecord& record, std::span<const Point3> xyz) {
  const Point3 centre = DefiningPoint(record, 0, xyz);
  record.w = DefiningPoint(record, 1, xyz) - centre;
  record.u = DefiningPoint(record, 2, xyz) - centre;
  record.v = Cross3(record.w, record.u);
  ScaleTo3(record.v, record.param0);
}

void UpdateLatitudeCircle(SurfaceRecord& record, std::span<const Point3> xyz) {
  record.w = DefiningPoint(record, 1, xyz) - DefiningPoint(record, 3, xyz);
  OrthoBasis3(record.w, record.u, record.v, false);
  ScaleTo3(record.u, record.param0);
  ScaleTo3(record.v, record.param0);
}

void UpdateMeridian(SurfaceRecord& record, std::span<const Point3> xyz) {
  const Point3 centre = DefiningPoint(record, 0, xyz);
  record.u = DefiningPoint(record, 1, xyz) - centre;
  record.v = DefiningPoint(record, 2, xyz) - centre;
  record.w = {0, 0, 1};
}

void UpdateGreatCircle(SurfaceRecord& record, std::span<const Point3> xyz) {
  const Point3 centre = DefiningPoint(record, 0, xyz);
  const Point3 first = DefiningPoint(record, 2, xyz);
  const Point3 second = DefiningPoint(record, 3, xyz);
  const Real turns = AngleAt3(first, centre, second) / TwoPi;
  const Point3 u = first - centre;
  record.u = u;
  record.param0 = std::sqrt(Dot3(u, u));
  Point3 n = Cross3(u, second - centre);
  record.w = {0, 0, 1};
  if (Normalize3(n)) {
    record.v = Cross3(n, u);
  } else {
    OrthoBasis3(u, record.v, record.w, true);
  }
  if (record.kind == kSurfaceGreatCircleArc) record.param1 = turns;
  if (record.kind == kSurfaceGreatCircleArc2) record.param1 = turns - 1;
}

void UpdateCylinderSphereCurve(SurfaceRecord& record, std::span<const Point3> xyz) {
  Point3 w = DefiningPoint(record, 3, xyz) - DefiningPoint(record, 2, xyz);
  Point3 u = DefiningPoint(record, 0, xyz) - DefiningPoint(record, 1, xyz);
  Point3 v;
  if (Dot3(u, u) >= SnapTolerance) {
    v = Cross3(w, u);
  } else {
    OrthoBasis3(w, u, v, false);
  }
  StoreUnitFrame(record, u, v, w);
}

void UpdateConic(SurfaceRecord& record, std::span<const Point3> xyz) {
  const Point3 centre = DefiningPoint(record, 0, xyz);
  record.w = DefiningPoint(record, 1, xyz) - centre;
  record.u = DefiningPoint(record, 2, xyz) - centre;
  record.v = DefiningPoint(record, 3, xyz) - centre;
}

void UpdateSurfaceFrame(SurfaceRecord& record, std::span<const Point3> xyz) {
  const int kind = record.kind;
  if (kind < kSurfaceSphere) {
    UpdateSolidFrame(record, xyz);
  } else if (kind < kSurfaceDisk) {
    UpdateSphereFrame(record, xyz);
  } else if (kind < kSurfaceLatitudeCircle) {
    UpdateDisk(record, xyz);
  } else if (kind < kSurfaceMeridian) {
    UpdateLatitudeCircle(record, xyz);
  } else if (kind < kSurfaceGreatCircle) {
    UpdateMeridian(record, xyz);
  } else if (kind < kSurfaceCylinderSphereCurve) {
    UpdateGreatCircle(record, xyz);
  } else if (kind < kSurfaceEllipse) {
    UpdateCylinderSphereCurve(record, xyz);
  } else if (kind < kSurfaceSphereDiskArc) {
    UpdateConic(record, xyz);
  } else if (kind < kSurfaceGreatCircleArc) {
    UpdateDiskArc(record, xyz);
  }
}

void UpdateSurfaces(std::span<SurfaceRecord> records, std::span<const Point3> xyz) {
  for (SurfaceRecord& record : records) {
    if (record.active) UpdateSurfaceFrame(record, xyz);
  }
}

}  // namespace kernel
