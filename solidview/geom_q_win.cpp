#include "solidview/geom_q_win.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "kernel/observer_placement.h"
#include "kernel/vector3.h"
#include "solid/model_view_fit.h"
#include "solid/obs_dlg.h"
#include "resources/resource_library.h"
#include "solidview/view_commands.h"
#include "solidview/view_personality.h"
#include "view/dc_figure_painter.h"
#include "view/qel_wint.h"

namespace solidview {

namespace {

// The longest filter text of the open and save dialogs.
constexpr int kFilterChars = 255;
// The tolerance within which two points count as one, per unit of the model's size scale.
constexpr kernel::Real kPointTolerancePerEpsilon = static_cast<kernel::Real>(0.0001);
// "could not find"
constexpr int kMsgNotFound = 2;

using Edge = std::pair<std::uint16_t, std::uint16_t>;

Edge EdgeOf(std::uint16_t a, std::uint16_t b) { return a < b ? Edge{a, b} : Edge{b, a}; }

}  // namespace

TGeomQWin::TGeomQWin(platform::FrameWindow* parent, std::string_view title, bool spherical)
    : TGeomPSWin(parent, title) {
  const ViewPersonality& personality = PersonalityOf(spherical);
  if (spherical) SetGeometry({.Hyperbolic = false, .HalfPlane = false, .Spherical = true}, 3);
  menuName = personality.menu;
  fileMsg.mainHelp = personality.help;
  qelWin.fileKind = personality.fileKind;
  qelWin.settingsFileName = personality.settingsFile;
  fileMsg.defaultExtension = personality.extension;
  fileMsg.filters = resources::LoadString(personality.filterString, kFilterChars);
  // A new window in space starts in the text mode: its clicks edit texts and relabel points.
  qelWin.currentTool = view::kCmdTextTool;
}

void TGeomQWin::SetupWindow() {
  TGeomPSWin::SetupWindow();
  SetMenu(menuName);
  SetAccelerators(menuName);
  SetupMenuChecks(false);
}

void TGeomQWin::OnDestroy() {
  CloseObserverDialog();
  TGeomPSWin::OnDestroy();
}

void TGeomQWin::SetupMenuChecks(bool redraw) {
  for (const int mode : {kPainted, kDotHiddenLines, kShowHiddenLines, kRayTraced, kPaintedAndDotted}) {
    CheckMenu(DisplayModeCommand(mode), display.displayMode == mode);
  }
  CheckMenu(kCmdOutlines, display.outlinesOn != 0);
  CheckMenu(kCmdLabelsInDottedMode, display.labelsInDottedMode != 0);
  CheckMenu(kCmdConvexityAssumed, convexityAssumed != 0);
  CheckMenu(kCmdFixAxisLengths, axisLengthsFixed != 0);
  CheckMenu(kCmdAxisLabels, display.axisLabelsOn != 0);
  CheckMenu(kCmdAxisArrows, display.axisArrowsOn != 0);
  TGeomPSWin::SetupMenuChecks(redraw);
}

bool TGeomQWin::OnCommand(int id) {
  const int mode = DisplayModeOfCommand(id);
  if (mode >= 0 && id != kCmdRayTraced) {
    SetDisplayMode(mode);
    return true;
  }
  switch (id) {
    case kCmdRayTraced:
    case kCmdPointCoordinates: return true;  // not offered yet (greyed)
    case kCmdObserverCoordinates: ShowObserverDialog(); return true;
    case kCmdObserverIn: ObserverIn(); return true;
    case kCmdObserverOut: ObserverOut(); return true;
    case kCmdObserverFarOut: ObserverFarOut(); return true;
    case kCmdObserverIsometric: IsometricObserver(); return true;
    case kCmdRotationAngle: AskRotationStep(); return true;
    case kCmdTurn: TurnObserver(1); return true;
    case kCmdTurnBack: TurnObserver(-1); return true;
    case kCmdRotateUp: TiltObserver(true); return true;
    case kCmdRotateDown: TiltObserver(false); return true;
    case kCmdArrowheadSize: AskArrowheadSize(); return true;
    case kCmdFixAxisLengths: AskAxisLengths(); return true;
    case kCmdAxisArrows: ToggleDisplayFlag(display.axisArrowsOn, false); return true;
    case kCmdAxisLabels: ToggleDisplayFlag(display.axisLabelsOn, false); return true;
    case kCmdOutlines: ToggleOutlines(); return true;
    case kCmdLabelsInDottedMode: ToggleDisplayFlag(display.labelsInDottedMode, true); return true;
    default: break;
  }
  return TGeomPSWin::OnCommand(id);
}

void TGeomQWin::EnableCommand(platform::CommandState& state) {
  switch (state.id) {
    case kCmdRayTraced:
    case kCmdPointCoordinates: state.enabled = false; return;
    case kCmdOutlines:
      state.enabled = display.displayMode == kPainted || display.displayMode == kRayTraced ||
                      display.displayMode == kPaintedAndDotted;
      return;
    default: break;
  }
  TGeomPSWin::EnableCommand(state);
}

void TGeomQWin::ComputeModelBox() {
  const kernel::ModelBoxView box =
      solid::ComputeModelBox(tables(), solid(), axisLengths, axisLengthsFixed != 0, boxMin, boxMax);
  viewCentre = box.centre;
  modelEpsilon = box.epsilon;
  modelTables.point_tolerance = kPointTolerancePerEpsilon * modelEpsilon;
  KeepObserverInRange();
}

void TGeomQWin::FitViewToModel() {
  const kernel::Real oldHalfWidth = mapping.halfWidth;
  const kernel::Real oldHalfHeight = mapping.halfHeight;
  ComputeViewFromObserver();
  UpdateView();
  if (!solid::FitViewToBox(frame, boxMin, boxMax, mapping)) return;
  RescaleTexts(mapping.halfWidth, mapping.halfHeight, oldHalfWidth, oldHalfHeight);
  UpdateMarkScales();
}

void TGeomQWin::KeepObserverInRange() {
  kernel::KeepObserverInRange(boxMin, boxMax, viewCentre, observer);
  if (observerDialog() != nullptr) observerDialog()->ShowObserver();
}

void TGeomQWin::Update(bool /*keepView*/) {
  if (!model().Spherical) {
    mapping.aspect = 1;
    ComputeModelBox();
    FitViewToModel();
  }
  ShowProjectedModel();
}

void TGeomQWin::Redraw(int /*flag*/) {
  ComputeViewFromObserver();
  UpdateMarkScales();
  ShowProjectedModel();
}

void TGeomQWin::ShowProjectedModel() {
  UpdateProjection(-1);
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeomQWin::ClearFigure() {
  TGeomPSWin::ClearFigure();
  ClearLabels();
}

void TGeomQWin::ClearLabels() {
  engine::FigureTables& t = tables();
  std::fill(t.exists.begin(), t.exists.end(), 0);
  for (int label = 0; label < static_cast<int>(t.label_map.size()); ++label) {
    if (t.label_map[static_cast<std::size_t>(label)] >= 0) t.FreeLabel(label);
  }
  t.last_point = -1;
  solid().Clear();
  modelTables.last_edge = -1;
  stepEngine.figure_counter = 0;
}

int TGeomQWin::MovePointXYZ(int i, const kernel::Point3& p) {
  engine::FigureTables& t = tables();
  if (!t.PointExists(i)) return kMsgNotFound;
  const int tag = t.attrs[static_cast<std::size_t>(i)].tag;
  if (tag == 0) {
    t.xyz[static_cast<std::size_t>(i)] = p;
  } else {
    const kernel::Point3 shift = p - t.xyz[static_cast<std::size_t>(i)];
    for (int j = 0; j <= t.last_point; ++j) {
      const auto k = static_cast<std::size_t>(j);
      if (t.exists[k] && (tag < 0 || t.attrs[k].tag == tag)) t.xyz[k] = t.xyz[k] + shift;
    }
  }
  ReplayConstruction(true);
  Redraw(0);
  return 0;
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
