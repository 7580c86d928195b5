#pragma once
// The hint of the transformation guessing game: from a red triangle A B C and its blue image
// D E F, the elements that define the hidden transformation of a given kind (the arrow of a
// translation, the mirror line, the glide axis and its translation part, the centre of a
// rotation, dilation or rotary dilation).

#include <array>

#include "kernel/real.h"

namespace kernel {

struct TransformHint {
  // False when the elements cannot be found (parallel lines, a null direction): only the kind's
  // word is shown then.
  bool found = false;
  // A line to draw across the view: through linePoint along lineDirection (mirror, glide axis).
  bool hasLine = false;
  Point2 linePoint{};
  Point2 lineDirection{};
  // An arrow from arrowTail to arrowTip (translation, the glide's translation part).
  bool hasArrow = false;
  Point2 arrowTail{};
  Point2 arrowTip{};
  // The centre of a rotation, dilation or rotary dilation.
  bool hasCentre = false;
  Point2 centre{};
  // The point the hint hangs on: the centre, the mirror line's or axis's point, the arrow's tail.
  Point2 anchor{};
};

// The hint for the guessing-game kind (0 translation, 1 reflection, 2 rotation, 3 glide
// reflection, 4 dilation, 5 rotary dilation) of the points A B C D E F.
TransformHint ComputeTransformHint(int kind, const std::array<Point2, 6>& p);

// The two wings of an arrowhead at tip, each `length` long at 30 degrees to the shaft from tail;
// false (nothing written) when tail and tip coincide.
bool ArrowWings(const Point2& tail, const Point2& tip, Real length, Point2& wing1, Point2& wing2);

}  // namespace kernel
