#pragma once
// The Voronoi diagram window.

#include <string_view>

#include "view/qel_win.h"

namespace special {

class TGeomVWin : public view::TQELWin {
 public:
  TGeomVWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace special
