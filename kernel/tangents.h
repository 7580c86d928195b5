#pragma once
// Contact points of tangent lines: from a point to a circle, and the common tangents of two
// circles, in the plane (straight lines) and on the unit sphere (great circles). A circle is given
// by its centre and one of its points. Outputs are written only when the result is 0.

#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace kernel {

inline constexpr std::uint16_t kTangentsFound = 0;
inline constexpr std::uint16_t kPointNotOutsideCircle2 = 30;     // plane: the point is not outside the circle
inline constexpr std::uint16_t kNoTangentFromPointSphere = 6;    // sphere: no tangent from the point
inline constexpr std::uint16_t kNoCommonTangent = 10;            // no common tangent of the asked kind

// Tangents from p to the circle of centre c through q. out[0] is reached from the direction c to p
// by turning counter-clockwise, out[1] by turning clockwise. kPointNotOutsideCircle2 when p is not
// farther from c than the radius plus the null tolerance.
std::uint16_t TangentPointsFromPoint2(const Point2& c, const Point2& q, const Point2& p, std::span<Point2, 2> out);

// Tangent great circles from p to the circle of the unit sphere about c through q. The circle is
// the one about c: p must be farther from c than q is. kNoTangentFromPointSphere when it is not,
// when the circle is a great circle, when p is antipodal to c, and when no great circle through p
// touches the circle (p lies within the circle's antipodal image). A tangent that only just exists
// gives its touching point in both entries.
std::uint16_t TangentPointsFromPointSphere3(const Point3& c, const Point3& q, const Point3& p,
                                            std::span<Point3, 2> out);

// Common tangents of the circles (c1 through q1) and (c2 through q2), outer or inner. out1 gets
// the contact points on circle 1, out2 those on circle 2, entry i of both on the same tangent.
// Entry 0 is, for outer tangents, the tangent on the counter-clockwise side of the direction c1 to
// c2, and for inner tangents the one that touches circle 1 on that side. kNoCommonTangent for
// concentric circles, for circles that overlap (inner) or lie one inside the other (outer), and
// when a contact point cannot be found.
std::uint16_t CommonTangents2(const Point2& c1, const Point2& q1, const Point2& c2, const Point2& q2, bool inner,
                              std::span<Point2, 2> out1, std::span<Point2, 2> out2);

// The same on the unit sphere with great circles. Both tangent great circles pass through the
// spherical centre of similitude, which is found from the circles' centres weighted by the sines
// of their radii, valid for any pair of radii. Entry i of out1 and of out2 lie on the same tangent.
std::uint16_t CommonTangentsSphere3(const Point3& c1, const Point3& q1, const Point3& c2, const Point3& q2,
                                    bool inner, std::span<Point3, 2> out1, std::span<Point3, 2> out2);

}  // namespace kernel
