#include "kernel/convex_hull3.h"

// The hull is computed by qhull's reentrant library. This file is the only one that uses it.
extern "C" {
#include <libqhull_r/libqhull_r.h>
}

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "kernel/constants.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// The vector arithmetic of the loops over every point or face, inline.
Real Dot(const Point3& a, const Point3& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

Point3 Cross(const Point3& a, const Point3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Real Length3(const Point3& v) {
  return std::sqrt(Dot(v, v));
}

bool IsUsableCoordinate(Real value) {
  return std::isfinite(value) && std::fabs(value) < HugeReal;
}

// Distances below this count as zero: between two points, off a line, off a face plane. It is the
// coordinate tolerance in a set of size up to 1 and grows with the size of a larger set; far from
// the origin it is at least 64 units in the last place of the largest coordinate, the rounding that
// a few operations leave there. A set far away is thus judged by its size, not by its distance.
Real HullTolerance(Real extent, Real largestCoordinate) {
  return std::max(SnapTolerance * std::max(static_cast<Real>(1), extent),
                  64 * std::numeric_limits<Real>::epsilon() * largestCoordinate);
}

// ---- Points that count as one --------------------------------------------------------------------

// Positions of the points that stand for themselves, in index order: a point within the tolerance
// (taxicab distance) of an earlier kept point is the same vertex and is left out. The points are
// sorted into cubic cells 64 tolerances in size by their scaled coordinates (see QhullCoordinates),
// so that the points within the tolerance of a point lie in its own cell and, where it lies near a
// side of its cell, in the cells beyond: mostly one cell is searched. The scaled coordinates are at
// most 1/2 in size and the tolerance at least 1e-13 of the set's size, so the cell numbers fit.
std::vector<std::uint16_t> DistinctPoints(std::span<const Point3> points, const std::vector<coordT>& scaled,
                                          coordT scaledTolerance, Real tolerance) {
  const std::size_t n = points.size();
  const coordT perCell = 1 / (64 * scaledTolerance);
  // Twice the tolerance in cells: a margin beyond the rounding of the scaled coordinates.
  const coordT nearSide = 2.0 / 64;
  // The cell of point i, and in sides two bits an axis: 1 when it lies near the lower side of its
  // cell, 2 near the upper side.
  const auto cellOf = [&](std::size_t i, std::int64_t cell[3], unsigned& sides) {
    sides = 0;
    for (std::size_t axis = 0; axis < 3; ++axis) {
      const coordT c = scaled[3 * i + axis] * perCell;
      std::int64_t whole = static_cast<std::int64_t>(c);
      if (c < static_cast<coordT>(whole)) --whole;  // the floor
      const coordT fraction = c - static_cast<coordT>(whole);
      cell[axis] = whole;
      if (fraction < nearSide) sides |= 1u << (2 * axis);
      if (fraction > 1 - nearSide) sides |= 2u << (2 * axis);
    }
  };
  // A hash of the cell numbers. Cells whose hashes agree share a chain below, which costs a
  // distance test only.
  const auto keyOf = [](const std::int64_t cell[3]) {
    std::uint64_t h = static_cast<std::uint64_t>(cell[0]);
    h = h * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(cell[1]);
    h = h * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(cell[2]);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ull;  // the finish of splitmix64
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBull;
    return static_cast<std::uint32_t>(h ^ (h >> 31));
  };

  // An open-addressing table of the cells' hashes; the points of one cell are chained by index,
  // in index order (they are chained in reverse).
  std::size_t slots = 16;
  while (slots < 2 * n) slots *= 2;
  std::vector<std::uint32_t> slotKey(slots);
  std::vector<int> slotHead(slots, -1);
  std::vector<int> nextInCell(n, -1);
  std::vector<std::uint8_t> nearSides(n);
  const auto slotOf = [&](std::uint32_t key) {
    std::size_t slot = key & (slots - 1);
    while (slotHead[slot] >= 0 && slotKey[slot] != key) slot = (slot + 1) & (slots - 1);
    return slot;
  };
  for (std::size_t i = n; i-- > 0;) {
    std::int64_t cell[3];
    unsigned sides;
    cellOf(i, cell, sides);
    nearSides[i] = static_cast<std::uint8_t>(sides);
    const std::uint32_t key = keyOf(cell);
    const std::size_t slot = slotOf(key);
    slotKey[slot] = key;
    nextInCell[i] = slotHead[slot];
    slotHead[slot] = static_cast<int>(i);
  }

  std::vector<bool> merged(n, false);
  std::vector<std::uint16_t> kept;
  kept.reserve(n);
  const auto absorb = [&](std::size_t i, int head) {
    for (int j = head; j >= 0; j = nextInCell[static_cast<std::size_t>(j)]) {
      const auto u = static_cast<std::size_t>(j);
      if (u > i && !merged[u] && TaxiDist3(points[i], points[u]) <= tolerance) merged[u] = true;
    }
  };
  for (std::size_t i = 0; i < n; ++i) {
    if (merged[i]) continue;
    kept.push_back(static_cast<std::uint16_t>(i));
    absorb(i, nextInCell[i]);  // the later points of its own cell
    if (nearSides[i] == 0) continue;
    // The cells beyond the sides it lies near, and beyond their edges and corners.
    std::int64_t home[3];
    unsigned sides;
    cellOf(i, home, sides);
    for (unsigned shifts = 1; shifts < 8; ++shifts) {
      std::int64_t cell[3] = {home[0], home[1], home[2]};
      bool searched = true;
      for (std::size_t axis = 0; axis < 3 && searched; ++axis) {
        if (!((shifts >> axis) & 1)) continue;
        const unsigned side = (sides >> (2 * axis)) & 3;
        searched = side != 0;
        cell[axis] += side == 1 ? -1 : 1;
      }
      if (searched) absorb(i, slotHead[slotOf(keyOf(cell))]);
    }
  }
  return kept;
}

// ---- Shape of the point set ----------------------------------------------------------------------

// The eigenvectors of a symmetric 3 x 3 matrix (the matrix is overwritten), by Jacobi rotations,
// in descending order of their eigenvalues.
void SymmetricEigenvectors3(Real a[3][3], Point3 axes[3]) {
  Real v[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  for (int sweep = 0; sweep < 32; ++sweep) {
    if (a[0][1] == 0 && a[0][2] == 0 && a[1][2] == 0) break;
    for (int p = 0; p < 2; ++p) {
      for (int q = p + 1; q < 3; ++q) {
        if (a[p][q] == 0) continue;
        // The rotation in the (p, q) plane that clears a[p][q].
        const Real theta = (a[q][q] - a[p][p]) / (2 * a[p][q]);
        const Real t = (theta >= 0 ? 1 : -1) / (std::fabs(theta) + std::sqrt(theta * theta + 1));
        const Real c = 1 / std::sqrt(t * t + 1);
        const Real s = t * c;
        for (int k = 0; k < 3; ++k) {
          const Real akp = a[k][p];
          const Real akq = a[k][q];
          a[k][p] = c * akp - s * akq;
          a[k][q] = s * akp + c * akq;
        }
        for (int k = 0; k < 3; ++k) {
          const Real apk = a[p][k];
          const Real aqk = a[q][k];
          a[p][k] = c * apk - s * aqk;
          a[q][k] = s * apk + c * aqk;
        }
        for (int k = 0; k < 3; ++k) {
          const Real vkp = v[k][p];
          const Real vkq = v[k][q];
          v[k][p] = c * vkp - s * vkq;
          v[k][q] = s * vkp + c * vkq;
        }
      }
    }
  }
  int order[3] = {0, 1, 2};
  std::sort(order, order + 3, [&a](int i, int j) { return a[i][i] > a[j][j]; });
  for (int k = 0; k < 3; ++k) {
    const int i = order[k];
    axes[k] = {v[0][i], v[1][i], v[2][i]};
  }
}

enum class Spread : std::uint8_t { kOnePoint, kOnLine, kInPlane, kThin, kSolid };

struct SpreadTest {
  Spread spread = Spread::kOnePoint;
  Point3 normal;  // unit, across the plane that fits the points best (kInPlane and beyond)
};

// A set thinner than this many tolerances across its best plane is built without merging faces
// within the tolerance: there, merging could fold the two sides of the set onto each other.
constexpr Real kThinSet = 64;

// Whether the points span a line, a plane or space, from their principal axes: they lie on a line
// when they are all within the tolerance of the line through their mean along the first axis, in a
// plane when they are all within the tolerance of the plane through the mean across the last one.
SpreadTest MeasureSpread(std::span<const Point3> points, Real tolerance) {
  SpreadTest result;
  if (points.size() < 2) return result;
  Point3 sum{0, 0, 0};
  for (const Point3& p : points) sum = sum + p;
  const Point3 mean = (1 / static_cast<Real>(points.size())) * sum;
  Real moments[3][3] = {};
  for (const Point3& p : points) {
    const Real d[3] = {p.x - mean.x, p.y - mean.y, p.z - mean.z};
    for (int i = 0; i < 3; ++i) {
      for (int j = 0; j < 3; ++j) moments[i][j] += d[i] * d[j];
    }
  }
  Point3 axes[3];
  SymmetricEigenvectors3(moments, axes);

  result.spread = Spread::kOnLine;
  Real offLineSquared = 0;
  Real low = 0;
  Real high = 0;
  for (const Point3& p : points) {
    const Point3 d = p - mean;
    const Point3 off = Cross(axes[0], d);
    offLineSquared = std::max(offLineSquared, Dot(off, off));
    const Real height = Dot(axes[2], d);
    low = std::min(low, height);
    high = std::max(high, height);
  }
  if (offLineSquared <= tolerance * tolerance) return result;
  result.normal = axes[2];
  if (std::max(high, -low) <= tolerance) {
    result.spread = Spread::kInPlane;
  } else if (high - low <= kThinSet * tolerance) {
    result.spread = Spread::kThin;
  } else {
    result.spread = Spread::kSolid;
  }
  return result;
}

// ---- Faces ---------------------------------------------------------------------------------------

// Two unit vectors completing the normal to a right-handed frame (u, w, normal).
void PlaneAxes(const Point3& normal, Point3& u, Point3& w) {
  const Point3 helper = std::fabs(normal.x) < 0.6L ? Point3{1, 0, 0} : Point3{0, 1, 0};
  u = Cross(helper, normal);
  u = (1 / Length3(u)) * u;
  w = Cross(normal, u);
}

struct FlatPoint {
  Real x, y;
  int index;
};

Real Cross2(const FlatPoint& o, const FlatPoint& a, const FlatPoint& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The corners of the convex polygon of points in one plane, counter-clockwise about its normal, by
// the monotone chain: a point within the tolerance of the line through its neighbours is no corner.
std::vector<int> PlanarPolygon(std::span<const Point3> points, const Point3& normal, Real tolerance) {
  Point3 u, w;
  PlaneAxes(normal, u, w);
  std::vector<FlatPoint> flat;
  flat.reserve(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    flat.push_back({Dot(points[i], u), Dot(points[i], w), static_cast<int>(i)});
  }
  std::sort(flat.begin(), flat.end(), [](const FlatPoint& a, const FlatPoint& b) {
    return a.x < b.x || (a.x == b.x && (a.y < b.y || (a.y == b.y && a.index < b.index)));
  });
  // b is kept after a (coming from o) only when a lies clearly right of the line o -> b, so that the
  // chain turns left at a.
  const auto turnsLeft = [tolerance](const FlatPoint& o, const FlatPoint& a, const FlatPoint& b) {
    return Cross2(o, a, b) > tolerance * std::hypot(b.x - o.x, b.y - o.y);
  };
  std::vector<FlatPoint> chain;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t base = chain.size();
    for (const FlatPoint& p : flat) {
      while (chain.size() >= base + 2 && !turnsLeft(chain[chain.size() - 2], chain.back(), p)) chain.pop_back();
      chain.push_back(p);
    }
    chain.pop_back();  // the end of one chain starts the other
    std::reverse(flat.begin(), flat.end());
  }
  std::vector<int> corners;
  for (const FlatPoint& p : chain) corners.push_back(p.index);
  return corners;
}

// qhull computes in double (its coordT) while the points are long double. The points are moved so
// that their box is centred on the origin, in long double, and scaled by a power of two (exactly)
// to at most 1/2 in each coordinate; each coordinate is then rounded once to double, so that the
// rounding is relative to the size of the set rather than to its distance from the origin. Of
// qhull's result only the combinatorics are kept (which points are the vertices of which face, in
// which order), and its facet planes serve only to tell where faces nearly meet in a plane: every
// measure of the hull is taken from the long double points.
std::vector<coordT> QhullCoordinates(std::span<const Point3> points, const Point3& centre, int exponent) {
  const Real scale = std::ldexp(static_cast<Real>(1), -exponent);
  std::vector<coordT> coordinates;
  coordinates.reserve(3 * points.size());
  for (const Point3& p : points) {
    coordinates.push_back(static_cast<coordT>((p.x - centre.x) * scale));
    coordinates.push_back(static_cast<coordT>((p.y - centre.y) * scale));
    coordinates.push_back(static_cast<coordT>((p.z - centre.z) * scale));
  }
  return coordinates;
}

// The vertices of a facet of qhull's that is not simplicial, in qhull's own order (as in its 3-d
// output): clockwise as seen from outside. The facet is rounded from ridge to ridge, each ridge an
// edge directed by whether the facet is its top or its bottom, the next ridge starting where this
// one ends; neighbouring facets thus list their common edges in opposite directions. (A simplicial
// facet gives its three vertices by its orientation.) Empty when the ridges do not close.
void FacetVertices(qhT* qh, facetT* facet, std::vector<vertexT*>& vertices) {
  const auto ends = [facet](const ridgeT* r, vertexT*& from, vertexT*& to) {
    from = SETfirstt_(r->vertices, vertexT);
    to = SETsecondt_(r->vertices, vertexT);
    if (r->top != facet) std::swap(from, to);
  };
  const std::size_t ridgeCount = static_cast<std::size_t>(qh_setsize(qh, facet->ridges));
  vertices.clear();
  const ridgeT* ridge = SETfirstt_(facet->ridges, ridgeT);
  vertexT* from;
  vertexT* to;
  ends(ridge, from, to);
  vertexT* const start = from;
  while (vertices.size() < ridgeCount) {
    vertices.push_back(from);
    if (to == start) break;
    const ridgeT* next = nullptr;
    ridgeT* other;
    ridgeT** otherp;
    FOREACHsetelement_(ridgeT, facet->ridges, other) {
      vertexT* otherFrom;
      vertexT* otherTo;
      ends(other, otherFrom, otherTo);
      if (other != ridge && otherFrom == to) {
        next = other;
        break;
      }
    }
    if (next == nullptr) break;
    ridge = next;
    ends(ridge, from, to);
  }
  if (vertices.size() != ridgeCount || to != start) vertices.clear();
}

// Faces as cycles of point positions, stored one after another: face f is corners[start[f]] up to
// corners[start[f + 1]]. One allocation for all faces rather than one a face.
class FaceCycles {
 public:
  std::size_t size() const { return start_.size() - 1; }
  std::span<const int> operator[](std::size_t f) const {
    return {corners_.data() + start_[f], start_[f + 1] - start_[f]};
  }
  void Reserve(std::size_t faces, std::size_t corners) {
    start_.reserve(faces + 1);
    corners_.reserve(corners);
  }
  // A face is its corners pushed in order, then closed.
  void Push(int corner) { corners_.push_back(corner); }
  void Close() { start_.push_back(static_cast<std::uint32_t>(corners_.size())); }
  void Add(std::span<const int> cycle) {
    corners_.insert(corners_.end(), cycle.begin(), cycle.end());
    Close();
  }
  // Removes the last face.
  void Drop() {
    start_.pop_back();
    corners_.resize(start_.back());
  }

 private:
  std::vector<int> corners_;
  std::vector<std::uint32_t> start_{0};
};

struct QhullRun {
  enum Outcome : std::uint8_t { kFaces, kFlat, kFailed } outcome = kFailed;
  // Positions in the point array, counter-clockwise as seen from outside each face.
  FaceCycles cycles;
  // The positions of the hull's vertices.
  std::vector<int> vertices;
  // Some facet has a neighbour whose corners all lie within the near distance below its plane:
  // merging within that distance could join them.
  bool nearlyCoplanar = false;
};

// The faces of the hull of the points (scaled coordinates, three a point) by qhull. With a merge
// radius, facets whose centres lie within it of a neighbour's plane are merged while the hull is
// built ("C-n"), and the first simplex is sought among all points ("Qs") so that it is about as
// thick as the set; with 0, qhull merges only what its own rounding cannot tell apart. No option
// draws random numbers: the same points give the same faces. kFlat when qhull finds the points in
// one plane within its precision; kFailed on any other error of qhull's.
QhullRun RunQhull(std::vector<coordT>& coordinates, coordT mergeRadius, coordT nearDistance) {
  QhullRun run;
  // qhull reports its errors and warnings on the file it is given, never on the standard streams.
  std::FILE* messages = std::fopen("/dev/null", "w");
  char* memory = nullptr;
  std::size_t memorySize = 0;
  if (messages == nullptr) messages = open_memstream(&memory, &memorySize);
  if (messages == nullptr) return run;

  const auto qh = std::make_unique<qhT>();
  qh_zero(qh.get(), messages);
  char command[64] = "qhull";
  if (mergeRadius > 0) std::snprintf(command, sizeof command, "qhull Qs C-%.17g", mergeRadius);
  const int exitCode = qh_new_qhull(qh.get(), 3, static_cast<int>(coordinates.size() / 3), coordinates.data(),
                                    False, command, nullptr, messages);
  if (exitCode == qh_ERRnone) {
    run.outcome = QhullRun::kFaces;
    run.cycles.Reserve(static_cast<std::size_t>(qh->num_facets), 3 * static_cast<std::size_t>(qh->num_facets));
    const auto indexOf = [&coordinates](const vertexT* v) {
      return static_cast<int>((v->point - coordinates.data()) / 3);
    };
    vertexT* vertex;
    FORALLvertices {
      run.vertices.push_back(indexOf(vertex));
    }
    std::vector<vertexT*> vertices;
    facetT* facet;
    FORALLfacets {
      // Reversed: counter-clockwise from outside.
      if (facet->simplicial) {
        const auto vertexAt = [facet](int k) { return SETelemt_(facet->vertices, k, vertexT); };
        run.cycles.Push(indexOf(vertexAt(2)));
        run.cycles.Push(indexOf(vertexAt(facet->toporient ? 1 : 0)));
        run.cycles.Push(indexOf(vertexAt(facet->toporient ? 0 : 1)));
      } else {
        FacetVertices(qh.get(), facet, vertices);
        if (vertices.size() < 3) run.outcome = QhullRun::kFailed;
        for (auto v = vertices.rbegin(); v != vertices.rend(); ++v) run.cycles.Push(indexOf(*v));
      }
      run.cycles.Close();
      // The corners of the neighbours against this facet's plane (all below it, the hull being
      // convex); each pair of neighbours once.
      if (nearDistance > 0 && !run.nearlyCoplanar) {
        facetT* neighbour;
        facetT** neighbourp;
        FOREACHsetelement_(facetT, facet->neighbors, neighbour) {
          if (neighbour->id < facet->id) continue;
          coordT lowest = 0;
          vertexT** vertexp;
          FOREACHsetelement_(vertexT, neighbour->vertices, vertex) {
            const coordT* x = vertex->point;
            lowest = std::min(lowest, facet->offset + facet->normal[0] * x[0] + facet->normal[1] * x[1] +
                                          facet->normal[2] * x[2]);
          }
          if (lowest > -nearDistance) run.nearlyCoplanar = true;
        }
      }
    }
  } else if (exitCode == qh_ERRsingular) {
    run.outcome = QhullRun::kFlat;
  }
  qh_freeqhull(qh.get(), !qh_ALL);
  int longStill = 0;
  int longBytes = 0;
  qh_memfreeshort(qh.get(), &longStill, &longBytes);
  std::fclose(messages);
  std::free(memory);
  if (run.outcome != QhullRun::kFaces) {
    run.cycles = FaceCycles();
    run.vertices.clear();
  }
  return run;
}

// Drops the points that lie on a face's edge between two corners (within the tolerance of the line
// through their neighbours, and between them) from every face: a vertex is dropped only when it is
// such a point in every face it belongs to, so that two faces sharing an edge list it between the
// same corners. Faces left with fewer than three corners are removed.
void DropEdgePoints(std::span<const Point3> points, FaceCycles& cycles, Real tolerance) {
  std::vector<bool> corner(points.size(), false);
  bool anyDropped = false;
  for (std::size_t f = 0; f < cycles.size(); ++f) {
    const std::span<const int> cycle = cycles[f];
    const std::size_t m = cycle.size();
    for (std::size_t k = 0; k < m; ++k) {
      if (corner[static_cast<std::size_t>(cycle[k])]) continue;
      const Point3& p = points[static_cast<std::size_t>(cycle[(k + m - 1) % m])];
      const Point3& v = points[static_cast<std::size_t>(cycle[k])];
      const Point3& q = points[static_cast<std::size_t>(cycle[(k + 1) % m])];
      const Point3 along = q - p;
      const Point3 off = Cross(along, v - p);
      const bool onEdge = Dot(off, off) <= tolerance * tolerance * Dot(along, along) && Dot(v - p, along) > 0 &&
                          Dot(q - v, along) > 0;
      if (onEdge) {
        anyDropped = true;
      } else {
        corner[static_cast<std::size_t>(cycle[k])] = true;
      }
    }
  }
  if (!anyDropped) return;
  FaceCycles kept;
  std::vector<int> face;
  for (std::size_t f = 0; f < cycles.size(); ++f) {
    face.clear();
    for (const int v : cycles[f]) {
      if (corner[static_cast<std::size_t>(v)]) face.push_back(v);
    }
    if (face.size() >= 3) kept.Add(face);
  }
  cycles = std::move(kept);
}

// Cuts every face that turns back on itself by more than the tolerance (qhull can merge facets
// that its rounding cannot tell apart into a face whose outline is not convex, where a thin set
// bends by that rounding) into triangles by clipping ears, so that every face is convex.
void SplitConcaveFaces(std::span<const Point3> points, FaceCycles& cycles, Real tolerance) {
  FaceCycles split;
  bool anySplit = false;
  std::vector<int> ring;
  std::vector<int> triangles;
  for (std::size_t f = 0; f < cycles.size(); ++f) {
    const std::span<const int> cycle = cycles[f];
    if (anySplit) split.Add(cycle);
    if (cycle.size() <= 3) continue;
    ring.assign(cycle.begin(), cycle.end());
    const auto at = [&points](int v) -> const Point3& { return points[static_cast<std::size_t>(v)]; };
    Point3 twiceArea{0, 0, 0};
    for (std::size_t k = 1; k + 1 < ring.size(); ++k) {
      twiceArea = twiceArea + Cross(at(ring[k]) - at(ring[0]), at(ring[k + 1]) - at(ring[0]));
    }
    const Real length = Length3(twiceArea);
    if (length == 0) continue;
    const Point3 normal = (1 / length) * twiceArea;
    // How far v lies left of the line p -> q, about the normal. A corner v between p and q lies right
    // of p -> q where the outline turns left, as it does all round a convex face, and left of it
    // where the outline turns back.
    const auto leftOf = [&](int p, int q, int v) {
      const Point3 along = at(q) - at(p);
      return Dot(Cross(along, at(v) - at(p)), normal) / Length3(along);
    };
    bool anyConcave = false;
    for (std::size_t k = 0, m = ring.size(); k < m && !anyConcave; ++k) {
      anyConcave = leftOf(ring[(k + m - 1) % m], ring[(k + 1) % m], ring[k]) > tolerance;
    }
    if (!anyConcave) continue;

    triangles.clear();
    while (ring.size() > 3) {
      const std::size_t m = ring.size();
      std::size_t ear = m;
      for (std::size_t k = 0; k < m && ear == m; ++k) {
        const int p = ring[(k + m - 1) % m];
        const int v = ring[k];
        const int q = ring[(k + 1) % m];
        if (leftOf(p, v, q) <= 0) continue;  // not a convex corner
        bool empty = true;
        for (std::size_t j = 0; j < m && empty; ++j) {
          const int w = ring[j];
          if (w == p || w == v || w == q) continue;
          empty = !(leftOf(p, v, w) > 0 && leftOf(v, q, w) > 0 && leftOf(q, p, w) > 0);
        }
        if (empty) ear = k;
      }
      if (ear == m) break;  // no ear: the outline is left as it is
      triangles.insert(triangles.end(), {ring[(ear + m - 1) % m], ring[ear], ring[(ear + 1) % m]});
      ring.erase(ring.begin() + static_cast<std::ptrdiff_t>(ear));
    }
    if (ring.size() > 3) continue;
    if (!anySplit) {
      // The first face cut: the faces before it go over unchanged.
      anySplit = true;
      for (std::size_t g = 0; g < f; ++g) split.Add(cycles[g]);
    } else {
      split.Drop();  // the face itself, added above
    }
    triangles.insert(triangles.end(), ring.begin(), ring.end());
    for (std::size_t t = 0; t < triangles.size(); t += 3) split.Add(std::span<const int>(triangles).subspan(t, 3));
  }
  if (anySplit) cycles = std::move(split);
}


// Whether every face is flat and convex within the tolerance: its corners lie within twice the
// tolerance of one plane, and none lies more than the tolerance outside the line through its
// neighbours.
bool FacesFlatAndConvex(std::span<const Point3> points, const FaceCycles& cycles, Real tolerance) {
  for (std::size_t f = 0; f < cycles.size(); ++f) {
    const std::span<const int> cycle = cycles[f];
    const std::size_t m = cycle.size();
    const auto at = [&](std::size_t k) -> const Point3& { return points[static_cast<std::size_t>(cycle[k % m])]; };
    Point3 twiceArea{0, 0, 0};
    for (std::size_t k = 1; k + 1 < m; ++k) twiceArea = twiceArea + Cross(at(k) - at(0), at(k + 1) - at(0));
    const Real areaSquared = Dot(twiceArea, twiceArea);
    if (areaSquared == 0) return false;
    if (m == 3) continue;  // a triangle with an area is flat and convex
    const Point3 normal = (1 / std::sqrt(areaSquared)) * twiceArea;
    Real low = 0;
    Real high = 0;
    for (std::size_t k = 0; k < m; ++k) {
      const Real height = Dot(normal, at(k) - at(0));
      low = std::min(low, height);
      high = std::max(high, height);
      const Point3 along = at(k + 1) - at(k + m - 1);
      if (Dot(Cross(along, at(k) - at(k + m - 1)), normal) > tolerance * Length3(along)) return false;
    }
    if (high - low > 2 * tolerance) return false;
  }
  return true;
}

using EdgeKey = std::uint32_t;
EdgeKey DirectedEdge(int from, int to) {
  return (static_cast<EdgeKey>(from) << 16) | static_cast<EdgeKey>(to);
}

// Every directed edge of the faces appears once and is met by its reverse: the edges sorted are
// then the reversed edges sorted, without repeats.
bool FacesClose(const FaceCycles& cycles) {
  std::vector<EdgeKey> edges;
  std::vector<EdgeKey> reversed;
  for (std::size_t f = 0; f < cycles.size(); ++f) {
    const std::span<const int> cycle = cycles[f];
    for (std::size_t k = 0; k < cycle.size(); ++k) {
      const int from = cycle[k];
      const int to = cycle[(k + 1) % cycle.size()];
      edges.push_back(DirectedEdge(from, to));
      reversed.push_back(DirectedEdge(to, from));
    }
  }
  // Sorted by the four bytes in turn, each by counting.
  const auto sort = [](std::vector<EdgeKey>& keys) {
    std::vector<EdgeKey> buffer(keys.size());
    for (int shift = 0; shift < 32; shift += 8) {
      std::uint32_t start[257] = {};
      for (const EdgeKey k : keys) ++start[((k >> shift) & 0xFF) + 1];
      for (std::size_t b = 1; b < 257; ++b) start[b] += start[b - 1];
      for (const EdgeKey k : keys) buffer[start[(k >> shift) & 0xFF]++] = k;
      keys.swap(buffer);
    }
  };
  sort(edges);
  sort(reversed);
  return edges == reversed && std::adjacent_find(edges.begin(), edges.end()) == edges.end();
}

// ---- Start edge ----------------------------------------------------------------------------------

struct ExtremeSearch {
  int best = -1;       // the first point to reach the maximum
  bool clear = false;  // the last improvement of the maximum reached the null tolerance
};

ExtremeSearch FindExtreme(std::span<const Point3> points, const Point3& direction) {
  ExtremeSearch result;
  Real maximum = -HugeReal;
  Real replaced = -HugeReal;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Real d = Dot(points[i], direction);
    if (d > maximum) {
      replaced = maximum;
      maximum = d;
      result.best = static_cast<int>(i);
    }
  }
  result.clear = result.best >= 0 && maximum >= replaced + NullTolerance;
  return result;
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
    const Real cosine = Dot(v, direction) / length;
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
  // The box of the points, in double: close enough for their centre, size and tolerance.
  const double huge = static_cast<double>(HugeReal);
  double lo[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL};
  double hi[3] = {-HUGE_VAL, -HUGE_VAL, -HUGE_VAL};
  for (const Point3& p : points) {
    const Real exact[3] = {p.x, p.y, p.z};
    for (int axis = 0; axis < 3; ++axis) {
      const double c = static_cast<double>(exact[axis]);
      if (!(std::fabs(c) < huge) && !IsUsableCoordinate(exact[axis])) return hull;
      lo[axis] = std::min(lo[axis], c);
      hi[axis] = std::max(hi[axis], c);
    }
  }
  const Point3 centre{(static_cast<Real>(lo[0]) + hi[0]) / 2, (static_cast<Real>(lo[1]) + hi[1]) / 2,
                      (static_cast<Real>(lo[2]) + hi[2]) / 2};
  const Real extent = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
  const Real largest = std::max({std::fabs(lo[0]), std::fabs(lo[1]), std::fabs(lo[2]), std::fabs(hi[0]),
                                 std::fabs(hi[1]), std::fabs(hi[2])});
  const Real tolerance = HullTolerance(extent, largest);
  int exponent = 0;
  std::frexp(extent, &exponent);
  const coordT scaledTolerance = static_cast<coordT>(std::ldexp(tolerance, -exponent));
  const std::vector<coordT> scaled = QhullCoordinates(points, centre, exponent);

  const std::vector<std::uint16_t> original = DistinctPoints(points, scaled, scaledTolerance, tolerance);
  std::vector<Point3> distinct;
  std::vector<coordT> coordinates;
  distinct.reserve(original.size());
  coordinates.reserve(3 * original.size());
  for (std::uint16_t i : original) {
    distinct.push_back(points[i]);
    coordinates.insert(coordinates.end(), scaled.begin() + 3 * i, scaled.begin() + 3 * i + 3);
  }
  hull.status = HullStatus::kNoFace;
  if (distinct.size() < 3) return hull;

  // The hull with qhull's own merging first. Its vertices tell the shape of the set: on a line or
  // in a plane within the tolerance (though not within qhull's precision), thin, or solid. Where a
  // solid hull has neighbouring faces that merging within the tolerance could join, the hull is
  // built again with that merging, and taken when its faces are flat and convex.
  QhullRun run;
  if (distinct.size() >= 4) run = RunQhull(coordinates, 0, 4 * scaledTolerance);
  std::vector<Point3> corners;
  if (run.outcome == QhullRun::kFaces) {
    for (int v : run.vertices) corners.push_back(distinct[static_cast<std::size_t>(v)]);
  }
  const SpreadTest spread = MeasureSpread(run.outcome == QhullRun::kFaces ? corners : distinct, tolerance);
  if (spread.spread == Spread::kOnePoint || spread.spread == Spread::kOnLine) return hull;

  FaceCycles cycles;
  if (spread.spread == Spread::kInPlane || run.outcome == QhullRun::kFlat) {
    std::vector<int> polygon = PlanarPolygon(distinct, spread.normal, tolerance);
    if (polygon.size() < 3) return hull;  // on one line after all, within the tolerance
    cycles.Add(polygon);
    std::reverse(polygon.begin(), polygon.end());
    cycles.Add(polygon);
  } else {
    bool mergedTaken = false;
    if (spread.spread == Spread::kSolid && (run.outcome == QhullRun::kFailed || run.nearlyCoplanar)) {
      QhullRun merged = RunQhull(coordinates, scaledTolerance, 0);
      if (merged.outcome == QhullRun::kFaces) {
        DropEdgePoints(distinct, merged.cycles, tolerance);
        mergedTaken = FacesFlatAndConvex(distinct, merged.cycles, tolerance);
        if (mergedTaken) run = std::move(merged);
      }
    }
    if (run.outcome == QhullRun::kFailed) {
      hull.status = HullStatus::kIncomplete;
      return hull;
    }
    if (!mergedTaken) {
      DropEdgePoints(distinct, run.cycles, tolerance);
      SplitConcaveFaces(distinct, run.cycles, tolerance);
    }
    cycles = std::move(run.cycles);
  }

  bool lostFace = !FacesClose(cycles);
  hull.faces.reserve(cycles.size());
  for (std::size_t f = 0; f < cycles.size(); ++f) {
    const std::span<const int> cycle = cycles[f];
    if (cycle.size() > kMaxHullFaceVertices) {
      lostFace = true;
      continue;
    }
    HullFace face;
    face.vertices.reserve(cycle.size());
    for (int c : cycle) face.vertices.push_back(original[static_cast<std::size_t>(c)]);
    hull.faces.push_back(std::move(face));
  }
  hull.status = lostFace ? HullStatus::kIncomplete : HullStatus::kComplete;
  return hull;
}

}  // namespace kernel
