#include "kernel/convex_hull3.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "kernel/constants.h"
#include "kernel/random.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// Random directions tried for the start point before the last one is taken whatever its margin.
constexpr int kStartDraws = 64;

Real Length3(const Point3& v) {
  return std::sqrt(Dot3(v, v));
}

bool IsUsableCoordinate(Real value) {
  return std::isfinite(value) && std::fabs(value) < HugeReal;
}

// ---- Points that count as one --------------------------------------------------------------------

struct GridCell {
  std::int64_t x, y, z;
  bool operator==(const GridCell&) const = default;
};

struct GridCellHash {
  std::size_t operator()(const GridCell& c) const {
    std::uint64_t h = static_cast<std::uint64_t>(c.x) * 0x9E3779B97F4A7C15ull;
    h ^= static_cast<std::uint64_t>(c.y) + 0x7F4A7C159E3779B9ull + (h << 6) + (h >> 2);
    h ^= static_cast<std::uint64_t>(c.z) + 0x94D049BB133111EBull + (h << 6) + (h >> 2);
    return static_cast<std::size_t>(h);
  }
};

// Positions of the points that stand for themselves, in index order: a point within the tolerance
// (taxicab distance) of an earlier kept point is the same vertex and is left out. Coordinates are
// at most scale in size and the tolerance is a fixed fraction of scale, so the cell numbers fit.
std::vector<std::uint16_t> DistinctPoints(std::span<const Point3> points, Real tolerance) {
  auto cellOf = [tolerance](const Point3& p) {
    return GridCell{static_cast<std::int64_t>(std::floor(p.x / tolerance)),
                    static_cast<std::int64_t>(std::floor(p.y / tolerance)),
                    static_cast<std::int64_t>(std::floor(p.z / tolerance))};
  };
  std::unordered_map<GridCell, std::vector<std::uint16_t>, GridCellHash> grid;
  for (std::size_t i = 0; i < points.size(); ++i)
    grid[cellOf(points[i])].push_back(static_cast<std::uint16_t>(i));

  std::vector<bool> merged(points.size(), false);
  std::vector<std::uint16_t> kept;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (merged[i]) continue;
    kept.push_back(static_cast<std::uint16_t>(i));
    const GridCell home = cellOf(points[i]);
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
      for (std::int64_t dy = -1; dy <= 1; ++dy) {
        for (std::int64_t dz = -1; dz <= 1; ++dz) {
          const auto found = grid.find({home.x + dx, home.y + dy, home.z + dz});
          if (found == grid.end()) continue;
          for (std::uint16_t j : found->second) {
            if (j > i && !merged[j] && TaxiDist3(points[i], points[j]) <= tolerance) merged[j] = true;
          }
        }
      }
    }
  }
  return kept;
}

// ---- Start edge --------------------------------------------------------------------------------

struct ExtremeSearch {
  int best = -1;       // the first point to reach the maximum
  bool clear = false;  // the last improvement of the maximum reached the null tolerance
};

ExtremeSearch FindExtreme(std::span<const Point3> points, const Point3& direction) {
  ExtremeSearch result;
  Real maximum = -HugeReal;
  Real replaced = -HugeReal;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Real d = Dot3(points[i], direction);
    if (d > maximum) {
      replaced = maximum;
      maximum = d;
      result.best = static_cast<int>(i);
    }
  }
  result.clear = result.best >= 0 && maximum >= replaced + NullTolerance;
  return result;
}

// A hull vertex, extreme along a random direction (returned too). The draws are bounded: when the
// extreme point is never clear of its runner-up (near-coincident extreme points), the extreme point
// of the last direction drawn is taken all the same.
int StartPoint(std::span<const Point3> points, Point3& direction) {
  ExtremeSearch found;
  for (int draw = 0; draw < kStartDraws; ++draw) {
    Point3 d;
    d.z = 1 - 2 * RandomBetween(0, 1);
    d.y = 1 - 2 * RandomBetween(0, 1);
    d.x = 1 - 2 * RandomBetween(0, 1);
    if (!Normalize3(d)) continue;
    direction = d;
    found = FindExtreme(points, direction);
    if (found.clear) return found.best;
  }
  if (found.best >= 0) return found.best;
  // No point got past -HugeReal along the directions drawn (or no direction could be drawn): take
  // the plain maximum along the last one.
  if (!Normalize3(direction)) direction = {1, 0, 0};
  int best = 0;
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (Dot3(points[i], direction) > Dot3(points[best], direction)) best = static_cast<int>(i);
  }
  return best;
}

// ---- One face ------------------------------------------------------------------------------------

enum class PlaneSearch : std::uint8_t { kFound, kAllOnLine, kUnsettled };

struct FacePlane {
  Point3 normal;            // unit, pointing out of the hull
  std::vector<int> points;  // a, b, then every other point within the tolerance of the plane
};

