#include "solid/geom_ps_win.h"

#include "solid/prism_pyramid_from_plane.h"

namespace solid {

TGeomPSWin::TGeomPSWin(platform::FrameWindow* parent, std::string_view title) : TGeomPWin(parent, title) {}

int TGeomPSWin::DoPrismPyramidFrom2D(std::string* out) { return PrismPyramidFromPlane(stepEngine, modelTables, out); }

}  // namespace solid
