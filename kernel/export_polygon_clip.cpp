#include "kernel/export_polygon_clip.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <utility>


namespace kernel {

namespace {

// A point of the cut outline: a vertex inside the box, or where an edge enters or leaves it. An
// entering point carries the corners to walk from where the outline last left the box.
enum class Passage { Inside, Enters, Leaves };

struct Entry {
  Point2 p;
  Passage passage = Passage::Inside;
  std::size_t cornersFrom = 0;  // into the corner list: the corners of an entering point
  std::size_t cornersTo = 0;
};

bool InBox(const Point2& p, const Box2& b) { return p.x >= b.xmin && p.x <= b.xmax && p.y >= b.ymin && p.y <= b.ymax; }

// Which sides of the box a point lies beyond: an edge whose two ends lie beyond the same side
// misses the box.
int Outcode(const Point2& p, const Box2& b) {
  return (p.x < b.xmin ? 1 : 0) | (p.x > b.xmax ? 2 : 0) | (p.y < b.ymin ? 4 : 0) | (p.y > b.ymax ? 8 : 0);
}

// The part of the segment p -> q in the box (Liang and Barsky): p and q become its ends, held on
// the box against rounding; false when the segment misses the box. An end inside stays as it is.
bool CutEdge(const Box2& b, Point2& p, Point2& q) {
  const Real dx = q.x - p.x;
  const Real dy = q.y - p.y;
  Real t0 = 0;
  Real t1 = 1;
  const Real directions[4] = {-dx, dx, -dy, dy};
  const Real room[4] = {p.x - b.xmin, b.xmax - p.x, p.y - b.ymin, b.ymax - p.y};
  const Real roomAtQ[4] = {q.x - b.xmin, b.xmax - q.x, q.y - b.ymin, b.ymax - q.y};
  for (int k = 0; k < 4; ++k) {
    if (room[k] < 0 && roomAtQ[k] < 0) return false;
    // A side that both ends lie within does not cut the segment.
    if (room[k] >= 0 && roomAtQ[k] >= 0) continue;
    const Real t = room[k] / directions[k];
    if (directions[k] < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
  }
  auto onBox = [&b](Real x, Real y) {
    return Point2{std::clamp(x, b.xmin, b.xmax), std::clamp(y, b.ymin, b.ymax)};
  };
  const Point2 start = p;
  if (t1 < 1) q = onBox(start.x + t1 * dx, start.y + t1 * dy);
  if (t0 > 0) p = onBox(start.x + t0 * dx, start.y + t0 * dy);
  return true;
}

// While the outline is outside the box, the way back along the border must pass the corners that
// the outline passed: those whose rays from the box's centre it crossed. Each crossing is kept
// with its direction; crossing a ray and at once back again cancels out. What is left, in order,
// are the corners of the walk along the border (counter-clockwise for the usual outline, several
// times round for one that winds so).
class CornerWalk {
 public:
  explicit CornerWalk(const Box2& b)
      : centre_{(b.xmin + b.xmax) / 2, (b.ymin + b.ymax) / 2},
        corners_{Point2{b.xmax, b.ymax}, Point2{b.xmin, b.ymax}, Point2{b.xmin, b.ymin}, Point2{b.xmax, b.ymin}} {}

  void Start() { stack_.clear(); }
  // The outline runs from u to v outside the box.
  void Step(const Point2& u, const Point2& v) {
    // The two diagonals: top right to bottom left (corners 0 and 2), top left to bottom right
    // (corners 1 and 3).
    for (int k = 0; k < 2; ++k) {
      const Point2 d{corners_[k].x - centre_.x, corners_[k].y - centre_.y};
      const Real su = d.x * (u.y - centre_.y) - d.y * (u.x - centre_.x);
      const Real sv = d.x * (v.y - centre_.y) - d.y * (v.x - centre_.x);
      if ((su >= 0) == (sv >= 0)) continue;
      const Real t = su / (su - sv);
      const Real px = u.x + t * (v.x - u.x) - centre_.x;
      const Real py = u.y + t * (v.y - u.y) - centre_.y;
      const bool towardCorner = px * d.x + py * d.y > 0;
      const int corner = towardCorner ? k : k + 2;
      // Counter-clockwise across a ray when the side turns from right to left of it.
      const bool counterClockwise = towardCorner ? su < 0 : su >= 0;
      const int step = counterClockwise ? corner + 1 : -(corner + 1);
      if (!stack_.empty() && stack_.back() == -step) stack_.pop_back();
      else stack_.push_back(step);
    }
  }
  // Appends the corners of the walk.
  void Append(std::vector<Point2>& out) const {
    for (const int step : stack_) out.push_back(corners_[static_cast<std::size_t>(std::abs(step) - 1)]);
  }

 private:
  Point2 centre_;
  std::array<Point2, 4> corners_;
  std::vector<int> stack_;
};

// Whether p lies inside the closed polygon by the nonzero winding rule.
bool Encloses(std::span<const Point2> polygon, const Point2& p) {
  int winding = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point2& a = polygon[i];
    const Point2& c = polygon[(i + 1) % polygon.size()];
    const Real side = (c.x - a.x) * (p.y - a.y) - (p.x - a.x) * (c.y - a.y);
    if (a.y <= p.y) {
      if (c.y > p.y && side > 0) ++winding;
    } else if (c.y <= p.y && side < 0) {
      --winding;
    }
  }
  return winding != 0;
}

}  // namespace

Real SignedArea2x(std::span<const Point2> polygon) {
  Real sum = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point2& a = polygon[i];
    const Point2& c = polygon[(i + 1) % polygon.size()];
    sum += a.x * c.y - a.y * c.x;
  }
  return sum;
}

