#pragma once
// The spherical geometry window.

#include <string_view>

#include "sphere/geom_s_win.h"

namespace sphere {

class TGeomSMWin : public TGeomSWin {
 public:
  TGeomSMWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace sphere
