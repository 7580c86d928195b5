// The slider animation of the geometry windows: a modal loop on the window's event loop, one pass
// per tick of a short timer, until a key or the stop value ends it or the window closes.
#include <optional>

#include "engine/windows/geom_win.h"
#include "kernel/time_text.h"
#include "platform/key_poll.h"
#include "platform/modal_loop.h"

namespace engine {

namespace {

// The clock of time mode, and the timer of the passes.
constexpr int kClockTimer = 476;
constexpr int kClockMilliseconds = 50;
constexpr int kPassTimer = 477;
constexpr int kPassMilliseconds = 15;

// Caption status lines: "press Q to quit" and "Q=quit P=pause F=faster S=slower".
constexpr int kStatusQuit = 1;
constexpr int kStatusSteer = 5;

const Real kFaster = static_cast<Real>(1.25);
const Real kSlower = static_cast<Real>(0.8);

}  // namespace

bool TGeomWin::AnimateSlider(int k, SliderMode mode, bool stop, Real stopValue) {
  if (sliders.animating) return false;
  const auto now = [this]() -> long { return clockCentiseconds ? clockCentiseconds() : kernel::CentisecondsNow(); };
  SliderRun run;
  if (!StartSliderRun(sliders, sliderValues(), k, mode, stop, stopValue, now(), run)) return false;

  const bool steered = mode != SliderMode::kTime;
  CaptionStatus(steered ? kStatusSteer : kStatusQuit);
  sliders.animating = 1;

  platform::ModalLoop loop(*this);
  bool paused = false;
  bool clockPending = false;
  loop.onTimer = [&](int id) {
    if (id == kClockTimer) {
      clockPending = true;
      return;
    }
    if (id != kPassTimer || paused) return;
    const bool last = AdvanceSliders(sliders, run, sliderValues());
    if (clockPending) {
      SliderClockTick(run, sliderValues(), now());
      clockPending = false;
    }
    ReplayConstruction(true);
    RecordTrailSample();
    DrawGraphs();
    if (!sliders.suppressDrawing || run.hadRealTimeSpeed || run.ticked) {
      wing.pictureValid = 0;
      Invalidate(false);
    }
    if (last) loop.End(0);
  };
  loop.onKey = [&](const platform::KeyEvent& key) {
    if (key.key == 'Q' || platform::IsAcceleratorKey(this, key)) {
      loop.End(0);
      return;
    }
    if (!steered) return;
    switch (key.key) {
      case ' ':
        if (mode == SliderMode::kReverse || mode == SliderMode::kCycle) ReverseSliders(run);
        break;
      case 'P':
        paused = !paused;
        break;
      case 'F':
      case 'S':
        ScaleSliderSpeed(sliders, run, key.key == 'F' ? kFaster : kSlower);
        SetModified();
        break;
      default:
        break;
    }
  };
  if (mode == SliderMode::kTime) SetTimer(kClockTimer, kClockMilliseconds);
  SetTimer(kPassTimer, kPassMilliseconds);
  const int ended = loop.Run();
  KillTimer(kPassTimer);
  if (mode == SliderMode::kTime) KillTimer(kClockTimer);

  EndSliderRun(sliders, run);
  if (ended != platform::ModalLoop::kClosed && !IsDestroyed()) {
    UpdateCaption(false);
    SetupMenuChecks(false);
  }
  return true;
}

void TGeomWin::RefreshAfterSliderChange() {
  SetModified();
  ReplayConstruction(true);
  RecordTrailSample();
  AfterSliderReplay();
  DrawGraphs();
  wing.pictureValid = 0;
  Invalidate(false);
  UpdateNow();
}

}  // namespace engine
