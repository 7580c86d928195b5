#include "shell/pre_win.h"

#include <algorithm>
#include <memory>

#include "platform/dc.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kUntitledString = 29;
}  // namespace

TPreWin::TPreWin(platform::FrameWindow* parent, std::string_view title) : TFontWin(parent, title) {
  ResetColors();
  preWin.roles.fill(kLightGreyIndex);
  preWin.roleValues.fill(-1);
  preWin.roleValues[0] = 0;
  preWin.roleCommands.fill(0);
  preWin.backBitmapName = resources::LoadString(kUntitledString, 255);
}

void TPreWin::SetupWindow() {
  TFontWin::SetupWindow();
  const platform::Color background = platform::Color::FromColorRef(Color(preWin.roles[0]));
  SetBackgroundColor(background.r, background.g, background.b);
  MakeClientRegion();
}

kernel::ColorRef TPreWin::Color(int i) const {
  return i >= 1 && i < kernel::kColorCount ? preWin.colors[i] : preWin.colors[0];
}

kernel::ColorRef TPreWin::GreyColor(int i) const {
  const int index = i >= 0 && i < kernel::kColorCount ? i : 0;
  const int g = preWin.greys[index] & 0xFF;
  return kernel::Rgb(g, g, g);
}

void TPreWin::ResetColors() {
  preWin.colors = kernel::DefaultColorTable();
  ComputeGreys();
}

void TPreWin::ComputeGreys() { kernel::ComputeGreys(preWin.colors, preWin.greys, preWin.fills); }

void TPreWin::MakeClientRegion() {
  const int x0 = preWin.originX;
  const int y0 = preWin.originY;
  const int x1 = x0 + preWin.width - 1;
  const int y1 = y0 + preWin.height - 1;
  const platform::PointI corners[] = {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
  preWin.clientRegion = platform::Region::FromPolygon(corners, platform::FillMode::Winding);
}

void TPreWin::RebuildBitmaps(int level) {
  int last = -1;
  for (int i = 0; i < kBitmapLevels && i <= level; ++i) {
    preWin.buffers[i].emplace(preWin.width, preWin.height);
    preWin.bufferValid[i] = 0;
    last = i;
  }
  if (last >= 0) {
    std::unique_ptr<platform::DC> memory = preWin.buffers[last]->CreateDC();
    TPreWin::Paint(*memory);
  }
  MakeClientRegion();
}

void TPreWin::BlitBuffer(int level, platform::DC& dc) const {
  const int index = level < 1 ? 0 : level == 1 ? 1 : 2;
  const std::optional<platform::Bitmap>& buffer = preWin.buffers[index];
  if (!buffer) return;
  const int x0 = preWin.originX;
  const int y0 = preWin.originY;
  dc.DrawBitmap({x0, y0, x0 + preWin.width, y0 + preWin.height}, *buffer, {0, 0}, platform::RasterOp::Copy);
}

void TPreWin::InvalidateBuffer(int level) {
  if (level < 0) return;
  preWin.bufferValid[level > 1 ? 2 : level] = 0;
}

void TPreWin::Paint(platform::DC& dc) {
  const kernel::ColorRef background = Color(preWin.roles[0]);
  dc.FillRect({0, 0, preWin.width, preWin.height}, platform::Brush::Solid(platform::Color::FromColorRef(background)));
  preWin.actualBackground =
      dc.GetPixel({5, 5}).value_or(platform::Color::FromColorRef(background)).ToColorRef();
  if (preWin.backBitmap)
    dc.DrawBitmap({0, 0, preWin.width, preWin.height}, *preWin.backBitmap, {0, 0}, platform::RasterOp::Copy);
}

void TPreWin::FillRectangle(platform::DC& dc, int x1, int y1, int x2, int y2, int colorIndex, bool outlined) const {
  const platform::Pen pen =
      outlined ? platform::Pen{} : platform::Pen{platform::PenStyle::Null, 1, platform::kBlack};
  const platform::Pen oldPen = dc.SelectPen(pen);
  const platform::Brush oldBrush =
      dc.SelectBrush(platform::Brush::Solid(platform::Color::FromColorRef(Color(colorIndex))));
  dc.Rectangle({x1, y1, x2, y2});
  dc.SelectBrush(oldBrush);
  dc.SelectPen(oldPen);
}

void TPreWin::ReadClientSize() {
  preWin.width = ClientWidth();
  preWin.height = std::max(1, ClientHeight());
  preWin.originX = 0;
  preWin.originY = 0;
  preWin.eighthWidth = preWin.width / 8;
  preWin.eighthHeight = preWin.height / 8;
}

bool TPreWin::UpdateClientSize() {
  const int oldWidth = preWin.width;
  const int oldHeight = preWin.height;
  ReadClientSize();
  const bool changed = oldWidth != preWin.width || oldHeight != preWin.height || preWin.forceResize;
  preWin.forceResize = 0;
  if (changed && preWin.trackSize && preWin.width >= 101 && preWin.height >= 101) fileMsg.modified = 1;
  return changed;
}

void TPreWin::OnSize(int width, int height) {
  TFontWin::OnSize(width, height);
  if (height < kMinimumClientHeight) SetClientSize(width, kMinimumClientHeight);
  InvalidateBuffer(preWin.bitmapLevel);
  Invalidate(false);
}

bool TPreWin::OnCommand(int id) {
  switch (id) {
    case kCmdOpenBackBitmap:
      OpenBackBitmap();
      return true;
    case kCmdPasteBackBitmap:
      PasteBackBitmap();
      return true;
    case kCmdRemoveBackBitmap:
      DeleteBackBitmap();
      InvalidateBuffer(preWin.bitmapLevel);
      Invalidate(false);
      return true;
    default:
      return TFontWin::OnCommand(id);
  }
}

}  // namespace shell
