#pragma once
// Ellipses, hyperbolas and parabolas held in space by a point C and two frame vectors U and V:
// their points at an angle theta, and the angles at which they meet a plane N . X = d.

#include <array>

#include "kernel/real.h"

namespace kernel {

using CurveAngles = std::array<Real, 2>;

// out = C + a U + b V. The ellipse's point at theta is PointInFrame3(C, U, V, cos, sin).
void PointInFrame3(const Point3& c, const Point3& u, const Point3& v, Real a, Real b, Point3& out);

// out = C + k U + (k s) V with k = 1/w; when |w| is below the null tolerance, k is HugeReal for w > 0
// and -HugeReal otherwise, so the point runs far out along an asymptote. The hyperbola's point at
// theta is PointInFrameRational3(C, U, V, cos, sin).
void PointInFrameRational3(const Point3& c, const Point3& u, const Point3& v, Real w, Real s, Point3& out);

// The parabola's point at the angle with cosine c and sine s:
// out = C + (2c / (1 + c)) U + (2s / (1 + c)) V. The angle pi (1 + c below the null tolerance) is
// the point at infinity: false, and out is left as it was.
bool ParabolaPointInFrame3(const Point3& c, const Point3& u, const Point3& v, Real cosine, Real sine,
                           Point3& out);

// The angles theta in [0, 2 pi) with a cos(theta) + b sin(theta) = c. False, and angles left as they
// were, when a and b both vanish or |c| exceeds sqrt(a^2 + b^2). A touching solution gives two
// equal angles.
bool SolveCosSinEquation(Real a, Real b, Real c, CurveAngles& angles);

// The angles at which the ellipse (ellipse set) or the hyperbola (ellipse clear) in the frame
// C, U, V meets the plane N . X = d. False, angles untouched, when the plane is parallel to the
// curve's plane or misses the curve.
bool ArcParameterAngles3(const Point3& c, const Point3& u, const Point3& v, const Point3& n, Real d,
                         CurveAngles& angles, bool ellipse);

// The angles at which the parabola in the frame C, U, V meets the plane N . X = d. When the plane
// is parallel to the parabola's axis, one of the two is pi, which has no point (ParabolaPointInFrame3
// refuses it). False, angles untouched, when the plane misses the parabola or every angle found is pi.
bool CurveParameterAngle3(const Point3& c, const Point3& u, const Point3& v, const Point3& n, Real d,
                          CurveAngles& angles);

}  // namespace kernel
