#include "plane/mac_win.h"

namespace plane {

TMacWin::TMacWin(platform::FrameWindow* parent, std::string_view title) : TGeom11Win(parent, title) {}

}  // namespace plane
