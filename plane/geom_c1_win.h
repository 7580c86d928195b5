#pragma once
// The plane step executors of random figures and units, circles, arcs, magnified copies, vector
// sums, tessellation units and hyperbolic triangles from data.

#include <cstdint>
#include <string>
#include <vector>
#include <string_view>

#include "kernel/real.h"
#include "plane/geom_c_win.h"

namespace plane {

class TGeomC1Win : public TGeomCWin {
 public:
  TGeomC1Win(platform::FrameWindow* parent, std::string_view title);

  // Circles and arcs from a centre and data, and vector sums (circle_arc_executors.cpp).
  int DoCircleCenterRadius(std::string* out) override;
  int DoArcCenter(std::string* out) override;
  int DoArcCenter2(std::string* out) override;
  int DoKind95(std::string* out) override;
  int DoVectorSum(std::string* out) override;
  // The magnified copy of a selection (transformation_executors.cpp), at the image positions drawn
  // when the step was made, by source point index.
  int DoKind90(std::string* out) override;
  std::vector<kernel::Point2> magnifiedCopyPositions;
  std::vector<std::uint8_t> magnifiedCopyKnown;
};

}  // namespace plane
