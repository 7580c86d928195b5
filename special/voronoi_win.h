#pragma once
// The Voronoi diagram window.

#include <string_view>

#include "plane/geom_e_win.h"

namespace special {

class TGeomVWin : public plane::TGeomEWin {
 public:
  TGeomVWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special
