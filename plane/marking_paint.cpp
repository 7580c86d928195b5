// The markings of a plane window drawn through the painter: ticks, arrowheads, angle arcs,
// directed angle arcs, brackets and rays, each sized by the window's marking sizes.
#include "engine/windows/marking_drawing.h"
#include "plane/geom_b_win.h"

namespace plane {

namespace {

bool LineExists(const engine::FigureTables& t, int i) { return i >= 0 && i <= t.last_line && t.lines[i].exists; }

}  // namespace

void TGeomBWin::DrawMarkings(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  const kernel::Real perPixel = painter.mapping().unitsPerPixelX;
  const kernel::Real arrow = markingSizes.Size(engine::MarkingSettings::kArrow, perPixel);
  for (const engine::Marking& record : markings) {
    const engine::MarkingFields m = engine::FieldsOfMarking(record);
    if (!t.PointExists(m.a) || !t.PointExists(m.b)) continue;
    const int kind = engine::KindOfMarking(m);
    const bool onLine = kind == engine::kMarkTick || kind == engine::kMarkArrow || kind == engine::kMarkRay;
    if (onLine && !LineExists(t, m.object)) continue;
    const bool onAngle = engine::MarksAngle(kind);
    if (onAngle && !t.PointExists(m.object)) continue;
    if (!onLine && !onAngle) continue;
    if (!MarkingInPass(m)) continue;
    int colour = engine::ColourOfMarking(m);
    if (onLine) colour = t.lines[m.object].pen.colour;
    const view::LinePen pen{view::InkColor::Index(colour), 1, view::kLineSolid};
    const kernel::Point2& a = t.xy[m.a];
    const kernel::Point2& b = t.xy[m.b];
    const kernel::Real relative = engine::RelativeMarkingSize(m);
    const int strokes = engine::StrokesOfMarking(m);
    painter.Save();
    painter.SetPen(pen);
    switch (kind) {
      case engine::kMarkTick:
        engine::DrawTicks(painter, a, b, strokes, relative * markingSizes.Size(engine::MarkingSettings::kTick, perPixel));
        break;
      case engine::kMarkArrow:
        engine::DrawSegmentArrow(painter, a, b, strokes, relative * arrow, wing.solidArrowheads != 0);
        break;
      case engine::kMarkRay: DrawArrow(painter, a, b, true, true, relative * arrow, pen); break;
      case engine::kMarkPerpBracket:
        engine::DrawRightAngleMark(painter, a, b, t.xy[m.object],
                                   relative * markingSizes.Size(engine::MarkingSettings::kBracket, perPixel));
        break;
      default: {
        engine::AngleMarkShape shape;
        shape.arcs = strokes;
        shape.radius = relative * markingSizes.Size(engine::MarkingSettings::kArcRadius, perPixel);
        shape.fullTurn = angleOptions.anglesNonNegative && angleOptions.anglesCounterclockwise;
        shape.directed = kind == engine::kMarkDirectedAngle;
        shape.headSize = arrow;
        engine::DrawAngleMark(painter, a, b, t.xy[m.object], shape);
        break;
      }
    }
    painter.Restore();
  }
}

}  // namespace plane
