// Replay in slow motion: the figure built again step by step under the keyboard, then its fills
// one at a time. A modal wait on the window's event loop between two pictures.
#include <memory>

#include "engine/windows/geom10_win.h"
#include "engine/windows/tool_dlg.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/key_poll.h"
#include "platform/modal_loop.h"

namespace engine {

namespace {

constexpr int kSpaceKey = 32;
constexpr int kQuitKey = 81;
constexpr int kBackKey = 90;
// The password bit of the command.
constexpr std::uint16_t kReplayPermission = 2;
// Caption status lines: "spacebar to advance, Z to reverse, Q to quit" and "spacebar to advance,
// Q to quit".
constexpr int kStatusSteps = 16;
constexpr int kStatusFills = 10;

}  // namespace

int TGeom10Win::WaitReplayKey(bool allowBack) {
  platform::ModalLoop loop(*this);
  loop.onKey = [&](const platform::KeyEvent& key) {
    if (key.key == 'Q' || platform::IsAcceleratorKey(this, key)) loop.End(kQuitKey);
    else if (key.key == ' ') loop.End(kSpaceKey);
    else if (key.key == 'Z' && allowBack) loop.End(kBackKey);
  };
  const int code = loop.Run();
  return code == kSpaceKey || code == kBackKey ? code : kQuitKey;
}

void TGeom10Win::CmReplaySlowMotion() {
  if (!CheckPassword(kReplayPermission)) return;
  slowReplay = 1;
  CaptionStatus(kStatusSteps);
  BringToFront();
  const int width = ClientWidth();
  const int height = ClientHeight();
  platform::Bitmap picture(std::max(width, 1), std::max(height, 1));
  const auto show = [&] {
    {
      const std::unique_ptr<platform::DC> dc = picture.CreateDC();
      wing.pictureValid = 0;
      PaintInto(*dc);
    }
    if (const std::unique_ptr<platform::DC> screen = GetDC()) {
      screen->DrawBitmap({0, 0, width, height}, picture, {0, 0}, platform::RasterOp::Copy);
    }
  };

  // Step s shown: the figure as it stood after the step at position s.
  bool showing = true;
  const int steps = static_cast<int>(history().steps.size());
  for (int s = 0; s < steps && showing;) {
    PrepareStepEngine();
    stepEngine.ReplayThrough(s, true);
    show();
    const int key = WaitReplayKey(s > 0);
    if (key == kBackKey) {
      --s;
    } else {
      showing = key != kQuitKey && !IsDestroyed();
      ++s;
    }
  }
  // Every step runs, seen or not, so the figure is whole again.
  ReplayConstruction(true);

  if (showing && !fills.empty()) CaptionStatus(kStatusFills);
  for (std::size_t f = 0; showing && f < fills.size(); ++f) {
    slowReplayFill = static_cast<int>(f);
    show();
    showing = WaitReplayKey(false) != kQuitKey && !IsDestroyed();
  }

  slowReplayFill = -1;
  slowReplay = 0;
  if (IsDestroyed()) return;
  wing.pictureValid = 0;
  Invalidate(false);
  UpdateCaption(false);
}

void TGeom10Win::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdReplaySlowMotion) {
    state.enabled = !history().steps.empty();
    return;
  }
  if (state.id == kCmdToolbar) {
    state.checked = toolbar_ && toolbar_->IsVisible();
    return;
  }
  TGeom09Win::EnableCommand(state);
}

}  // namespace engine
