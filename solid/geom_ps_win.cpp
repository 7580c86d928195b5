#include "solid/geom_ps_win.h"

#include "engine/step_contract.h"
#include "solid/library_polyhedron.h"
#include "solid/prism_pyramid_from_plane.h"

namespace solid {

TGeomPSWin::TGeomPSWin(platform::FrameWindow* parent, std::string_view title) : TGeomPWin(parent, title) {}

int TGeomPSWin::DoPrismPyramidFrom2D(std::string* out) { return PrismPyramidFromPlane(stepEngine, modelTables, out); }

int TGeomPSWin::DoLibraryPolyhedron(int code, std::string* out) {
  return LibraryPolyhedronStep(stepEngine, modelTables, code, {boxMin, boxMax, viewCentre, observer}, out);
}

int TGeomPSWin::Unexecuted(int kind, std::string* out) {
  constexpr int kNPrism = 303;
  constexpr int kNAntiprism = 306;
  if (kind != kNPrism && kind != kNAntiprism) return TGeomPWin::Unexecuted(kind, out);
  return engine::FailStep(stepEngine, engine::CreatesOfCurrentStep(stepEngine), engine::kMsgCannotUnderstand);
}

}  // namespace solid
