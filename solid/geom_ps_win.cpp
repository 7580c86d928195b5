#include "solid/geom_ps_win.h"

#include "engine/step_contract.h"
#include "solid/foot_executors.h"
#include "solid/library_polyhedron.h"
#include "solid/prism_pyramid_from_plane.h"
#include "solid/shared_kind_executors.h"
#include "solid/sphere_curve_steps.h"
#include "solid/sphere_steps.h"
#include "solid/surface_from_record.h"

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

PlaceSolid TGeomPSWin::Placement() const {
  return [this](const Point3& low, const Point3& high) { return PlaceNewSolid(low, high); };
}

int TGeomPSWin::DoSurfaceFromRecord(std::string* out) {
  return solid::DoSurfaceFromRecord(stepEngine, modelTables, out);
}
int TGeomPSWin::DoLatitudeCircle(std::string* out) {
  return solid::DoLatitudeCircle(stepEngine, modelTables, out);
}
int TGeomPSWin::DoMeridian(std::string* out) {
  return solid::DoMeridian(stepEngine, modelTables, out);
}
int TGeomPSWin::DoGreatCircle(std::string* out) {
  return solid::DoGreatCircle(stepEngine, modelTables, out);
}
int TGeomPSWin::DoDisk(std::string* out) {
  return solid::DoDisk(stepEngine, modelTables, Placement(), out);
}
int TGeomPSWin::DoSphere(std::string* out) {
  return solid::DoSphere(stepEngine, modelTables, Placement(), out);
}
int TGeomPSWin::DoCircumsphere(std::string* out) {
  return solid::DoCircumsphere(stepEngine, modelTables, out);
}
int TGeomPSWin::DoHemisphere(std::string* out) {
  return solid::DoHemisphere(stepEngine, modelTables, Placement(), out);
}
int TGeomPSWin::DoSphereSegment(std::string* out) {
  return solid::DoSphereSegment(stepEngine, modelTables, out);
}
int TGeomPSWin::DoInsphere(std::string* out) {
  return solid::DoInsphere(stepEngine, modelTables, out);
}
int TGeomPSWin::DoLatLongPoint(std::string* out) {
  return solid::DoLatLongPoint(stepEngine, modelTables, out);
}

std::string TGeomPSWin::DescribeSurface(int i, std::size_t maxLen) {
  return solid::DescribeSurface(stepEngine, i, maxLen);
}

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
