#pragma once
// Planes of space as records a x + b y + c z = d, and where a segment meets one. A normalised
// record has (a, b, c) of length 1, so a x + b y + c z - d is the signed distance of (x, y, z)
// from the plane, positive on the side the normal points to.

#include <cstdint>

#include "kernel/real.h"

namespace kernel {

struct PlaneRecord {
  Real a = 0;
  Real b = 0;
  Real c = 0;
  Real d = 0;
};

// a P.x + b P.y + c P.z - d.
Real PlaneValue3(const PlaneRecord& plane, const Point3& p);

// Divides all four numbers by the length of (a, b, c); false, the record unchanged, when that
// length is not above NullTolerance.
bool NormalizePlane3(PlaneRecord& plane);

// The normalised plane through three points; false, `plane` unchanged, when they are collinear or
// coincide.
bool PlaneThroughPoints3(const Point3& p1, const Point3& p2, const Point3& p3, PlaneRecord& plane);

// Where the segment PQ meets the plane.
enum SegmentPlaneCode : std::int32_t {
  kMeetsBeforeP = -1,
  kMeetsAtP = 0,
  kMeetsInside = 1,
  kMeetsAtQ = 2,
  kMeetsBeyondQ = 3,
  kLiesInPlane = 17,  // parallel and in the plane
  kParallelOff = 26,  // parallel and off the plane
};

// The point of the line PQ on the plane, point = P (1 - t) + Q t, and where it lies along the
// segment, each comparison with tolerance eps. For a segment parallel to the plane (its two
// plane values differ by less than eps) only the code is set.
SegmentPlaneCode IntersectSegmentPlane3(const PlaneRecord& plane, const Point3& p, const Point3& q, Real eps,
                                        Point3& point, Real& t);

}  // namespace kernel
