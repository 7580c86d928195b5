#include "plane/geom_b_win.h"

#include "engine/view_update.h"

namespace plane {

TGeomBWin::TGeomBWin(platform::FrameWindow* parent, std::string_view title) : TGeomAWin(parent, title) {}

void TGeomBWin::Update(bool keepView) {
  const kernel::Box2& box = mapping.box;
  const engine::ViewUpdate update =
      engine::UpdateView(tables(), model(), {box.xmin, box.ymin}, {box.xmax, box.ymax}, keepView);
  if (update.redraw_only) {
    wing.pictureValid = 0;
    Invalidate(false);
    return;
  }
  SetViewBox(update.view.centre, update.view.half_width, update.view.half_height, false);
}

kernel::Real TGeomBWin::CircleRadius(int i) const { return engine::CircleRadius(tables(), i); }

}  // namespace plane
