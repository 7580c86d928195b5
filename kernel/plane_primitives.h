#pragma once
// Plane construction primitives: feet of perpendiculars, rotation about a centre, oriented angles,
// circumcentres, the point-in-triangle test and polygon measures. Degenerate input gives false
// (or a neutral value), never a failure.

#include <span>

#include "kernel/real.h"

namespace kernel {

// Projects P on the line AB: foot = A + t (B - A). False, writing nothing, when |B - A|^2 is
// below NullTolerance.
bool ProjectOnLine2(const Point2& p, const Point2& a, const Point2& b, Point2& foot, Real& t);
bool FootOnLine2(const Point2& p, const Point2& a, const Point2& b, Point2& foot);
// The foot F of P on AB with the distances P-F and A-F and the parameter of F.
bool FootAndDistances2(const Point2& p, const Point2& a, const Point2& b, Point2& foot,
                       Real& distance_to_foot, Real& distance_a_to_foot, Real& t);

// Rotates P about the centre by the angle whose cosine and sine are given.
void RotateAbout2(const Point2& centre, Real cos_angle, Real sin_angle, Point2& p);

// The oriented angle at V from VA to VB, in -pi..pi (counter-clockwise positive);
// 0 when A or B coincides with V.
Real SignedAngle2(const Point2& a, const Point2& v, const Point2& b);

// The centre of the circle through A, B and C; false with (0, 0) for collinear points.
bool Circumcenter2(const Point2& a, const Point2& b, const Point2& c, Point2& centre);

// P lies inside the triangle ABC: a point on edge AB or BC counts as inside, a point on edge CA
// as outside, so of the vertices only B is inside. A triangle of zero area contains nothing.
bool PointInTriangle2(const Point2& a, const Point2& b, const Point2& c, const Point2& p);

// The area centroid of the polygon. Works in place: every vertex is left translated by minus the
// first vertex. The first vertex itself when the polygon has no area; the origin for no vertices.
Point2 PolygonCentroid2(std::span<Point2> vertices);

struct AreaPerimeter {
  Real area = 0;
  Real perimeter = 0;
};

// Area and perimeter of the closed polygon vertices[0..last]. The polygon is closed by copying
// vertex 0 into slot last + 1 when the span has room for it. A negative last, or a last beyond
// the span, gives (0, 0).
AreaPerimeter PolygonAreaPerimeter2(std::span<Point2> vertices, int last);

}  // namespace kernel
