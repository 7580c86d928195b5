#pragma once
// The cells of a nearest-site (Voronoi) diagram within a box: for each site the points of the box
// nearer to it than to every other, a convex polygon.

#include <span>
#include <vector>

#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// Cuts the convex polygon down to the points x with n.x <= c (a closed half-plane), into `out`
// (not the polygon's own storage); fewer than three points left give an empty polygon.
void ClipToHalfPlane(std::span<const Point2> polygon, const Point2& n, Real c, std::vector<Point2>& out);

// Cuts the convex polygon down to the points at least as near to p as to q (the closed half-plane
// on p's side of their perpendicular bisector), into `out`. Nothing is cut when p equals q; fewer
// than three points left give an empty polygon.
void ClipToNearerHalf(std::span<const Point2> polygon, const Point2& p, const Point2& q, std::vector<Point2>& out);

// The cell of sites[k] within the box, counter-clockwise: empty when no part of the box is nearer
// to it, or when an earlier site stands at the same place (that one takes the cell).
std::vector<Point2> VoronoiCell(std::span<const Point2> sites, std::size_t k, const Box2& box);

// The frame of a convex counter-clockwise polygon: its points within `width` of its boundary, as
// convex pieces into `pieces`, one along each edge (neighbouring pieces overlap at the corners).
// A polygon with no point farther than `width` from its boundary is its own frame, one piece; a
// width of 0 or less frames nothing.
void ConvexFramePieces(std::span<const Point2> polygon, Real width, std::vector<std::vector<Point2>>& pieces);
// The same frame as one polygon, for targets that fill by the winding rule: the boundary, a bridge
// to the inner boundary, the inner boundary the other way round and back along the bridge (whose
// two sides cancel), into `ring`. The polygon itself when it is its own frame; empty for a width
// of 0 or less.
void ConvexFrameRing(std::span<const Point2> polygon, Real width, std::vector<Point2>& ring);

// Every site's cell at once, as VoronoiCell gives them; the sites are bucketed so that each cell
// only meets the sites near it. A site with an infinite or undefined coordinate has no cell and
// cuts none.
std::vector<std::vector<Point2>> VoronoiCells(std::span<const Point2> sites, const Box2& box);

}  // namespace kernel
