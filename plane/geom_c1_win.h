#pragma once
// The plane step executors of random figures and units, circles, arcs, magnified copies, vector
// sums, tessellation units and hyperbolic triangles from data.

#include <string_view>

#include "plane/geom_c_win.h"

namespace plane {

class TGeomC1Win : public TGeomCWin {
 public:
  TGeomC1Win(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace plane
