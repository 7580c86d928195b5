#include "kernel/export_polygon_clip.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

#include "kernel/segment_clip.h"

namespace kernel {

namespace {

// A point of the cut outline: a vertex inside the box, or where an edge enters or leaves it. An
// entering point carries the angle the outline turned about the box's centre while it was out.
enum class Passage { Inside, Enters, Leaves };

struct Entry {
  Point2 p;
  Passage passage = Passage::Inside;
  Real turned = 0;
};

bool InBox(const Point2& p, const Box2& b) { return p.x >= b.xmin && p.x <= b.xmax && p.y >= b.ymin && p.y <= b.ymax; }

// The angle from u to v seen from c, in -pi..pi.
Real AngleBetween(const Point2& c, const Point2& u, const Point2& v) {
  const Real ux = u.x - c.x;
  const Real uy = u.y - c.y;
  const Real vx = v.x - c.x;
  const Real vy = v.y - c.y;
  return std::atan2(ux * vy - uy * vx, ux * vx + uy * vy);
}

// The corners met going along the border from `from` so that the way turns by `turned` about the
// centre, as the outline did outside: counter-clockwise for a positive turn, clockwise for a
// negative one, and once more round for every whole turn the outline made. A polygon that winds
// round the box n times adds at most n rounds, so the walk ends.
void WalkCorners(const Point2& from, Real turned, const Box2& b, const Point2& centre, std::vector<Point2>& out) {
  const std::array<Point2, 4> corners{Point2{b.xmax, b.ymax}, Point2{b.xmin, b.ymax}, Point2{b.xmin, b.ymin},
                                      Point2{b.xmax, b.ymin}};
  const Real start = std::atan2(from.y - centre.y, from.x - centre.x);
  const Real end = start + turned;
  // Each corner's first angle beyond the start in the direction of the walk.
  std::array<std::pair<Real, int>, 4> ahead;
  for (int k = 0; k < 4; ++k) {
    Real a = std::atan2(corners[k].y - centre.y, corners[k].x - centre.x);
    if (turned >= 0) {
      while (a <= start) a += TwoPi;
      while (a - TwoPi > start) a -= TwoPi;
    } else {
      while (a >= start) a -= TwoPi;
      while (a + TwoPi < start) a += TwoPi;
    }
    ahead[k] = {a, k};
  }
  if (turned >= 0) {
    std::sort(ahead.begin(), ahead.end());
    for (Real lap = 0; ahead[0].first + lap < end; lap += TwoPi)
      for (const auto& [a, k] : ahead)
        if (a + lap < end) out.push_back(corners[k]);
  } else {
    std::sort(ahead.begin(), ahead.end(), [](const auto& x, const auto& y) { return x.first > y.first; });
    for (Real lap = 0; ahead[0].first - lap > end; lap += TwoPi)
      for (const auto& [a, k] : ahead)
        if (a - lap > end) out.push_back(corners[k]);
  }
}

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
  const Point2 centre{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};

  if (std::all_of(ccw.begin(), ccw.end(), [&box](const Point2& p) { return InBox(p, box); })) {
    out = std::move(ccw);
    return;
  }
  // Start at a vertex inside, else at an edge that crosses the box, so that no stretch outside
  // runs over the end of the list; with neither, nothing of the outline is in the box.
  std::size_t first = n;
  for (std::size_t i = 0; i < n && first == n; ++i)
    if (InBox(ccw[i], box)) first = i;
  for (std::size_t i = 0; i < n && first == n; ++i) {
    Point2 p = ccw[i];
    Point2 q = ccw[(i + 1) % n];
    if (ClipSegment(box.xmin, box.xmax, box.ymin, box.ymax, p, q, false)) first = i;
  }
  if (first == n) {
    if (Encloses(ccw, centre))
      out = {{box.xmin, box.ymin}, {box.xmax, box.ymin}, {box.xmax, box.ymax}, {box.xmin, box.ymax}};
    return;
  }

  std::vector<Entry> entries;
  entries.reserve(2 * n);
  bool out_ = false;  // following the outline outside the box
  Point2 last;
  Real turned = 0;
  // The first edge is taken once more at the end, for its coming back into the box.
  for (std::size_t k = 0; k <= n; ++k) {
    const Point2& a = ccw[(first + k) % n];
    const Point2& b = ccw[(first + k + 1) % n];
    const bool aInside = InBox(a, box);
    const bool bInside = InBox(b, box);
    if (!aInside && out_) {
      turned += AngleBetween(centre, last, a);
      last = a;
    }
    if (aInside && bInside) {
      if (k < n) entries.push_back({b, Passage::Inside, 0});
      continue;
    }
    Point2 p = a;
    Point2 q = b;
    if (!ClipSegment(box.xmin, box.xmax, box.ymin, box.ymax, p, q, false)) continue;
    if (!aInside && out_) {
      turned += AngleBetween(centre, last, p);
      entries.push_back({p, Passage::Enters, turned});
      out_ = false;
    }
    if (k == n) break;
    if (bInside) {
      entries.push_back({b, Passage::Inside, 0});
    } else {
      entries.push_back({q, Passage::Leaves, 0});
      out_ = true;
      last = q;
      turned = 0;
    }
  }

  out.reserve(entries.size() + 8);
  for (std::size_t j = 0; j < entries.size(); ++j) {
    out.push_back(entries[j].p);
    const Entry& next = entries[(j + 1) % entries.size()];
    if (entries[j].passage == Passage::Leaves && next.passage == Passage::Enters)
      WalkCorners(entries[j].p, next.turned, box, centre, out);
  }
}

}  // namespace kernel
