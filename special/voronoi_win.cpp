#include "special/voronoi_win.h"

#include <optional>
#include <vector>

#include "kernel/number_text.h"
#include "kernel/voronoi_cell.h"
#include "platform/dc.h"
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
constexpr int kStringDisplayThickness = 16;
// The largest thickness the thickness prompt takes; a file's larger one is no thickness.
constexpr std::int32_t kLargestBisectorThickness = 32767;
constexpr int kPointDeletionKind = 141;
// Colour role 1 of the window takes colour index 0.
constexpr int kSiteColorRole = 1;
// Sites show an open dot and no label.
constexpr std::uint16_t kSiteMarker = 1;

// The frame of a cell `thickness` pixels wide inside its edges, in world coordinates: one polygon
// with its hole (`ring`) for a device, which fills by the winding rule, else convex pieces for the
// writers that shade only simple shapes. The cell is framed in pixel units, so that the band
// keeps its width whatever the two scales.
struct CellFrame {
  std::vector<kernel::Point2> scaled;
  std::vector<kernel::Point2> ring;
  std::vector<std::vector<kernel::Point2>> pieces;

  void Make(const std::vector<kernel::Point2>& cell, const view::ViewMapping& m, int thickness, bool asRing) {
    scaled.clear();
    for (const kernel::Point2& p : cell) scaled.push_back({p.x * m.pixelsPerUnitX, p.y * m.pixelsPerUnitY});
    pieces.clear();
    ring.clear();
    if (asRing) {
      kernel::ConvexFrameRing(scaled, thickness, ring);
      ToWorld(ring, m);
      return;
    }
    kernel::ConvexFramePieces(scaled, thickness, pieces);
    for (std::vector<kernel::Point2>& piece : pieces) ToWorld(piece, m);
  }
  static void ToWorld(std::vector<kernel::Point2>& points, const view::ViewMapping& m) {
    for (kernel::Point2& p : points) p = {p.x / m.pixelsPerUnitX, p.y / m.pixelsPerUnitY};
  }
};

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
  // Only points whose own flag says so are labelled: the sites, made without, stay unlabelled.
  labelDisplay.labelMode = 0;
}

void TGeomVWin::SetupWindow() {
  TGeomEWin::SetupWindow();
  lineAttributes.thickness = kDefaultBisectorThickness;
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
  if (drawLayer != plane::DrawLayer::kStill) PaintCells(painter);
  TGeomEWin::PaintFigure(painter);
  if (drawLayer != plane::DrawLayer::kStill) DrawAxes(painter);
}

void TGeomVWin::PaintCells(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  std::vector<kernel::Point2> sites;
  for (int i = 0; i <= t.last_point; ++i) {
    if (t.exists[static_cast<std::size_t>(i)]) sites.push_back(t.xy[static_cast<std::size_t>(i)]);
  }
  const std::vector<std::vector<kernel::Point2>> cells = kernel::VoronoiCells(sites, mapping.box);
  painter.Save();
  painter.SetPen({view::InkColor::Index(0), 0, view::kLineNone});
  for (std::size_t n = 0; n < cells.size(); ++n) PaintCell(painter, cells[n], static_cast<int>(n));
  painter.Restore();
}

void TGeomVWin::PaintCell(view::FigurePainter& painter, const std::vector<kernel::Point2>& cell, int n) {
  if (cell.size() < 3) return;
  painter.SetBrush({true, view::InkColor::Index(VoronoiCellColor(n, fileData.version)), 0});
  if (!CellsOutlined()) {
    painter.Region(cell, "polygon", false);
    return;
  }
  CellFrame frame;
  frame.Make(cell, painter.mapping(), BisectorThickness(), painter.Device() != nullptr);
  painter.Region(frame.ring, "polygon", false);
  for (const std::vector<kernel::Point2>& piece : frame.pieces) painter.Region(piece, "polygon", false);
}

int TGeomVWin::BisectorThickness() const {
  if (qelWin.printing) return device.printerExtraWidth + 1;
  return lineAttributes.thickness;
}

bool TGeomVWin::PaintPicture(platform::DC& dc) {
  if (qelWin.printing && preWin.backBitmap) {
    const kernel::Real scale = qelWin.printerScale;
    const platform::Rect picture{preWin.originX, preWin.originY, preWin.originX + preWin.width,
                                 preWin.originY + preWin.height};
    const platform::Rect dest{picture.left, picture.top,
                              picture.left + static_cast<int>(kernel::RoundLD(preWin.backWidth * scale)),
                              picture.top + static_cast<int>(kernel::RoundLD(preWin.backHeight * scale))};
    const std::optional<platform::Region> clip = dc.clipRegion();
    dc.SelectClipRegion(platform::Region::FromRect(picture));
    dc.StretchBitmap(dest, *preWin.backBitmap, {0, 0, preWin.backWidth, preWin.backHeight}, platform::RasterOp::Copy);
    if (clip) dc.SelectClipRegion(*clip);
    else dc.ClearClipRegion();
  }
  return TGeomEWin::PaintPicture(dc);
}

void TGeomVWin::CmBisectorThickness() {
  if (!AskInteger(lineAttributes.thickness, kStringDisplayThickness)) return;
  InvalidateBuffer(preWin.bitmapLevel);
  Invalidate(false);
  SetModified();
}

bool TGeomVWin::WriteData() {
  display.penWidth = lineAttributes.thickness;
  return TGeomEWin::WriteData();
}

int TGeomVWin::ReadData() {
  const int result = TGeomEWin::ReadData();
  if (result != 0) return result;
  const std::int32_t stored = display.penWidth;
  lineAttributes.thickness = static_cast<std::uint16_t>(
      stored >= 0 && stored <= kLargestBisectorThickness ? stored : kDefaultBisectorThickness);
  return 0;
}

bool TGeomVWin::OnCommand(int id) {
  if (id == kCmdHelp) {
    const std::string text = resources::LoadString(kStringHelpAdd) + ",\r\n" + resources::LoadString(kStringHelpSlide) + ".";
    platform::MessageBox(this, text, resources::LoadString(kStringHelpCaption));
    return true;
  }
  if (id == kCmdBisectorThickness) {
    CmBisectorThickness();
    return true;
  }
  return TGeomEWin::OnCommand(id);
}

void TGeomVWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdBisectorThickness) {
    state.enabled = CellsOutlined();
    return;
  }
  TGeomEWin::EnableCommand(state);
}

}  // namespace special
