#include "special/voronoi_win.h"

#include <vector>

#include "kernel/voronoi_cell.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "view/settings_files.h"

namespace special {

namespace {

constexpr int kCmdHelp = 354;
constexpr int kStringHelpCaption = 790;
constexpr int kStringHelpAdd = 791;
constexpr int kStringHelpSlide = 792;
constexpr int kStringVoronoiFilter = 644;
constexpr int kPointDeletionKind = 141;
// Colour role 1 of the window takes colour index 0.
constexpr int kSiteColorRole = 1;
// Sites show an open dot and no label.
constexpr std::uint16_t kSiteMarker = 1;

}  // namespace

int VoronoiCellColor(int n, std::int32_t fileVersion) {
  if (fileVersion < kVoronoiPaletteVersion) return n + 1;
  return kVoronoiPalette[static_cast<std::size_t>(n) % kVoronoiPalette.size()];
}

TGeomVWin::TGeomVWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {
  qelWin.settingsFileName = view::kVoronoiSettingsFile;
  qelWin.fileKind = view::kVoronoiFileKind;
  fileMsg.filters = resources::LoadString(kStringVoronoiFilter, 255);
  fileMsg.defaultExtension = "vor";
  preWin.roles[kSiteColorRole] = 0;
  axes.axesShown = 0;
  dragHighlight = 0;
}

void TGeomVWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  const char* menuName = "VORMENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
}

void TGeomVWin::OnMouseDown(const platform::MouseEvent& e) {
  if (pickerActive) return;
  const platform::PointI pixel{e.x, e.y};
  if (e.button == platform::MouseButton::Left) DragVertices(pixel);
  else if (e.button == platform::MouseButton::Right) AddOrDeleteSite(pixel);
}

void TGeomVWin::AddOrDeleteSite(platform::PointI pixel) {
  const int r = AddPointAtMouse(pixel);
  if (r == 0) {
    engine::FigureTables& t = tables();
    if (t.last_point >= 0) {
      engine::PointNameRecord& name = t.names[static_cast<std::size_t>(t.last_point)];
      name.shown = 0;
      name.marker = kSiteMarker;
    }
  } else if (r >= plane::kPointUnderMouse) {
    DeleteSite(r - plane::kPointUnderMouse);
  } else {
    Msg(r);
    return;
  }
  Invalidate(false);
}

void TGeomVWin::DeleteSite(int i) {
  // Sites stand alone, so they go whether or not deletion by redrawing is on.
  kernel::ConstructionRecord& step = history().BeginStep(kPointDeletionKind, static_cast<std::int16_t>(i));
  step.operands[1] = -1;
  AppendPointName(step.text[0], i);
  if (const int r = RunNewStep(); r > 0) Msg(r);
}

void TGeomVWin::PaintFigure(view::FigurePainter& painter) {
  // The cells change with every site, so they belong to the moving layer of a drag.
  if (drawLayer != plane::DrawLayer::kStill) {
    const engine::FigureTables& t = tables();
    std::vector<kernel::Point2> sites;
    for (int i = 0; i <= t.last_point; ++i) {
      if (t.exists[static_cast<std::size_t>(i)]) sites.push_back(t.xy[static_cast<std::size_t>(i)]);
    }
    painter.Save();
    painter.SetPen({view::InkColor::Index(0), 0, view::kLineNone});
    const std::vector<std::vector<kernel::Point2>> cells = kernel::VoronoiCells(sites, mapping.box);
    for (std::size_t n = 0; n < cells.size(); ++n) {
      const std::vector<kernel::Point2>& cell = cells[n];
      if (cell.size() < 3) continue;
      painter.SetBrush({true, view::InkColor::Index(VoronoiCellColor(static_cast<int>(n), fileData.version)), 0});
      painter.Region(cell, "polygon", false);
    }
    painter.Restore();
  }
  TGeomEWin::PaintFigure(painter);
  if (drawLayer != plane::DrawLayer::kStill) DrawAxes(painter);
}

bool TGeomVWin::OnCommand(int id) {
  if (id == kCmdHelp) {
    const std::string text = resources::LoadString(kStringHelpAdd) + ",\r\n" + resources::LoadString(kStringHelpSlide) + ".";
    platform::MessageBox(this, text, resources::LoadString(kStringHelpCaption));
    return true;
  }
  return TGeomEWin::OnCommand(id);
}

}  // namespace special
