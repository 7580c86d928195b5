#include "sphere/geom_s_win.h"

#include <array>
#include <numbers>

#include "engine/step_contract.h"
#include "kernel/vector3.h"
#include "solidview/view_commands.h"

namespace sphere {

namespace {

// Btns > Segments.
constexpr std::uint16_t kSegmentsMode = 120;
constexpr std::uint16_t kWhiteIndex = 1;
// The view of a new window: the box around the ball, the observer.
constexpr kernel::Real kBoxHalf = static_cast<kernel::Real>(0.7);
constexpr kernel::Point3 kFirstObserver{6, 8, 5};
constexpr kernel::Real kAxisLength = static_cast<kernel::Real>(1.35);
// Point > Triangle: the popup at position 7 of the second popup of the menu bar.
const std::vector<int> kTrianglePopupPath{1, 7};
// The description word of a movable point.
constexpr std::int16_t kWordMovable = 211;

// Commands of the sphere menu whose spherical constructions are not offered yet.
constexpr std::array kNotYetOnTheBall{
    734,  794,  778,  780,  781,  782,  730,  731,  717,  723,  767,  765,  766,  837,  772,  773,  774,
    776,  736,  670,  803,  797,  761,  762,  769,  763,  1134, 1135, 741,  758,  742,  121,  122,  123,
    124,  125,  126,  127,  128,  129,  750,  712,  706,  714,  713,  722,  875,  873,  705,  707,  1149};

}  // namespace

TGeomSWin::TGeomSWin(platform::FrameWindow* parent, std::string_view title, bool macro)
    : TGeomQWin(parent, title, true) {
  macroWindow = macro ? 1 : 0;
  if (macro) {
    readSettings = 0;
    qelWin.writeSettings = 0;
    fileMsg.openLast = 0;
  }
  tables().sphere_frames.Allocate();
  qelWin.currentTool = kSegmentsMode;
  preWin.roles[kBallColorRole] = kWhiteIndex;
  preWin.roles[kBallOutlineRole] = kWhiteIndex;
  boxMin = {-kBoxHalf, -kBoxHalf, -kBoxHalf};
  boxMax = {kBoxHalf, kBoxHalf, kBoxHalf};
  viewCentre = {0, 0, 0};
  observer = kFirstObserver;
  axisLengths = {kAxisLength, kAxisLength, kAxisLength};
  ComputeViewFromObserver();
  fresh_ = CollectSettings();
}

bool TGeomSWin::ComputeViewFromObserver() {
  const bool framed = TGeomQWin::ComputeViewFromObserver();
  kernel::ComputeHorizon(observer, horizon);
  return framed;
}

bool TGeomSWin::IsVisible(const kernel::Point3& p) const {
  if (display.displayMode == solidview::kShowHiddenLines) return true;
  if (kernel::InsideUnitBall(p)) return false;
  return kernel::FacesObserver(p, observer);
}

void TGeomSWin::ComputePointVisibility() {
  engine::FigureTables& t = tables();
  const bool all = display.displayMode == solidview::kShowHiddenLines ||
                   (display.labelsInDottedMode != 0 && display.displayMode == solidview::kDotHiddenLines);
  for (int i = 0; i <= t.last_point; ++i) {
    t.second_flag[static_cast<std::size_t>(i)] =
        all || kernel::FacesObserver(t.xyz[static_cast<std::size_t>(i)], observer) ? 1 : 0;
  }
}

void TGeomSWin::SetupWindow() {
  TGeomQWin::SetupWindow();
  if (qelWin.settingsRead) ApplySettings(RestoreSphereSettings(qelWin.settings, fresh_));
  ClearFigure();
  FitViewToModel();
  initialHalfWidth = mapping.halfWidth;
  SetupMenuChecks(false);
}

void TGeomSWin::OnDestroy() {
  if (!macroWindow) StoreSphereSettings(CollectSettings(), qelWin.settings);
  TGeomQWin::OnDestroy();
}

SphereSettings TGeomSWin::CollectSettings() const {
  SphereSettings s;
  s.mouseMode = qelWin.currentTool;
  s.opaqueLabels = axes.opaqueLabels;
  s.bulletSize = labelDisplay.markerSize;
  s.displayMode = display.displayMode;
  s.decimals = numberFormat.decimals;
  s.showUnits = compiler.settings.show_units ? 1 : 0;
  s.toolbarShown = const_cast<TGeomSWin*>(this)->toolbar() != nullptr ? 1 : 0;
  s.labelsInDottedMode = display.labelsInDottedMode;
  s.highResolution = highResolution;
  s.observer = observer;
  s.zoomFactor = wing.zoomFactor;
  s.rotationStep = rotationStep;
  return s;
}

void TGeomSWin::ApplySettings(const SphereSettings& s) {
  qelWin.currentTool = static_cast<std::uint16_t>(s.mouseMode);
  axes.opaqueLabels = static_cast<std::uint8_t>(s.opaqueLabels);
  labelDisplay.markerSize = s.bulletSize;
  display.displayMode = static_cast<std::uint16_t>(s.displayMode);
  numberFormat.decimals = static_cast<std::int16_t>(s.decimals);
  numberFormat.fieldWidth = static_cast<std::int16_t>(s.decimals + 2);
  compiler.settings.show_units = s.showUnits != 0;
  display.labelsInDottedMode = static_cast<std::uint8_t>(s.labelsInDottedMode);
  highResolution = static_cast<std::uint8_t>(s.highResolution);
  observer = s.observer;
  wing.zoomFactor = s.zoomFactor;
  rotationStep = s.rotationStep;
  ComputeViewFromObserver();
  if (s.toolbarShown) ShowToolbar();
}

void TGeomSWin::RestoreView() {
  boxMin = {-kBoxHalf, -kBoxHalf, -kBoxHalf};
  boxMax = {kBoxHalf, kBoxHalf, kBoxHalf};
  viewCentre = {0, 0, 0};
  observer = kFirstObserver;
  ComputeViewFromObserver();
  FitViewToModel();
  Redraw(1);
}

int TGeomSWin::DoMovablePoint(std::string* out) {
  engine::StepEngine& e = stepEngine;
  kernel::ConstructionRecord& step = *e.current();
  if (const int code = engine::CheckRoom(e.tables, {1}); code != 0) return code;
  const std::uint16_t label = step.operands[0];
  const std::int16_t id = label < engine::kPointCapacity ? static_cast<std::int16_t>(label) : std::int16_t{-1};
  const int next = e.tables.last_point + 1;
  // A label that another point holds already (a history read from a file) gives way to a free one.
  const bool taken = id >= 0 && e.tables.label_map[id] >= 0 && e.tables.label_map[id] != next;
  if (e.AddPoint3D(e.tables.xyz[static_cast<std::size_t>(next)], 0, taken ? std::int16_t{-1} : id) < 0) {
    return engine::kMsgNoMoreRoom;
  }
  e.tables.projected[static_cast<std::size_t>(next)] = PointToScreen(e.tables.xyz[static_cast<std::size_t>(next)]);
  if (out == nullptr) return 0;
  static constexpr std::array<std::int16_t, 5> kMovable{5, kWordMovable, ' ', 9, engine::kTemplateEnd};
  e.ExpandTemplate(out, kMovable);
  return 0;
}

void TGeomSWin::UpdateMenu() {
  TGeomQWin::UpdateMenu();
  const resources::MenuItem* triangle = menu().ItemAt(kTrianglePopupPath);
  if (triangle == nullptr) return;
  const bool enabled = tables().last_point >= 2;
  if (triangle->enabled == enabled) return;
  menu().EnableAt(kTrianglePopupPath, enabled);
  MenuChanged();
}

bool TGeomSWin::OnCommand(int id) {
  if (id == kCmdRestoreView) {
    RestoreView();
    return true;
  }
  return TGeomQWin::OnCommand(id);
}

void TGeomSWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdRestoreView) {
    state.enabled = true;
    return;
  }
  for (const int id : kNotYetOnTheBall) {
    if (state.id == id) {
      state.enabled = false;
      return;
    }
  }
  TGeomQWin::EnableCommand(state);
}

}  // namespace sphere
