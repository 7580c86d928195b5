// Dragging a point's label with the mouse in the text mode.
#include "engine/windows/geom10_win.h"
#include "platform/modal_loop.h"

namespace engine {

namespace {

constexpr int kDragDone = 1;

}  // namespace

bool TGeom10Win::DragLabel(platform::PointI mouse) {
  const auto toPixel = [this](int i) {
    platform::PointI p{};
    PointToScreen(i, p);
    return PixelPoint{p.x, p.y};
  };
  const int i = tables().FindLabelAt({mouse.x, mouse.y}, toPixel, labelDisplay.labelMode == 1 ? 1 : 0);
  if (i < 0) return false;
  PointNameRecord& name = tables().names[static_cast<std::size_t>(i)];
  const std::int16_t dx = name.dx;
  const std::int16_t dy = name.dy;
  const auto follow = [&](const platform::MouseEvent& e) {
    name.dx = static_cast<std::int16_t>(dx + e.x - mouse.x);
    name.dy = static_cast<std::int16_t>(dy + e.y - mouse.y);
    wing.pictureValid = 0;
    Invalidate(false);
  };
  platform::ModalLoop loop(*this);
  loop.onMouseMove = follow;
  loop.onMouseUp = [&](const platform::MouseEvent& e) {
    if (e.button != platform::MouseButton::Left) return;
    follow(e);
    loop.End(kDragDone);
  };
  CaptureMouse();
  loop.Run();
  ReleaseMouse();
  if (!IsDestroyed()) SetModified();
  return true;
}

}  // namespace engine
