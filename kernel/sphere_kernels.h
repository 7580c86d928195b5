#pragma once
// Geometry on the unit sphere: great-circle distances and angles, circles of the sphere about a
// pole and their intersections, turning a pole onto the z axis; and the volumes of a ball and a cone.
// A point of the sphere is a unit vector from its centre, the origin; a circle of the sphere is the
// set of unit vectors X with X . N = h for a unit pole N.

#include <span>

#include "kernel/real.h"

namespace kernel {

// Great-circle distance of two points of the unit sphere, in [0, pi].
Real SphericalDistance3(const Point3& A, const Point3& B);

// With turning set: the signed turning angle at B of the path A -> B -> C (positive for a turn to
// the left seen from outside). Otherwise the angle ABC, positive for a turn to the right and
// negative for a turn to the left. 0 when B coincides with A or C or is antipodal to one of them.
Real SphericalAngleAt3(const Point3& A, const Point3& B, const Point3& C, bool turning);

// The circle through B about the unit pole A: frame[0] its centre (inside the ball), frame[1] the
// radius vector to B, frame[2] the radius vector a quarter turn further (counter-clockwise seen
// from above A); latitude is the angle of B above the equator of A. Always true.
bool AxisFrame3(const Point3& A, const Point3& B, std::span<Point3, 3> frame, Real& latitude);

// Turns Q about the unit pole C by the angle whose cosine and sine are a and b, and multiplies its
// angular distance from C by k. False, Q unchanged, when Q lies on the axis of C or the new
// distance would reach pi.
bool SphereCirclePoint3(const Point3& C, Real a, Real b, Real k, Point3& Q);

// Turns P by the rotation about A x z that takes the unit vector A onto the z axis (forward), or its
// inverse. When A is on the z axis, P is left alone and the result tells whether A is +z.
bool RotatePoleToZ3(const Point3& A, Point3& P, bool forward);

// The common points of the circle about pole A through B and the circle about pole C through D, on
// the unit sphere (a touching pair gives the point twice). False, out unchanged, when the poles
// are parallel; false when the circles do not meet.
bool GreatCircleKernel(const Point3& A, const Point3& B, const Point3& C, const Point3& D,
                       std::span<Point3, 2> out);

// Volume of the ball with centre points[0] through points[1].
Real SphereVolume3(std::span<const Point3, 2> points);
// Volume of the cone with base centre points[0], base radius |points[1] - points[0]| and
// height |points[2] - points[0]|.
Real ConeVolume3(std::span<const Point3, 3> points);

}  // namespace kernel
