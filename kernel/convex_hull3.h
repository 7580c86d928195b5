#pragma once
// Convex hull of a set of 3-D points by gift wrapping: one hull edge from a random direction, then
// face after face across the edges. Each face is the whole set of points in one supporting plane,
// reduced to the corners of its convex polygon.

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
  kIncomplete,  // some face could not be kept (more than 24 corners, or a plane the wrap could not
                // settle); the faces that were kept are listed
};

struct ConvexHull3 {
  HullStatus status = HullStatus::kRefused;
  std::vector<HullFace> faces;  // in no particular order
};

// The hull of the points. Points closer together than the hull's tolerance count as one, listed by
// the first of them. Points all in one plane give two faces: their convex polygon once in each
// orientation. The start is random, so the order of the faces and the first vertex of each vary
// from call to call; the set of faces does not.
ConvexHull3 ConvexHull3D(std::span<const Point3> points);

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
