// The small mouse tools of the plane windows: centring the view at the mouse.
#include "plane/geom_d_win.h"

namespace plane {

void TGeomDWin::RecenterAtPoint(platform::PointI pixel) {
  const kernel::Point2 p = WorldOf(pixel);
  ViewStack(1);
  SetView(p.x, p.y, mapping.halfWidth, mapping.halfHeight, mapping.unequal != 0);
  UpdateView();
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
}

}  // namespace plane
