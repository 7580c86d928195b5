// The measurement graph window: its life with the plane window, its commands, the choice of the
// graph shown and the evaluation of its cursor.
#include "plane/graph_win.h"

#include <algorithm>
#include <utility>

#include "engine/point_parameter.h"
#include "kernel/file_names.h"
#include "plane/geom11_win.h"
#include "plane/graph_inventory_dlg.h"
#include "resources/resource_library.h"
#include "view/settings_files.h"

namespace plane {

namespace {

constexpr int kStringGraphs = 119;

}  // namespace

TGraphWin::TGraphWin(TGeom11Win& plane, std::string_view title) : TGeom10Win(&plane, title), plane_(plane) {
  SetGeometry(engine::kEuclideanPlane, 2);
  qelWin.settingsFileName = view::kGraphSettingsFile;
  fileMsg.mainHelp = "KV2HELP";
  fileMsg.filters = "Geom Files (*.KVG)|*.kvg";
  fileMsg.defaultExtension = "kvg";
  fileMsg.fileName = std::string(title);
  preWin.bitmapLevel = kGraphBitmapLevel;
}

TGraphWin::~TGraphWin() = default;

void TGraphWin::SetupWindow() {
  SetMenu("GRAFMENU");
  SetAccelerators("GRAFMENU");
  TGeom10Win::SetupWindow();
  // A graph is read against its axes: they are on unless the settings file says otherwise.
  if (!qelWin.settingsRead) axes.axesShown = 1;
  ClearFigure();
  inventory_ = std::make_unique<TGrTraceDlg>(this);
  inventory_->Create();
  inventory_->Hide();
  SetupMenuChecks(false);
}

void TGraphWin::OnDestroy() {
  inventory_.reset();
  plane_.GraphWindowGone();
  TGeom10Win::OnDestroy();
}

GraphItems& TGraphWin::graphs() { return plane_.graphState.items; }
const GraphItems& TGraphWin::graphs() const { return plane_.graphState.items; }
int& TGraphWin::cursorMode() { return plane_.graphState.cursorMode; }

void TGraphWin::SetTitle(std::string_view fileName) {
  // The name may be the window's own file name: it is copied before that is replaced.
  std::string name(fileName);
  SetCaption(resources::LoadString(kStringGraphs) + " [" + kernel::FileNamePart(name, false) + "]");
  fileMsg.fileName = std::move(name);
}

std::string TGraphWin::CurrentMeasurementName() const {
  if (currentMeasurement < 0 || currentMeasurement >= static_cast<int>(measurements.size())) return {};
  return GraphName(measurements[static_cast<std::size_t>(currentMeasurement)].text);
}

void TGraphWin::SelectMeasurement(int i) {
  if (i < 0 || i >= static_cast<int>(measurements.size())) return;
  currentMeasurement = i;
  graphs().current = -1;
  EvaluateTracePoint();
  wing.pictureValid = 0;
}

int TGraphWin::SelectGraphOfMeasurement(bool next) { return graphs().Select(CurrentMeasurementName(), next); }

int TGraphWin::FindPointByName(std::string_view text) const { return plane_.FindPointByName(text); }

int TGraphWin::AppendPointName(std::string& text, int i) const { return plane_.AppendPointName(text, i); }

bool TGraphWin::Evaluate(const std::string& text, Real& value) {
  std::string expression = text;
  engine::ExprValue result;
  if (plane_.CompileExpression(expression, result) > 0) return false;
  value = result.x;
  return true;
}

Real* TGraphWin::ControlCell(const kernel::TraceRecord& record) {
  const int index = static_cast<std::int16_t>(record.word5);
  if (record.byte4 == kControlPoint) {
    // Only a point that slides on its object is placed from its parameter.
    if (!engine::PointHasParameter(plane_.stepEngine, index)) return nullptr;
    return &plane_.tables().attrs[static_cast<std::size_t>(index)].value;
  }
  if (index < 0 || index >= engine::kSliderCount) return nullptr;
  return &plane_.sliderValues()[static_cast<std::size_t>(index)].value;
}

bool TGraphWin::EvaluateTracePoint() {
  GraphItems& items = graphs();
  if (!items.HasCurrent()) return false;
  const auto i = static_cast<std::size_t>(items.current);
  const kernel::TraceRecord& record = items.records[i];
  const Real* cell = ControlCell(record);
  if (cell == nullptr || *cell < record.value17 || *cell > record.value27) return false;
  Real x = 0;
  Real y = 0;
  if (!Evaluate(CompanionText(items.companions[i], 0), x) || !Evaluate(CompanionText(items.companions[i], 1), y))
    return false;
  tracedPoint = {x, y};
  return true;
}

bool TGraphWin::FitRangeToGraph(int k) {
  if (k < 0 || k >= engine::kSliderCount || SliderSymbolIndex(CurrentMeasurementName()) != k) return false;
  const engine::AnimationParameter& slider = plane_.sliderValues()[static_cast<std::size_t>(k)];
  Real xmin = mapping.box.xmin;
  Real xmax = mapping.box.xmax;
  if (!GraphRangeForSlider(slider.low, slider.high, xmin, xmax)) return false;
  // The x-range follows the slider; the y-range stays.
  const Real cy = (mapping.box.ymin + mapping.box.ymax) / 2;
  const Real hh = (mapping.box.ymax - mapping.box.ymin) / 2;
  SetView((xmin + xmax) / 2, cy, (xmax - xmin) / 2, hh, true);
  wing.pictureValid = 0;
  return true;
}

void TGraphWin::SetViewBox(const kernel::Point2& centre, Real halfWidth, Real halfHeight, bool unequal) {
  TGeom10Win::SetViewBox(centre, halfWidth, halfHeight, unequal);
  EvaluateTracePoint();
}

void TGraphWin::FigureChanged() {
  const int slider = SliderSymbolIndex(CurrentMeasurementName());
  if (slider >= 0 && FitRangeToGraph(slider)) UpdateView();
  EvaluateTracePoint();
  wing.pictureValid = 0;
  RepaintNow();
}

void TGraphWin::SaveGraphState() {
  GraphWindowState& state = plane_.graphState;
  state.placed = true;
  state.placement = Placement();
  state.viewSet = true;
  state.box = mapping.box;
  state.measurement = currentMeasurement;
  state.texts = textItems.measurements;
}

void TGraphWin::Hide() {
  SaveGraphState();
  if (inventory_) inventory_->Hide();
  TGeom10Win::Hide();
}

void TGraphWin::ShowInventory() {
  if (!inventory_) return;
  if (inventory_->closed) inventory_->FillGraphList();
  inventory_->ShowCurrentGraph();
  inventory_->FillList();
  inventory_->Show();
  inventory_->closed = 0;
}

void TGraphWin::SetModified() { plane_.SetModified(); }

void TGraphWin::GraphsChanged() {
  EvaluateTracePoint();
  wing.pictureValid = 0;
  SetModified();
  RepaintNow();
}

void TGraphWin::NextMarkerMode() {
  int& mode = cursorMode();
  mode = mode + 1 >= kCursorModes ? kCursorOff : mode + 1;
  SetupMenuChecks(false);
  RepaintNow();
}

void TGraphWin::SetupMenuChecks(bool redraw) {
  TGeom10Win::SetupMenuChecks(redraw);
  if (IsCreated()) CheckMenu(kCmdGraphMarker, cursorMode() != kCursorOff);
}

bool TGraphWin::OnCommand(int id) {
  switch (id) {
    case kCmdGraphMarker: NextMarkerMode(); return true;
    case kCmdGraphInventory: ShowInventory(); return true;
    case kCmdNextGraph:
      SelectGraphOfMeasurement(true);
      EvaluateTracePoint();
      wing.pictureValid = 0;
      RepaintNow();
      if (inventory_) inventory_->FillList();
      return true;
    default:
      // Views, axes, grids, fonts and colours all change the picture the window paints from.
      wing.pictureValid = 0;
      return TGeom10Win::OnCommand(id);
  }
}

void TGraphWin::EnableCommand(platform::CommandState& state) {
  if (state.id == kCmdGraphMarker) {
    state.checked = cursorMode() != kCursorOff;
    return;
  }
  TGeom10Win::EnableCommand(state);
}

void TGraphWin::OnMouseDown(const platform::MouseEvent& e) {
  const platform::PointI pixel{e.x, e.y};
  if (e.button == platform::MouseButton::Right) {
    EditText(pixel);
    RepaintNow();
    return;
  }
  if (e.button != platform::MouseButton::Left) return;
  if (DragText(pixel, textItems.plain) || DragText(pixel, textItems.evaluated) ||
      DragText(pixel, textItems.measurements))
    RepaintNow();
}

int TGraphWin::ParsePointSelection(std::string text) {
  std::array<std::uint16_t, kAnimatedPointCapacity + 1> found{};
  const int n = plane_.tables().ParseExistingPoints(text, found, kAnimatedPointCapacity);
  animatedPoints.clear();
  for (int k = 0; k < n; ++k) animatedPoints.push_back(found[static_cast<std::size_t>(k)]);
  return animatedPoints.empty() ? 0 : kAnimatePoints;
}

int TGraphWin::SetAnimationControl(std::string_view parameterText) {
  animatedSliders = {};
  bool named = false;
  bool others = false;
  for (char c : parameterText) {
    if (c == ' ' || c == ',') continue;
    const std::size_t k = kGraphSliderSymbols.find(c);
    if (k == std::string_view::npos) others = true;
    else animatedSliders[k] = named = true;
  }
  if (named && !others) return kAnimateSliders;
  animatedSliders = {};
  return ParsePointSelection(std::string(parameterText));
}

}  // namespace plane
