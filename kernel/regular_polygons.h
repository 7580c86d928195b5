#pragma once
// Vertices of regular and star polygons in the plane, on the unit sphere and in space, and the
// step along a great circle that the sphere polygons start from. The caller fills the first one,
// two or three vertices; the kernel fills the rest in place. Angles are radians; turns are
// counter-clockwise in the plane and right-handed about the axis in space.

#include <span>

#include "kernel/real.h"

namespace kernel {

// Replaces p by the point at arc t from the unit vector a on the great circle from a towards p.
// p is left unchanged when t is outside 0 .. pi - 1e-13 or when a and p are parallel.
void GreatCirclePointAt3(const Point3& a, Point3& p, Real t);

// Fills v[2..] so that v is the regular polygon of v.size() vertices on the side v[0]v[1], lying
// to the left of that directed side.
void CompleteRegularPolygon2(std::span<Point2> v);

// Fills v[2..] on the unit sphere: each new vertex is the one before the last turned about the
// last by pi + phi (right-handed). For a polygon of interior angle beta the caller passes
// phi = pi - beta.
void CompleteRegularPolygonSphere(std::span<Point3> v, Real phi);

// Fills v[1..] in the plane of v[0], v[1], v[2]: the first side has length sideLength along v[0]
// to v[1], and each side is the one before turned about the plane normal by the angle whose
// cosine and sine are given. v[1] and v[2] are overwritten. Fewer than three vertices: nothing
// is done.
void RegularPolygonFrame3(std::span<Point3> v, Real sideLength, Real cosTurn, Real sinTurn);

// The polygon {n/k} with n = v.size(): n vertices on a circle, each joined to the one k places
// further (k = 1 is the convex polygon; a compound star such as {6/2} lists its components one
// after the other). With fixedDirection the first side leaves v[0] at the angle pi/2 + 3 beta / 2
// (beta = 2 pi k / n) and v[1] is written; otherwise v[1] is moved along its direction from v[0]
// to the distance sideLength. False, writing nothing, when n < 3, when k is 0 or a multiple of n,
// when the side length is null, or when v[1] coincides with v[0] without a fixed direction.
bool RegularStarPolygon2(std::span<Point2> v, int k, Real sideLength, bool fixedDirection);

}  // namespace kernel