void ClipPolygonToBox(std::span<const Point2> polygon, const Box2& box, std::vector<Point2>& out) {
  out.clear();
  if (polygon.size() < 3 || !(box.xmin < box.xmax) || !(box.ymin < box.ymax)) return;
  for (const Point2& p : polygon)
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  std::vector<Point2> ccw(polygon.begin(), polygon.end());
  if (SignedArea2x(ccw) < 0) std::reverse(ccw.begin(), ccw.end());
  const std::size_t n = ccw.size();
  std::vector<std::uint8_t> inside(n);
  for (std::size_t i = 0; i < n; ++i) inside[i] = InBox(ccw[i], box) ? 1 : 0;
  const Point2 centre{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
  if (std::all_of(inside.begin(), inside.end(), [](std::uint8_t in) { return in != 0; })) {
    out = std::move(ccw);
    return;
  }
  // Start at a vertex inside, else at an edge that crosses the box, so that no stretch outside
  // runs over the end of the list; with neither, nothing of the outline is in the box.
  std::size_t first = n;
  for (std::size_t i = 0; i < n && first == n; ++i)
    if (inside[i]) first = i;
  for (std::size_t i = 0; i < n && first == n; ++i) {
    Point2 p = ccw[i];
    Point2 q = ccw[(i + 1) % n];
    if (CutEdge(box, p, q)) first = i;
  }
  if (first == n) {
    if (Encloses(ccw, centre))
      out = {{box.xmin, box.ymin}, {box.xmax, box.ymin}, {box.xmax, box.ymax}, {box.xmin, box.ymax}};
    return;
  }

  std::vector<Entry> entries;
  entries.reserve(2 * n);
  std::vector<Point2> corners;
  CornerWalk walk(box);
  bool outside = false;  // following the outline outside the box
  Point2 last;
  // The first edge is taken once more at the end, for its coming back into the box.
  for (std::size_t k = 0; k <= n; ++k) {
    const std::size_t i = (first + k) % n;
    const std::size_t j = (i + 1) % n;
    const Point2& a = ccw[i];
    const Point2& b = ccw[j];
    const bool aInside = inside[i] != 0;
    const bool bInside = inside[j] != 0;
    if (!aInside && outside) {
      walk.Step(last, a);
      last = a;
    }
    if (aInside && bInside) {
      if (k < n) entries.push_back({b, Passage::Inside});
      continue;
    }
    if (Outcode(a, box) & Outcode(b, box)) continue;
    Point2 p = a;
    Point2 q = b;
    if (!CutEdge(box, p, q)) continue;
    if (!aInside && outside) {
      walk.Step(last, p);
      const std::size_t from = corners.size();
      walk.Append(corners);
      entries.push_back({p, Passage::Enters, from, corners.size()});
      outside = false;
    }
    if (k == n) break;
    if (bInside) {
      entries.push_back({b, Passage::Inside});
    } else {
      entries.push_back({q, Passage::Leaves});
      outside = true;
      last = q;
      walk.Start();
    }
  }

  out.reserve(entries.size() + corners.size());
  for (std::size_t j = 0; j < entries.size(); ++j) {
    out.push_back(entries[j].p);
    const Entry& next = entries[(j + 1) % entries.size()];
    if (entries[j].passage == Passage::Leaves && next.passage == Passage::Enters)
      out.insert(out.end(), corners.begin() + static_cast<std::ptrdiff_t>(next.cornersFrom),
                 corners.begin() + static_cast<std::ptrdiff_t>(next.cornersTo));
  }
}

}  // namespace kernel
