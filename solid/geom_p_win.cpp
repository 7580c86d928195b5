#include "solid/geom_p_win.h"

#include <algorithm>
#include <span>

#include "kernel/line_sphere3.h"
#include "kernel/observer_placement.h"
#include "kernel/surface_frames.h"
#include "solid/model_projection.h"
#include "solid/obs_dlg.h"

namespace solid {

TGeomPWin::TGeomPWin(platform::FrameWindow* parent, std::string_view title) : TMacWin(parent, title) {
  SetGeometry(engine::kEuclideanPlane, 3);
  stepEngine.solid.Allocate();
  modelTables.Allocate();
  ComputeViewFromObserver();
}

TGeomPWin::~TGeomPWin() = default;

bool TGeomPWin::ComputeViewFromObserver() { return kernel::ComputeViewFrame(observer, viewCentre, frame); }

kernel::Point2 TGeomPWin::ProjectToView(const kernel::Point3& p) const { return kernel::ProjectToView(frame, p); }

kernel::Point3 TGeomPWin::ViewPlanePoint(const kernel::Point2& ab) const { return kernel::ViewPlanePoint(frame, ab); }

void TGeomPWin::UpdateProjection(int i) {
  solid::UpdateProjection(frame, mapping, tables(), solid(), modelTables, i);
}

engine::PixelPoint TGeomPWin::PointToScreen(const kernel::Point3& p) const {
  return solid::PointToScreen(frame, mapping, p);
}

bool TGeomPWin::SightLineHit(platform::PointI pixel, kernel::Point3& out) const {
  kernel::Point2 ab;
  PixelToWorld(pixel, ab);
  const kernel::Point3 s = ViewPlanePoint(ab);
  kernel::Point3 second;
  return kernel::SegmentSphereIntersect3(s, observer, {0, 0, 0}, 1, out, second) != kernel::kNoPoint;
}

kernel::Point3 TGeomPWin::PlaceNewSolid(const kernel::Point3& low, const kernel::Point3& high) const {
  return kernel::PlaceNewSolid(tables().last_point < 0, boxMin, boxMax, viewCentre, observer, low, high);
}

bool TGeomPWin::ObserverTooClose(const kernel::Point3& p) const {
  return kernel::ObserverTooClose(boxMin, boxMax, viewCentre, p);
}

bool TGeomPWin::ObserverTooFar(const kernel::Point3& p) const {
  return kernel::ObserverTooFar(boxMin, boxMax, viewCentre, p);
}

void TGeomPWin::UpdateSurfaces() {
  engine::SolidTables& s = solid();
  const auto n = std::min(static_cast<std::size_t>(std::max(s.last_surface + 1, 0)), s.surfaces.size());
  kernel::UpdateSurfaces(std::span(s.surfaces).first(n), tables().xyz);
}

void TGeomPWin::FacePlane(int face) { solid::FacePlane(tables(), solid(), modelTables, face); }

void TGeomPWin::FacePlanesOf(int vertex) { solid::FacePlanesOf(tables(), solid(), modelTables, vertex); }

void TGeomPWin::CopySelection(int kind, bool merge, std::uint16_t pointKind, int hideFace) {
  solid::CopySelection(stepEngine, modelTables,
                       {kind, merge, pointKind, hideFace, transform.attributeCopy != 0, faceColour});
}

void TGeomPWin::WritePointLists(kernel::ByteWriter& out) const {
  engine::WritePointLists(out, modelTables.point_lists);
}

bool TGeomPWin::ReadPointLists(kernel::ByteReader& in) { return engine::ReadPointLists(in, modelTables.point_lists); }

void TGeomPWin::CloseObserverDialog() { observerDialog_.reset(); }

TObsDlg* TGeomPWin::ShowObserverDialog() {
  if (!observerDialog_) observerDialog_ = std::make_unique<TObsDlg>(this);
  observerDialog_->Show();
  observerDialog_->ShowObserver();
  return observerDialog_.get();
}

}  // namespace solid
