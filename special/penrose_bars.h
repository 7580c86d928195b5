#pragma once
// Ammann bars of a Penrose tiling: every tile carries bar segments that line up, across a legal
// tiling, into five families of parallel lines whose gaps are a long and a short spacing (their
// ratio is the golden ratio) with never two short gaps in a row. Each tile registers its bars as
// it is placed; with compatibility on, a bar that breaks that rule refuses the tile.

#include <cstdint>
#include <span>

#include "special/penrose_tiles.h"

namespace special {

// (sqrt 45 + 5) / 4 and (sqrt 5 + 5) / 4.
Real LongBarSpacing();
Real ShortBarSpacing();

// Two positions closer than this are one bar.
inline constexpr Real kSameBarTolerance = static_cast<Real>(1e-4);
// A gap matches a spacing when it differs from it by less than this.
inline constexpr Real kBarGapTolerance = static_cast<Real>(1e-5);

// Registers the bars of tile T; false when one of them breaks the spacing rule (the bars already
// registered stay).
bool RegisterTileBars(PenroseTiling& tiling, std::int16_t tile);

// Adds the bar through `point` whose position is measured along direction code mod 10 (an even
// direction is replaced by its opposite, so that each of the five families has one odd direction).
// True when the bar was there already, or with compatibility off, or when the family's gaps are
// still legal; false otherwise (the new bar then stays in the list).
bool InsertAmmannBar(PenroseTiling& tiling, int code, const Point2& point);

// True when the ascending positions have gaps that are all long or short spacings, with no short
// gap after a gap that was not long.
bool BarGapsLegal(std::span<const Real> positions);

// Empties the five lists.
void FreeAmmannBars(PenroseTiling& tiling);

}  // namespace special
