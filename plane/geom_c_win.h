#pragma once
// The plane object tables and their reservation, lattice-point mode and the Pick's theorem
// display, the mouse hit tests on lines, circles and hyperbolic curves, the per-point
// transformations, conics and the paint passes of the plane figure.

#include <string_view>

#include "plane/geom_b_win.h"

namespace plane {

class TGeomCWin : public TGeomBWin {
 public:
  TGeomCWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace plane
