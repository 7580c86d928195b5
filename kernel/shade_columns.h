#pragma once
// A filled region as vertical columns for writers that can only shade between a lower and an upper
// boundary: the region's outline must be monotone in x (every vertical line meets it at most
// twice), and is then cut at each vertex into columns from its lower to its upper boundary.

#include <span>
#include <vector>

#include "kernel/real.h"

namespace kernel {

struct ShadeColumn {
  Real x = 0;
  Real lower = 0;
  Real upper = 0;
  // The next column follows at almost the same x (a vertical side inside the region): the shading
  // must start anew there.
  bool breakAfter = false;
};

// The columns of the closed outline, from left to right. False (columns empty) for fewer than three
// points, for an outline with no width, for one that is not monotone in x and for one whose
// boundaries cross. Points count as level in x within 1e-13; columns closer than 1e-4 in x break.
bool ShadeColumns(std::span<const Point2> outline, std::vector<ShadeColumn>& columns);

}  // namespace kernel
