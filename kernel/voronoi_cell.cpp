#include "kernel/voronoi_cell.h"

#include <algorithm>
#include <cmath>

namespace kernel {

namespace {

bool SamePlace(const Point2& a, const Point2& b) { return a.x == b.x && a.y == b.y; }

std::vector<Point2> BoxPolygon(const Box2& box) {
  return {{box.xmin, box.ymin}, {box.xmax, box.ymin}, {box.xmax, box.ymax}, {box.xmin, box.ymax}};
}

Real FarthestSquare(std::span<const Point2> polygon, const Point2& p) {
  Real r = 0;
  for (const Point2& v : polygon) r = std::max(r, (v.x - p.x) * (v.x - p.x) + (v.y - p.y) * (v.y - p.y));
  return r;
}

// The bucket of an offset from the grid's edge: 0 to count - 1 whatever the offset (also an
// infinite or undefined one, from a grid spanning more than the largest real).
int BucketIndex(Real offset, Real bucket, int count) {
  const Real i = offset / bucket;
  if (!(i > 0)) return 0;
  return i >= static_cast<Real>(count - 1) ? count - 1 : static_cast<int>(i);
}

// The number of buckets of the side across the extent: 1 to 1024.
int BucketCount(Real extent, Real side) {
  const Real n = extent / std::max(side, 1e-300L);
  if (!(n > 0)) return 1;
  return n >= 1023 ? 1024 : static_cast<int>(n) + 1;
}

// The sites in a grid of square-ish buckets over their bounding box, about one site a bucket.
struct SiteGrid {
  explicit SiteGrid(std::span<const Point2> sites) {
    if (sites.empty()) return;
    xmin = xmax = sites[0].x;
    ymin = ymax = sites[0].y;
    for (const Point2& s : sites) {
      xmin = std::min(xmin, s.x);
      xmax = std::max(xmax, s.x);
      ymin = std::min(ymin, s.y);
      ymax = std::max(ymax, s.y);
    }
    const Real width = std::max<Real>(xmax - xmin, 1e-300L);
    const Real height = std::max<Real>(ymax - ymin, 1e-300L);
    const Real side = std::sqrt(width * height / static_cast<Real>(sites.size()));
    columns = BucketCount(width, side);
    rows = BucketCount(height, side);
    bucketWidth = width / columns;
    bucketHeight = height / rows;
    first.assign(static_cast<std::size_t>(columns * rows) + 1, 0);
    for (const Point2& s : sites) ++first[Bucket(s) + 1];
    for (std::size_t b = 1; b < first.size(); ++b) first[b] += first[b - 1];
    members.resize(sites.size());
    std::vector<int> next(first.begin(), first.end() - 1);
    for (std::size_t i = 0; i < sites.size(); ++i) members[static_cast<std::size_t>(next[Bucket(sites[i])]++)] = i;
  }
  int Column(const Point2& s) const { return BucketIndex(s.x - xmin, bucketWidth, columns); }
  int Row(const Point2& s) const { return BucketIndex(s.y - ymin, bucketHeight, rows); }
  std::size_t Bucket(const Point2& s) const { return static_cast<std::size_t>(Row(s) * columns + Column(s)); }

  Real xmin = 0, xmax = 0, ymin = 0, ymax = 0;
  int columns = 1, rows = 1;
  Real bucketWidth = 1, bucketHeight = 1;
  std::vector<int> first;             // bucket b holds members[first[b] .. first[b + 1])
  std::vector<std::size_t> members;   // site indexes by bucket
};

// Cuts the convex polygon down to the points x with side(x) <= 0, into `out`; fewer than three
// points left give an empty polygon.
template <class Side>
void ClipWhere(std::span<const Point2> polygon, Side side, std::vector<Point2>& out) {
  out.clear();
  const std::size_t count = polygon.size();
  if (count == 0) return;
  Real sa = side(polygon[0]);
  for (std::size_t i = 0; i < count; ++i) {
    const Point2& a = polygon[i];
    const Point2& b = polygon[i + 1 == count ? 0 : i + 1];
    const Real sb = side(b);
    if (sa <= 0) out.push_back(a);
    if ((sa < 0 && sb > 0) || (sa > 0 && sb < 0)) {
      const Real t = sa / (sa - sb);
      out.push_back({a.x + t * (b.x - a.x), a.y + t * (b.y - a.y)});
    }
    sa = sb;
  }
  if (out.size() < 3) out.clear();
}

}  // namespace

void ClipToHalfPlane(std::span<const Point2> polygon, const Point2& n, Real c, std::vector<Point2>& out) {
  const Real nx = n.x, ny = n.y;
  ClipWhere(polygon, [nx, ny, c](const Point2& x) { return x.x * nx + x.y * ny - c; }, out);
}

void ClipToNearerHalf(std::span<const Point2> polygon, const Point2& p, const Point2& q, std::vector<Point2>& out) {
  if (SamePlace(p, q)) {
    out.assign(polygon.begin(), polygon.end());
    return;
  }
  // A point x is nearer to p when (x - m).d <= 0, with m the midpoint and d = q - p.
  const Real dx = q.x - p.x, dy = q.y - p.y;
  const Real mx = (p.x + q.x) / 2, my = (p.y + q.y) / 2;
  ClipWhere(polygon, [dx, dy, mx, my](const Point2& x) { return (x.x - mx) * dx + (x.y - my) * dy; }, out);
}

namespace {

// The inward unit normal of edge i of a counter-clockwise polygon; false for an edge of no length.
bool InwardNormal(std::span<const Point2> polygon, std::size_t i, Point2& a, Point2& in) {
  a = polygon[i];
  const Point2& b = polygon[i + 1 == polygon.size() ? 0 : i + 1];
  const Real length = std::hypot(b.x - a.x, b.y - a.y);
  if (length == 0) return false;
  in = {-(b.y - a.y) / length, (b.x - a.x) / length};
  return true;
}

// The points of the convex polygon at least `width` inside every edge, into `inner` (empty when
// there are none).
void InnerPolygon(std::span<const Point2> polygon, Real width, std::vector<Point2>& inner, std::vector<Point2>& cut) {
  inner.assign(polygon.begin(), polygon.end());
  Point2 a, in;
  for (std::size_t i = 0; i < polygon.size() && !inner.empty(); ++i) {
    if (!InwardNormal(polygon, i, a, in)) continue;
    ClipToHalfPlane(inner, {-in.x, -in.y}, -(a.x * in.x + a.y * in.y) - width, cut);
    inner.swap(cut);
  }
}

}  // namespace

void ConvexFramePieces(std::span<const Point2> polygon, Real width, std::vector<std::vector<Point2>>& pieces) {
  pieces.clear();
  if (polygon.size() < 3 || !(width > 0)) return;
  std::vector<Point2> inner;
  std::vector<Point2> cut;
  InnerPolygon(polygon, width, inner, cut);
  if (inner.empty()) {
    pieces.emplace_back(polygon.begin(), polygon.end());
    return;
  }
  // Each edge's piece is the polygon cut to the strip within `width` of it.
  Point2 a, in;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    if (!InwardNormal(polygon, i, a, in)) continue;
    ClipToHalfPlane(polygon, in, a.x * in.x + a.y * in.y + width, cut);
    if (!cut.empty()) pieces.push_back(cut);
  }
}

