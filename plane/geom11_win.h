#pragma once
// The plane command layer: the plane menus and their commands, the history listing, taking back
// imported blocks, the reset of the figure, unit and random figures, the mouse picker and the plane
// transformations.

#include <string_view>

#include "engine/windows/geom10_win.h"

namespace plane {

class TGeom11Win : public engine::TGeom10Win {
 public:
  TGeom11Win(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace plane
