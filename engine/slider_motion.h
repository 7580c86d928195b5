#pragma once
// How sliders move while they are animated: the window's slider settings, and one run of the
// animation as plain data, each pass moving the animated slider (and the sliders linked to it)
// by its step, bouncing at the ends, wrapping round, or running on towards a stop value. The
// window's loop (TGeomWin::AnimateSlider) replays the figure and draws a frame after each pass.

#include <array>
#include <cstdint>

#include "engine/expr_compiler.h"

namespace engine {

inline constexpr int kSliderCount = kAnimationParameterCount;

// Reverse bounces at the ends of the range, cycle wraps round, forward runs on (to the stop
// value), time makes the slider count seconds.
enum class SliderMode { kReverse = 0, kCycle = 1, kForward = 2, kTime = 3 };

// The window's slider settings; they persist between runs.
struct SliderSettings {
  // Scroll-bar clicks across a slider's range (the small steps), and small steps per medium step.
  std::int32_t steps = 100;
  std::int32_t stepRatio = 10;
  // Fraction of the range per pass, times the number of steps.
  Real speed = static_cast<Real>(0.2);
  // Linked sliders move together.
  std::array<std::uint8_t, kSliderCount> linked{};
  // The step per pass that time mode measured last; not positive until measured.
  std::array<Real, kSliderCount> realTimeSpeed{-1, -1, -1, -1, -1, -1, -1};
  // The value a run with "stop at" ends at.
  std::array<Real, kSliderCount> stopValue{};
  std::uint8_t animating = 0;
  // Set by a caller that draws the frames itself; cleared when a run ends.
  std::uint8_t suppressDrawing = 0;
};

using SliderValues = std::array<AnimationParameter, kSliderCount>;

// One run of the animation.
struct SliderRun {
  int slider = 0;
  SliderMode mode = SliderMode::kReverse;
  bool stop = false;
  std::array<Real, kSliderCount> step{};
  std::array<bool, kSliderCount> moving{};
  // Time mode: the value and the clock (hundredths of a second since midnight) at the start.
  Real valueAtStart = 0;
  long startCentiseconds = 0;
  bool hadRealTimeSpeed = false;  // the slider's real-time speed was positive at the start
  bool ticked = false;            // a clock tick has been handled
};

// Sets a run up (the speed is limited to a tenth of the number of steps). False, nothing changed,
// when a stop value is asked for that the slider has already passed; otherwise the stop value is
// kept in the settings.
bool StartSliderRun(SliderSettings& settings, const SliderValues& values, int slider, SliderMode mode, bool stop,
                    Real stopValue, long nowCentiseconds, SliderRun& run);
// One pass: every moving slider takes its step, bouncing or wrapping at the ends in reverse and
// cycle mode. True when the run ends after this pass (the stop value was reached; the slider
// then stands at it).
bool AdvanceSliders(const SliderSettings& settings, SliderRun& run, SliderValues& values);
// A clock tick of time mode: the slider counts the seconds since the start, and its step per pass
// adapts to the time the passes took. A clock that passed midnight keeps counting forward.
void SliderClockTick(SliderRun& run, SliderValues& values, long nowCentiseconds);
// F (1.25) and S (0.8): the speed and every step of the run are multiplied.
void ScaleSliderSpeed(SliderSettings& settings, SliderRun& run, Real factor);
// The space bar in reverse and cycle mode: every slider turns round.
void ReverseSliders(SliderRun& run);
// The end of a run: time mode keeps the slider's step as its real-time speed.
void EndSliderRun(SliderSettings& settings, const SliderRun& run);

// The scroll position of a value: round((value - minimum) x steps / range), a range narrower than
// 1e-16 counted as 1.
int SliderScrollPosition(const AnimationParameter& slider, int steps);
// The value of a scroll position.
Real SliderValueAt(const AnimationParameter& slider, int steps, int position);

}  // namespace engine
