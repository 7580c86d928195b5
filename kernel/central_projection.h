#pragma once
// The central projection of a 3-D model from an observer onto the view plane: the plane through
// the view centre perpendicular to the line of sight, with coordinates along its horizontal
// direction U and its upward direction V, one model unit per view unit.

#include "kernel/real.h"

namespace kernel {

struct ViewFrame {
  Point3 observer;
  Point3 centre;
  Point3 sight;  // observer - centre
  Real rxy2 = 0;
  Real rxy = 0;  // horizontal distance of the observer from the centre
  Real r = 0;    // distance of the observer from the centre
  Real kx = 0;
  Real ky = 0;
  Real kinv = 0;
  Point3 u;  // the view plane's x direction
  Point3 v;  // its y direction
};

// The frame of an observer looking at the centre. False, the frame left as it was, when the
// observer stands straight above or below the centre, where no horizontal direction exists.
bool ComputeViewFrame(const Point3& observer, const Point3& centre, ViewFrame& frame);
// View-plane coordinates of p; a point in the observer's own plane parallel to the view plane
// projects with a huge factor instead of a division by zero.
Point2 ProjectToView(const ViewFrame& frame, const Point3& p);
// The point of the view plane with view coordinates (a, b).
Point3 ViewPlanePoint(const ViewFrame& frame, const Point2& ab);

}  // namespace kernel
