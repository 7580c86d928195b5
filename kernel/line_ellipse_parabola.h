#pragma once
// A line meeting an ellipse given by its foci and eccentricity, or a parabola given by its
// directrix and focus, found by constructions on the focal data rather than by an equation.
// The line runs from P1 (parameter 0) to P2 (parameter 1); the results are position codes of
// kernel_result.h with the points in out[0] and out[1].

#include <array>

#include "kernel/kernel_result.h"
#include "kernel/real.h"

namespace kernel {

// The parameter t with P = A + t (B - A), for a point P known to lie on the line AB, read from
// the x coordinates unless B - A is (nearly) vertical. kFarLineParameter when A and B coincide.
inline constexpr Real kFarLineParameter = static_cast<Real>(1e6);
Real LineParameter2(const Point2& a, const Point2& b, const Point2& p);

// Mirrors the vector v in the line through the origin with direction d. False, with v unchanged,
// when d is null.
bool ReflectAcrossDirection2(Point2& v, Point2 d);

// The line P1P2 and the ellipse of foci F1, F2 and eccentricity e. The ellipse is stretched
// across its focal line onto its major circle, so the codes and the order of the points are those
// of IntersectLineCircle2: out[0] has the larger parameter, a touching point fills both.
// kNoPoint, with out untouched, for coincident foci or an e outside 0 < e < 1; kNoPoint with out
// zeroed when the line misses or P1 = P2.
KernelResult IntersectLineEllipse2(const Point2& p1, const Point2& p2, const Point2& f1, const Point2& f2, Real e,
                                   std::array<Point2, 2>& out);

// The line P1P2 and the parabola of directrix AB and focus C. Two points: out[0] lies further
// along P1 -> P2 than out[1], with the two-point codes. A touching line always gives
// kTouchOnSegment with the point in both outputs. A line parallel to the axis meets the parabola
// once: kExactlyOnePoint with the point in both. kNoPoint, with out untouched, when the line
// misses, P1 = P2, A = B, or the focus lies on the directrix.
KernelResult IntersectLineParabola2(const Point2& p1, const Point2& p2, const Point2& a, const Point2& b,
                                    const Point2& c, std::array<Point2, 2>& out);

}  // namespace kernel