// The supporting plane through the edge a -> b with the face to the left of a -> b as seen from
// outside, and the points lying in it.
PlaneSearch FindFacePlane(std::span<const Point3> points, int a, int b, Real tolerance, FacePlane& plane) {
  const Point3 origin = points[a];
  const Point3 edge = points[b] - origin;
  const Real edgeLength = Length3(edge);
  if (edgeLength == 0) return PlaneSearch::kAllOnLine;
  const int n = static_cast<int>(points.size());

  int current = -1;
  for (int i = 0; i < n && current < 0; ++i) {
    if (i == a || i == b) continue;
    if (Length3(Cross3(edge, points[i] - origin)) / edgeLength > tolerance) current = i;
  }
  if (current < 0) return PlaneSearch::kAllOnLine;

  // Turn the plane about the edge to the point above it at the greatest angle about the edge, until
  // no point lies above it: in exact arithmetic one turn reaches the face and the next finds
  // nothing more, and since every turn reaches a greater angle, n turns always suffice. The bound
  // keeps rounding from letting near-coplanar points take turns for ever.
  const Point3 axis = (1 / edgeLength) * edge;
  Point3 normal;
  bool settled = false;
  for (int turn = 0; turn < n && !settled; ++turn) {
    normal = Cross3(edge, points[current] - origin);
    const Real normalLength = Length3(normal);
    if (normalLength == 0) return PlaneSearch::kUnsettled;
    normal = (1 / normalLength) * normal;
    const Point3 across = Cross3(normal, axis);  // in the plane, from the edge towards current
    // The angle of a point above the plane is atan2(height, reach); of two, the greater has the
    // smaller reach / height.
    int next = -1;
    Real nextHeight = 1;
    Real nextReach = 0;
    for (int i = 0; i < n; ++i) {
      if (i == a || i == b || i == current) continue;
      const Point3 v = points[i] - origin;
      const Real height = Dot3(normal, v);
      if (height <= tolerance) continue;
      const Real reach = Dot3(across, v);
      if (next < 0 || reach * nextHeight < nextReach * height) {
        next = i;
        nextHeight = height;
        nextReach = reach;
      }
    }
    if (next < 0) {
      settled = true;
    } else {
      current = next;
    }
  }
  if (!settled) return PlaneSearch::kUnsettled;

  plane.normal = normal;
  plane.points.assign({a, b});
  bool currentCollected = false;
  for (int i = 0; i < n; ++i) {
    if (i == a || i == b) continue;
    if (std::fabs(Dot3(normal, points[i] - origin)) <= tolerance) {
      plane.points.push_back(i);
      currentCollected = currentCollected || i == current;
    }
  }
  // The point that settled the plane lies in it; rounding must not leave it out (nor list it twice).
  if (!currentCollected) plane.points.push_back(current);
  return PlaneSearch::kFound;
}

struct FlatPoint {
  Real x, y;
};

// The corners of the convex polygon of the plane's points, counter-clockwise about its normal,
// starting at the edge's first point a, which is a hull vertex and so a corner of every face it
// lies in. The wrap goes from corner to corner: the next corner is the point that no other lies
// clearly to the right of, and of points in one direction (within the tolerance) the farthest, so
// points on the polygon's edges are no corners and two faces that share an edge list it between
// the same two corners. Empty when the wrap does not close within one step per point.
std::vector<int> PlanarHullWrap3(std::span<const Point3> points, const FacePlane& plane, Real tolerance) {
  const Point3 origin = points[plane.points[0]];
  Point3 u = points[plane.points[1]] - origin;
  u = (1 / Length3(u)) * u;
  const Point3 w = Cross3(plane.normal, u);  // (u, w, normal) is right-handed

  const std::size_t m = plane.points.size();
  std::vector<FlatPoint> flat;
  flat.reserve(m);
  for (int index : plane.points) {
    const Point3 v = points[index] - origin;
    flat.push_back({Dot3(v, u), Dot3(v, w)});
  }

  std::vector<int> corners{plane.points[0]};
  std::size_t current = 0;
  // The first edge runs along a -> b; after it, the way back to a is the first candidate.
  std::size_t candidate = 1;
  for (std::size_t step = 0; step < m; ++step) {
    const FlatPoint& c = flat[current];
    for (std::size_t i = 0; i < m; ++i) {
      if (i == current || i == candidate) continue;
      const Real dx = flat[candidate].x - c.x;
      const Real dy = flat[candidate].y - c.y;
      const Real px = flat[i].x - c.x;
      const Real py = flat[i].y - c.y;
      const Real cross = dx * py - dy * px;  // |c -> candidate| times the distance of i left of it
      const Real margin = tolerance * std::hypot(dx, dy);
      if (cross < -margin || (cross <= margin && dx * px + dy * py > dx * dx + dy * dy)) candidate = i;
    }
    if (candidate == 0) return corners;
    corners.push_back(plane.points[candidate]);
    current = candidate;
    candidate = 0;
  }
  return {};
}

// ---- Traversal -----------------------------------------------------------------------------------

