#pragma once
// Frames of the 3-D and spherical code: rotation about an axis, projection on a line, the split of a
// vector along and across a direction, plane normals, perpendicular pairs and random unit vectors.

#include "kernel/real.h"

namespace kernel {

// v turned about the unit axis u by the angle with the given cosine and sine (counter-clockwise
// seen from the tip of u). u is not normalised here.
Point3 RotateAboutAxis3(const Point3& u, Real cosA, Real sinA, const Point3& v);

// Foot of the perpendicular from p on the line ab and its parameter t (0 at a, 1 at b).
// When a and b (nearly) coincide: false, foot = p and t = |b - a|^2.
bool ProjectOnLine3(const Point3& p, const Point3& a, const Point3& b, Point3& foot, Real& t);

// The feet p on the line ab and q on the line cd of the two lines' common perpendicular. False when
// the lines are parallel (or a line has coinciding points): the determinant of the two directions'
// Gram matrix is below 1e-13.
bool CommonPerpendicularFeet3(const Point3& a, const Point3& b, const Point3& c, const Point3& d, Point3& p, Point3& q);

// The parts of v along d and across d; a null d gives along = 0, across = v.
void SplitVector3(const Point3& v, const Point3& d, Point3& along, Point3& across);

// Normal (c - b) x (a - b) of the plane through a, b, c, made unit when unit is set. For collinear or
// coinciding points: false, and n is a unit vector perpendicular to a - b in the xy-plane, or
// (1, 0, 0) when a - b is along the z axis.
bool PlaneNormal3(const Point3& a, const Point3& b, const Point3& c, Point3& n, bool unit);

// Two vectors perpendicular to v and to each other, (u, w, v) right-handed. When scaled is set,
// both get the length of v.
void OrthoBasis3(const Point3& v, Point3& u, Point3& w, bool scaled);

// A random unit vector whose part across the axis has a length s drawn from sLo..sHi and whose
// azimuth phi about the axis is drawn from phiLo..phiHi. A null axis gives (0, 0, 0).
void RandomUnitVector3(Real sLo, Real sHi, Real phiLo, Real phiHi, const Point3& axis, Point3& out);

}  // namespace kernel
