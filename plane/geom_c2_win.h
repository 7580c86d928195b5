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

  // --- Intersections (intersection_executors.cpp) -------------------------------------------
  // Other > Autoextend: intersections count on the whole line, not only on its drawn part.
  bool autoExtend = false;
  // Kind 103: the point where two lines (records or axes) meet; -1 when it lies outside the view,
  // -2 (hyperbolic, Autoextend on) when it lies beyond a drawn segment.
  int DoIntersection103(std::string* out) override;
  // Kind 104: the points of a line and a circle; kind 105: of two circles.
  int DoLineCircleIntersection(std::string* out) override;
  int DoCircleCircleIntersection(std::string* out) override;
  // Whether P lies on the drawn part of line record `line` (always with Autoextend on).
  bool PointOnLinePart(int line, const kernel::Point2& p) const;
  // Whether P lies on the drawn part (the arc) of circle record `circle`.
  bool PointOnCircleArc(int circle, const kernel::Point2& p) const;
  // The drawn-part test alone, whatever Autoextend says.
  bool OnDrawnLinePart(int line, const kernel::Point2& p) const;
  // A computed point this close to an existing one is that point: 0.001 of a pixel's width.
  kernel::Real ReuseTolerance() const;
};

}  // namespace plane
