#include "plane/geom_d_win.h"

namespace plane {

TGeomDWin::TGeomDWin(platform::FrameWindow* parent, std::string_view title) : TGeomC2Win(parent, title) {}

}  // namespace plane
