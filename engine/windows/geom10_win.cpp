#include "engine/windows/geom10_win.h"

namespace engine {

TGeom10Win::TGeom10Win(platform::FrameWindow* parent, std::string_view title) : TGeom09Win(parent, title) {}

}  // namespace engine
