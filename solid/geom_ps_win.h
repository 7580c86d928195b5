#pragma once
// The 3-D construction layer: the polyhedron library and the solid builders, spheres, cylinders
// and cones, intersections of lines, planes and surfaces, face attributes, and the 3-D executors of
// the step kinds.

#include <string>
#include <string_view>

#include "solid/geom_p_win.h"

namespace solid {

class TGeomPSWin : public TGeomPWin {
 public:
  TGeomPSWin(platform::FrameWindow* parent, std::string_view title);

  // Kind 300: a prism (flag set) or pyramid over the polygon a plane window handed over. Its n
  // points (operand 0) already stand at the start of the point table; operands 1 to n are their
  // labels, parameters 1 to 3 the vector from the first base vertex to the first top vertex or
  // the apex. The first step of its figure: the points and faces start afresh.
  int DoPrismPyramidFrom2D(std::string* out) override;
};

}  // namespace solid
