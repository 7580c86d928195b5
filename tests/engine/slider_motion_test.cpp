// How sliders move in an animation run: bouncing, wrapping, running to a stop value, counting
// seconds, and the speed keys.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/slider_motion.h"

namespace {

using engine::Real;
using engine::SliderMode;
using engine::SliderRun;
using engine::SliderSettings;
using engine::SliderValues;

// Slider 0 on 0..10 at value v; the others on 0..1.
SliderValues Values(Real v) {
  SliderValues values = engine::ExpressionSettings::DefaultParameters();
  values[0] = {0, v, 10, 8};
  return values;
}

SliderRun Start(SliderSettings& settings, SliderValues& values, SliderMode mode, bool stop = false, Real stopValue = 0) {
  SliderRun run;
  EXPECT_TRUE(engine::StartSliderRun(settings, values, 0, mode, stop, stopValue, 1000, run));
  return run;
}

TEST(SliderMotion, ReverseTurnsBackAtTheEndsAndCycleWrapsRound) {
  SliderSettings settings;  // 100 steps at speed 0.2: a step of 0.02 of the range
  SliderValues values = Values(10);
  SliderRun run = Start(settings, values, SliderMode::kReverse);
  EXPECT_EQ(run.step[0], static_cast<Real>(0.2) * 10 / 100);
  // Exactly at the maximum: this pass stays there, turned round; the next one moves back.
  engine::AdvanceSliders(settings, run, values);
  EXPECT_EQ(values[0].value, 10);
  EXPECT_LT(run.step[0], 0);
  engine::AdvanceSliders(settings, run, values);
  EXPECT_LT(values[0].value, 10);

  values = Values(10);
  run = Start(settings, values, SliderMode::kCycle);
  engine::AdvanceSliders(settings, run, values);
  EXPECT_EQ(values[0].value, 0);  // beyond the maximum: the minimum
  engine::ReverseSliders(run);
  engine::AdvanceSliders(settings, run, values);
  EXPECT_EQ(values[0].value, 10);  // below the minimum: the maximum

  // Forward does not look at the range.
  values = Values(10);
  run = Start(settings, values, SliderMode::kForward);
  engine::AdvanceSliders(settings, run, values);
  EXPECT_GT(values[0].value, 10);
}

TEST(SliderMotion, OnlyTheSliderAndThoseLinkedWithItMove) {
  SliderSettings settings;
  SliderValues values = Values(5);
  settings.linked[0] = settings.linked[2] = 1;
  settings.linked[3] = 0;
  settings.linked[4] = 1;
  SliderRun run = Start(settings, values, SliderMode::kForward);
  const SliderValues before = values;
  engine::AdvanceSliders(settings, run, values);
  for (int i : {0, 2, 4}) EXPECT_GT(values[static_cast<std::size_t>(i)].value, before[static_cast<std::size_t>(i)].value) << i;
  for (int i : {1, 3, 5, 6}) EXPECT_EQ(values[static_cast<std::size_t>(i)].value, before[static_cast<std::size_t>(i)].value) << i;
}

TEST(SliderMotion, ForwardRunsToTheStopValueAndAStopAlreadyPassedRunsNothing) {
  SliderSettings settings;
  SliderValues values = Values(4);
  SliderRun run;
  EXPECT_FALSE(engine::StartSliderRun(settings, values, 0, SliderMode::kForward, true, 3, 0, run));
  EXPECT_EQ(settings.stopValue[0], 0);

  run = Start(settings, values, SliderMode::kForward, true, 5);
  int passes = 0;
  while (!engine::AdvanceSliders(settings, run, values) && passes < 1000) ++passes;
  EXPECT_EQ(values[0].value, 5);
  // From 4 to 5 in steps of 0.02.
  EXPECT_GE(passes, 49);
  EXPECT_LE(passes, 51);
}

TEST(SliderMotion, SpeedKeysMultiplySpeedAndSteps) {
  SliderSettings settings;
  SliderValues values = Values(0);
  SliderRun run = Start(settings, values, SliderMode::kReverse);
  const Real step = run.step[0];
  const Real speed = settings.speed;
  for (int i = 0; i < 3; ++i) engine::ScaleSliderSpeed(settings, run, static_cast<Real>(1.25));
  EXPECT_NEAR(static_cast<double>(settings.speed), static_cast<double>(speed * 1.25L * 1.25L * 1.25L), 1e-15);
  EXPECT_NEAR(static_cast<double>(run.step[0]), static_cast<double>(step * 1.25L * 1.25L * 1.25L), 1e-15);
  engine::ScaleSliderSpeed(settings, run, static_cast<Real>(0.8));
  engine::ScaleSliderSpeed(settings, run, static_cast<Real>(1.25));
  EXPECT_NEAR(static_cast<double>(settings.speed), static_cast<double>(speed * 1.25L * 1.25L * 1.25L), 1e-15);
}

TEST(SliderMotion, SpeedIsLimitedAndATinyRangeStillMoves) {
  SliderSettings settings;
  settings.speed = 50;  // more than a tenth of the 100 steps
  SliderValues values = Values(0);
  values[1] = {0, 0, 0, 8};
  SliderRun run = Start(settings, values, SliderMode::kForward);
  EXPECT_NEAR(static_cast<double>(settings.speed), 10, 1e-15);
  EXPECT_EQ(run.step[1], static_cast<Real>(1) / 100);
}

TEST(SliderMotion, TimeModeCountsSecondsAlsoPastMidnight) {
  SliderSettings settings;
  SliderValues values = Values(2);
  SliderRun run;
  // Started 3 seconds before midnight.
  ASSERT_TRUE(engine::StartSliderRun(settings, values, 0, SliderMode::kTime, false, 0, 8'640'000 - 300, run));
  EXPECT_EQ(run.step[0], static_cast<Real>(0.1));
  for (int i = 0; i < 10; ++i) engine::AdvanceSliders(settings, run, values);  // moved by 1
  engine::SliderClockTick(run, values, 200);  // 2 seconds after midnight: 5 seconds in all
  EXPECT_NEAR(static_cast<double>(values[0].value), 7, 1e-15);
  // Ten passes took five seconds: each pass now moves half a second.
  EXPECT_NEAR(static_cast<double>(run.step[0]), 0.5, 1e-15);
  engine::EndSliderRun(settings, run);
  EXPECT_NEAR(static_cast<double>(settings.realTimeSpeed[0]), 0.5, 1e-15);
}

TEST(SliderMotion, ScrollPositions) {
  engine::AnimationParameter slider{0, 2.5, 10, 8};
  EXPECT_EQ(engine::SliderScrollPosition(slider, 100), 25);
  EXPECT_EQ(engine::SliderValueAt(slider, 100, 25), static_cast<Real>(2.5));
  // A range of no width positions as if it were 1.
  slider = {3, 3.5, 3, 8};
  EXPECT_EQ(engine::SliderScrollPosition(slider, 100), 50);
}

}  // namespace
