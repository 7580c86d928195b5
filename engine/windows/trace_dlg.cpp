#include "engine/windows/trace_dlg.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/point_parameter.h"
#include "engine/windows/geom_win.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "shell/message_numbers.h"
#include "view/dialog_integers.h"

namespace engine {

namespace {

constexpr int kStringCareful = 2;
constexpr int kStringDrawing = 126;
constexpr int kStringDeleteAll = 147;
constexpr int kStringHide = 877;
constexpr int kStringShow = 878;
constexpr int kNameChars = 30;
constexpr int kTraceOff = 1000;
constexpr int kTraceColourRole = 6;
constexpr int kListFontSlot = 0;
constexpr int kBadRange = -4;
constexpr int kNoPenVertex = -5;
constexpr int kMostThickness = 128;
// The steps of a trace are read as a signed 16-bit count.
constexpr int kMostSteps = 32767;
constexpr int kTimeSymbol = 6;

std::string Fixed(kernel::Real v) {
  char text[64];
  std::snprintf(text, sizeof text, "%6.4f", static_cast<double>(v));
  return text;
}

}  // namespace

kernel::TraceRecord NewTraceRecord() {
  kernel::TraceRecord r;
  kernel::InitTraceRecord(r, 1, 1, 0, 0, 0, 1, 100, 4, 0);
  return r;
}

void ToggleTraceHidden(kernel::TraceRecord& record) {
  // A damaged word of 2000 or more counts as hidden and is shown again like any hidden one.
  const int rest = record.word2 % kTraceOff;
  record.word2 = static_cast<std::uint16_t>(TraceHidden(record) ? rest : rest + kTraceOff);
}

bool TraceHidden(const kernel::TraceRecord& record) { return record.word2 >= kTraceOff; }

void CheckTraceControl(shell::TDlg& dialog, int control) {
  for (int k = 0; k < kTimeSymbol; ++k) dialog.CheckItem(kTraceFirstSymbol + k, control == k);
  dialog.CheckItem(kTraceTime, control >= kTimeSymbol);
  dialog.CheckItem(kTraceVertex, control < 0);
}

int CheckedTraceControl(const shell::TDlg& dialog) {
  if (dialog.IsChecked(kTraceTime)) return kTimeSymbol;
  int control = -1;
  for (int k = 0; k < kTimeSymbol; ++k)
    if (dialog.IsChecked(kTraceFirstSymbol + k)) control = k;
  return control;
}

// --- The editor -----------------------------------------------------------------------------

TTrEditDlg::TTrEditDlg(TGeomWin* window, kernel::TraceRecord* record)
    : TDlg(window, "TRACEEDIT"), window_(window), record_(record) {}

void TTrEditDlg::SetupWindow() {
  TDlg::SetupWindow();
  const kernel::TraceRecord& r = *record_;
  const int control = static_cast<std::int16_t>(r.word5);
  if (r.byte4 != 0) {
    CheckTraceControl(*this, std::max(control, 0));
  } else {
    CheckTraceControl(*this, -1);
    std::string name;
    window_->tables().GetPointName(control, name);
    SetItemText(kTraceVertexName, name);
  }
  const int mode = r.word2 % kTraceOff;
  std::string pen;
  window_->tables().GetPointName(static_cast<std::int16_t>(r.word7), pen);
  SetItemText(kTracePenVertex, pen);
  CheckItem(mode < 2 ? kTracePenOnVertex : kTraceWholeFigure, true);
  CheckItem(kTraceWithLabels, mode > 2);
  SetItemText(kTraceLow, Fixed(r.value17));
  SetItemText(kTraceHigh, Fixed(r.value27));
  SetItemText(kTraceSteps, std::to_string(r.word9));
  SetItemText(kTraceThickness, std::to_string(std::max<int>(r.high11, 1)));
  window_->preWin.roles[kTraceColourRole] = r.low11;
  if (window_->dimension() != 2) {
    ShowItem(kTraceVertex, false);
    ShowItem(kTraceVertexName, false);
  }
}

bool TTrEditDlg::OnCommand(int id) {
  switch (id) {
    case kTraceVertex:
      FocusItem(kTraceVertexName);
      SelectAllText(kTraceVertexName);
      return true;
    case kTraceColor:
      window_->EditColorRole(kStringDrawing, &window_->preWin.roles[kTraceColourRole], kTraceColourRole, {});
      return true;
    default: return TDlg::OnCommand(id);
  }
}

void TTrEditDlg::OnOk() {
  kernel::TraceRecord r = *record_;
  int control = CheckedTraceControl(*this);
  r.byte4 = 1;
  if (control < 0) {
    r.byte4 = 0;
    control = window_->FindPointByName(GetItemText(kTraceVertexName).substr(0, kNameChars));
  }
  for (auto [id, value] : {std::pair{kTraceLow, &r.value17}, std::pair{kTraceHigh, &r.value27}}) {
    std::string text = GetItemText(id);
    ExprValue result;
    if (window_->CompileExpression(text, result) <= 0) *value = result.x;
  }
  const int steps = view::ReadDialogInteger(GetItemText(kTraceSteps));
  if (steps < 2 || steps > kMostSteps || r.value17 > r.value27) control = kBadRange;
  const int penVertex = window_->FindPointByName(GetItemText(kTracePenVertex).substr(0, kNameChars));
  int mode = IsChecked(kTracePenOnVertex) ? 1 : 2;
  if (mode == 2 && IsChecked(kTraceWithLabels)) mode = 3;
  if (mode == 1 && penVertex < 0) control = kNoPenVertex;
  int thickness = view::ReadDialogInteger(GetItemText(kTraceThickness));
  const bool thicknessOk = thickness >= 0 && thickness <= kMostThickness;
  if (thickness == 0) thickness = 1;
  if (!thicknessOk || control < 0) {
    window_->Msg(kMsgCannotUnderstand);
    return;
  }
  // Only a point that slides on its object has a parameter to run: any other one would leave the
  // figure where it is at every step.
  if (r.byte4 == 0 && !PointHasParameter(window_->stepEngine, control)) {
    window_->Msg(shell::kCannotMoveThisPoint);
    return;
  }
  r.word5 = static_cast<std::uint16_t>(control);
  r.word2 = static_cast<std::uint16_t>(mode);
  r.word7 = static_cast<std::uint16_t>(std::max(penVertex, 0));
  r.word9 = static_cast<std::uint16_t>(steps);
  r.high11 = static_cast<std::uint8_t>(thickness);
  r.low11 = static_cast<std::uint8_t>(window_->preWin.roles[kTraceColourRole]);
  *record_ = r;
  TDlg::OnOk();
}

// --- The inventory --------------------------------------------------------------------------

TTraceDlg::TTraceDlg(TGeomWin* window) : TTraceDlg(window, "TRACEINV") {}

TTraceDlg::TTraceDlg(TGeomWin* window, std::string_view templateName)
    : TDlg(window, templateName), window_(window) {}

void TTraceDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemFont(kTraceList, window_->SlotFont(kListFontSlot));
  FillList();
}

