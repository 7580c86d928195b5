// Lattice-point mode (free points on integer coordinates), the Pick's theorem picture of a lattice
// polygon, and the pop-ups of the plane menus greyed while the figure lacks their objects.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "engine/windows/arrow_drawing.h"
#include "kernel/number_text.h"
#include "kernel/pick_lattice.h"
#include "plane/geom_c_win.h"
#include "plane/pick_dlg.h"
#include "platform/menu.h"

namespace plane {

namespace {

using kernel::Point2;

constexpr int kPickNothingToDraw = 9;
constexpr int kDotMarker = 1;
constexpr int kOutlineWidth = 2;

// The menu item's text without its mnemonic marks and the "..." at its end.
std::string PlainMenuText(std::string_view text) {
  std::string plain;
  for (const char c : text.substr(0, text.find('\t'))) {
    if (c != '&') plain.push_back(c);
  }
  while (!plain.empty() && (plain.back() == '.' || plain.back() == ' ')) plain.pop_back();
  return plain;
}

// The position of the pop-up titled `title` in `items`; -1 when there is none.
int PopupPosition(const std::vector<resources::MenuItem>& items, std::string_view title) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (items[i].kind == resources::MenuItem::Kind::Popup && items[i].text == title) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool TGeomCWin::LatticeSnapping() const { return latticeMode != 0 && !model().Hyperbolic && dimension() == 2; }

Point2 TGeomCWin::LatticePoint(const Point2& p) const {
  if (!LatticeSnapping()) return p;
  return {static_cast<kernel::Real>(kernel::RoundLD(p.x)), static_cast<kernel::Real>(kernel::RoundLD(p.y))};
}

int TGeomCWin::SnapToLattice(int point) {
  if (!LatticeSnapping()) return point;
  engine::FigureTables& t = tables();
  const int first = point < 0 ? 0 : point;
  const int last = point < 0 ? t.last_point : std::min<int>(point, t.last_point);
  for (int i = first; i <= last; ++i) {
    if (t.attrs[i].tag == 0) t.xy[i] = LatticePoint(t.xy[i]);
  }
  wing.pictureValid = 0;
  return point;
}

void TGeomCWin::CmLatticeMode() {
  latticeMode = latticeMode ? 0 : 1;
  SetupMenuChecks(false);
  if (latticeMode) {
    SnapToLattice(-1);
    ReplayConstruction(true);
  }
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeomCWin::CmPickTheorem() {
  const resources::MenuItem* item = menu().Find(kCmdPickTheorem);
  TPickDlg dialog(this, PlainMenuText(item != nullptr ? item->text : "Pick's theorem"));
  if (dialog.Execute() != 1) pickVertices.clear();
  SetupMenuChecks(false);
  wing.pictureValid = 0;
  Invalidate(false);
}

std::vector<Point2> TGeomCWin::PickPolygonPoints() const {
  const engine::FigureTables& t = tables();
  std::vector<Point2> points;
  for (const std::int16_t v : pickVertices) {
    if (!t.PointExists(v)) return {};
    points.push_back(t.xy[v]);
  }
  return points;
}

int TGeomCWin::DrawPicks(view::FigurePainter& painter) {
  if (pickVertices.size() < 3 || !LatticeSnapping()) return kPickNothingToDraw;
  const std::vector<Point2> vertices = PickPolygonPoints();
  if (vertices.size() < 3) return kPickNothingToDraw;
  const kernel::Box2& view = mapping.box;
  const bool allInView = std::all_of(vertices.begin(), vertices.end(), [this](const Point2& p) { return view::InView(mapping, p); });
  if (allInView) painter.Comment("begin Pick");
  const kernel::PickLatticeDots dots = kernel::PickDots(vertices, view);

  painter.Save();
  const int radius = labelDisplay.markerSize;
  const auto dotsIn = [&](const std::vector<Point2>& points, std::uint16_t colour) {
    const view::InkColor ink = view::InkColor::Index(colour);
    painter.SetPen({ink, 1, view::kLineSolid});
    painter.SetBrush({true, ink, 0});
    for (const Point2& p : points) painter.Marker(p, kDotMarker, radius);
  };
  dotsIn(dots.interior, pickInteriorColor);
  dotsIn(dots.boundary, pickBoundaryColor);
  painter.SetBrush({});
  const view::LinePen outline{view::InkColor::Index(pickBoundaryColor), kOutlineWidth, view::kLineSolid};
  for (std::size_t i = 0; i < vertices.size(); ++i) {
    engine::DrawPointChain(painter, vertices[i], vertices[(i + 1) % vertices.size()], outline, false);
  }
  painter.Restore();
  if (allInView) painter.Comment("end Pick");
  return 0;
}

void TGeomCWin::UpdateMenu() {
  TGeomBWin::UpdateMenu();
  if (menu().empty()) return;
  const engine::FigureTables& t = tables();
  const std::vector<resources::MenuItem>& bar = menu().items();
  bool changed = false;
  const auto enable = [&](std::string_view popup, std::string_view item, bool enabled) {
    const int top = PopupPosition(bar, popup);
    if (top < 0) return;
    std::vector<int> path{top};
    if (!item.empty()) {
      const int inner = PopupPosition(bar[static_cast<std::size_t>(top)].children, item);
      if (inner < 0) return;
      path.push_back(inner);
    }
    const resources::MenuItem* now = menu().ItemAt(path);
    if (now == nullptr || now->enabled == enabled) return;
    menu().EnableAt(path, enabled);
    changed = true;
  };
  enable("&Line", "&Angles", t.last_line >= 0);
  // The triangle pop-up of the point menu (in the hyperbolic menu it may be called Triangle).
  enable("&Point", "&Special", t.last_point >= 2);
  if (model().Hyperbolic) enable("&Point", "&Triangle", t.last_point >= 2);
  // The Edit menu stays reachable: it holds Undo and Redo, which an empty figure may still need.
  for (const std::string_view popup : {"&Transf", "&Anim"}) enable(popup, {}, t.last_point >= 0);
  if (changed) MenuChanged();
}

bool TGeomCWin::OnCommand(int id) {
  switch (id) {
    case kCmdLatticeMode: CmLatticeMode(); return true;
    case kCmdPickTheorem: CmPickTheorem(); return true;
    default: return TGeomBWin::OnCommand(id);
  }
}

void TGeomCWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdLatticeMode:
      state.enabled = !model().Hyperbolic;
      state.checked = latticeMode != 0;
      return;
    case kCmdPickTheorem:
      state.checked = latticeMode != 0 && pickVertices.size() > 2;
      return;
    default: TGeomBWin::EnableCommand(state);
  }
}

}  // namespace plane
