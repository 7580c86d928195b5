#include "plane/geom_e_win.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"
#include "platform/region.h"
#include "resources/resource_library.h"
#include "view/dc_figure_painter.h"
#include "view/settings_files.h"

namespace plane {

namespace {

constexpr int kCmdScaleOnAxes = 61;
constexpr int kCmdPiSymbol = 73;
constexpr kernel::Real kTwoPi = 2 * std::numbers::pi_v<kernel::Real>;
// The smallest y of a point of the upper half-plane.
constexpr kernel::Real kHalfPlaneFloor = static_cast<kernel::Real>(1e-16);
// Colour indices of the model frame's pen (black) and of the default fill role (white).
constexpr int kFrameColor = 0;
constexpr std::uint16_t kModelFillIndex = 1;
// Texts closer than this part of the view to where a model switch put them were not moved.
constexpr kernel::Real kTextPlaceTolerance = static_cast<kernel::Real>(1e-9);

}  // namespace

TGeomEWin::TGeomEWin(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane,
                     std::uint8_t halfPlaneModel)
    : TGeomDWin(parent, title), hyperbolic(hyperbolicPlane), halfPlane(hyperbolicPlane ? halfPlaneModel : 0) {
  SetGeometry(hyperbolic ? (halfPlane ? engine::kUpperHalfPlane : engine::kPoincareDisk) : engine::kEuclideanPlane, 2);
  std::fill(tables().circle_radius.begin(), tables().circle_radius.end(), 0);
  std::fill(tables().circle_arc_radians.begin(), tables().circle_arc_radians.end(), kTwoPi);
  qelWin.settingsFileName = hyperbolic ? view::kHyperbolicSettingsFile : view::kPlaneSettingsFile;
  qelWin.fileKind = hyperbolic ? view::kHyperbolicFileKind : view::kPlaneFileKind;
  fileMsg.mainHelp = hyperbolic ? "KVHHELP" : "KV2HELP";
  fileMsg.filters = resources::LoadString(hyperbolic ? kStringHyperbolicFilter : kStringEuclideanFilter, 255);
  fileMsg.defaultExtension = hyperbolic ? "kvh" : "kv2";
}

void TGeomEWin::SetupWindow() {
  const char* menuName = hyperbolic ? "GEOHMENU" : "GEO2MENU";
  SetMenu(menuName);
  SetAccelerators(menuName);
  TGeomDWin::SetupWindow();
  if (hyperbolic) {
    preWin.roles[kModelColorRole] = kModelFillIndex;
    // The hyperbolic windows have no scale on axes and no pi symbol.
    menu().Remove(kCmdPiSymbol);
    menu().Remove(kCmdScaleOnAxes);
    menu().SetText(kCmdUpperHalfPlane,
                   resources::LoadString(halfPlane ? kStringDiskInterior : kStringUpperHalfPlane));
    MenuChanged();
  }
  if (qelWin.settingsRead) ApplyDisplaySettings(RestorePlaneSettings(qelWin.settings));
  ClearFigure();
  // A macro window keeps the caption it was opened with and loads no file.
  if (!macroWindow) LoadStartupFile();
  if (hyperbolic) SetModelView();
  SetupMenuChecks(false);
}

void TGeomEWin::OnDestroy() {
  StorePlaneSettings(CollectDisplaySettings(), qelWin.settings);
  TGeomDWin::OnDestroy();
}

PlaneDisplaySettings TGeomEWin::CollectDisplaySettings() const {
  PlaneDisplaySettings s = display;
  s.toolbarMode = ToolbarMode();
  s.labelMode = labelDisplay.labelMode;
  s.globalMarker = labelDisplay.globalMarker;
  s.markerSize = labelDisplay.markerSize;
  s.decimals = numberFormat.decimals;
  s.fieldWidth = numberFormat.fieldWidth;
  s.axesShown = axes.axesShown;
  s.axesKind = axes.axesKind;
  s.gridKind = axes.gridKind;
  s.zoomFactor = wing.zoomFactor;
  return s;
}

void TGeomEWin::ApplyDisplaySettings(const PlaneDisplaySettings& s) {
  display = s;
  if (s.toolbarMode >= kModeSegments && s.toolbarMode <= kModeEvaluatedText) {
    qelWin.currentTool = static_cast<std::uint16_t>(s.toolbarMode);
  }
  labelDisplay.labelMode = s.labelMode;
  labelDisplay.globalMarker = s.globalMarker;
  labelDisplay.markerSize = s.markerSize;
  numberFormat.decimals = static_cast<std::int16_t>(s.decimals);
  numberFormat.fieldWidth = static_cast<std::int16_t>(s.fieldWidth);
  axes.axesShown = static_cast<std::uint8_t>(s.axesShown != 0);
  axes.axesKind = static_cast<std::uint16_t>(s.axesKind);
  axes.gridKind = static_cast<std::uint16_t>(s.gridKind);
  wing.zoomFactor = s.zoomFactor;
}

void TGeomEWin::SetModelView() {
  if (!hyperbolic) return;
  const ModelView& v = halfPlane ? kHalfPlaneView : kDiskView;
  const kernel::Real oldHalfWidth = mapping.halfWidth;
  const kernel::Real oldHalfHeight = mapping.halfHeight;
  SetView(v.centre.x, v.centre.y, v.halfWidth, v.halfHeight, false);
  RescaleTexts(mapping.halfWidth, mapping.halfHeight, oldHalfWidth, oldHalfHeight);
  wing.pictureValid = 0;
}

namespace {

// Every text of the three lists, in order (only ties and places matter).
std::vector<view::TextItem> AllTexts(const view::TextLayerData& lists) {
  std::vector<view::TextItem> texts;
  for (const view::TextList* list : {&lists.plain, &lists.evaluated, &lists.measurements})
    texts.insert(texts.end(), list->begin(), list->end());
  return texts;
}

// Whether the texts stand where they were put, up to what drawing them does to their last digits
// (far below a pixel).
bool SamePlaces(const std::vector<view::TextItem>& a, const std::vector<view::TextItem>& b, kernel::Real tolerance) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].tie != b[i].tie || std::fabs(a[i].x - b[i].x) > tolerance || std::fabs(a[i].y - b[i].y) > tolerance)
      return false;
  }
  return true;
}

