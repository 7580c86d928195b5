#include "engine/slider_motion.h"

#include <algorithm>
#include <cmath>

#include "kernel/real.h"

namespace engine {

namespace {

const Real kStopTolerance = static_cast<Real>(1e-13);
const Real kSmallest = static_cast<Real>(1e-16);
const Real kStartingTimeStep = static_cast<Real>(0.1);
constexpr long kCentisecondsPerDay = 8'640'000;

}  // namespace

bool StartSliderRun(SliderSettings& settings, const SliderValues& values, int slider, SliderMode mode, bool stop,
                    Real stopValue, long nowCentiseconds, SliderRun& run) {
  if (slider < 0 || slider >= kSliderCount) return false;
  const auto k = static_cast<std::size_t>(slider);
  if (stop) {
    if (values[k].value + kStopTolerance > stopValue) return false;
    settings.stopValue[k] = stopValue;
  }
  run = {};
  run.slider = slider;
  run.mode = mode;
  run.stop = stop;
  const int steps = std::max(settings.steps, 1);
  settings.speed = std::min(settings.speed, static_cast<Real>(steps) * static_cast<Real>(0.1));
  for (std::size_t i = 0; i < run.step.size(); ++i) {
    Real step = settings.speed * (values[i].high - values[i].low) / steps;
    if (step < kSmallest) step = static_cast<Real>(1) / steps;
    run.step[i] = step;
    run.moving[i] = i == k || (settings.linked[i] && settings.linked[k]);
  }
  if (mode == SliderMode::kTime) {
    run.hadRealTimeSpeed = settings.realTimeSpeed[k] > 0;
    run.step[k] = run.hadRealTimeSpeed ? settings.realTimeSpeed[k] : kStartingTimeStep;
  }
  run.valueAtStart = values[k].value;
  run.startCentiseconds = nowCentiseconds;
  return true;
}

bool AdvanceSliders(const SliderSettings& settings, SliderRun& run, SliderValues& values) {
  const bool ranged = run.mode == SliderMode::kReverse || run.mode == SliderMode::kCycle;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (!run.moving[i]) continue;
    AnimationParameter& p = values[i];
    Real v = p.value + run.step[i];
    if (ranged && (v > p.high || v < p.low)) {
      if (run.mode == SliderMode::kReverse) {
        v -= run.step[i];
        run.step[i] = -run.step[i];
      } else {
        v = v > p.high ? p.low : p.high;
      }
    }
    p.value = v;
  }
  const auto k = static_cast<std::size_t>(run.slider);
  const bool stopping = run.mode == SliderMode::kForward || run.hadRealTimeSpeed || run.ticked;
  if (run.stop && stopping && values[k].value > settings.stopValue[k]) {
    values[k].value = settings.stopValue[k];
    return true;
  }
  return false;
}

void SliderClockTick(SliderRun& run, SliderValues& values, long nowCentiseconds) {
  if (nowCentiseconds < run.startCentiseconds && run.startCentiseconds > 0) run.startCentiseconds -= kCentisecondsPerDay;
  const long elapsed = nowCentiseconds - run.startCentiseconds;
  AnimationParameter& p = values[static_cast<std::size_t>(run.slider)];
  const Real moved = std::fabs(p.value - run.valueAtStart);
  Real& step = run.step[static_cast<std::size_t>(run.slider)];
  if (moved > kSmallest) step = step * static_cast<Real>(elapsed) * static_cast<Real>(0.01) / moved;
  p.value = run.valueAtStart + static_cast<Real>(elapsed) * static_cast<Real>(0.01);
  run.ticked = true;
}

void ScaleSliderSpeed(SliderSettings& settings, SliderRun& run, Real factor) {
  settings.speed *= factor;
  for (Real& step : run.step) step *= factor;
}

void ReverseSliders(SliderRun& run) {
  for (Real& step : run.step) step = -step;
}

void EndSliderRun(SliderSettings& settings, const SliderRun& run) {
  const auto k = static_cast<std::size_t>(run.slider);
  if (run.mode == SliderMode::kTime) settings.realTimeSpeed[k] = run.step[k];
  settings.suppressDrawing = 0;
  settings.animating = 0;
}

int SliderScrollPosition(const AnimationParameter& slider, int steps) {
  Real range = slider.high - slider.low;
  if (std::fabs(range) < kSmallest) range = 1;
  const Real position = (slider.value - slider.low) * steps / range;
  if (!std::isfinite(position)) return 0;
  return static_cast<int>(std::clamp<Real>(std::round(position), -2147483647, 2147483647));
}

Real SliderValueAt(const AnimationParameter& slider, int steps, int position) {
  return slider.low + (slider.high - slider.low) / std::max(steps, 1) * position;
}

}  // namespace engine
