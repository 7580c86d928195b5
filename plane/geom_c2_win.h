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

  // Centres, centroids and the nine-point circle of a triangle (centre_executors.cpp).
  int DoKind99(std::string* out) override;  // the nine-point circle
  int DoPointInTriangle(std::string* out) override;
  int DoIncenter(std::string* out) override;
  int DoCentroid(std::string* out) override;
  int DoCircumcenter(std::string* out) override;
  int DoFermatPoint(std::string* out) override;
  int DoCircumcenter131(std::string* out) override;  // the circumcircle
  // Brocard point, orthocentre, incircle and excircle (triangle_centre_executors.cpp).
  int DoFermatPoint126(std::string* out) override;  // the Brocard point
  int DoOrthocenter(std::string* out) override;
  int DoIncenter132(std::string* out) override;
  int DoExcenter(std::string* out) override;
  // Tangents from a point, at a point and common to two circles (tangent_executors.cpp).
  int DoTangentToCircle(std::string* out) override;
  int DoTangentToCircle2(std::string* out) override;
  int DoCommonTangents(std::string* out) override;
  // Three touching circles about a triangle's vertices and the Soddy circles (soddy_executors.cpp).
  int DoTangentCircles(std::string* out) override;
  int DoKind127(std::string* out) override;  // the Soddy circles
};

}  // namespace plane
