#include "solid/geom_ps_win.h"

#include "solid/foot_executors.h"
#include "solid/prism_pyramid_from_plane.h"
#include "solid/shared_kind_executors.h"

namespace solid {

TGeomPSWin::TGeomPSWin(platform::FrameWindow* parent, std::string_view title) : TGeomPWin(parent, title) {}

int TGeomPSWin::DoPrismPyramidFrom2D(std::string* out) { return PrismPyramidFromPlane(stepEngine, modelTables, out); }

int TGeomPSWin::DoMovablePoint(std::string* out) { return MovablePoint3D(stepEngine, modelTables, out); }
int TGeomPSWin::DoPerpendicular(std::string* out) { return CommonPerpendicular3D(stepEngine, modelTables, out); }
int TGeomPSWin::DoDeletePoint(std::string* out) { return DeletePoints3D(stepEngine, modelTables, out); }
int TGeomPSWin::DoDeleteAllLines(std::string* out) { return DeleteAllFaces(stepEngine, modelTables, out); }
int TGeomPSWin::DoVectorSum(std::string* out) { return VectorSum3D(stepEngine, modelTables, out); }
int TGeomPSWin::DoFootToLine(std::string* out) { return FootToLine(stepEngine, modelTables, out); }
int TGeomPSWin::DoFootToPlane(std::string* out) { return FootToPlane(stepEngine, modelTables, out); }

}  // namespace solid
