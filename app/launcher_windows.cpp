#include "app/launcher_windows.h"

#include "plane/geom2_win.h"
#include "solidview/geom3_win.h"
#include "special/guess_win.h"
#include "special/hyperbolic_tessellation_win.h"
#include "special/penrose_win.h"
#include "special/rgb_win.h"
#include "special/spherical_tessellation_win.h"
#include "special/tessellation_win.h"
#include "special/voronoi_win.h"
#include "sphere/geom_sm_win.h"

namespace app {

view::TQELWin* ConstructWindow(WindowKind kind, platform::FrameWindow* parent, std::string_view title) {
  switch (kind) {
    case WindowKind::Plane: return new plane::TGeom2Win(parent, title, 0);
    case WindowKind::Hyperbolic: return new plane::TGeom2Win(parent, title, 1);
    case WindowKind::Solid: return new solidview::TGeom3Win(parent, title);
    case WindowKind::Spherical: return new sphere::TGeomSMWin(parent, title);
    case WindowKind::Voronoi: return new special::TGeomVWin(parent, title);
    case WindowKind::KitesAndDarts: return new special::TPenrWin(parent, title, 0);
    case WindowKind::Rhombs: return new special::TPenrWin(parent, title, 1);
    case WindowKind::Guess: return new special::TGeomGWin(parent, title);
    case WindowKind::RgbDemo: return new special::TRGBWin(parent, title);
    case WindowKind::ClassicTessellations: return new special::TGeomTWin(parent, title);
    case WindowKind::HyperbolicTessellations: return new special::TGeomUWin(parent, title);
    case WindowKind::SphericalTessellations: return new special::TGeomWWin(parent, title);
  }
  return nullptr;
}

}  // namespace app
