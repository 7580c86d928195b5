#pragma once
// Random vertices of the starting figures of a plane construction: triangles, rectangles,
// trapezoids and polygons scattered about a centre. Each draws its values from RandomBetween
// (kernel/random.h), so a seeded generator gives a known figure. Angles in degrees are the
// figure's own choice; the results are world coordinates.

#include <span>

#include "kernel/real.h"

namespace kernel {

// The three vertices of a random triangle on the circle of radius r about the origin, counter-
// clockwise at the angles 120 i + 2 + 116 U degrees (i = 1, 2, 3): one in each third of the circle,
// never closer than 6 degrees of arc.
void RandomTriangleVertices(Real r, std::span<Point2, 3> v);

// An isosceles triangle on the circle of radius r: the first two vertices as above, the third
// mirrored from the second in the line through the first and the origin.
void RandomIsoscelesTriangleVertices(Real r, std::span<Point2, 3> v);

// A rectangle inscribed in the circle of radius r about the origin: two vertices at
// 70 i + 2 + 58 U degrees (i = 1, 2), the other two opposite them.
void RandomRectangleVertices(Real r, std::span<Point2, 4> v);

// An isosceles trapezoid in the view of centre c and half extents hw, hh: a bottom side of length
// 1.3 hw and a top side mirrored about the bottom side's perpendicular bisector.
void RandomIsoscelesTrapezoidVertices(const Point2& c, Real hw, Real hh, std::span<Point2, 4> v);

// A trapezoid well inside the view of centre c and half extents hx, hy: two parallel chords of a
// random direction, one below the centre across an inner box, one above it across an outer box,
// listed so that the four run around the figure. False, writing nothing, for an empty view.
bool RandomTrapezoidVertices(const Point2& c, Real hx, Real hy, std::span<Point2, 4> v);

// The vertices of a random polygon about the origin: vertex i (1-based) at 0.6 R at the angle
// U (s - 4) + s i + 2 degrees with s = 360 / n in whole degrees, so each vertex keeps to its own
// sector; a convex polygon has R scaled by 0.75 and is stretched by 1.4 .. 1.9 across and
// 0.8 .. 1.2 up. n = v.size(), at least 1.
void RandomPolygonVertices(Real R, bool convex, std::span<Point2> v);

}  // namespace kernel
