#pragma once
// Points of circular arcs for fills and for drawing arcs piece by piece: a plane arc sampled so that
// its chords stay within half a pixel (within bounds), the pieces of a circle that lie inside a
// view box, and a circular arc in space between two points.

#include <vector>

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// Most and fewest points of a sampled arc (an arc smaller than a pixel has 2).
inline constexpr int kArcMostPoints = 98;
inline constexpr int kArcFewestPoints = 10;

// The points of the arc about centre that starts at centre + startVector and turns by sweep
// radians (counter-clockwise when positive). pixelWidth is the world width of one pixel. A radius
// below one pixel gives 2 points; otherwise as many as keep every chord within half a pixel of the
// arc, at least 10 and at most 98. With out, the points are written there (replacing what it
// held). The count, negative when some point lies outside the view box (bounds inside); 0 for a
// non-finite input.
int ArcPoints(const Point2& centre, const Point2& startVector, Real sweep, Real pixelWidth, const Box2& view,
              std::vector<Point2>* out);

// One visible piece of an arc: from the start turned by `from` to the start turned by `to`
// (radians, from <= to).
struct ArcPiece {
  Real from = 0;
  Real to = 0;
};

// The pieces inside the box of the arc about centre from start by sweep radians (sweep >= 0; a
// whole circle when `whole`). The circle is cut at the sides of the box; a piece runs between two
// consecutive cuts (or an end of the arc) inside the box. A circle that never crosses the box gives
// the whole arc when its start lies inside the box, and nothing otherwise (also when it surrounds
// the box). A whole circle whose start lies inside keeps the piece through the start in one.
void ArcPiecesInBox(const Point2& centre, const Point2& start, Real sweep, bool whole, const Box2& box,
                    std::vector<ArcPiece>& pieces);

// The points of the circular arc about O from A to B in the plane of the three points: about 50 per
// half turn (at least 2), A first and B last. When A - O and B - O are parallel only A is given.
// With out, the points are written there. The count.
int SphereFillPath3(const Point3& O, const Point3& A, const Point3& B, std::vector<Point3>* out);

}  // namespace kernel
