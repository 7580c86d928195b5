#pragma once
// Macros: a block of steps defined once and applied to other points, and the import of a figure
// from a source window.

#include <string_view>

#include "plane/geom11_win.h"

namespace plane {

class TMacWin : public TGeom11Win {
 public:
  TMacWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace plane
