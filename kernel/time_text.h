#pragma once
// The time of day, durations as text, and the busy delay of animations.

#include <cstdint>
#include <string>

namespace kernel {

struct TimeOfDay {
  int hours = 0;
  int minutes = 0;
  int seconds = 0;
  int hundredths = 0;
};

// The local time of day now.
TimeOfDay LocalTimeOfDay();

// Hundredths of a second since midnight.
std::int32_t CentisecondsNow();
// Seconds since midnight.
std::int32_t SecondsNow();

// "hh:mm:ss.c": hours, minutes and seconds with two digits, the hundredths as a plain number.
std::string TimeOfDayText(const TimeOfDay& time);
std::string TimeOfDayText();

// A duration as fields joined by ":": days, hours, minutes, seconds, each with two digits,
// starting at the first field that is not zero (minutes and seconds are always shown):
// 3725 -> "01:02:05", 90061 -> "01:01:01:01". With minutesOnly the days and hours are counted
// into the minutes, which are written with as many digits as they need (3725 -> "62:05",
// 90061 -> "1501:01": a whole day is not dropped). A negative count is taken as 0.
std::string DurationText(std::int64_t secs, bool minutesOnly);

// Busy delay for animations and slow motion: only the relative speed of n matters. Nothing for
// n <= 0.
void Delay(std::int32_t n);
// The number of work steps Delay(n) takes: 2000 per unit of n, none for n <= 0.
std::int64_t DelaySteps(std::int32_t n);

}  // namespace kernel
