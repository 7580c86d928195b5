// The circular arcs of the figure: arcs and whole circles split at the border of the view, the
// shorter arc between two points, and the pieces sent to the painter.

#include <cmath>
#include <utility>

#include "engine/windows/fill_win.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"

namespace engine {

using kernel::Point2;
using kernel::Real;

namespace {

// A sweep this near a whole turn is the whole circle.
constexpr Real kWholeTurnTolerance = static_cast<Real>(1e-6);
// The view is shrunk by this part of its width before circles are cut at its border.
constexpr Real kBorderInset = static_cast<Real>(1e-5);

Point2 Turned(const Point2& centre, const Point2& p, Real angle) {
  Point2 v = p - centre;
  kernel::Rotate2(v, angle);
  return centre + v;
}

bool Finite(const Point2& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

void TFillWin::DrawArcFigure(view::FigurePainter& painter, const Point2& centre, const Point2& start, Real sweep,
                             const view::LinePen& pen) {
  if (!Finite(centre) || !Finite(start) || !std::isfinite(sweep)) return;
  const bool whole = std::fabs(sweep) + kWholeTurnTolerance > kernel::TwoPi;
  if (whole) sweep = kernel::TwoPi;
  Point2 p = start;
  Point2 q = Turned(centre, p, sweep);
  const Real r = kernel::Dist2(centre, p);
  if (!(r >= kernel::NullTolerance) || !std::isfinite(r)) return;
  if (sweep < 0) {
    std::swap(p, q);
    sweep = -sweep;
  }
  const kernel::Box2& v = painter.mapping().box;
  if (centre.x + r >= v.xmax || centre.x - r <= v.xmin || centre.y + r >= v.ymax || centre.y - r <= v.ymin) {
    const Real inset = kBorderInset * (v.xmax - v.xmin);
    const kernel::Box2 border{v.xmin + inset, v.xmax - inset, v.ymin + inset, v.ymax - inset};
    kernel::ArcPiecesInBox(centre, p, sweep, whole, border, arcPieces_);
    for (const kernel::ArcPiece& piece : arcPieces_)
      DrawArc(painter, centre, Turned(centre, p, piece.from), piece.to - piece.from, pen);
    return;
  }
  if (whole) {
    // Inside the view a whole circle is a circle wherever the target has one.
    painter.Save();
    painter.SetPen(pen);
    painter.SetBrush({});
    painter.Circle(centre, r);
    painter.Restore();
    return;
  }
  DrawArc(painter, centre, p, sweep, pen);
}

void TFillWin::DrawArcThrough(view::FigurePainter& painter, const Point2& centre, const Point2& p, const Point2& q,
                              const view::LinePen& pen) {
  // At most a half turn either way (a straight angle counts as counter-clockwise): drawn from q
  // when p lies counter-clockwise of it.
  const Real a = kernel::SignedAngle2(p, centre, q);
  const bool fromQ = a < 0;
  const Real sweep = std::fabs(a);
  DrawArcFigure(painter, centre, fromQ ? q : p, sweep, pen);
}

void TFillWin::DrawArcIfOpen(view::FigurePainter& painter, const Point2& centre, const Point2& p, const Point2& q,
                             const view::LinePen& pen) {
  if (p.x < q.x) DrawArcThrough(painter, centre, q, p, pen);
  else DrawArcThrough(painter, centre, p, q, pen);
}

void TFillWin::DrawArc(view::FigurePainter& painter, const Point2& centre, const Point2& start, Real sweep,
                       const view::LinePen& pen) {
  painter.Save();
  painter.SetPen(pen);
  painter.Arc(centre, start, sweep);
  painter.Restore();
}

}  // namespace engine
