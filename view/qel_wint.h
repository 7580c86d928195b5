#pragma once
// The text layer of the picture windows: the texts placed on a figure (typed, evaluated and
// measurement texts) and the view changes that keep the frame-tied texts in place. The view box
// the figure layers ask for after each step is set here.

#include <string_view>

#include "kernel/real.h"
#include "view/grid_win.h"

namespace view {

class TQELWint : public TGridWin {
 public:
  TQELWint(platform::FrameWindow* parent, std::string_view title);

  // The half extents of the view before the last SetViewBox.
  kernel::Real previousHalfWidth = 5;
  kernel::Real previousHalfHeight = 5;

  // Sets the view to the centre and half extents (see SetView) and repaints. The view it replaces
  // is pushed on the view stack, so Last window goes back to it. Asking for the current view again
  // (up to rounding) keeps it exactly and pushes nothing.
  virtual void SetViewBox(const kernel::Point2& centre, kernel::Real halfWidth, kernel::Real halfHeight,
                          bool unequal);
};

}  // namespace view
