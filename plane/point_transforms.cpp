// The per-point transformations of the plane windows: they move the selected entries of the
// backup table, from which the transformation steps then make their image points.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "engine/selected_point_maps.h"
#include "plane/geom_c_win.h"

namespace plane {

namespace {

engine::PointRange SelectedBackup(std::vector<kernel::Point2>& backup, const engine::FigureTables& t, int last) {
  return {backup, t.selected, 0, last};
}

}  // namespace

void TGeomCWin::SelectTransformed(const std::string& objects, bool previousImages) {
  tables().SelectPoints(previousImages ? std::string_view{} : std::string_view{objects});
  SavePoints();
}

const kernel::LinePen* TGeomCWin::ImagePen() {
  if (transform.attributeCopy) return nullptr;
  imagePen_ = {lineAttributes.colour, lineAttributes.thickness, lineAttributes.style};
  return &imagePen_;
}

void TGeomCWin::RotateDilatePoint(int centre, kernel::Real factor, kernel::Real angle) {
  const engine::FigureTables& t = tables();
  if (!t.PointExists(centre)) return;
  engine::RotateDilateSelected(stepEngine.model, t.xy[centre], factor, angle, SelectedBackup(backupPoints, t, t.last_point));
}

void TGeomCWin::ReflectPoint(int a, int b) {
  const engine::FigureTables& t = tables();
  if (!t.PointExists(a) || !t.PointExists(b)) return;
  engine::ReflectInLine(t.xy[a], t.xy[b], SelectedBackup(backupPoints, t, t.last_point));
}

void TGeomCWin::InvertPoint(int a, int b) {
  const engine::FigureTables& t = tables();
  if (!t.PointExists(a) || !t.PointExists(b)) return;
  engine::HalfPlaneReflect(t.xy[a], t.xy[b], SelectedBackup(backupPoints, t, t.last_point));
}

void TGeomCWin::DiskReflectPoint(int a, int b) {
  const engine::FigureTables& t = tables();
  if (!t.PointExists(a) || !t.PointExists(b)) return;
  engine::DiskReflect(t.xy[a], t.xy[b], SelectedBackup(backupPoints, t, t.last_point));
}

void TGeomCWin::ReflectInModelLine(int a, int b) {
  if (!stepEngine.model.Hyperbolic) {
    ReflectPoint(a, b);
  } else if (stepEngine.model.HalfPlane) {
    InvertPoint(a, b);
  } else {
    DiskReflectPoint(a, b);
  }
}

void TGeomCWin::TranslateSelected(const kernel::Point2& v, int last) {
  engine::TranslateSelected(v, SelectedBackup(backupPoints, tables(), std::min<int>(last, tables().last_point)));
}

void TGeomCWin::TranslateSelectedHyperbolic(int a, int b) {
  const engine::FigureTables& t = tables();
  if (!t.PointExists(a) || !t.PointExists(b)) return;
  engine::HyperbolicTranslate(stepEngine.model, t.xy[a], t.xy[b], SelectedBackup(backupPoints, t, t.last_point));
}

}  // namespace plane
