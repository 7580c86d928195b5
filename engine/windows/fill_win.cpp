#include "engine/windows/fill_win.h"

#include <cerrno>
#include <cstdlib>
#include <string>

#include "platform/modal_responder.h"
#include "shell/message_numbers.h"

namespace engine {

namespace {

constexpr int kInputString = 5;             // "input"
constexpr int kExtraThicknessString = 331;  // "extra thickness"
constexpr int kThicknessFieldSize = 29;

}  // namespace

std::string_view FillShapeWord(std::uint32_t kind) {
  switch (kind) {
    case 0: return "cylinder";
    case 1: return "frustum";
    case 2: return "cone";
    case 3: return "sphere";
    case 4: return "polygon";
    case 5: return "sector";
    case 6: return "circle";
    case 7: return "background";
    case 10: return "Viviani";
    case 11: return "ellipse";
    case 12: return "hyperbola";
    case 13: return "parabola";
    default: return {};
  }
}

kernel::Box2 FillClipBox(const view::ViewMapping& m) {
  const kernel::Real h = m.unitsPerPixelX / 2;
  return {m.box.xmin + h, m.box.xmax - h, m.box.ymin + h, m.box.ymax - h};
}

TFillWin::TFillWin(platform::FrameWindow* parent, std::string_view title) : TPreGeomWin(parent, title) {}

bool TFillWin::OnCommand(int id) {
  switch (id) {
    case kCmdHideColor:
      fill.hideColor = fill.hideColor ? 0 : 1;
      SwitchChanged();
      return true;
    case kCmdHideLines:
      fill.hideLines = fill.hideLines ? 0 : 1;
      SwitchChanged();
      return true;
    case kCmdThickenPrint: CmThickenPrint(); return true;
    default: return TPreGeomWin::OnCommand(id);
  }
}

void TFillWin::SetupMenuChecks(bool redraw) {
  CheckMenu(kCmdHideLines, fill.hideLines != 0);
  CheckMenu(kCmdHideColor, fill.hideColor != 0);
  TPreGeomWin::SetupMenuChecks(redraw);
}

void TFillWin::SwitchChanged() {
  SetupMenuChecks(false);
  InvalidateBuffer(preWin.bitmapLevel);
  Invalidate(false);
}

void TFillWin::CmThickenPrint() {
  std::string text = std::to_string(device.printerExtraWidth);
  if (AskValue(kInputString, kExtraThicknessString, text, kThicknessFieldSize) != platform::IDOK) return;
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (value < 0) {
    Msg(shell::kPositiveValue);
    return;
  }
  // The width is kept in 16 bits.
  if (errno == ERANGE || value > 32767) {
    Msg(shell::kOutOfBounds);
    return;
  }
  device.printerExtraWidth = static_cast<std::int16_t>(value);
}

}  // namespace engine
