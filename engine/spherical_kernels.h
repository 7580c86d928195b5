#pragma once
// Small constructions on the unit sphere for the sphere window and the 3-D view: a point along a
// great-circle arc, the centroid of a spherical triangle, and the frame of a spherical side. Points
// of the sphere are unit vectors from its centre; every point these return is a unit vector.

#include <span>

#include "engine/geometry_model.h"
#include "kernel/real.h"

namespace engine {

// The point at fraction t of the great-circle arc from A towards B (A a unit vector; only B's
// direction matters). A itself when A and B are parallel or antiparallel.
kernel::Point3 GreatCircleFraction3(const kernel::Point3& A, const kernel::Point3& B, kernel::Real t);

// The centroid of the spherical triangle ABC: the common point of its medians on the triangle's side.
kernel::Point3 SphereCentroid3(const kernel::Point3& A, const kernel::Point3& B, const kernel::Point3& C);

// The frame of the side from A to B: record[0] = A, record[1] the unit tangent at A along the great
// circle towards B, record[2] the unit normal of the plane of A and B; angle the side's central
// angle. kSidePlaneUndefined, with record[1] and record[2] not written, when A and B are equal or
// antipodal.
GeometryResult GreatCircleSideFrame3(const kernel::Point3& A, const kernel::Point3& B,
                                     std::span<kernel::Point3, 3> record, kernel::Real& angle);

}  // namespace engine
