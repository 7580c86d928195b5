#include "plane/geom_c2_win.h"

namespace plane {

TGeomC2Win::TGeomC2Win(platform::FrameWindow* parent, std::string_view title) : TGeomC1Win(parent, title) {}

}  // namespace plane
