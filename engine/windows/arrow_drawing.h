#pragma once
// Segments and arrows that the figure layers draw between two world points: a segment is cut to
// the view shrunk by one pixel on each side (with asLine the whole line through the points, from
// edge to edge), an arrow gets its shaft (optionally cut the same way) and a head at its tip when
// the tip lies in the view. They go to whatever the painter draws on: the window, or the export
// file of an export pass.

#include "kernel/real.h"
#include "view/figure_painter.h"

namespace engine {

// The segment PQ in the pen; false, nothing drawn, when nothing of it is left in the shrunk view
// or what is left is not longer than 1e-16 (taxicab).
bool DrawPointChain(view::FigurePainter& painter, kernel::Point2 p, kernel::Point2 q, const view::LinePen& pen,
                    bool asLine);

// The arrow from P to Q in the pen: with shaft, the shaft (with clip cut to the shrunk view first;
// a shaft the cut leaves nothing of is not drawn); the head, headSize long in world units, only
// when Q lies in the view, pointing along Q - P (none when P = Q).
void DrawArrow(view::FigurePainter& painter, kernel::Point2 p, kernel::Point2 q, bool clip, bool shaft,
               kernel::Real headSize, bool solidHead, const view::LinePen& pen);

}  // namespace engine
