#pragma once
// The spherical geometry window.

#include <string_view>

#include "view/qel_win.h"

namespace sphere {

class TGeomSMWin : public view::TQELWin {
 public:
  TGeomSMWin(platform::FrameWindow* parent, std::string_view title);

 protected:
  void SetupWindow() override;
};

}  // namespace sphere
