#pragma once
// The top shared layer of the plane windows: a working Euclidean or hyperbolic window with the
// 2-D figure file, the hyperbolic model's frame and curves, and the plane window commands. The
// plane window and the Voronoi, guessing-game, RGB-demo and tessellation windows stand on it.

#include <cstdint>
#include <string_view>

#include "plane/geom_d_win.h"

namespace plane {

class TGeomEWin : public TGeomDWin {
 public:
  // hyperbolicPlane: 0 for the Euclidean plane, 1 for the hyperbolic plane (in the Poincare disk).
  TGeomEWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane);

  // Fixed when the window is made.
  const std::uint8_t hyperbolic;
};

}  // namespace plane
