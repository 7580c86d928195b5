#pragma once
// The 3-D geometry window.

#include <string_view>

#include "solidview/geom_r_win.h"

namespace solidview {

class TGeom3Win : public TGeomRWin {
 public:
  TGeom3Win(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace solidview
