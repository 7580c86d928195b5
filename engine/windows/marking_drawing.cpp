#include "engine/windows/marking_drawing.h"

#include <numbers>

#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "view/view_mapping.h"

namespace engine {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr Real kTickStart = static_cast<Real>(0.55L);
constexpr Real kArrowStart = static_cast<Real>(0.4L);
constexpr Real kArcSpread = static_cast<Real>(0.12L);

}  // namespace

void DrawTicks(view::FigurePainter& painter, const Point2& a, const Point2& b, int n, Real size) {
  Point2 v = b - a;
  if (!kernel::ScaleTo2(v, size)) return;
  Point2 q = a + (b - a) * kTickStart;
  if (!view::InView(painter.mapping(), q)) return;
  const Point2 w{-v.y, v.x};
  for (int k = 0; k < n; ++k) {
    painter.Segment(q - w, q + w, false);
    q = q + v;
  }
}

void DrawSegmentArrow(view::FigurePainter& painter, const Point2& a, const Point2& b, int n, Real size, bool solid) {
  Point2 v = b - a;
  if (!kernel::ScaleTo2(v, size)) return;
  Point2 tip = a + (b - a) * kArrowStart;
  if (!view::InView(painter.mapping(), tip)) return;
  view::ArrowheadShape shape;
  shape.length = size;
  shape.solid = solid;
  for (int k = 0; k < n; ++k) {
    painter.Arrowhead(tip, v, shape);
    tip = tip + v;
  }
}

void DrawAngleMark(view::FigurePainter& painter, const Point2& a, const Point2& b, const Point2& c,
                   const AngleMarkShape& shape) {
  Real theta = kernel::SignedAngle2(a, b, c);
  bool raised = false;
  if (theta < 0 && shape.fullTurn) {
    theta += 2 * std::numbers::pi_v<Real>;
    raised = true;
  }
  Point2 u = a - b;
  if (!kernel::Normalize2(u)) return;
  Point2 w = c - b;
  const bool heads = shape.directed && kernel::Normalize2(w);
  // The way the arcs travel where they end on the ray towards C.
  Point2 t{-w.y, w.x};
  if (kernel::Cross2(u, w) < 0 && !raised) t = -t;
  view::ArrowheadShape head;
  head.length = shape.headSize;
  head.solid = shape.solidHead;
  Real q = -kArcSpread;
  for (int k = 0; k < shape.arcs; ++k) {
    const int m = (k + 1) / 2;
    const Real r = shape.radius * (1 + m * q);
    q = -q;
    painter.Arc(b, b + u * r, theta);
    if (heads) painter.Arrowhead(b + w * r, t, head);
  }
}

void DrawRightAngleMark(view::FigurePainter& painter, const Point2& a, const Point2& b, const Point2& c, Real size) {
  Point2 u = c - b;
  Point2 v = a - b;
  if (!kernel::ScaleTo2(u, size) || !kernel::ScaleTo2(v, size)) return;
  const Point2 corner = b + u + v;
  painter.Segment(b + u, corner, false);
  painter.Segment(b + v, corner, false);
}

}  // namespace engine
