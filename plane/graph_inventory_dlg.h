#pragma once
// The graph window's inventory ("tracing inventory", GRTRACEINV): the measurements of the plane
// window, the horizontal one chosen with "hori", and the graph items, which are made, edited,
// hidden and deleted here. A graph item is edited in the graph control dialog (GRTRACE): its
// control parameter (a slider or a point's position parameter), range, steps, pen thickness and
// colour.

#include <string>
#include <vector>

#include "kernel/fill_trace_records.h"
#include "engine/windows/trace_dlg.h"
#include "shell/dlg.h"

namespace plane {

class TGraphWin;

// Controls of the inventory.
inline constexpr int kGraphMeasurementList = 292;
inline constexpr int kGraphCurrentMeasurement = 232;
inline constexpr int kGraphList = engine::kTraceList;
inline constexpr int kGraphHori = 881;
inline constexpr int kGraphNew = engine::kTraceNew;
inline constexpr int kGraphEdit = engine::kTraceEdit;
inline constexpr int kGraphDelete = engine::kTraceDelete;
inline constexpr int kGraphDeleteAll = engine::kTraceDeleteAll;
inline constexpr int kGraphHide = engine::kTraceHide;

// Controls of the graph control dialog.
inline constexpr int kGraphSliderRadio = engine::kTraceFirstSymbol;  // 251 to 256 for "#" to "?"
inline constexpr int kGraphTimeRadio = engine::kTraceTime;            // "t"
inline constexpr int kGraphVertexRadio = engine::kTraceVertex;
inline constexpr int kGraphVertexEdit = engine::kTraceVertexName;
inline constexpr int kGraphLowEdit = engine::kTraceLow;
inline constexpr int kGraphHighEdit = engine::kTraceHigh;
inline constexpr int kGraphStepsEdit = engine::kTraceSteps;
inline constexpr int kGraphThicknessEdit = engine::kTraceThickness;
inline constexpr int kGraphColourButton = engine::kTraceColor;
// The colour role the colour button edits; the item's colour is read from it on OK.
inline constexpr int kGraphColourRole = 6;

// Runs the graph control dialog on the record: true, the record changed, on OK.
bool EditGraphItem(TGraphWin& window, kernel::TraceRecord& record);

// The one-line description of a graph item: its control, range, steps and colour.
std::string GraphItemText(TGraphWin& window, const kernel::TraceRecord& record);

// The tracing inventory on the graph's template: the list, the buttons and their shared work
// come from it; the graph adds the measurements and the "hori" button.
class TGrTraceDlg : public engine::TTraceDlg {
 public:
  explicit TGrTraceDlg(TGraphWin* owner);

  // The measurement list from the window's measurements, in order.
  void FillGraphList();
  // The current measurement's text in its line.
  void ShowCurrentGraph();
  // One line per graph item: its hidden mark, "(horizontal,vertical) " and its description.
  void FillList() override;
  // -1 when the measurement list is empty, 0 when it holds one entry, else its selection.
  int MeasurementSelection() const;
  // Whether the selected graph belongs to the current measurement (only those can be hidden).
  bool SelectionIsCurrent() const;
  // "hide" is offered for a selected graph of the current measurement.
  void UpdateHideButton() override;

  void Hori();
  void NewItem() override;
  void EditItem() override;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;

  std::vector<kernel::TraceRecord>& Records() override;
  void RemoveRecord(int k) override;
  void RemoveAllRecords() override;
  bool MayHide(int k) const override;
  void AfterHide(int k) override;
  void RecordsChanged() override;

 private:
  TGraphWin* owner_;
};

}  // namespace plane
