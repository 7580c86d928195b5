#pragma once
// The grid layer of the picture windows: the user's handles on the view and on the coordinate
// grid (the zoom and Last window commands, the view and grid dialogs, the reset of view and grid,
// the square view and a random point inside the view). Every view and grid value lives in the
// graphics layer below; this layer reads and writes them through its operations.

#include <string_view>

#include "view/qel_wing.h"

namespace view {

class TGridWin : public TQELWing {
 public:
  TGridWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace view
