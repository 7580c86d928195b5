#pragma once
// The 3-D model layer: the tables of the solid model, projection and observer, the 3-D terms of
// expressions, point picking, plane sections, sections of curved surfaces and curve copies.

#include <string_view>

#include "kernel/central_projection.h"
#include "plane/mac_win.h"

namespace solid {

class TGeomPWin : public plane::TMacWin {
 public:
  TGeomPWin(platform::FrameWindow* parent, std::string_view title);

  // The eye point and the point it looks at, in model coordinates.
  kernel::Point3 observer{25, 32, 18};
  kernel::Point3 viewCentre{1, 1, 1};
  // The lowest and highest x, y and z of the model.
  kernel::Point3 boxMin{0, 0, 0};
  kernel::Point3 boxMax{2, 2, 2};
  // The viewing frame, valid after ComputeViewFromObserver.
  kernel::ViewFrame frame;

  // The frame of the observer and the view centre; false when the observer stands straight above
  // or below the centre.
  bool ComputeViewFromObserver() { return kernel::ComputeViewFrame(observer, viewCentre, frame); }
  kernel::Point2 ProjectToView(const kernel::Point3& p) const { return kernel::ProjectToView(frame, p); }
  // The view-plane position of point i (every point for i below 0) from its model position.
  void UpdateProjection(int i);
};

}  // namespace solid