using EdgeKey = std::uint32_t;
EdgeKey DirectedEdge(int from, int to) {
  return (static_cast<EdgeKey>(from) << 16) | static_cast<EdgeKey>(to);
}

}  // namespace

int HullExtremePoint3(std::span<const Point3> points, const Point3& direction) {
  const ExtremeSearch found = FindExtreme(points, direction);
  return found.clear ? found.best : -1;
}

int HullEdgeMate3(std::span<const Point3> points, int first, const Point3& direction) {
  if (first < 0 || static_cast<std::size_t>(first) >= points.size()) return -1;
  int best = -1;
  Real bestCosine = -HugeReal;
  Real keptLength = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    if (static_cast<int>(i) == first) continue;
    const Point3 v = points[i] - points[first];
    const Real length = Length3(v);
    if (length <= NullTolerance) continue;
    const Real cosine = Dot3(v, direction) / length;
    const bool nearerInSameDirection = std::fabs(bestCosine - cosine) < NullTolerance && keptLength > length;
    if (nearerInSameDirection || cosine > bestCosine) {
      best = static_cast<int>(i);
      bestCosine = cosine;
      keptLength = length;
    }
  }
  return best;
}

ConvexHull3 ConvexHull3D(std::span<const Point3> points) {
  ConvexHull3 hull;
  if (points.empty() || points.size() > kMaxHullPoints) return hull;
  Real scale = 1;
  for (const Point3& p : points) {
    if (!IsUsableCoordinate(p.x) || !IsUsableCoordinate(p.y) || !IsUsableCoordinate(p.z)) return hull;
    scale = std::max({scale, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
  }
  // Distances below this count as zero: off a face plane, off a line, between two points.
  const Real tolerance = SnapTolerance * scale;

  const std::vector<std::uint16_t> original = DistinctPoints(points, tolerance);
  std::vector<Point3> distinct;
  distinct.reserve(original.size());
  for (std::uint16_t i : original) distinct.push_back(points[i]);

  hull.status = HullStatus::kNoFace;
  Point3 direction;
  const int first = StartPoint(distinct, direction);
  const int mate = HullEdgeMate3(distinct, first, direction);
  if (mate < 0) return hull;

  // Every edge is wrapped at most once, and a face is kept only when none of its edges belongs to
  // a face found before: the walk ends on any input and lists no face twice.
  std::unordered_set<EdgeKey> wrapped;
  std::unordered_set<EdgeKey> faceEdges;  // the directed edges of every face found, kept or not
  std::vector<std::pair<int, int>> pending{{first, mate}};
  std::vector<std::vector<int>> kept;
  bool lostFace = false;
  bool firstEdge = true;
  FacePlane plane;
  while (!pending.empty()) {
    const auto [a, b] = pending.back();
    pending.pop_back();
    const EdgeKey edge = DirectedEdge(a, b);
    if (faceEdges.contains(edge) || !wrapped.insert(edge).second) continue;

    const PlaneSearch search = FindFacePlane(distinct, a, b, tolerance, plane);
    if (search == PlaneSearch::kAllOnLine && firstEdge) return hull;
    firstEdge = false;
    if (search != PlaneSearch::kFound) {
      lostFace = true;
      continue;
    }
    const std::vector<int> corners = PlanarHullWrap3(distinct, plane, tolerance);
    if (corners.size() < 3) {
      lostFace = true;
      continue;
    }
    const std::size_t m = corners.size();
    bool known = false;
    for (std::size_t k = 0; k < m && !known; ++k) {
      known = faceEdges.contains(DirectedEdge(corners[k], corners[(k + 1) % m]));
    }
    if (known) continue;

    for (std::size_t k = 0; k < m; ++k) faceEdges.insert(DirectedEdge(corners[k], corners[(k + 1) % m]));
    // A face with too many corners is not kept, but the walk goes on across its edges.
    for (std::size_t k = 0; k < m; ++k) {
      const int from = corners[(k + 1) % m];
      const int to = corners[k];
      const EdgeKey neighbour = DirectedEdge(from, to);
      if (!faceEdges.contains(neighbour) && !wrapped.contains(neighbour)) pending.push_back({from, to});
    }
    if (m > kMaxHullFaceVertices) {
      lostFace = true;
    } else {
      kept.push_back(corners);
    }
  }

  // The faces found must close: every edge met by the reverse edge of another face.
  for (const EdgeKey edge : faceEdges) {
    if (!faceEdges.contains((edge << 16) | (edge >> 16))) lostFace = true;
  }

  hull.status = lostFace ? HullStatus::kIncomplete : HullStatus::kComplete;
  hull.faces.reserve(kept.size());
  for (const std::vector<int>& corners : kept) {
    HullFace face;
    face.vertices.reserve(corners.size());
    for (int c : corners) face.vertices.push_back(original[c]);
    hull.faces.push_back(std::move(face));
  }
  return hull;
}

}  // namespace kernel