void PutPlaces(view::TextLayerData& lists, const std::vector<view::TextItem>& texts) {
  std::size_t k = 0;
  for (view::TextList* list : {&lists.plain, &lists.evaluated, &lists.measurements}) {
    for (view::TextItem& item : *list) {
      item.x = texts[k].x;
      item.y = texts[k].y;
      ++k;
    }
  }
}

}  // namespace

void TGeomEWin::ShowSwitchedModel() {
  ModelSwitchMemory left;
  left.valid = true;
  left.toHalfPlane = halfPlane;
  left.centre = mapping.centre;
  left.halfWidth = mapping.halfWidth;
  left.aspect = mapping.aspect;
  left.box = mapping.box;
  left.unequal = mapping.unequal;
  left.textsLeft = AllTexts(textItems);
  // Back into the model the last switch left: its view as it was, and its texts where they stood
  // unless they were moved or changed meanwhile.
  const ModelSwitchMemory& back = modelSwitch;
  if (back.valid && back.toHalfPlane != halfPlane) {
    const kernel::Real oldHalfWidth = mapping.halfWidth;
    const kernel::Real oldHalfHeight = mapping.halfHeight;
    mapping.unequal = back.unequal;
    mapping.aspect = back.aspect;
    if (back.unequal) {
      mapping.box = back.box;
    } else {
      mapping.centre = back.centre;
      mapping.halfWidth = back.halfWidth;
    }
    UpdateView();
    const kernel::Real tolerance = kTextPlaceTolerance * std::max(oldHalfWidth, oldHalfHeight);
    if (SamePlaces(left.textsLeft, back.textsEntered, tolerance)) {
      PutPlaces(textItems, back.textsLeft);
    } else {
      RescaleTexts(mapping.halfWidth, mapping.halfHeight, oldHalfWidth, oldHalfHeight);
    }
    wing.pictureValid = 0;
  } else {
    SetModelView();
  }
  left.textsEntered = AllTexts(textItems);
  modelSwitch = std::move(left);
}

void TGeomEWin::ToggleHalfPlane() {
  if (!hyperbolic) return;
  halfPlane = halfPlane ? 0 : 1;
  engine::FigureTables& t = tables();
  for (int i = 0; i <= t.last_point; ++i) {
    if (halfPlane) {
      engine::DiskToHalfPlane(t.xy[i]);
    } else {
      engine::HalfPlaneToDisk(t.xy[i]);
    }
  }
  SetGeometry(halfPlane ? engine::kUpperHalfPlane : engine::kPoincareDisk, 2);
  menu().SetText(kCmdUpperHalfPlane, resources::LoadString(halfPlane ? kStringDiskInterior : kStringUpperHalfPlane));
  MenuChanged();
  ShowSwitchedModel();
  ReplayConstruction(true);
  SetupMenuChecks(false);
  Invalidate(false);
}

bool TGeomEWin::IsOutsideDomain(const kernel::Point2& p) const {
  if (!hyperbolic) return false;
  if (halfPlane) return !(p.y >= kHalfPlaneFloor);
  return !(p.x * p.x + p.y * p.y < 1);
}

void TGeomEWin::DrawModelFrame(view::FigurePainter& painter) {
  if (!hyperbolic) return;
  painter.Save();
  painter.SetPen({view::InkColor::Index(kFrameColor), 1, view::kLineSolid});
  painter.SetBrush({true, view::InkColor::Index(preWin.roles[kModelColorRole]), 0});
  if (halfPlane) {
    const kernel::Box2& box = mapping.box;
    if (box.ymax > 0) {
      painter.SetPen({view::InkColor::Index(kFrameColor), 0, view::kLineNone});
      painter.Rectangle({box.xmin, box.ymax}, {box.xmax, std::max<kernel::Real>(box.ymin, 0)});
      painter.SetPen({view::InkColor::Index(kFrameColor), 1, view::kLineSolid});
      painter.Segment({box.xmin, 0}, {box.xmax, 0}, true);
    }
  } else {
    painter.Circle({0, 0}, 1);
  }
  painter.Restore();
}

