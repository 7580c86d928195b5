#pragma once
// What the tessellation command asks of a triangle group (p, q, r) before it draws its
// tessellation, and how deep it grows the tessellation; the orders as typed.

#include <string_view>

namespace kernel {

// What stands against drawing the tessellation of (p, q, r), checked in this order: an order
// outside 2 to 9, a group that is not hyperbolic, tiles that get too small to draw.
enum class TriangleGroupFault { kNone, kOrderOutOfBounds, kNotHyperbolic, kTooLargeToDraw };
TriangleGroupFault CheckTriangleGroup(int p, int q, int r);

// The layers the tessellation of a drawable group is grown by: 4 for p = 2 with q + r below 13
// and for p = 3 with q + r below 9, else 3 for p below 7 with q + r below 8, else 2.
int TriangleGroupTessellationDepth(int p, int q, int r);

// A whole number as typed: optional blanks, an optional sign, decimal digits, optional blanks,
// and nothing else, within the range of an int. False, with value left alone, for any other text.
bool ReadWholeNumber(std::string_view text, int& value);

}  // namespace kernel
