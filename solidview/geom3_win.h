#pragma once
// The 3-D geometry window.

#include <string_view>

#include "view/qel_wing.h"

namespace solidview {

class TGeom3Win : public view::TQELWing {
 public:
  TGeom3Win(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace solidview
