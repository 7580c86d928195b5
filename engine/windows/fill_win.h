#pragma once
// The fill layer of the geometry windows: filled polygons, faces of the hyperbolic and spherical
// models, circles and sectors, on the screen and into the vector exports, and the Hide lines and
// Hide color switches.

#include <string_view>

#include "engine/windows/pre_geom_win.h"

namespace engine {

class TFillWin : public TPreGeomWin {
 public:
  TFillWin(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace engine
