#pragma once
// The graph window's inventory ("tracing inventory", GRTRACEINV): the measurements of the plane
// window, the horizontal one chosen with "hori", and the graph items, which are made, edited,
// hidden and deleted here. A graph item is edited in the graph control dialog (GRTRACE): its
// control parameter (a slider or a point's position parameter), range, steps, pen thickness and
// colour.

#include <string>

#include "kernel/fill_trace_records.h"
#include "shell/dlg.h"

namespace plane {

class TGraphWin;

// Controls of the inventory.
inline constexpr int kGraphMeasurementList = 292;
inline constexpr int kGraphCurrentMeasurement = 232;
inline constexpr int kGraphList = 293;
inline constexpr int kGraphHori = 881;
inline constexpr int kGraphNew = 53;
inline constexpr int kGraphEdit = 51;
inline constexpr int kGraphDelete = 52;
inline constexpr int kGraphDeleteAll = 54;
inline constexpr int kGraphHide = 860;

// Controls of the graph control dialog.
inline constexpr int kGraphSliderRadio = 251;  // 251 to 256 for "#" to "?"
inline constexpr int kGraphTimeRadio = 260;    // "t"
inline constexpr int kGraphVertexRadio = 257;
inline constexpr int kGraphVertexEdit = 211;
inline constexpr int kGraphLowEdit = 212;
inline constexpr int kGraphHighEdit = 213;
inline constexpr int kGraphStepsEdit = 214;
inline constexpr int kGraphThicknessEdit = 216;
inline constexpr int kGraphColourButton = 206;
// The colour role the colour button edits; the item's colour is read from it on OK.
inline constexpr int kGraphColourRole = 6;

// Runs the graph control dialog on the record: true, the record changed, on OK.
bool EditGraphItem(TGraphWin& window, kernel::TraceRecord& record);

// The one-line description of a graph item: its control, range, steps and colour.
std::string GraphItemText(TGraphWin& window, const kernel::TraceRecord& record);

class TGrTraceDlg : public shell::TDlg {
 public:
  explicit TGrTraceDlg(TGraphWin* owner);

  // The measurement list from the window's measurements, in order.
  void FillGraphList();
  // The current measurement's text in its line.
  void ShowCurrentGraph();
  // One line per graph item: its hidden mark, "(horizontal,vertical) " and its description.
  void FillTraceList();
  // -1 when the measurement list is empty, 0 when it holds one entry, else its selection.
  int MeasurementSelection() const;
  // The same for the graph list.
  int SelectedIndex() const;
  // Whether the selected graph belongs to the current measurement (only those can be hidden).
  bool SelectionIsCurrent() const;
  // "hide" is offered for a selected graph of the current measurement.
  void RefreshHideButton();

  void Hori();
  void NewTraceItem();
  void EditSelectedItem();
  void DeleteSelectedItem();
  void DeleteAllItems();
  void HideSelectedItem();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;

 private:
  TGraphWin* owner_;
};

}  // namespace plane
