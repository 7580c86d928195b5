#include "view/qel_wint.h"

#include "kernel/vector2.h"

namespace view {

TQELWint::TQELWint(platform::FrameWindow* parent, std::string_view title) : TGridWin(parent, title) {}

void TQELWint::SetViewBox(const kernel::Point2& centre, kernel::Real halfWidth, kernel::Real halfHeight,
                          bool unequal) {
  previousHalfWidth = mapping.halfWidth;
  previousHalfHeight = mapping.halfHeight;
  const bool same = (mapping.unequal != 0) == unequal && mapping.centre == centre && mapping.halfWidth == halfWidth &&
                    mapping.halfHeight == halfHeight;
  if (!same) ViewStack(1);
  SetView(centre.x, centre.y, halfWidth, halfHeight, unequal);
  wing.pictureValid = 0;
  Invalidate(false);
}

}  // namespace view
