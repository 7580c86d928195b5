// Arcs of the figure in space: sampled by rotation, projected through the view, flagged visible or
// hidden point by point and drawn through the figure painter, on the screen and in every export.
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "kernel/export_polygon_clip.h"
#include "kernel/vector3.h"
#include "solidview/geom_q_win.h"

namespace solidview {

namespace {

constexpr kernel::Real kTwoPi = 2 * std::numbers::pi_v<kernel::Real>;
constexpr kernel::Real kFullTurnTolerance = static_cast<kernel::Real>(1e-13);
// How the flagged polylines draw: only segments between visible points, hidden parts dotted, all.
constexpr int kVisibleOnly = -1;
constexpr int kAllSegments = 0;
constexpr int kDotted = 1;

}  // namespace

bool TGeomQWin::IsVisible(const kernel::Point3& /*p*/) const { return true; }

int TGeomQWin::HiddenLineRule() const {
  switch (display.displayMode) {
    case kDotHiddenLines:
    case kPaintedAndDotted: return kDotted;
    case kShowHiddenLines: return kAllSegments;
    default: return kVisibleOnly;
  }
}

void TGeomQWin::DrawArc(view::FigurePainter& painter, const kernel::Point3& C, const kernel::Point3& U,
                        const kernel::Point3& V, kernel::Real t0, kernel::Real t1, int n, const view::LinePen& pen,
                        view::InkColor fillColour) {
  const int steps = std::abs(n);
  if (steps < 1) return;
  const std::size_t count = static_cast<std::size_t>(steps) + 1;
  if (arcPoints_.size() < count) {
    arcPoints_.resize(count);
    arcFlags_.resize(count);
  }
  // The walk turns (c, s) by dt at each step and ends on the exact end value.
  const kernel::Real dt = (t1 - t0) / steps;
  const kernel::Real first = n > 0 ? t0 : t1;
  const kernel::Real last = n > 0 ? t1 : t0;
  const kernel::Real step = n > 0 ? dt : -dt;
  const kernel::Real cosStep = std::cos(step);
  const kernel::Real sinStep = std::sin(step);
  kernel::Real c = std::cos(first);
  kernel::Real s = std::sin(first);
  bool allInView = true;
  for (int i = 0; i <= steps; ++i) {
    if (i == steps) {
      c = std::cos(last);
      s = std::sin(last);
    }
    const kernel::Point3 p = C + c * U + s * V;
    const kernel::Point2 q = ProjectToView(p);
    const bool inside = InView(q);
    allInView = allInView && inside;
    arcPoints_[static_cast<std::size_t>(i)] = q;
    arcFlags_[static_cast<std::size_t>(i)] = forceVisible != 0 || (inside && IsVisible(p)) ? 1 : 0;
    const kernel::Real next = c * cosStep - s * sinStep;
    s = c * sinStep + s * cosStep;
    c = next;
  }
  arcInView = allInView ? 1 : 0;

  const std::span<const kernel::Point2> points(arcPoints_.data(), count);
  painter.Save();
  if (fillPass) {
    const bool full = std::fabs(std::fabs(t1 - t0) - kTwoPi) < kFullTurnTolerance;
    if (full) {
      painter.SetPen({fillColour, 1, view::kLineNone});
      painter.SetBrush({true, fillColour, 0});
      // The last point repeats the first: the region is the n distinct points.
      const std::span<const kernel::Point2> region = points.first(count - 1);
      if (painter.ClipsToView() || allInView) {
        painter.Region(region, "ball", true);
      } else {
        kernel::ClipPolygonToBox(region, painter.mapping().box, arcClipped_);
        if (arcClipped_.size() >= 3) painter.Region(arcClipped_, "ball", true);
      }
    }
  } else {
    painter.SetPen(pen);
    painter.FlaggedPolyline(points, std::span<const std::uint8_t>(arcFlags_.data(), count), HiddenLineRule());
  }
  painter.Restore();
}

}  // namespace solidview
