#include "solidview/geom_q_win.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "kernel/observer_placement.h"
#include "kernel/vector3.h"
#include "solid/model_view_fit.h"
#include "solid/obs_dlg.h"
#include "resources/resource_library.h"
#include "solidview/view_commands.h"
#include "solidview/view_personality.h"
#include "view/qel_wint.h"

namespace solidview {

namespace {

// The longest filter text of the open and save dialogs.
constexpr int kFilterChars = 255;
// The tolerance within which two points count as one, per unit of the model's size scale.
constexpr kernel::Real kPointTolerancePerEpsilon = static_cast<kernel::Real>(0.0001);
// "could not find"
constexpr int kMsgNotFound = 2;

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

bool TGeomQWin::ExportPicture(view::FigurePainter& painter, const view::ExportFrame& exportFrame) {
  PaintFigure(painter);
  DrawLabels(painter, -1, false);
  return TGeomPSWin::ExportPicture(painter, exportFrame);
}

int TGeomQWin::ReplayConstruction(bool replaying) {
  const int result = TGeomPSWin::ReplayConstruction(replaying);
  UpdateProjection(-1);
  return result;
}

}  // namespace solidview
