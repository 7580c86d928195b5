#include "view/qel_wint.h"

#include <algorithm>
#include <cmath>

namespace view {

namespace {

// Views closer than this part of their size are the same view (rounding of the box arithmetic).
constexpr kernel::Real kSameViewTolerance = static_cast<kernel::Real>(1e-12);

}  // namespace

TQELWint::TQELWint(platform::FrameWindow* parent, std::string_view title) : TGridWin(parent, title) {}

void TQELWint::SetViewBox(const kernel::Point2& centre, kernel::Real halfWidth, kernel::Real halfHeight,
                          bool unequal) {
  previousHalfWidth = mapping.halfWidth;
  previousHalfHeight = mapping.halfHeight;
  const kernel::Real tolerance = kSameViewTolerance * std::max(mapping.halfWidth, mapping.halfHeight);
  const bool same = (mapping.unequal != 0) == unequal && std::fabs(mapping.centre.x - centre.x) <= tolerance &&
                    std::fabs(mapping.centre.y - centre.y) <= tolerance &&
                    std::fabs(mapping.halfWidth - halfWidth) <= tolerance &&
                    std::fabs(mapping.halfHeight - halfHeight) <= tolerance;
  if (!same) {
    ViewStack(1);
    SetView(centre.x, centre.y, halfWidth, halfHeight, unequal);
  }
  wing.pictureValid = 0;
  Invalidate(false);
}

}  // namespace view
