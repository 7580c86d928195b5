// The coordinate frame of the graphics layer, grid half: the rectangular grid in chosen quadrants
// with every n-th line heavier, the polar grid of circles and rays about the origin, and the view
// and grid changes the dialogs end in.

#include <algorithm>
#include <cmath>

#include "kernel/polar_range.h"
#include "kernel/segment_clip.h"
#include "view/qel_wing.h"

namespace view {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr Real kInset = static_cast<Real>(0.002);
// Just below 2 pi, so that the ray at 2 pi is not drawn over the ray at 0.
constexpr Real kLastRayAngle = static_cast<Real>(6.283);

constexpr bool Quadrant(std::uint16_t flags, int n) { return (flags & (1u << (n - 1))) != 0; }

// Lines at origin + i * interval for i from first to last, each from `from` to `to` along the
// other axis; horizontal lines (y = value) or vertical ones (x = value).
struct GridPass {
  bool horizontal;
  std::int32_t first;
  std::int32_t last;
  Real from;
  Real to;
};

}  // namespace

void TQELWing::DrawGridlines(FigurePainter& painter, const LinePen& major, const LinePen& minor) {
  const std::uint16_t flags = axes.gridKind;
  if (!(flags & 16)) return;
  const ViewMapping& m = mapping;
  const kernel::Box2& b = m.box;
  const Real e = kInset * m.halfWidth;
  const Real e2 = kInset * m.halfHeight;
  const bool q1 = Quadrant(flags, 1);
  const bool q2 = Quadrant(flags, 2);
  const bool q3 = Quadrant(flags, 3);
  const bool q4 = Quadrant(flags, 4);
  GridPass passes[4];
  int count = 0;
  if ((q3 || q4) && axes.tickFirstY < 0)
    passes[count++] = {true, axes.tickFirstY, 0, q3 ? b.xmin + e : 0, q4 ? b.xmax - e : 0};
  if ((q1 || q2) && axes.tickLastY > 0)
    passes[count++] = {true, 0, axes.tickLastY, q2 ? b.xmin + e : 0, q1 ? b.xmax - e : 0};
  if ((q2 || q3) && axes.tickFirstX < 0)
    passes[count++] = {false, axes.tickFirstX, 0, q3 ? b.ymin + e2 : 0, q2 ? b.ymax - e2 : 0};
  if ((q1 || q4) && axes.tickLastX > 0)
    passes[count++] = {false, 0, axes.tickLastX, q4 ? b.ymin + e2 : 0, q1 ? b.ymax - e2 : 0};

  painter.Save();
  for (int k = 0; k < count; ++k) {
    const GridPass& pass = passes[k];
    const int pixels = pass.horizontal ? m.height : m.width;
    if (static_cast<long long>(pass.last) - pass.first > 2LL * pixels + 16) continue;
    const Real origin = pass.horizontal ? axes.gridOriginY : axes.gridOriginX;
    const Real interval = pass.horizontal ? axes.gridSpacingY : axes.gridSpacingX;
    const int freq = std::max<int>(pass.horizontal ? axes.yLabelFrequency : axes.xLabelFrequency, 1);
    const Real low = pass.horizontal ? b.ymin : b.xmin;
    for (std::int32_t i = pass.first; i <= pass.last; ++i) {
      const Real v = origin + i * interval;
      if (!(v > low)) continue;
      const bool isMajor = freq == 1 || i % freq == 0 || m.printing;
      painter.SetPen(isMajor ? major : minor);
      if (pass.horizontal) painter.Segment({pass.from, v}, {pass.to, v}, false);
      else painter.Segment({v, pass.from}, {v, pass.to}, false);
    }
  }
  painter.Restore();
}

void TQELWing::DrawCircleArc(FigurePainter& painter, const Point2& c, Real r, Real a1, Real a2) {
  painter.Save();
  painter.SetBrush({});
  if (std::fabs(a2 - a1 - kernel::TwoPi) >= static_cast<Real>(1e-16))
    painter.Arc(c, {c.x + r * std::cos(a1), c.y + r * std::sin(a1)}, a2 - a1);
  else
    painter.Circle(c, r);
  painter.Restore();
}

void TQELWing::DrawPolarGrid(FigurePainter& painter, const LinePen& pen) {
  if (!(axes.gridKind & 32)) return;
  const ViewMapping& m = mapping;
  const kernel::Box2& b = m.box;
  const Point2 origin{0, 0};
  Real t1 = 0;
  Real t2 = 0;
  const bool inside = kernel::PolarAngleRange(b, origin, t1, t2);
  Real rmin = 0;
  Real rmax = 0;
  kernel::PolarRadiusRange(b, origin, rmin, rmax);
  painter.Save();
  painter.SetPen(pen);

  const Real interval = axes.gridSpacingX;
  if (painter.TakesPolarCircles() && interval > 0) {
    const Real kFirst = std::floor(rmin / interval) + 1;
    const Real kLast = std::floor(rmax / interval) + 1;
    if (kLast - kFirst <= 2 * (m.width + m.height) + 16) {
      for (Real k = kFirst; k <= kLast; ++k) {
        const Real r = k * interval;
        if (rmin < r && r < rmax) DrawCircleArc(painter, origin, r, t1, t2);
      }
    }
  }

  if (painter.TakesPolarRays() && axes.sectorCount > 0) {
    const Real s = kernel::TwoPi / axes.sectorCount;
    auto jmin = static_cast<int>(std::floor(t1 / s)) + 1;
    const Real upper = inside ? kLastRayAngle : t2;
    const auto jmax = static_cast<int>(std::floor(upper / s));
    if (jmin == 1 && axes.axesKind % 2 == 0) jmin = 0;
    const Real dx = m.unitsPerPixelX;
    const Real dy = m.unitsPerPixelY;
    for (int j = jmin; j <= jmax; ++j) {
      Point2 p = origin;
      Point2 q{rmax * std::cos(j * s), rmax * std::sin(j * s)};
      if (kernel::ClipSegment(b.xmin + dx, b.xmax - dx, b.ymin + dy, b.ymax - dy, p, q, false))
        painter.Segment(p, q, false);
    }
  }
  painter.Restore();
}

void TQELWing::GridChanged() {
  UpdateMarkScales();
  fileMsg.modified = 1;
  axes.gridChanged = 1;
  InvalidateBuffer(preWin.bitmapLevel);
  Invalidate(false);
}

void TQELWing::ApplyView(const Point2& centre, Real halfWidth, Real halfHeight, bool unequal) {
  if (wing.viewLocked) return;
  if (unequal) SetViewExtents(centre.x, centre.y, halfWidth, halfHeight, true);
  else SetSquareView(centre, halfWidth);
}

}  // namespace view
