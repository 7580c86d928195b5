#pragma once
// The plane geometry window, Euclidean or hyperbolic.

#include <cstdint>
#include <string_view>

#include "view/qel_wing.h"

namespace plane {

class TGeom2Win : public view::TQELWing {
 public:
  // hyperbolicPlane: 0 for the Euclidean plane, 1 for the hyperbolic plane.
  TGeom2Win(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane);

  std::uint8_t hyperbolic;

 protected:
  void SetupWindow() override;
};

}  // namespace plane
