#include "sphere/geom_s_win.h"

namespace sphere {

TGeomSWin::TGeomSWin(platform::FrameWindow* parent, std::string_view title) : TGeomQWin(parent, title) {
  SetGeometry({.Hyperbolic = false, .HalfPlane = false, .Spherical = true}, 3);
  fileMsg.mainHelp = "KVSHELP";
}

}  // namespace sphere
