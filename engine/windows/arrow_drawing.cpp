#include "engine/windows/arrow_drawing.h"

#include "kernel/segment_clip.h"
#include "kernel/vector2.h"
#include "view/view_mapping.h"

namespace engine {

namespace {

const kernel::Real kShortest = static_cast<kernel::Real>(1e-16);

// Cuts PQ to the view shrunk by one pixel on each side; false when nothing is left.
bool ClipToShrunkView(const view::ViewMapping& m, kernel::Point2& p, kernel::Point2& q, bool asLine) {
  return kernel::ClipSegment(m.box.xmin + m.unitsPerPixelX, m.box.xmax - m.unitsPerPixelX,
                             m.box.ymin + m.unitsPerPixelY, m.box.ymax - m.unitsPerPixelY, p, q, asLine);
}

}  // namespace

bool DrawPointChain(view::FigurePainter& painter, kernel::Point2 p, kernel::Point2 q, const view::LinePen& pen,
                    bool asLine) {
  if (!ClipToShrunkView(painter.mapping(), p, q, asLine)) return false;
  if (kernel::TaxiDist2(p, q) <= kShortest) return false;
  painter.Save();
  painter.SetPen(pen);
  painter.Segment(p, q, false);
  painter.Restore();
  return true;
}

void DrawArrow(view::FigurePainter& painter, kernel::Point2 p, kernel::Point2 q, bool clip, bool shaft,
               kernel::Real headSize, bool solidHead, const view::LinePen& pen) {
  const kernel::Point2 direction = q - p;
  const kernel::Point2 tip = q;
  const bool left = !clip || ClipToShrunkView(painter.mapping(), p, q, false);
  painter.Save();
  painter.SetPen(pen);
  if (shaft && left) painter.Segment(p, q, false);
  if (view::InView(painter.mapping(), tip)) {
    view::ArrowheadShape shape;
    shape.length = headSize;
    shape.solid = solidHead;
    painter.Arrowhead(q, direction, shape);
  }
  painter.Restore();
}

}  // namespace engine
