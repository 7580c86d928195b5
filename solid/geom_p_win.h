#pragma once
// The 3-D model layer: the tables of the solid model, projection and observer, the 3-D terms of
// expressions, point picking, plane sections, sections of curved surfaces and curve copies.

#include <string_view>

#include "plane/mac_win.h"

namespace solid {

class TGeomPWin : public plane::TMacWin {
 public:
  TGeomPWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace solid
