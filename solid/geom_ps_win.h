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

  // Kind 300: the prism or pyramid over a polygon handed over by a plane window.
  int DoPrismPyramidFrom2D(std::string* out) override;
  // The library kinds: the solid of the code built from its tables.
  int DoLibraryPolyhedron(int code, std::string* out) override;
  // The n-prism (303) and n-antiprism (306) are not built here yet: message 1, with the
  // placeholders their step makes.
  int Unexecuted(int kind, std::string* out) override;
};

}  // namespace solid