bool TTraceDlg::OnCommand(int id) {
  switch (id) {
    case kTraceNew: NewItem(); return true;
    case kTraceEdit: EditItem(); return true;
    case kTraceDelete: DeleteItem(); return true;
    case kTraceDeleteAll: DeleteAll(); return true;
    case kTraceHide: HideItem(); return true;
    case 1: return true;
    case 2: Hide(); return true;
    default: return TDlg::OnCommand(id);
  }
}

int TTraceDlg::SelectedIndex() const {
  const int count = ListCount(kTraceList);
  if (count == 0) return -1;
  if (count == 1) return 0;
  return ListSelection(kTraceList);
}

std::vector<kernel::TraceRecord>& TTraceDlg::Records() { return window_->traces; }

void TTraceDlg::RemoveRecord(int k) { window_->DeleteTrace(k); }

void TTraceDlg::RemoveAllRecords() { window_->ClearTraceLists(); }

void TTraceDlg::AfterHide(int k) { window_->SelectTraceByName(k); }

void TTraceDlg::RecordsChanged() {
  window_->SetModified();
  window_->wing.pictureValid = 0;
  window_->Invalidate(false);
}

void TTraceDlg::FillList() {
  const int selected = ListSelection(kTraceList);
  ListClear(kTraceList);
  for (const kernel::TraceRecord& r : window_->traces) {
    std::string line;
    if (TraceHidden(r)) line = " [" + resources::LoadString(kStringHide) + "] ";
    ListAdd(kTraceList, line + window_->TraceItemText(r));
  }
  if (selected >= 0 && selected < ListCount(kTraceList)) ListSelect(kTraceList, selected);
  UpdateHideButton();
}

void TTraceDlg::UpdateHideButton() {
  const int k = SelectedIndex();
  const std::vector<kernel::TraceRecord>& records = Records();
  const bool hidden = k >= 0 && static_cast<std::size_t>(k) < records.size() &&
                      TraceHidden(records[static_cast<std::size_t>(k)]);
  SetItemText(kTraceHide, resources::LoadString(hidden ? kStringShow : kStringHide));
}

void TTraceDlg::Confirmed(int k) {
  const kernel::TraceRecord& r = window_->traces[static_cast<std::size_t>(k)];
  if (r.word9 > window_->traceCapacity) window_->SetTraceCapacity(r.word9);
  window_->SelectTraceByName(k);
  RecordsChanged();
  FillList();
}

void TTraceDlg::NewItem() {
  kernel::TraceRecord r = NewTraceRecord();
  TTrEditDlg editor(window_, &r);
  if (editor.Execute() != platform::IDOK) return;
  r.word0 = static_cast<std::uint16_t>(window_->traces.size());
  window_->traces.push_back(r);
  Confirmed(static_cast<int>(window_->traces.size()) - 1);
}

void TTraceDlg::EditItem() {
  const int k = SelectedIndex();
  if (k < 0 || static_cast<std::size_t>(k) >= window_->traces.size()) return;
  kernel::TraceRecord r = window_->traces[static_cast<std::size_t>(k)];
  TTrEditDlg editor(window_, &r);
  if (editor.Execute() != platform::IDOK) return;
  window_->traces[static_cast<std::size_t>(k)] = r;
  Confirmed(k);
}

void TTraceDlg::DeleteItem() {
  const int k = SelectedIndex();
  if (k < 0 || static_cast<std::size_t>(k) >= Records().size()) return;
  RemoveRecord(k);
  RecordsChanged();
  FillList();
}

void TTraceDlg::DeleteAll() {
  if (window_->AskBox(resources::LoadString(kStringDeleteAll), resources::LoadString(kStringCareful),
                      shell::kAskYesNo) != platform::IDYES)
    return;
  RemoveAllRecords();
  RecordsChanged();
  FillList();
}

void TTraceDlg::HideItem() {
  const int k = SelectedIndex();
  if (k < 0 || static_cast<std::size_t>(k) >= Records().size() || !MayHide(k)) return;
  ToggleTraceHidden(Records()[static_cast<std::size_t>(k)]);
  AfterHide(k);
  RecordsChanged();
  FillList();
  // The same record stays selected, so that hide, pressed again, shows it again.
  if (k < ListCount(kTraceList)) ListSelect(kTraceList, k);
  UpdateHideButton();
}

}  // namespace engine
