// Drawing the spherical window: the ball filled and outlined by its horizon, the lines and circles
// of the figure through the viewing layer's arcs, and the labels of the points that face the
// observer. One pass serves the screen, the printer and every export.
#include <numbers>

#include "kernel/ball_horizon.h"
#include "kernel/sphere_kernels.h"
#include "kernel/vector3.h"
#include "sphere/geom_s_win.h"
#include "view/dc_figure_painter.h"
#include "view/export_settings.h"

namespace sphere {

namespace {

constexpr kernel::Real kTwoPi = 2 * std::numbers::pi_v<kernel::Real>;
constexpr kernel::Real kDegree = std::numbers::pi_v<kernel::Real> / 180;
// The pen style of lines and circles that are not drawn.
constexpr int kNullPenStyle = 5;

view::LinePen PenOf(const kernel::LinePen& pen) {
  return {view::InkColor::Index(pen.colour), pen.width, pen.style};
}

}  // namespace

void TGeomSWin::DrawBall(view::FigurePainter& painter, bool pictex) {
  const std::uint16_t ball = preWin.roles[kBallColorRole];
  const view::LinePen pen{view::InkColor::Index(ball), 1, view::kLineSolid};
  if (pictex) {
    // PiCTeX has no fills: the outline alone, unless the ball's colour says there is no ball.
    if (ball == preWin.roles[kBallOutlineRole] || ball == preWin.roles[0]) return;
    painter.Save();
    painter.SetPen(pen);
    painter.Arc(ProjectToView(horizon.centre), ProjectToView(horizon.centre + horizon.e1), kTwoPi);
    painter.Restore();
    return;
  }
  const int steps = kernel::ArcStepCount(kTwoPi, initialHalfWidth, mapping.halfWidth);
  fillPass = 1;
  DrawArc(painter, horizon.centre, horizon.e1, horizon.e2, 0, kTwoPi, steps, pen, view::InkColor::Index(ball));
  fillPass = 0;
  forceVisible = 1;
  DrawArc(painter, horizon.centre, horizon.e1, horizon.e2, 0, kTwoPi, steps, pen, view::InkColor::Index(ball));
  forceVisible = 0;
}

void TGeomSWin::DrawLines(view::FigurePainter& painter) {
  if (fill.hideLines) return;  // View > Hide lines
  const engine::FigureTables& t = tables();
  const std::vector<engine::SphereSideRecord>& frames = t.sphere_frames.lines;
  for (int i = 0; i <= t.last_line && static_cast<std::size_t>(i) < frames.size(); ++i) {
    const kernel::SegmentRecord& line = t.lines[static_cast<std::size_t>(i)];
    const engine::SphereSideRecord& side = frames[static_cast<std::size_t>(i)];
    if (!line.exists || line.pen.style == kNullPenStyle || !side.framed) continue;
    // A segment runs from its first point to its second, a line all round; a line with one end
    // extended from its second point on round to its first.
    kernel::Real t0 = 0;
    kernel::Real t1 = side.angle;
    if (line.extends_first && line.extends_second) {
      t1 = kTwoPi;
    } else if (line.extends_first || line.extends_second) {
      t0 = side.angle;
      t1 = kTwoPi;
    }
    const int steps = kernel::ArcStepCount(t1 - t0, initialHalfWidth, mapping.halfWidth);
    DrawArc(painter, {0, 0, 0}, side.vectors[0], side.vectors[1], t0, t1, steps, PenOf(line.pen),
            view::InkColor::Index(line.pen.colour));
  }
}

void TGeomSWin::DrawCircles(view::FigurePainter& painter) {
  engine::FigureTables& t = tables();
  std::vector<engine::SphereSideRecord>& frames = t.sphere_frames.circles;
  for (int i = 0; i <= t.last_circle && static_cast<std::size_t>(i) < frames.size(); ++i) {
    const kernel::CircleRecord& circle = t.circles[static_cast<std::size_t>(i)];
    if (!circle.exists || circle.pen.style == kNullPenStyle || circle.count < 1) continue;
    const int pole = circle.centre;
    const int first = circle.points[0];
    if (!t.PointExists(pole) || !t.PointExists(first)) continue;
    // The frame follows the pole and the first point as they move.
    engine::SphereSideRecord& side = frames[static_cast<std::size_t>(i)];
    const kernel::Point3& C = t.xyz[static_cast<std::size_t>(pole)];
    const kernel::Point3& B = t.xyz[static_cast<std::size_t>(first)];
    engine::FillCircleFrame(C, B, side);
    const kernel::Real sweep = circle.arc_angle * kDegree;
    const int steps = kernel::ArcStepCount(kernel::SphericalDistance3(C, B) * sweep, initialHalfWidth, mapping.halfWidth);
    DrawArc(painter, side.vectors[0], side.vectors[1], side.vectors[2], 0, sweep, steps, PenOf(circle.pen),
            view::InkColor::Index(circle.pen.colour));
  }
}

std::array<kernel::Real, 3> TGeomSWin::BackgroundScene() const { return {observer.x, observer.y, observer.z}; }

void TGeomSWin::PaintBackgroundPicture(platform::DC& dc) {
  TGeomQWin::PaintBackgroundPicture(dc);
  view::DcFigurePainter painter(dc, mapping, DcRules());
  DrawBall(painter, false);
}

void TGeomSWin::PaintFigure(view::FigurePainter& painter) {
  ComputePointVisibility();
  if (display.displayMode == solidview::kPainted) DrawFillsXor(painter);
  DrawLines(painter);
  DrawCircles(painter);
}

void TGeomSWin::PaintAll(view::FigurePainter& painter) {
  // The labels follow the ball's own visibility, so the solid's label pass is left out.
  solid::TGeomPSWin::PaintAll(painter);
  if (history().steps.empty()) return;
  ComputePointVisibility();
  DrawLabels(painter, -1, false);
}

void TGeomSWin::Paint(platform::DC& dc) { DrawFigure(dc); }

bool TGeomSWin::PaintToBitmap(platform::DC& dc) {
  DrawFigure(dc);
  return true;
}

bool TGeomSWin::PaintPicture(platform::DC& dc) {
  // A printer page or bitmap: every level drawn at once on the device, at the page's scale.
  const bool printing = qelWin.printing != 0;
  if (printing) {
    UpdateScale();
    SetPrinterScale(dc);
    ScaleFonts(true, PrintedTextDpi());
  }
  {
    view::DcFigurePainter painter(dc, mapping, DcRules());
    DrawAxes(painter);
    DrawPictures(painter);
    DrawBall(painter, false);
    PaintFigure(painter);
    PaintAll(painter);
  }
  if (printing) ScaleFonts(false, PrintedTextDpi());
  return true;
}

bool TGeomSWin::ExportPicture(view::FigurePainter& painter, const view::ExportFrame& exportFrame) {
  DrawBall(painter, exportFrame.kind == view::ExportKind::PiCTeX);
  PaintFigure(painter);
  ComputePointVisibility();
  return TGeomQWin::ExportPicture(painter, exportFrame);
}

}  // namespace sphere
