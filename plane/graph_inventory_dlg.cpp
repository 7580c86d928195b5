#include "plane/graph_inventory_dlg.h"

#include <cerrno>
#include <cstdlib>

#include "engine/point_parameter.h"
#include "plane/geom11_win.h"
#include "plane/graph_win.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"

namespace plane {

namespace {

constexpr int kMsgMakeSelection = 15;
constexpr int kStringControl = 143;
constexpr int kStringColour = 146;
constexpr int kStringHidden = 877;
constexpr int kListExtent = 1000;
constexpr int kListFontSlot = 0;
constexpr int kLargestSteps = 32767;
constexpr int kLargestThickness = 255;

// A whole number as typed (blanks around it allowed); false for anything else.
bool ReadWhole(const std::string& text, long& value) {
  errno = 0;
  char* end = nullptr;
  value = std::strtol(text.c_str(), &end, 10);
  while (end != nullptr && (*end == ' ' || *end == '\t')) ++end;
  return end != text.c_str() && end != nullptr && *end == '\0' && errno == 0;
}

// The graph control dialog on GRTRACE. It shares its controls and their reading with the trace
// editor but stays its own: a graph's range is two typed numbers (the trace editor computes
// expressions), each bad entry has its own message, a single step is a graph while a trace needs
// two, and a graph has no pen vertex or drawing mode, so its mode word (and its hidden flag) is
// kept as it was.
class TGraphEditDlg : public shell::TDlg {
 public:
  TGraphEditDlg(TGraphWin& window, kernel::TraceRecord& record)
      : TDlg(&window, "GRTRACE"), window_(window), record_(record) {}

 protected:
  void SetupWindow() override {
    TDlg::SetupWindow();
    const int control = record_.byte4 == kControlPoint ? -1 : static_cast<std::int16_t>(record_.word5);
    engine::CheckTraceControl(*this, control);
    std::string vertex;
    if (control < 0) window_.plane().AppendPointName(vertex, static_cast<std::int16_t>(record_.word5));
    SetItemText(kGraphVertexEdit, vertex);
    SetItemText(kGraphStepsEdit, std::to_string(GraphSteps(record_)));
    SetItemText(kGraphLowEdit, window_.plane().FormatNumber(record_.value17, true));
    SetItemText(kGraphHighEdit, window_.plane().FormatNumber(record_.value27, true));
    SetItemText(kGraphThicknessEdit, std::to_string(record_.high11));
  }

  bool OnCommand(int id) override {
    if (id == kGraphColourButton) {
      window_.EditColor(kGraphColourRole);
      return true;
    }
    return TDlg::OnCommand(id);
  }

  void OnOk() override {
    kernel::TraceRecord edited = record_;
    const int error = Read(edited);
    if (error != 0) {
      window_.Msg(error);
      return;  // the dialog stays open and the record as it was
    }
    record_ = edited;
    TDlg::OnOk();
  }

 private:
  TGraphWin& window_;
  kernel::TraceRecord& record_;

  int Read(kernel::TraceRecord& r) {
    long steps = 0;
    if (!ReadWhole(GetItemText(kGraphStepsEdit), steps) || steps <= 0) return shell::kPositiveValue;
    if (steps > kLargestSteps) return shell::kOutOfBounds;
    long thickness = 0;
    if (!ReadWhole(GetItemText(kGraphThicknessEdit), thickness) || thickness < 0 || thickness > kLargestThickness)
      return shell::kOutOfBounds;
    Real low = 0;
    Real high = 0;
    if (const int e = window_.plane().ParseNumber(GetItemText(kGraphLowEdit), low); e != 0) return e;
    if (const int e = window_.plane().ParseNumber(GetItemText(kGraphHighEdit), high); e != 0) return e;
    const int control = engine::CheckedTraceControl(*this);
    if (control < 0) {
      const int p = window_.plane().FindPointByName(GetItemText(kGraphVertexEdit));
      if (p < 0 || !window_.plane().tables().PointExists(p)) return shell::kCouldNotFind;
      // Only a point that slides on its object has a parameter for the graph to run.
      if (!engine::PointHasParameter(window_.plane().stepEngine, p)) return shell::kCannotMoveThisPoint;
      r.byte4 = kControlPoint;
      r.word5 = static_cast<std::uint16_t>(p);
    } else {
      r.byte4 = kControlSlider;
      r.word5 = static_cast<std::uint16_t>(control);
    }
    r.word9 = static_cast<std::uint16_t>(steps);
    r.value17 = low;
    r.value27 = high;
    r.high11 = static_cast<std::uint8_t>(thickness);
    r.low11 = static_cast<std::uint8_t>(window_.preWin.roles[kGraphColourRole]);
    return 0;
  }
};

}  // namespace

bool EditGraphItem(TGraphWin& window, kernel::TraceRecord& record) {
  TGraphEditDlg dialog(window, record);
  return dialog.Execute() == platform::IDOK;
}

std::string GraphItemText(TGraphWin& window, const kernel::TraceRecord& record) {
  std::string control;
  if (record.byte4 == kControlPoint) {
    window.plane().AppendPointName(control, static_cast<std::int16_t>(record.word5));
  } else if (record.word5 < kGraphSliderSymbols.size()) {
    control = std::string(1, kGraphSliderSymbols[record.word5]);
  }
  return resources::LoadString(kStringControl) + " " + control + ": " +
         window.plane().FormatNumber(record.value17, true) + " .. " + window.plane().FormatNumber(record.value27, true) +
         " (" + std::to_string(GraphSteps(record)) + "), " + resources::LoadString(kStringColour) + " " +
         std::to_string(GraphColour(record));
}

TGrTraceDlg::TGrTraceDlg(TGraphWin* owner) : TTraceDlg(owner, "GRTRACEINV"), owner_(owner) {}

void TGrTraceDlg::SetupWindow() {
  // The tracing inventory's own set-up fills its list from the window's traces: only the base
  // dialog's is wanted here.
  TDlg::SetupWindow();
  const platform::FontSpec listFont = owner_->SlotFont(kListFontSlot);
  SetItemFont(kGraphMeasurementList, listFont);
  ListSetHorizontalExtent(kGraphMeasurementList, kListExtent);
  SetItemFont(kGraphList, listFont);
  ListSetHorizontalExtent(kGraphList, kListExtent);
  SetItemFont(kGraphCurrentMeasurement, listFont);
  FillGraphList();
  ShowCurrentGraph();
  FillList();
}

bool TGrTraceDlg::OnCommand(int id) {
  if (id == kGraphHori) {
    Hori();
    return true;
  }
  return TTraceDlg::OnCommand(id);
}

void TGrTraceDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id == kGraphList && what == platform::ControlNotification::SelectionChanged) UpdateHideButton();
}

