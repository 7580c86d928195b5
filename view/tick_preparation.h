#pragma once
// Before the axes are painted: the tick intervals widened until the ticks fit the client area,
// the label decimals raised until neighbouring labels differ, and the ranges of tick indices that
// lie in the view.

#include "view/view_mapping.h"
#include "view/wing_settings.h"

namespace view {

inline constexpr int kTicksUnchanged = 0;
inline constexpr int kTicksWidened = 16;
inline constexpr int kTicksOverflow = 4;

struct TickPreparation {
  // kTicksUnchanged, kTicksWidened (an interval grew tenfold, maybe several times) or
  // kTicksOverflow (an index range does not fit 32 bits: ticks were switched off and every range
  // set to 0 alone).
  int result = kTicksUnchanged;
  // An interval or the decimals of the labels changed.
  bool changed = false;
};

// 1. While the view's width holds more x intervals than an eighth of the client's width in
//    pixels, the interval grows tenfold (so at most one tick every 8 pixels); likewise y. A
//    client narrower (lower) than 8 pixels leaves the interval alone.
// 2. With ticks on, an interval larger than 3 half extents becomes half of one.
// 3. Each axis with scale labels gets more decimals (up to 4) while interval x label frequency is
//    below one unit of the last decimal; a suffix (places of 10 or more) stays.
// 4. After a change, a notice state of 3 becomes 0 and any other positive one 1.
// 5. The first and last tick index of each axis in the view box (toward zero).
TickPreparation PrepareTicks(const ViewMapping& m, AxesSettings& axes);

}  // namespace view
