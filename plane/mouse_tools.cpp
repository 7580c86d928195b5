// The small mouse tools of the plane windows: reading the coordinates under the mouse in the
// caption, and centring the view at the mouse.
#include <string>

#include "plane/geom_d_win.h"
#include "platform/modal_loop.h"

namespace plane {

namespace {

constexpr int kTrackDone = 1;

}  // namespace

void TGeomDWin::TrackPointCoordinates(platform::PointI pixel) {
  const std::string saved = Caption();
  auto show = [&](platform::PointI at) {
    const int i = PointNearPixel(at, kPressPixels);
    const kernel::Point2 p = i >= 0 ? tables().xy[i] : WorldOf(at);
    std::string text;
    if (i >= 0) {
      AppendPointName(text, i);
      text += " = ";
    }
    text += "(" + FormatNumber(p.x, true) + ", " + FormatNumber(p.y, true) + ")";
    SetCaption(text);
  };
  show(pixel);
  platform::ModalLoop loop(*this);
  loop.onMouseMove = [&](const platform::MouseEvent& e) { show({e.x, e.y}); };
  loop.onMouseUp = [&](const platform::MouseEvent& e) {
    if (e.button == platform::MouseButton::Left) loop.End(kTrackDone);
  };
  CaptureMouse();
  loop.Run();
  ReleaseMouse();
  if (!IsDestroyed()) SetCaption(saved);
}

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
