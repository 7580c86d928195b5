#include "solidview/geom_q_win.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "kernel/vector3.h"
#include "view/dc_figure_painter.h"

namespace solidview {

namespace {

// The default direction the observer looks from, and the least distance it keeps.
constexpr kernel::Point3 kObserverDirection{24, 31, 17};
constexpr kernel::Real kLeastObserverDistance = 40;
// The observer stands this many model diagonals away.
constexpr kernel::Real kDiagonalsAway = 8;
// The view is this much wider than the projected model.
constexpr kernel::Real kViewMargin = 1.25L;

using Edge = std::pair<std::uint16_t, std::uint16_t>;

Edge EdgeOf(std::uint16_t a, std::uint16_t b) { return a < b ? Edge{a, b} : Edge{b, a}; }

}  // namespace

TGeomQWin::TGeomQWin(platform::FrameWindow* parent, std::string_view title) : TGeomPSWin(parent, title) {}

void TGeomQWin::FitViewToModel() {
  const engine::FigureTables& t = tables();
  bool any = false;
  for (int i = 0; i <= t.last_point; ++i) {
    if (!t.exists[i]) continue;
    if (!any) boxMin = boxMax = t.xyz[i];
    kernel::ExtendBox3(boxMin, t.xyz[i], boxMax);
    any = true;
  }
  if (any) {
    viewCentre = kernel::Midpoint3(boxMin, boxMax);
    kernel::Point3 direction = kObserverDirection;
    kernel::Normalize3(direction);
    const kernel::Real distance = std::max(kLeastObserverDistance, kDiagonalsAway * kernel::Dist3(boxMin, boxMax));
    observer = viewCentre + distance * direction;
  }
  ComputeViewFromObserver();
  UpdateProjection(-1);
}

void TGeomQWin::Update(bool /*keepView*/) {
  FitViewToModel();
  ShowProjectedModel();
}

void TGeomQWin::Redraw(int /*flag*/) {
  ComputeViewFromObserver();
  UpdateProjection(-1);
  ShowProjectedModel();
}

void TGeomQWin::ShowProjectedModel() {
  // The view shows the projected model with a margin around it.
  const engine::FigureTables& t = tables();
  bool any = false;
  kernel::Point2 lo{};
  kernel::Point2 hi{};
  for (int i = 0; i <= t.last_point; ++i) {
    if (!t.exists[i]) continue;
    const kernel::Point2& p = t.xy[i];
    if (!any) lo = hi = p;
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
    any = true;
  }
  if (any) {
    const kernel::Real half = std::max({(hi.x - lo.x) / 2, (hi.y - lo.y) / 2, kernel::Real(0.5)}) * kViewMargin;
    SetViewBox({(lo.x + hi.x) / 2, (lo.y + hi.y) / 2}, half, half, false);
    // The pixels follow the new view.
    UpdateProjection(-1);
  }
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeomQWin::Paint(platform::DC& dc) {
  TGeomPSWin::Paint(dc);
  PaintSolid(dc);
}

bool TGeomQWin::PaintSolid(platform::DC& dc) {
  view::DcFigurePainter painter(dc, mapping, DcRules());
  DrawSolidEdges(painter);
  DrawLabels(painter, -1, false);
  return true;
}

bool TGeomQWin::ExportPicture(view::FigurePainter& painter, const view::ExportFrame& exportFrame) {
  DrawSolidEdges(painter);
  DrawLabels(painter, -1, false);
  return TGeomPSWin::ExportPicture(painter, exportFrame);
}

int TGeomQWin::ReplayConstruction(bool replaying) {
  const int result = TGeomPSWin::ReplayConstruction(replaying);
  UpdateProjection(-1);
  return result;
}

void TGeomQWin::DrawSolidEdges(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  const auto faces = solid().Faces();
  if (faces.empty()) return;
  // The middle of the model: a face's outer side is the one turned away from it.
  kernel::Point3 middle{};
  int counted = 0;
  for (int i = 0; i <= t.last_point; ++i) {
    if (t.exists[i]) {
      middle = middle + t.xyz[i];
      ++counted;
    }
  }
  if (counted > 0) middle = (1 / static_cast<kernel::Real>(counted)) * middle;

  std::map<Edge, bool> edges;  // an edge and whether a face turned towards the observer has it
  for (const kernel::FaceRecord& face : faces) {
    if (!face.visible || face.count < 2) continue;
    bool front = true;
    if (face.count >= 3) {
      const kernel::Point3& a = t.xyz[face.vertices[0]];
      kernel::Point3 normal = kernel::Cross3(t.xyz[face.vertices[1]] - a, t.xyz[face.vertices[2]] - a);
      if (kernel::Dot3(normal, a - middle) < 0) normal = -normal;
      front = kernel::Dot3(normal, observer - a) > 0;
    }
    for (int k = 0; k < face.count; ++k) {
      const Edge e = EdgeOf(face.vertices[static_cast<std::size_t>(k)], face.vertices[static_cast<std::size_t>(k + 1)]);
      edges[e] = edges[e] || front;
    }
  }
  for (const auto& [edge, shown] : edges) {
    if (!t.PointExists(edge.first) || !t.PointExists(edge.second)) continue;
    painter.SetPen({view::InkColor::Index(0), 1, shown ? view::kLineSolid : view::kLineDash});
    const std::array<kernel::Point2, 2> line{t.xy[edge.first], t.xy[edge.second]};
    painter.Polyline(line);
  }
}

}  // namespace solidview
