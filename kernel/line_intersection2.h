#pragma once
// Where two lines of the plane meet, cross ratios, placing a point at a distance along a ray, the
// circle of Apollonius, and a quarter turn in the Poincare disk. Lines are infinite and given by
// two points each; callers that want segments or rays test the parameters themselves.

#include "kernel/kernel_result.h"
#include "kernel/real.h"

namespace kernel {

// The lines met in one point.
inline constexpr KernelResult kLinesMeet = 0;
// A line parameter of larger magnitude counts as no intersection (nearly parallel lines).
inline constexpr Real kLineParameterLimit = static_cast<Real>(1e12);

// Line 1 runs through p1 (t = 0) and p2 (t = 1), line 2 through p3 (u = 0) and p4 (u = 1).
// kLinesMeet with x = p1 + t (p2 - p1). kNoPoint when the lines are parallel or one of them is
// given by two equal points (the cross product of the directions below 1e-16): t and u are then
// not written; or when |t| or |u| exceeds kLineParameterLimit: t and u are written. x is (0, 0)
// whenever the result is kNoPoint.
KernelResult IntersectLines2(const Point2& p1, const Point2& p2, const Point2& p3, const Point2& p4, Real& t,
                             Real& u, Point2& x);
// The same without the parameters.
KernelResult IntersectLines2Point(const Point2& p1, const Point2& p2, const Point2& p3, const Point2& p4,
                                  Point2& x);

// (|AB| |CD|) / (|BD| |CA|). False, with ratio unchanged, when B and D or C and A coincide
// (a distance below 1e-16).
bool CrossRatio(const Point2& a, const Point2& b, const Point2& c, const Point2& d, Real& ratio);

// Moves b along the ray from a through b to the given distance from a. False, with b unchanged,
// when a and b coincide.
bool PlacePointAtDistance2(const Point2& a, Point2& b, Real length);

// The circle of the points P with |PA| : |PB| = k: its centre and radius, and its two points on
// the line AB, inner (dividing AB internally in the ratio k) and outer (externally). For k below
// 1e-16 everything is A, for k above HugeReal everything is B, with radius 0. For k within 1e-13
// of 1 the circle degenerates to the perpendicular bisector: outer is placed 1e13 |AB| away, on
// the side of B for k >= 1 and of A otherwise, giving a very large circle.
void ApolloniusCircle(const Point2& a, const Point2& b, Real k, Point2& centre, Point2& inner, Point2& outer,
                      Real& radius);

// Turns z by a quarter turn (+90 degrees) about a in the Poincare disk, points as complex numbers.
void QuarterTurnDisk2(const Point2& a, Point2& z);

}  // namespace kernel
