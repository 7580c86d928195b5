// The plane window's side of its measurement graph window: opening it with the window's state,
// hiding it, and keeping it in step with the figure.
#include <algorithm>

#include "plane/geom11_win.h"
#include "plane/graph_block.h"
#include "plane/graph_inventory_dlg.h"
#include "plane/graph_win.h"
#include "shell/child_windows.h"
#include "shell/message_numbers.h"

namespace plane {

namespace {

constexpr int kMsgNeedTwoMeasurements = 141;
// The marker choice word of the stored graph block.
constexpr std::size_t kPlotMarkerOffset = 6;

}  // namespace

int TGeom11Win::OpenGraphWindow() {
  if (textItems.measurements.size() < 2) {
    Msg(kMsgNeedTwoMeasurements);
    return kMsgNeedTwoMeasurements;
  }
  if (graphWindow_ == nullptr) {
    const int slot = shell::FindFreeSlot();
    if (slot < 0) {
      Msg(shell::kNoMoreRoom);
      return shell::kNoMoreRoom;
    }
    auto* window = new TGraphWin(*this, "");
    shell::ChildWindows()[slot] = 1;
    window->slotIndex = slot;
    window->Create();
    graphWindow_ = window;
  }
  TGraphWin& graph = *graphWindow_;
  GraphWindowState& state = graphState;
  if (state.placed) graph.MoveTo(state.placement);
  graph.measurements = textItems.measurements;
  graph.textItems.measurements = state.texts;
  graph.currentMeasurement = std::clamp(state.measurement, 0, static_cast<int>(graph.measurements.size()) - 1);
  if (state.viewSet) {
    const kernel::Box2& b = state.box;
    graph.SetView((b.xmin + b.xmax) / 2, (b.ymin + b.ymax) / 2, (b.xmax - b.xmin) / 2, (b.ymax - b.ymin) / 2, true);
  }
  graph.SelectGraphOfMeasurement(false);
  graph.UpdateView();
  graph.ViewStack(0);
  if (TGrTraceDlg* inventory = graph.inventory()) {
    inventory->ShowCurrentGraph();
    inventory->FillGraphList();
    inventory->FillList();
  }
  graph.SetTitle(fileMsg.fileName);
  graph.Show();
  graph.fileMsg.hidden = 0;
  graph.EvaluateTracePoint();
  graph.RepaintNow();
  return 0;
}

bool TGeom11Win::GraphWindowShown() const {
  return graphWindow_ != nullptr && !graphWindow_->IsDestroyed() && graphWindow_->fileMsg.hidden == 0;
}

void TGeom11Win::HideGraphWindow() {
  if (GraphWindowShown()) graphWindow_->Hide();
}

void TGeom11Win::DrawGraphs() {
  if (GraphWindowShown()) graphWindow_->FigureChanged();
}

void TGeom11Win::CollectGraphBlock(engine::PlotSettingsPiece& plot) {
  if (GraphWindowShown()) graphWindow_->SaveGraphState();
  plot.traces = graphState.items.records;
  plot.companions = graphState.items.companions;
  plot.texts = graphState.texts;
  // Written only once a graph window has stood somewhere: a figure that never had one keeps the
  // block's bytes as they were read.
  if (graphState.placed) SetGraphBlockPlacement(plot, graphState.placement);
  if (graphState.viewSet) SetGraphBlockViewBox(plot, graphState.box);
  const auto word = static_cast<std::uint16_t>(static_cast<std::int16_t>(graphState.cursorMode));
  plot.fixed[kPlotMarkerOffset] = static_cast<std::uint8_t>(word & 0xFF);
  plot.fixed[kPlotMarkerOffset + 1] = static_cast<std::uint8_t>(word >> 8);
}

void TGeom11Win::TakeGraphBlock(const engine::PlotSettingsPiece& plot) {
  graphState.items.Clear();
  if (plot.traces.size() == plot.companions.size()) {
    graphState.items.records = plot.traces;
    graphState.items.companions = plot.companions;
  }
  graphState.texts = plot.texts;
  // A block without a placement or view (a figure whose graph window never opened) leaves the
  // graph window where it is.
  if (const std::optional<platform::WindowRect> placement = GraphBlockPlacement(plot)) {
    graphState.placed = true;
    graphState.placement = *placement;
  }
  if (const std::optional<kernel::Box2> box = GraphBlockViewBox(plot)) {
    graphState.viewSet = true;
    graphState.box = *box;
  }
  const auto mode = static_cast<std::int16_t>(plot.fixed[kPlotMarkerOffset] | (plot.fixed[kPlotMarkerOffset + 1] << 8));
  graphState.cursorMode = mode >= kCursorOff && mode < kCursorModes ? mode : 0;
}

void TGeom11Win::RetitleGraphWindow() {
  if (graphWindow_ != nullptr) graphWindow_->SetTitle(fileMsg.fileName);
}

}  // namespace plane
