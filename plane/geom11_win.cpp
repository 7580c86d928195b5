#include "plane/geom11_win.h"

namespace plane {

TGeom11Win::TGeom11Win(platform::FrameWindow* parent, std::string_view title) : TGeom10Win(parent, title) {}

}  // namespace plane
