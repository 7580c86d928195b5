#pragma once
// Where a picture lies on a printed page: its origin from the print format's margins, its size in
// printer pixels from the printed width and the screen picture's shape, and the scale between the
// two. Plain functions of the page's device capabilities.

#include "kernel/real.h"
#include "platform/drawing_types.h"

namespace view {

// No picture prints narrower than this, in inches.
inline constexpr kernel::Real kSmallestPrintedWidth = 0.25;

// The printed width in inches of a picture that is `worldWidth` units wide: the print width when
// it is positive, else the world width at `printScale` inches per unit (a negative scale counts
// by its size).
kernel::Real PrintedWidth(kernel::Real printWidth, kernel::Real printScale, kernel::Real worldWidth);

struct PrintPlacement {
  // Top-left corner and size in the page's pixels (origin at the printable area's corner).
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  // Page pixels per screen pixel.
  kernel::Real scale = 1;
};

// The picture of screenWidth x screenHeight pixels printed `widthInches` wide (at least
// kSmallestPrintedWidth), with its upper left corner `left` and `top` inches from the paper's
// edges; the height keeps the screen picture's shape.
PrintPlacement PlacePrintedPicture(const platform::DeviceCaps& page, kernel::Real left, kernel::Real top,
                                   kernel::Real widthInches, int screenWidth, int screenHeight);

}  // namespace view
