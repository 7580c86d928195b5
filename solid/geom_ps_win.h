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

  // --- points in space --------------------------------------------------------------------
  // The kinds the plane has too: movable point, common perpendicular, point deletion, deletion of
  // every face and segment, vector sum; and the feet of perpendiculars to a line or a plane.
  int DoMovablePoint(std::string* out) override;
  int DoPerpendicular(std::string* out) override;
  int DoDeletePoint(std::string* out) override;
  int DoDeleteAllLines(std::string* out) override;
  int DoVectorSum(std::string* out) override;
  int DoFootToLine(std::string* out) override;
  int DoFootToPlane(std::string* out) override;
  // The construction dialogs' steps: the foot from the named point to the typed line (mode 1) or
  // plane (mode 2), given by its points or as "XX", "YYY", ...; the common perpendicular of two
  // typed lines; a new movable point where point p stands.
  int DoAltitude3D(int mode, std::string& lineOrPlane, std::string& pointName) override;
  int DoCommonPerpendicular(std::string& firstLine, std::string& secondLine) override;
  int NewPointStep(int p) override;
};

}  // namespace solid
