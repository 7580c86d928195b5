#include "kernel/polygon_box_cut.h"

namespace kernel {

namespace {

enum class Side { Left, Right, Bottom, Top };

bool Inside(const Point2& p, Side side, const Box2& box) {
  switch (side) {
    case Side::Left: return p.x >= box.xmin;
    case Side::Right: return p.x <= box.xmax;
    case Side::Bottom: return p.y >= box.ymin;
    case Side::Top: return p.y <= box.ymax;
  }
  return true;
}

// Where the edge a -> b crosses the side's line (the ends lie on either side of it).
Point2 Crossing(const Point2& a, const Point2& b, Side side, const Box2& box) {
  if (side == Side::Left || side == Side::Right) {
    const Real x = side == Side::Left ? box.xmin : box.xmax;
    const Real t = (x - a.x) / (b.x - a.x);
    return {x, a.y + (b.y - a.y) * t};
  }
  const Real y = side == Side::Bottom ? box.ymin : box.ymax;
  const Real t = (y - a.y) / (b.y - a.y);
  return {a.x + (b.x - a.x) * t, y};
}

void CutBySide(const std::vector<Point2>& in, Side side, const Box2& box, std::vector<Point2>& out) {
  out.clear();
  if (in.empty()) return;
  Point2 previous = in.back();
  bool previousInside = Inside(previous, side, box);
  for (const Point2& current : in) {
    const bool currentInside = Inside(current, side, box);
    if (currentInside != previousInside) out.push_back(Crossing(previous, current, side, box));
    if (currentInside) out.push_back(current);
    previous = current;
    previousInside = currentInside;
  }
}

}  // namespace

void CutPolygonToBox2(std::span<const Point2> polygon, const Box2& box, std::vector<Point2>& out) {
  std::vector<Point2> work(polygon.begin(), polygon.end());
  for (const Side side : {Side::Left, Side::Right, Side::Bottom, Side::Top}) {
    CutBySide(work, side, box, out);
    work.swap(out);
  }
  out.swap(work);
}

}  // namespace kernel
