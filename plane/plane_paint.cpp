// What a plane window draws in each pass and in which order, and how its line and circle tables
// are drawn: the same passes serve the screen, the printer and every export through the painter.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"
#include "plane/geom_c_win.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

// How far a line that goes on past its points is drawn: its defining length this many times.
constexpr Real kLineReach = 100000;
// A fill's vertex list ends at the first entry of this value or above.
constexpr std::uint16_t kFillVertexEnd = 0x8000;
// Ends of hyperbolic lines at infinity are held at the far value; they are drawn from here.
constexpr Real kFarCoordinate = 1e9L;

// Whether the rim of the circle about c of radius r misses the box (with a margin of a few
// pixels): it lies wholly outside the box, or the box wholly inside it.
bool RimMissesBox(const Point2& c, Real r, const kernel::Box2& box, Real margin) {
  const Real nx = std::clamp(c.x, box.xmin, box.xmax) - c.x;
  const Real ny = std::clamp(c.y, box.ymin, box.ymax) - c.y;
  const Real fx = std::max(std::fabs(c.x - box.xmin), std::fabs(c.x - box.xmax));
  const Real fy = std::max(std::fabs(c.y - box.ymin), std::fabs(c.y - box.ymax));
  return r + margin < std::sqrt(nx * nx + ny * ny) || r - margin > std::sqrt(fx * fx + fy * fy);
}

Point2 Bounded(const Point2& p) {
  return {std::clamp(p.x, -kFarCoordinate, kFarCoordinate), std::clamp(p.y, -kFarCoordinate, kFarCoordinate)};
}

bool Flagged(const std::vector<std::uint8_t>& flags, int i) {
  return i >= 0 && static_cast<std::size_t>(i) < flags.size() && flags[static_cast<std::size_t>(i)] != 0;
}

}  // namespace

view::LinePen PenOfRecord(const kernel::LinePen& pen) {
  return {view::InkColor::Index(pen.colour), std::max<int>(pen.width, 1), pen.style};
}

bool TGeomCWin::FillMoves(const kernel::FillRecord& record) const {
  if (record.mode == kernel::kFillInsideCircle && Flagged(moving.circles, record.circle)) return true;
  for (const std::uint16_t index : record.vertices) {
    if (index >= kFillVertexEnd) break;
    if (Flagged(moving.points, index)) return true;
  }
  return false;
}

bool TGeomCWin::TextMoves(const view::TextList& list, const view::TextItem& item) const {
  if (&list != &textItems.plain) return true;
  return item.tie >= 0 && static_cast<std::size_t>(item.tie) < moving.points.size() &&
         moving.points[static_cast<std::size_t>(item.tie)] != 0;
}

bool TGeomCWin::MarkingMoves(const engine::MarkingFields& marking) const {
  if (Flagged(moving.points, marking.a) || Flagged(moving.points, marking.b)) return true;
  if (engine::MarksAngle(engine::KindOfMarking(marking))) return Flagged(moving.points, marking.object);
  return Flagged(moving.lines, marking.object);
}

bool TGeomCWin::FillInPass(const kernel::FillRecord& record) const {
  return drawLayer == DrawLayer::kAll || (drawLayer == DrawLayer::kMoving) == FillMoves(record);
}

bool TGeomCWin::TextInPass(const view::TextList& list, const view::TextItem& item) const {
  return drawLayer == DrawLayer::kAll || (drawLayer == DrawLayer::kMoving) == TextMoves(list, item);
}

bool TGeomCWin::MarkingInPass(const engine::MarkingFields& marking) const {
  return drawLayer == DrawLayer::kAll || (drawLayer == DrawLayer::kMoving) == MarkingMoves(marking);
}

void TGeomCWin::DrawScene(view::FigurePainter& painter) {
  PaintFigure(painter);
  DrawLabels(painter, -1, false);
  DrawPicks(painter);
}

void TGeomCWin::PaintAll(view::FigurePainter& painter) {
  TGeomBWin::PaintAll(painter);
  DrawLabels(painter, -1, false);
  DrawPicks(painter);
}

void TGeomCWin::DrawScene2(view::FigurePainter& painter) {
  DrawSegments(painter);
  DrawCircles(painter);
  DrawConics(painter);
}

void TGeomCWin::DrawTracedFigure(view::FigurePainter& painter, bool labels) {
  DrawScene2(painter);
  if (labels) DrawLabels(painter, -1, false);
}

void TGeomCWin::PaintFigure(view::FigurePainter& painter) {
  if (history().steps.empty()) return;
  if (!slowReplay) DrawFillsXor(painter);
  else if (slowReplayFill >= 0 && static_cast<std::size_t>(slowReplayFill) < fills.size()) DrawFill(painter, fills[slowReplayFill]);
  // The traces replay the figure: they are drawn with the whole picture, not while a drag paints
  // one of its layers.
  if (!slowReplay && drawLayer == DrawLayer::kAll) DrawAllTracings(painter);
  DrawSegments(painter);
  DrawCircles(painter);
  if (slowReplay == 0) DrawConics(painter);
  if (slowReplay == 0) DrawMarkings(painter);
}

