// Finding a text under the mouse and dragging it: the frame of its box follows the mouse on the
// event loop, the mouse held by the window, until the left button goes up.

#include <cmath>

#include "platform/dc.h"
#include "platform/modal_loop.h"
#include "view/qel_wint.h"
#include "view/text_hit.h"

namespace view {

using platform::PointI;

namespace {

constexpr int kDragDone = 1;

// The frame drawn so that drawing it again takes it away.
void DrawDragFrame(platform::FrameWindow& window, PointI corner, platform::SizeI size, int angleTenths) {
  const std::unique_ptr<platform::DC> dc = window.GetDC();
  if (!dc) return;
  platform::DC::SavedState saved(*dc);
  dc->SelectPen({platform::PenStyle::Solid, 1, platform::kBlack});
  dc->SelectBrush(platform::Brush::Hollow());
  dc->SetRasterOp(platform::RasterOp::NotXor);
  const auto outline = TextBoxOutline(corner, size.width, size.height, angleTenths);
  dc->Polygon(outline);
}

}  // namespace

std::optional<TextHit> TQELWint::HitText(PointI pixel, TextList& list) {
  for (std::size_t i = 0; i < list.size(); ++i) {
    TextItem item = list[i];
    if (!item.shown) continue;
    TextToAbsolute(item);
    const PointI corner{XToScreen(item.x), YToScreen(item.y)};
    const PointI offset{pixel.x - corner.x, pixel.y - corner.y};
    const platform::SizeI size{static_cast<int>(std::trunc((item.x2 - item.x) * mapping.pixelsPerUnitX)),
                               static_cast<int>(std::trunc((item.y - item.y2) * mapping.pixelsPerUnitY))};
    if (HitsTextBox(offset, size.width, size.height, item.font.escapement)) return TextHit{i, offset, size};
  }
  return std::nullopt;
}

bool TQELWint::TrackDragFrame(PointI& pixel, PointI offset, platform::SizeI size, int angleTenths) {
  const PointI start{pixel.x - offset.x, pixel.y - offset.y};
  PointI mouse = pixel;
  auto corner = [&offset](PointI at) { return PointI{at.x - offset.x, at.y - offset.y}; };
  DrawDragFrame(*this, start, size, angleTenths);
  platform::ModalLoop loop(*this);
  loop.onMouseMove = [&](const platform::MouseEvent& e) {
    DrawDragFrame(*this, corner(mouse), size, angleTenths);
    mouse = {e.x, e.y};
    DrawDragFrame(*this, corner(mouse), size, angleTenths);
  };
  loop.onMouseUp = [&](const platform::MouseEvent& e) {
    if (e.button != platform::MouseButton::Left) return;
    DrawDragFrame(*this, corner(mouse), size, angleTenths);
    mouse = {e.x, e.y};
    loop.End(kDragDone);
  };
  CaptureMouse();
  const int result = loop.Run();
  ReleaseMouse();
  if (result != kDragDone) {
    if (!IsDestroyed()) DrawDragFrame(*this, corner(mouse), size, angleTenths);
    return false;
  }
  const bool inside = mouse.x >= 0 && mouse.y >= 0 && mouse.x < ClientWidth() && mouse.y < ClientHeight();
  pixel = inside ? corner(mouse) : start;
  return true;
}

bool TQELWint::DragText(PointI pixel, TextList& list) {
  const std::optional<TextHit> hit = HitText(pixel, list);
  if (!hit) return false;
  const int angle = list[hit->index].font.escapement;
  PointI corner = pixel;
  if (!TrackDragFrame(corner, hit->offset, hit->size, angle)) return true;
  // The list may not have changed during the drag (no command runs meanwhile), but check anyway.
  if (hit->index >= list.size()) return true;
  TextItem& item = list[hit->index];
  TextToAbsolute(item);
  const kernel::Real dx = item.x2 - item.x;
  const kernel::Real dy = item.y2 - item.y;
  item.x = XToWorld(corner.x);
  item.y = YToWorld(corner.y);
  item.x2 = item.x + dx;
  item.y2 = item.y + dy;
  TextToRelative(item);
  fileMsg.modified = 1;
  return true;
}

void TQELWint::OnMouseDown(const platform::MouseEvent& e) {
  const std::uint16_t tool = qelWin.currentTool;
  if (tool != kCmdTextTool && tool != kCmdEvalTextTool) return;
  const PointI pixel{e.x, e.y};
  if (e.button == platform::MouseButton::Right) {
    EditText(pixel);
    return;
  }
  if (e.button != platform::MouseButton::Left) return;
  const bool dragged = tool == kCmdEvalTextTool
                           ? DragText(pixel, textItems.evaluated)
                           : DragText(pixel, textItems.plain) || DragText(pixel, textItems.measurements);
  if (dragged && !IsDestroyed()) {
    TextPictureChanged();
    InvalidateBuffer(0);
    Invalidate(false);
  }
}

}  // namespace view
