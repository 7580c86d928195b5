// The tick intervals, decimals and index ranges prepared before the axes are drawn.
#include <gtest/gtest.h>

#include "view/tick_preparation.h"

using namespace view;
using kernel::Real;

namespace {

// A view of half width hw (equal scales) over a client of width x height pixels.
ViewMapping View(Real hw, int width, int height) {
  ViewMapping m;
  m.width = width;
  m.height = height;
  m.halfWidth = hw;
  FitViewToClient(m);
  return m;
}

}  // namespace

TEST(TickPreparation, IntervalsGrowTenfoldUntilAtMostOneTickPerEightPixels) {
  struct Case {
    Real halfWidth;
    int width;
    Real interval;  // x interval afterwards
  };
  const Case cases[] = {
      {5, 401, 1},       // 10 ticks on 401 pixels: 50 fit
      {500, 401, 100},   // 1000 units: x10 twice
      {5000, 401, 1000}, // x10 three times: 10 ticks in 50
      {25, 401, 1},      // exactly 50 ticks on a 50 ticks allowance: stays
      {5, 7, 1},         // a client narrower than 8 pixels leaves the interval alone
      {5, 1, 1},
  };
  for (const Case& c : cases) {
    ViewMapping m = View(c.halfWidth, c.width, 401);
    AxesSettings a;
    a.ticks = 0;
    a.gridSpacingY = 1e9L;  // far larger than the view: keeps y out of the way
    const TickPreparation r = PrepareTicks(m, a);
    EXPECT_EQ(a.gridSpacingX, c.interval) << static_cast<double>(c.halfWidth) << " on " << c.width;
    EXPECT_EQ(r.result, c.interval != 1 ? kTicksWidened : kTicksUnchanged);
    if (c.width >= 8) {
      EXPECT_LE(2 * m.halfWidth / a.gridSpacingX, c.width / 8);
    }
  }
}

TEST(TickPreparation, TheNoticeIsCalledForOnceAnIntervalWidened) {
  ViewMapping m = View(500, 401, 401);
  for (const auto& [before, after] : {std::pair{0, 0}, std::pair{2, 1}, std::pair{1, 1}, std::pair{3, 0}}) {
    AxesSettings a;
    a.noticeState = static_cast<std::uint16_t>(before);
    EXPECT_TRUE(PrepareTicks(m, a).changed);
    EXPECT_EQ(a.noticeState, after) << before;
  }
  AxesSettings a;
  a.gridSpacingX = a.gridSpacingY = 100;
  a.noticeState = 2;
  PrepareTicks(m, a);  // nothing to widen: the notice stays as it was
  EXPECT_EQ(a.noticeState, 2);
}

TEST(TickPreparation, LargeIntervalsShrinkAndDecimalsFollowTheInterval) {
  ViewMapping m = View(5, 401, 401);
  AxesSettings a;
  a.ticks = 1;
  a.gridSpacingX = 20;  // above 3 half widths: half a half width
  a.gridSpacingY = 0.05L;
  a.scaleNumbers = 3;
  a.xLabelPlaces = 0;
  a.yLabelPlaces = 10;  // with the suffix
  a.yLabelFrequency = 1;
  PrepareTicks(m, a);
  EXPECT_EQ(a.gridSpacingX, 2.5L);
  EXPECT_EQ(a.xLabelPlaces, 0);
  // 0.05 ticks, 401 pixels for 10 units: 200 ticks and 50 allowed, so x10 to 0.5: one decimal,
  // and the suffix stays.
  EXPECT_EQ(a.gridSpacingY, 0.5L);
  EXPECT_EQ(a.yLabelPlaces, 11);

  AxesSettings b;
  b.gridSpacingX = 0.001L;
  b.gridSpacingY = 1;
  b.scaleNumbers = 2;  // no x scale labels: no decimals for x
  b.xLabelPlaces = 0;
  PrepareTicks(View(0.01L, 401, 401), b);
  EXPECT_EQ(b.xLabelPlaces, 0);
  b.scaleNumbers = 1;
  b.gridSpacingX = 0.00001L;
  PrepareTicks(View(0.0001L, 801, 801), b);
  EXPECT_EQ(b.xLabelPlaces, 4);  // 5 decimals would be needed; 4 is the most
}

TEST(TickPreparation, IndexRangesAndTheirOverflow) {
  ViewMapping m = View(5, 401, 401);
  AxesSettings a;
  a.gridOriginX = 0.5L;
  PrepareTicks(m, a);
  EXPECT_EQ(a.tickFirstX, -5);  // (-5 - 0.5) / 1 toward zero
  EXPECT_EQ(a.tickLastX, 4);
  EXPECT_EQ(a.tickFirstY, -5);
  EXPECT_EQ(a.tickLastY, 5);

  AxesSettings far;
  far.ticks = 0;
  far.gridOriginX = 1e12L;
  EXPECT_EQ(PrepareTicks(m, far).result, kTicksOverflow);
  EXPECT_EQ(far.ticks, 0);
  EXPECT_EQ(far.tickFirstX, 0);
  EXPECT_EQ(far.tickLastX, 0);
}