void TGeomCWin::DrawSegments(view::FigurePainter& painter) {
  if (fill.hideLines) return;  // View > Hide lines
  const engine::FigureTables& t = tables();
  for (int i = 0; i <= t.last_line; ++i) {
    const kernel::SegmentRecord& line = t.lines[i];
    if (line.exists && line.pen.style != kInvisibleStyle && Draws(moving.lines, i)) DrawSegmentRecord(painter, i);
  }
}

void TGeomCWin::DrawSegmentRecord(view::FigurePainter& painter, int i) {
  const engine::FigureTables& t = tables();
  const kernel::SegmentRecord& line = t.lines[i];
  if (line.points.count < 2) return;
  const int first = line.points.entries[0];
  const int last = line.points.entries[line.points.count - 1];
  if (first >= engine::kPointCapacity || last >= engine::kPointCapacity) return;
  const kernel::HypCurveRecord* side = model().Hyperbolic ? &t.line_sides[i] : nullptr;
  // The first extension byte is the one a ray sets: the line goes on past its last point; the
  // second makes it go on past its first point too.
  DrawLine(painter, t.xy[first], t.xy[last], line.extends_second != 0, line.extends_first != 0, line.pen, side);
}

void TGeomCWin::DrawLine(view::FigurePainter& painter, const Point2& a, const Point2& b, bool continuesBefore,
                         bool continuesAfter, const kernel::LinePen& pen, const kernel::HypCurveRecord* side) {
  painter.SetPen(PenOfRecord(pen));
  if (side == nullptr) {
    const Point2 d = b - a;
    const Point2 s = continuesBefore ? a - d * kLineReach : a;
    const Point2 e = continuesAfter ? b + d * kLineReach : b;
    painter.Segment(s, e, true);
    return;
  }
  const Point2 s = Bounded(continuesBefore ? side->points[0] : a);
  const Point2 e = Bounded(continuesAfter ? side->points[1] : b);
  if (side->shape != 0) {
    painter.Segment(s, e, true);
    return;
  }
  // An arc of the circle that carries the geodesic: the short way from S to E; a half circle
  // (both ends on the boundary line of the half-plane) from the end with the larger x.
  const Point2& o = side->points[2];
  const Point2 u = s - o;
  const Point2 v = e - o;
  Real sweep = std::atan2(kernel::Cross2(u, v), kernel::Dot2(u, v));
  if (std::fabs(std::fabs(sweep) - std::numbers::pi_v<Real>) < 1e-9L) {
    painter.Arc(o, s.x >= e.x ? s : e, std::numbers::pi_v<Real>);
    return;
  }
  painter.Arc(o, s, sweep);
}

void TGeomCWin::DrawCircles(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  for (int i = 0; i <= t.last_circle; ++i) {
    const kernel::CircleRecord& circle = t.circles[i];
    if (circle.exists && circle.pen.style != kInvisibleStyle && Draws(moving.circles, i)) DrawCircleRecord(painter, i);
  }
}

void TGeomCWin::DrawCircleRecord(view::FigurePainter& painter, int i) {
  const engine::FigureTables& t = tables();
  const kernel::CircleRecord& circle = t.circles[i];
  if (circle.count < 1 || circle.centre >= engine::kPointCapacity || circle.points[0] >= engine::kPointCapacity) return;
  painter.SetPen(PenOfRecord(circle.pen));
  const Point2& first = t.xy[circle.points[0]];
  if (!circle.drawn) {
    // Drawn as the whole line through its first two points.
    if (circle.count < 2 || circle.points[1] >= engine::kPointCapacity) return;
    const Point2& second = t.xy[circle.points[1]];
    const Point2 d = second - first;
    painter.Segment(first - d * kLineReach, second + d * kLineReach,
                    true);
    return;
  }
  Point2 centre = t.xy[circle.centre];
  if (model().Hyperbolic && !engine::CircleModelCentre(model(), t.xy[circle.centre], first, centre)) return;
  constexpr Real kTwoPi = 2 * std::numbers::pi_v<Real>;
  Real sweep = circle.full_circle ? kTwoPi : circle.arc_angle * 0.017453292519943295L;
  if (sweep < 0) sweep = std::fmod(sweep, kTwoPi) + kTwoPi;
  painter.SetBrush({});
  const Real radius = kernel::Dist2(first, centre);
  // A rim that nowhere crosses the view draws nothing: it is not handed to the painter at all.
  const view::ViewMapping& m = painter.mapping();
  if (RimMissesBox(centre, radius, m.box, 4 * m.unitsPerPixelX * std::max(1, static_cast<int>(circle.pen.width)))) {
    return;
  }
  if (sweep >= kTwoPi) {
    painter.Circle(centre, radius);
    return;
  }
  if (model().Hyperbolic) {
    // The arc ends where the first point turned about the circle's own centre by the sweep lands;
    // the drawn sweep is the angle of that end about the drawn centre.
    const Point2 end = engine::RotatePoint(model(), t.xy[circle.centre], first, sweep);
    const Point2 u = first - centre;
    const Point2 v = end - centre;
    sweep = std::atan2(kernel::Cross2(u, v), kernel::Dot2(u, v));
    if (sweep < 0) sweep += kTwoPi;
  }
  painter.Arc(centre, first, sweep);
}

}  // namespace plane
