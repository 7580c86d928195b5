#pragma once
// Plane vectors in 80-bit reals: the small operations every plane construction is built from.
// The tolerances here decide, for the whole program, when a length or a denominator is zero.

#include <span>

#include "kernel/real.h"

namespace kernel {

// A polar angle of larger magnitude is refused (its cosine and sine would mean nothing).
inline constexpr Real PolarAngleLimit = static_cast<Real>(5e18);
// NearInteger: how close to an integer a value must be, and the range of integers it accepts.
inline constexpr Real NearIntegerTolerance = static_cast<Real>(1e-9);
inline constexpr Real NearIntegerRange = static_cast<Real>(2147483647.0);

// Component-wise arithmetic.
inline Point2 operator+(const Point2& a, const Point2& b) { return {a.x + b.x, a.y + b.y}; }
inline Point2 operator-(const Point2& a, const Point2& b) { return {a.x - b.x, a.y - b.y}; }
inline Point2 operator-(const Point2& a) { return {-a.x, -a.y}; }
inline Point2 operator*(const Point2& a, Real s) { return {a.x * s, a.y * s}; }
inline Point2 operator*(Real s, const Point2& a) { return {s * a.x, s * a.y}; }
inline bool operator==(const Point2& a, const Point2& b) { return a.x == b.x && a.y == b.y; }

// Scales v to length 1. False, with v unchanged, when its length is below NullTolerance
// (a squared length below SquaredLengthFloor counts as length 0).
bool Normalize2(Point2& v);
// Scales v to length `length` (a negative length reverses it); false and v unchanged as Normalize2.
bool ScaleTo2(Point2& v, Real length);
// Rotates v counter-clockwise by `angle` radians about the origin.
void Rotate2(Point2& v, Real angle);

Real Dot2(const Point2& a, const Point2& b);
// a.x b.y - a.y b.x: positive when b lies counter-clockwise of a.
Real Cross2(const Point2& a, const Point2& b);
// Euclidean distance; exactly 0 when the squared distance is below SquaredLengthFloor.
Real Dist2(const Point2& p, const Point2& q);
Point2 Midpoint2(const Point2& p, const Point2& q);
// |dx| + |dy|: the cheap closeness measure for picking and comparing points.
Real TaxiDist2(const Point2& p, const Point2& q);

// out = (r cos a, r sin a); false with out = (0, 0) when |a| exceeds PolarAngleLimit.
bool FromPolar(Real radius, Real angle, Point2& out);
// Reads p as (radius, angle) and replaces it by the Cartesian point.
void PolarToCartesian2(Point2& p);

// True when x is within NearIntegerTolerance of the integer n (and |x| below NearIntegerRange)
// and |y| is within NearIntegerTolerance of 0. n is set to the rounded x in every case.
bool NearInteger(Real x, Real y, int& n);

// The angle of (x, y) in -pi..pi; a vector with |x| below NullTolerance points straight up or down
// (pi/2 for y >= 0, so the zero vector gives pi/2).
Real ArcTan2(Real x, Real y);

// The mean of the points; the origin for an empty list.
Point2 Centroid2(std::span<const Point2> points);

// Widens the box with corners min and max so it holds p; true when a corner changed.
bool ExtendBox2(Point2& min, const Point2& p, Point2& max);

}  // namespace kernel
