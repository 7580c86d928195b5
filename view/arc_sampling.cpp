#include "view/arc_sampling.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "kernel/vector2.h"

namespace view {

namespace {

using kernel::Point2;
using kernel::Real;

// More points than this for an arc means it is far larger than the view.
constexpr Real kMaxPoints = 4096;
// The view is widened by this many pixels on every side before an arc is cut to it.
constexpr Real kMarginPixels = 4;

struct Interval {
  Real from = 0;
  Real to = 0;
};

void AddPiece(const Point2& centre, Real radius, Real startAngle, Real direction, const Interval& u, Real step,
              ArcPieces& out) {
  const Real length = u.to - u.from;
  const int n = std::max(1, static_cast<int>(std::ceil(length / step)));
  for (int k = 0; k <= n; ++k) {
    const Real a = startAngle + direction * (u.from + length * k / n);
    out.points.push_back({centre.x + radius * std::cos(a), centre.y + radius * std::sin(a)});
  }
  out.ends.push_back(out.points.size());
}

// The parameter ranges (angle along the arc from its start) in which the arc may meet the widened
// view box: none when its circle misses the box; false when the whole arc is to be drawn (the
// centre lies in the box).
bool VisibleRanges(const ViewMapping& m, const Point2& centre, Real radius, Real startAngle, Real direction,
                   Real span, std::vector<Interval>& ranges) {
  const Real mx = kMarginPixels * m.unitsPerPixelX;
  const Real my = kMarginPixels * m.unitsPerPixelY;
  const kernel::Box2 box{m.box.xmin - mx, m.box.xmax + mx, m.box.ymin - my, m.box.ymax + my};
  // A circle that stays nearer than the box's nearest point, or farther than its farthest corner,
  // never meets it.
  const Point2 nearest{std::clamp(centre.x, box.xmin, box.xmax), std::clamp(centre.y, box.ymin, box.ymax)};
  Real farthest = 0;
  for (const Real x : {box.xmin, box.xmax})
    for (const Real y : {box.ymin, box.ymax}) farthest = std::max(farthest, std::hypot(x - centre.x, y - centre.y));
  if (radius < kernel::Dist2(centre, nearest) || radius > farthest) return true;
  if (centre.x >= box.xmin && centre.x <= box.xmax && centre.y >= box.ymin && centre.y <= box.ymax) return false;
  const Real towards = std::atan2(0.5L * (box.ymin + box.ymax) - centre.y, 0.5L * (box.xmin + box.xmax) - centre.x);
  Real lo = 0;
  Real hi = 0;
  for (const Point2 corner : {Point2{box.xmin, box.ymin}, Point2{box.xmax, box.ymin}, Point2{box.xmin, box.ymax},
                              Point2{box.xmax, box.ymax}}) {
    const Real d = std::remainder(std::atan2(corner.y - centre.y, corner.x - centre.x) - towards, kernel::TwoPi);
    lo = std::min(lo, d);
    hi = std::max(hi, d);
  }
  lo += towards;
  hi += towards;
  for (int k = -2; k <= 2; ++k) {
    const Real a = lo + k * kernel::TwoPi;
    const Real b = hi + k * kernel::TwoPi;
    Interval u = direction > 0 ? Interval{a - startAngle, b - startAngle} : Interval{startAngle - b, startAngle - a};
    u.from = std::max<Real>(u.from, 0);
    u.to = std::min(u.to, span);
    if (u.to > u.from) ranges.push_back(u);
  }
  std::sort(ranges.begin(), ranges.end(), [](const Interval& x, const Interval& y) { return x.from < y.from; });
  return true;
}

}  // namespace

void SampleArc(const ViewMapping& m, const Point2& centre, const Point2& start, Real sweep, ArcPieces& out) {
  out.clear();
  const Real radius = kernel::Dist2(centre, start);
  const Real span = std::min(std::fabs(sweep), kernel::TwoPi);
  if (!(radius > 0) || !(span > 0)) {
    out.points.push_back(start);
    out.ends.push_back(1);
    return;
  }
  const bool whole = std::fabs(sweep) >= kernel::TwoPi;
  const Real direction = sweep < 0 ? -1 : 1;
  Real startAngle = std::atan2(start.y - centre.y, start.x - centre.x);
  const Real radiusPixels = radius * std::max(m.pixelsPerUnitX, m.pixelsPerUnitY);
  const Real step = radiusPixels > 0.5L ? 2 * std::acos(1 - 0.5L / radiusPixels) : span;

  if (span / step > kMaxPoints) {
    if (whole) {
      // Start opposite the view, so that what passes the view is one piece.
      const Real cx = 0.5L * (m.box.xmin + m.box.xmax);
      const Real cy = 0.5L * (m.box.ymin + m.box.ymax);
      startAngle = std::atan2(cy - centre.y, cx - centre.x) + kernel::Pi;
    }
    std::vector<Interval> ranges;
    if (VisibleRanges(m, centre, radius, startAngle, direction, span, ranges)) {
      const Real fine = std::max(step, span / (kMaxPoints * 16));
      for (const Interval& u : ranges) AddPiece(centre, radius, startAngle, direction, u, fine, out);
      return;
    }
    AddPiece(centre, radius, startAngle, direction, {0, span}, span / kMaxPoints, out);
    return;
  }
  AddPiece(centre, radius, startAngle, direction, {0, span}, step, out);
  if (!whole) out.points.front() = start;
}

}  // namespace view
