#pragma once
// Side tests shared by many constructions, and the centre of the circle through three points of
// the unit sphere.

#include "kernel/real.h"

namespace kernel {

// P and Q lie strictly on the same side of the line AB (a point on the line is on no side).
bool SameSide2(const Point2& A, const Point2& B, const Point2& P, const Point2& Q);

// Q lies strictly on the same side of the plane through the origin parallel to P1P2P3 as that
// plane itself: on the unit sphere, Q is in the hemisphere that holds the small circle through
// P1, P2, P3. False for every Q when P1, P2, P3 lie on a great circle.
bool SameSide3(const Point3& P1, const Point3& P2, const Point3& P3, const Point3& Q);

// Pole of the circle through three points of the unit sphere, on the side of the points' plane
// where the circle lies. False when the two bisecting great circles do not give a direction
// (points coincide or are antipodal); out then holds that short vector.
bool SphereCircumcentre3(const Point3& P1, const Point3& P2, const Point3& P3, Point3& out);

}  // namespace kernel
