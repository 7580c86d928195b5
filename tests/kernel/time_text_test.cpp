#include "kernel/time_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace kernel;

TEST(TimeText, DurationTextFields) {
  struct Case {
    std::int64_t secs;
    bool minutesOnly;
    const char* expected;
  } cases[] = {
      {3725, false, "01:02:05"},
      {90061, false, "01:01:01:01"},
      {3725, true, "62:05"},
      {0, false, "00:00"},
      {59, false, "00:59"},
      {86400, false, "01:00:00:00"},
      {5, true, "0:05"},                         // the minutes are not filled with minutesOnly
      {36000, true, "600:00"},                   // nor cut
      {90061, true, "1501:01"},                  // a whole day counts as minutes too
      {123 * 86400 + 7, false, "123:00:00:07"},  // three-digit days keep all digits
      {-5, false, "00:00"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DurationText(c.secs, c.minutesOnly), c.expected) << c.secs << (c.minutesOnly ? " minutes" : "");
  }
}

TEST(TimeText, TimeOfDayTextFillsAllButTheHundredths) {
  EXPECT_EQ(TimeOfDayText(TimeOfDay{9, 5, 3, 7}), "09:05:03.7");
  EXPECT_EQ(TimeOfDayText(TimeOfDay{23, 59, 59, 99}), "23:59:59.99");

  const TimeOfDay now = LocalTimeOfDay();
  EXPECT_GE(now.hours, 0);
  EXPECT_LT(now.hours, 24);
  EXPECT_GE(now.hundredths, 0);
  EXPECT_LT(now.hundredths, 100);
  const std::int32_t seconds = SecondsNow();
  EXPECT_GE(seconds, 0);
  EXPECT_LE(seconds, 86400);  // a leap second may read 60
  EXPECT_LE(CentisecondsNow(), 8640100);
}

TEST(TimeText, DelayStepsAreCountedIn64Bits) {
  EXPECT_EQ(DelaySteps(-1), 0);
  EXPECT_EQ(DelaySteps(0), 0);
  EXPECT_EQ(DelaySteps(1), 2000);
  EXPECT_EQ(DelaySteps(INT32_MAX), std::int64_t{INT32_MAX} * 2000);  // no wrap to a negative count
}