void TGrTraceDlg::FillGraphList() {
  if (!IsCreated()) return;
  ListClear(kGraphMeasurementList);
  for (const view::TextItem& item : owner_->measurements) ListAdd(kGraphMeasurementList, item.text);
}

void TGrTraceDlg::ShowCurrentGraph() {
  if (IsCreated()) SetItemText(kGraphCurrentMeasurement, owner_->CurrentMeasurementName());
}

void TGrTraceDlg::FillList() {
  if (!IsCreated()) return;
  ListClear(kGraphList);
  const GraphItems& graphs = owner_->graphs();
  for (std::size_t i = 0; i < graphs.records.size() && i < graphs.companions.size(); ++i) {
    std::string line;
    if (engine::TraceHidden(graphs.records[i])) line += " [" + resources::LoadString(kStringHidden) + "] ";
    line += "(" + CompanionText(graphs.companions[i], 0) + "," + CompanionText(graphs.companions[i], 1) + ") ";
    line += GraphItemText(*owner_, graphs.records[i]);
    ListAdd(kGraphList, line);
  }
  UpdateHideButton();
}

int TGrTraceDlg::MeasurementSelection() const {
  const int n = ListCount(kGraphMeasurementList);
  if (n == 0) return -1;
  return n == 1 ? 0 : ListSelection(kGraphMeasurementList);
}

bool TGrTraceDlg::SelectionIsCurrent() const {
  const int i = SelectedIndex();
  const GraphItems& graphs = owner_->graphs();
  if (i < 0 || i >= static_cast<int>(graphs.companions.size())) return false;
  return CompanionText(graphs.companions[static_cast<std::size_t>(i)], 0) == owner_->CurrentMeasurementName();
}

void TGrTraceDlg::UpdateHideButton() {
  TTraceDlg::UpdateHideButton();
  EnableItem(kGraphHide, SelectionIsCurrent());
}

std::vector<kernel::TraceRecord>& TGrTraceDlg::Records() { return owner_->graphs().records; }

void TGrTraceDlg::RemoveRecord(int k) {
  GraphItems& graphs = owner_->graphs();
  graphs.Remove(k);
  if (!graphs.HasCurrent()) owner_->SelectGraphOfMeasurement(false);
}

void TGrTraceDlg::RemoveAllRecords() { owner_->graphs().Clear(); }

bool TGrTraceDlg::MayHide(int k) const { return k == SelectedIndex() && SelectionIsCurrent(); }

void TGrTraceDlg::AfterHide(int /*k*/) { owner_->SelectGraphOfMeasurement(true); }

void TGrTraceDlg::RecordsChanged() { owner_->GraphsChanged(); }

void TGrTraceDlg::Hori() {
  const int i = MeasurementSelection();
  if (i < 0) {
    owner_->Msg(kMsgMakeSelection);
    return;
  }
  owner_->SelectMeasurement(i);
  owner_->RepaintNow();
  ShowCurrentGraph();
  UpdateHideButton();
}

void TGrTraceDlg::NewItem() {
  const int vertical = MeasurementSelection();
  if (vertical < 0 || vertical >= static_cast<int>(owner_->measurements.size())) {
    owner_->Msg(kMsgMakeSelection);
    return;
  }
  GraphItems& graphs = owner_->graphs();
  kernel::TraceRecord record = graphs.records.empty() ? DefaultGraphRecord() : graphs.records.front();
  owner_->preWin.roles[kGraphColourRole] = static_cast<std::uint16_t>(GraphColour(record));
  if (!EditGraphItem(*owner_, record)) return;
  engine::TraceCompanion companion{};
  SetCompanionTexts(companion, owner_->CurrentMeasurementName(),
                    owner_->measurements[static_cast<std::size_t>(vertical)].text);
  graphs.AddFirst(record, companion);
  FillList();
  owner_->GraphsChanged();
}

void TGrTraceDlg::EditItem() {
  const int i = SelectedIndex();
  GraphItems& graphs = owner_->graphs();
  if (i < 0 || i >= graphs.Count()) return;
  kernel::TraceRecord& record = graphs.records[static_cast<std::size_t>(i)];
  owner_->preWin.roles[kGraphColourRole] = static_cast<std::uint16_t>(GraphColour(record));
  if (!EditGraphItem(*owner_, record)) return;
  owner_->GraphsChanged();
  FillList();
}

}  // namespace plane
