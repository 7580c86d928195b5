#pragma once
// The shared-commands layer of the geometry windows: the construction commands, object lists,
// figure-file pieces, fills, tracing and animation that the plane, hyperbolic, spherical and 3-D
// windows have in common.

#include <string_view>

#include "engine/windows/geom09_win.h"

namespace engine {

class TGeom10Win : public TGeom09Win {
 public:
  TGeom10Win(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace engine
