#include "kernel/time_text.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "kernel/real.h"

namespace kernel {

namespace {

// Decimal text filled on the left with '0' to two digits; longer numbers keep all their digits.
std::string TwoDigits(std::int64_t value) {
  std::string text = std::to_string(value);
  if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
  return text;
}

}  // namespace

TimeOfDay LocalTimeOfDay() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const auto since_second = now - std::chrono::system_clock::from_time_t(seconds);
  const auto hundredths = std::chrono::duration_cast<std::chrono::milliseconds>(since_second).count() / 10;
  TimeOfDay time;
  time.hours = local.tm_hour;
  time.minutes = local.tm_min;
  time.seconds = local.tm_sec;
  time.hundredths = static_cast<int>(hundredths < 0 ? 0 : hundredths > 99 ? 99 : hundredths);
  return time;
}

std::int32_t CentisecondsNow() {
  const TimeOfDay t = LocalTimeOfDay();
  return t.hours * 360000 + t.minutes * 6000 + t.seconds * 100 + t.hundredths;
}

std::int32_t SecondsNow() {
  const TimeOfDay t = LocalTimeOfDay();
  return t.hours * 3600 + t.minutes * 60 + t.seconds;
}

std::string TimeOfDayText(const TimeOfDay& time) {
  return TwoDigits(time.hours) + ":" + TwoDigits(time.minutes) + ":" + TwoDigits(time.seconds) + "." +
         std::to_string(time.hundredths);
}

std::string TimeOfDayText() {
  return TimeOfDayText(LocalTimeOfDay());
}

std::string DurationText(std::int64_t secs, bool minutesOnly) {
  if (secs < 0) secs = 0;
  std::int64_t days = secs / 86400;
  std::int64_t hours = secs % 86400 / 3600;
  std::int64_t minutes = secs % 3600 / 60;
  const std::int64_t seconds = secs % 60;
  if (minutesOnly) {
    // Every whole minute of the duration goes into the minutes field, those of whole days too.
    minutes += (days * 24 + hours) * 60;
    days = hours = 0;
  }
  std::string text;
  if (days >= 1) text += TwoDigits(days) + ":";
  if (days >= 1 || hours >= 1) text += TwoDigits(hours) + ":";
  text += minutesOnly ? std::to_string(minutes) : TwoDigits(minutes);
  text += ":" + TwoDigits(seconds);
  return text;
}

std::int64_t DelaySteps(std::int32_t n) { return n <= 0 ? 0 : static_cast<std::int64_t>(n) * 2000; }

void Delay(std::int32_t n) {
  // Kept volatile so that the compiler cannot drop the work.
  volatile Real angle = static_cast<Real>(3.14159265);
  volatile Real sink = 0;
  const std::int64_t count = DelaySteps(n);
  for (std::int64_t i = 0; i < count; ++i) sink = std::cos(static_cast<Real>(angle));
  static_cast<void>(sink);
}

}  // namespace kernel
