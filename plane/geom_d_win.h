#pragma once
// The mouse construction layer of the plane windows: building with the mouse buttons, the grid
// and coordinate editing, attaching figures, dragging points and rotation.

#include <string_view>

#include "plane/geom_c2_win.h"

namespace plane {

class TGeomDWin : public TGeomC2Win {
 public:
  TGeomDWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace plane
