#pragma once
// The plane step executors of movable points, intersections, centres, angles, perpendiculars,
// parallels, tangents, transformations, deletions, tangent circles, hyperbolic curves and conics.
// Each family of executors lives in a file of its own and follows engine/step_contract.h.

#include <string>
#include <string_view>

#include "plane/geom_c1_win.h"

namespace plane {

class TGeomC2Win : public TGeomC1Win {
 public:
  TGeomC2Win(platform::FrameWindow* parent, std::string_view title);

  // Kind 121: a free point, at the position waiting in the entry after the last point, named by
  // the label in operand 0 (point_executors.cpp).
  int DoMovablePoint(std::string* out) override;
  // Kind 122: the point at two typed coordinate expressions; 0 or the compiler's code.
  int DoKind122(std::string* out) override { return DoCoordinatePoint(out); }
  int DoCoordinatePoint(std::string* out);

  // Rays at an angle (angle_executors.cpp).
  int DoAngleBisector(std::string* out) override;
  int DoAngle(std::string* out) override;
  // Perpendiculars, parallels and feet (perpendicular_executors.cpp).
  int DoParallelPerpendicularStep(std::string* out) override;
  int DoPerpendicular(std::string* out) override;
  int DoParallel(std::string* out) override;
  // Orthogonal arcs, hypercycles and horocycles (orthogonal_curve_executors.cpp).
  int DoOrthogonalArc(std::string* out) override;
  int DoHypercycle(std::string* out) override;
  int DoHorocycle(std::string* out) override;
  // Point deletion and the regular polygon on a side (deletion_executors.cpp).
  int DoDeletePoint(std::string* out) override;
  int DoKind149(std::string* out) override;
  // Translations, inversions, glide reflections and attached copies (transformation_executors.cpp).
  int DoTranslate(std::string* out) override;
  int DoInvert(std::string* out) override;
  int DoGlideReflect(std::string* out) override;
  int DoKind155(std::string* out) override;
};

}  // namespace plane