void ConvexFrameRing(std::span<const Point2> polygon, Real width, std::vector<Point2>& ring) {
  ring.clear();
  if (polygon.size() < 3 || !(width > 0)) return;
  std::vector<Point2> inner;
  std::vector<Point2> cut;
  InnerPolygon(polygon, width, inner, cut);
  ring.assign(polygon.begin(), polygon.end());
  if (inner.empty()) return;
  ring.push_back(polygon.front());
  ring.push_back(inner.front());
  for (std::size_t i = inner.size() - 1; i > 0; --i) ring.push_back(inner[i]);
  ring.push_back(inner.front());
}

std::vector<Point2> VoronoiCell(std::span<const Point2> sites, std::size_t k, const Box2& box) {
  if (k >= sites.size()) return {};
  std::vector<Point2> cell = BoxPolygon(box);
  std::vector<Point2> cut;
  const Point2& p = sites[k];
  for (std::size_t j = 0; j < sites.size() && !cell.empty(); ++j) {
    if (j == k) continue;
    if (SamePlace(sites[j], p)) {
      if (j < k) cell.clear();
      continue;
    }
    ClipToNearerHalf(cell, p, sites[j], cut);
    cell.swap(cut);
  }
  return cell;
}

std::vector<std::vector<Point2>> VoronoiCells(std::span<const Point2> sites, const Box2& box) {
  std::vector<std::vector<Point2>> cells(sites.size());
  // A site with an infinite or undefined coordinate stands nowhere: it has no cell and cuts none.
  const auto placed = [](const Point2& s) { return std::isfinite(s.x) && std::isfinite(s.y); };
  if (!std::all_of(sites.begin(), sites.end(), placed)) {
    std::vector<Point2> finite;
    std::vector<std::size_t> index;
    for (std::size_t k = 0; k < sites.size(); ++k) {
      if (!placed(sites[k])) continue;
      finite.push_back(sites[k]);
      index.push_back(k);
    }
    std::vector<std::vector<Point2>> finiteCells = VoronoiCells(finite, box);
    for (std::size_t n = 0; n < index.size(); ++n) cells[index[n]] = std::move(finiteCells[n]);
    return cells;
  }
  const SiteGrid grid(sites);
  const Real nearest = std::min(grid.bucketWidth, grid.bucketHeight);
  std::vector<Point2> cell;
  std::vector<Point2> cut;
  for (std::size_t k = 0; k < sites.size(); ++k) {
    const Point2& p = sites[k];
    cell = BoxPolygon(box);
    const int column = grid.Column(p);
    const int row = grid.Row(p);
    const int rings = std::max({column, row, grid.columns - 1 - column, grid.rows - 1 - row});
    bool shared = false;
    for (int r = 0; r <= rings && !cell.empty() && !shared; ++r) {
      // Sites of ring r + 1 and beyond are at least r buckets away: once that is twice as far as
      // the cell's farthest corner, their bisectors pass outside the cell.
      for (int y = row - r; y <= row + r && !shared && !cell.empty(); ++y) {
        if (y < 0 || y >= grid.rows) continue;
        const bool edgeRow = y == row - r || y == row + r;
        for (int x = column - r; x <= column + r; x += edgeRow ? 1 : 2 * r) {
          if (x >= 0 && x < grid.columns) {
            const std::size_t b = static_cast<std::size_t>(y * grid.columns + x);
            for (int m = grid.first[b]; m < grid.first[b + 1]; ++m) {
              const std::size_t j = grid.members[static_cast<std::size_t>(m)];
              if (j == k) continue;
              if (SamePlace(sites[j], p)) {
                if (j < k) shared = true;
                continue;
              }
              ClipToNearerHalf(cell, p, sites[j], cut);
              cell.swap(cut);
              if (cell.empty()) break;
            }
          }
          if (r == 0 || cell.empty()) break;
        }
      }
      const Real reach = static_cast<Real>(r) * nearest;
      if (!cell.empty() && reach * reach >= 4 * FarthestSquare(cell, p)) break;
    }
    if (!shared) cells[k] = std::move(cell);
    cell.clear();
  }
  return cells;
}

}  // namespace kernel
