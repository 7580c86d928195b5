#pragma once
// The spherical geometry window.

#include <string_view>

#include "view/qel_wing.h"

namespace sphere {

class TGeomSMWin : public view::TQELWing {
 public:
  TGeomSMWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace sphere
