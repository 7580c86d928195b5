#pragma once
// How the markings are drawn, through the painter, so they reach the screen and every export
// alike. Sizes are in world units.

#include "kernel/real.h"
#include "view/figure_painter.h"

namespace engine {

// n strokes across AB, each reaching `size` to both sides of the segment: the first centred 55 %
// of the way from A to B, the next ones one size further towards B each. Nothing when A equals B
// or the first centre lies outside the view.
void DrawTicks(view::FigurePainter& painter, const kernel::Point2& a, const kernel::Point2& b, int n, kernel::Real size);

// n arrowheads along AB pointing towards B, `size` long, the first tip 40 % of the way, the next
// ones one size further each. Nothing when A equals B or the first tip lies outside the view.
void DrawSegmentArrow(view::FigurePainter& painter, const kernel::Point2& a, const kernel::Point2& b, int n,
                      kernel::Real size, bool solid);

// The angle at B from BA to BC: n arcs of radius r, 1.12 r, 0.88 r, 1.24 r, 0.76 r ... With
// fullTurn a negative angle is drawn the long way round (its angle plus a full turn). The directed
// form puts an arrowhead (headSize long) at the end of each arc on the ray BC, pointing the way
// the arc turns.
struct AngleMarkShape {
  int arcs = 1;
  kernel::Real radius = 0;
  bool fullTurn = false;
  bool directed = false;
  kernel::Real headSize = 0;
  bool solidHead = true;
};
void DrawAngleMark(view::FigurePainter& painter, const kernel::Point2& a, const kernel::Point2& b,
                   const kernel::Point2& c, const AngleMarkShape& shape);

// The bracket of a right angle at B: the strokes from B + u to B + u + v and from B + v to
// B + u + v, u along BC and v along BA, both `size` long.
void DrawRightAngleMark(view::FigurePainter& painter, const kernel::Point2& a, const kernel::Point2& b,
                        const kernel::Point2& c, kernel::Real size);

}  // namespace engine
