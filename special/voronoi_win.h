#pragma once
// The Voronoi diagram window.

#include <string_view>

#include "view/qel_wing.h"

namespace special {

class TGeomVWin : public view::TQELWing {
 public:
  TGeomVWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special
