// The coordinates of a point shown at the mouse while the left button is held (toolbar mode 125).
#include "engine/windows/coordinate_tracking.h"

#include <memory>
#include <string>

#include "engine/windows/geom_win.h"
#include "platform/dc.h"
#include "platform/modal_loop.h"
#include "view/dc_figure_painter.h"

namespace engine {

namespace {

constexpr int kEdgePixels = 4;
constexpr int kFindPixels = 5;
// The coordinates are written in the font of the scale on the axes, in the axes' colour, on the
// window's background.
constexpr int kCoordinateFontSlot = 1;
constexpr int kAxisColorRole = 3;
constexpr int kBackgroundRole = 0;
constexpr int kTrackDone = 1;

}  // namespace

platform::PointI CoordinateTextPlace(platform::PointI mouse, platform::SizeI text, int clientWidth) {
  int x = mouse.x - text.width / 2;
  if (x + text.width > clientWidth - kEdgePixels) x = clientWidth - kEdgePixels - text.width;
  if (x < 0) x = kEdgePixels;
  const int lift = text.height * 3 / 2;
  const int y = mouse.y < lift + kEdgePixels ? mouse.y + lift : mouse.y;
  return {x, y};
}

void TGeomWin::TrackPointCoordinates(platform::PointI mouse) {
  const int i = PointAtMouse(mouse, kFindPixels * mapping.unitsPerPixelX);
  if (i < 0) return;
  std::string text;
  PrepareStepEngine();
  stepEngine.PointCoordText(text, i);
  CaptureMouse();
  {
    const std::unique_ptr<platform::DC> dc = GetDC();
    view::DcFigurePainter painter(*dc, mapping, DcRules());
    view::TextStyle style = painter.state().text;
    style.font = SlotFont(kCoordinateFontSlot);
    style.pointSize = fontWin.pointSizes[kCoordinateFontSlot];
    style.color = view::InkColor::Index(preWin.roles[kAxisColorRole]);
    painter.SetTextStyle(style);
    const platform::PointI place = CoordinateTextPlace(mouse, painter.TextExtent(text), ClientWidth());
    painter.Text(place, text, 1, 1, Color(preWin.roles[kBackgroundRole]));
  }
  // The text stays while the button is held; moving the mouse changes nothing.
  platform::ModalLoop loop(*this);
  loop.onMouseUp = [&](const platform::MouseEvent& e) {
    if (e.button == platform::MouseButton::Left) loop.End(kTrackDone);
  };
  loop.Run();
  ReleaseMouse();
  if (!IsDestroyed()) Invalidate(false);
}

}  // namespace engine
