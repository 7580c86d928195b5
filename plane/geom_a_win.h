#pragma once
// The measuring terms of expressions: the lengths, areas and angles of the figure that a typed
// expression names by their points.

#include <string_view>

#include "plane/mac_win.h"

namespace plane {

class TGeomAWin : public TMacWin {
 public:
  TGeomAWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace plane
