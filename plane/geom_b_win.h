#pragma once
// The view after each step in the plane windows: every point and circle of the figure is kept
// inside the view, which is widened with a margin when something sticks out or fitted to the
// figure on request. Also the place of the random shapes animation, markings and arrows, and the
// plane curve lists with their file pieces.

#include <string_view>

#include "engine/windows/markings.h"
#include "kernel/real.h"
#include "plane/conic_inventories.h"
#include "plane/geom_a_win.h"
#include "view/figure_painter.h"

namespace plane {

class TGeomBWin : public TGeomAWin {
 public:
  TGeomBWin(platform::FrameWindow* parent, std::string_view title);

  // keepView: keeps the view unless a point or circle sticks out, then widens it to 1.2 times the
  // box of the old view and the figure. Otherwise fits the view to 1.3 times the box of the figure
  // and the origin. In the Poincare disk the view never changes; the figure is redrawn. The tables
  // are only read.
  void Update(bool keepView) override;
  // The Euclidean radius of circle i (0 outside the table or for a degenerate circle).
  kernel::Real CircleRadius(int i) const;

  // --- The random shapes animation (plane/random_shapes_animation.cpp) -------------------------
  // Units > Random > Coasters (hyperbolic: Other > Data > Baseballs): random discs and polygons,
  // or balls, pile up over the window until a key is pressed; the figure is not touched.
  void AnimateShapes();
  // One shape onto a picture of the window.
  void DrawCoaster(view::FigurePainter& painter);
  void DrawBall(view::FigurePainter& painter);
  // --- Markings (plane/marking_paint.cpp) ---------------------------------------------------
  // Every marking whose points (and, for ticks, arrows and rays, whose line) still exist, in the
  // order they were made; of those, only the ones the pass being painted draws.
  void DrawMarkings(view::FigurePainter& painter);
  // Whether the paint pass under way draws the marking (every pass draws every marking here).
  virtual bool MarkingInPass(const engine::MarkingFields& /*marking*/) const { return true; }

  // The conics of the figure beside its history (plane/conic_inventories.h).
  ConicInventories conics;
  std::array<int, 4> CountCurveLists() const override { return conics.Counts(); }
  ConicInventories* conicLists() override { return &conics; }
};

}  // namespace plane