void TGeomEWin::PaintFigure(view::FigurePainter& painter) {
  TGeomDWin::PaintFigure(painter);
  DrawBouncePath(painter);
  if (drawLayer != DrawLayer::kStill) DrawMarkList(painter);
  if (!hyperbolic || history().steps.empty()) return;
  DrawHypercycles(painter);
  DrawHorocycles(painter);
}

void TGeomEWin::DrawHypercycles(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  for (int i = 0; i <= t.last_hypercycle; ++i) {
    const kernel::SegmentRecord& curve = t.hypercycle_points[i];
    if (!curve.exists || curve.pen.style == kInvisibleStyle || !Draws(moving.hypercycles, i)) continue;
    // Its record: the two ideal ends of its base line and the centre of the circle through them
    // and its point (or a straight carrier).
    const kernel::HypCurveRecord& r = t.hypercycles[i];
    painter.SetPen(PenOfRecord(curve.pen));
    if (r.shape != 0) {
      painter.Segment(r.points[0], r.points[1], true);
      continue;
    }
    // Of the two arcs between the ends, the one inside the model.
    const kernel::Point2& o = r.points[2];
    const kernel::Point2 u = r.points[0] - o;
    const kernel::Point2 v = r.points[1] - o;
    kernel::Real sweep = std::atan2(kernel::Cross2(u, v), kernel::Dot2(u, v));
    kernel::Point2 middle = u;
    kernel::Rotate2(middle, sweep / 2);
    if (IsOutsideDomain(middle + o)) sweep = sweep > 0 ? sweep - kTwoPi : sweep + kTwoPi;
    painter.Arc(o, r.points[0], sweep);
  }
}

void TGeomEWin::DrawHorocycles(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  painter.SetBrush({});
  for (int i = 0; i <= t.last_horocycle; ++i) {
    const kernel::SegmentRecord& curve = t.horocycle_points[i];
    if (!curve.exists || curve.pen.style == kInvisibleStyle || !Draws(moving.horocycles, i)) continue;
    // Its record: a point of the horocycle, its Euclidean centre and its ideal point.
    const kernel::HypCurveRecord& r = t.horocycles[i];
    painter.SetPen(PenOfRecord(curve.pen));
    painter.Circle(r.points[1], kernel::Dist2(r.points[0], r.points[1]));
  }
}

void TGeomEWin::PaintBackgroundPicture(platform::DC& dc) {
  TGeomDWin::PaintBackgroundPicture(dc);
  view::DcFigurePainter painter(dc, mapping, DcRules());
  DrawModelFrame(painter);
}

bool TGeomEWin::PaintPicture(platform::DC& dc) {
  // The whole picture as the screen's levels draw it, on a page at the page's scale: the axes and
  // pasted pictures, the model, the figure, then the texts, labels and Pick dots, each font at the
  // size it has on the screen next to the figure.
  const bool printing = qelWin.printing != 0;
  if (printing) {
    UpdateScale();
    SetPrinterScale(dc);
    ScaleFonts(true, PrintedTextDpi());
  }
  {
    const platform::DC::SavedState saved(dc);
    dc.SelectClipRegion(platform::Region::FromRect(
        {preWin.originX, preWin.originY, preWin.originX + preWin.width, preWin.originY + preWin.height}));
    view::DcFigurePainter painter(dc, mapping, DcRules());
    DrawAxes(painter);
    DrawScaleLabels(painter);
    DrawPictures(painter);
    DrawModelFrame(painter);
    PaintFigure(painter);
    PaintAll(painter);
  }
  if (printing) ScaleFonts(false, PrintedTextDpi());
  return true;
}

bool TGeomEWin::ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) {
  DrawModelFrame(painter);
  DrawScene(painter);
  return TGeomDWin::ExportPicture(painter, frame);
}

bool TGeomEWin::OnCommand(int id) {
  if (FillCommand(id)) return true;
  if (id == kCmdUpperHalfPlane && hyperbolic) {
    ToggleHalfPlane();
    return true;
  }
  if (CurveDialogCommand(id)) return true;
  if (ShowToolDialog(id)) return true;
  if (PlaneDialogCommand(id)) return true;
  if (SolidCommand(id)) return true;
  if (WindowCommand(id)) return true;
  if (ObjectSettingCommand(id)) return true;
  return TGeomDWin::OnCommand(id);
}

void TGeomEWin::EnableCommand(platform::CommandState& state) {
  if (EnableFillCommand(state)) return;
  if (state.id == kCmdUpperHalfPlane) {
    state.enabled = hyperbolic != 0;
    return;
  }
  if (EnablePlaneDialogCommand(state)) return;
  if (EnableWindowCommand(state)) return;
  if (EnableObjectSettingCommand(state)) return;
  if (CurveDialogEnabled(state)) return;
  TGeomDWin::EnableCommand(state);
}

}  // namespace plane
