#pragma once
// Convex hull of a set of 3-D points: its faces, each the whole set of points lying in one
// supporting plane, reduced to the corners of its convex polygon.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "kernel/real.h"

namespace kernel {

// A face record holds at most 24 vertices; a face with more corners cannot be kept.
inline constexpr std::size_t kMaxHullFaceVertices = 24;
// The point count is a 16-bit number.
inline constexpr std::size_t kMaxHullPoints = 32767;

// One hull face: the positions in the given point array of its corners, counter-clockwise as seen
// from outside the hull. Points on the face's edges or inside it are not listed.
struct HullFace {
  std::vector<std::uint16_t> vertices;
};

enum class HullStatus : std::uint8_t {
  kComplete,    // the faces close around the hull
  kNoFace,      // the points all lie on one line or all coincide
  kRefused,     // no point, more than kMaxHullPoints, or a coordinate that is not finite or reaches HugeReal
  kIncomplete,  // some face could not be kept (more than 24 corners): the faces that were kept are
                // listed; or the hull could not be computed at all: no face is listed
};

struct ConvexHull3 {
  HullStatus status = HullStatus::kRefused;
  std::vector<HullFace> faces;  // in no particular order
};

// The hull of the points. Distances below the hull's tolerance count as zero: 1e-13 times the size
// of the set's box when that is above 1 (else 1e-13), and at least 64 units in the last place of
// the largest coordinate. Points that close together count as one, listed by the first of them;
// points that close to a face's plane belong to the face, and points that close to the line
// between two corners of a face are no corners. Points all in one plane give two faces: their
// convex polygon once in each orientation. The result depends only on the points and their order:
// the same points give the same faces, in the same order, every time.
ConvexHull3 ConvexHull3D(std::span<const Point3> points);

// The two searches below start a gift-wrapping walk over the hull; they are kept for callers that
// want a hull vertex or edge in a given direction.

// Index of the point farthest along the direction: the first to reach the maximum keeps it. -1 when
// the last improvement of the running maximum was below the null tolerance (the extreme point is
// not clear of the one before it) or no point exceeds -HugeReal along the direction.
int HullExtremePoint3(std::span<const Point3> points, const Point3& direction);

// The other end of a hull edge from the point first, which is extreme along the unit direction:
// the point whose direction from first makes the smallest angle with it; of two equal directions
// the nearer point. Points within the null tolerance of first are skipped; -1 when no other point
// is left.
int HullEdgeMate3(std::span<const Point3> points, int first, const Point3& direction);

}  // namespace kernel
