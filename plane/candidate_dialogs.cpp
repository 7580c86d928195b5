#include "plane/candidate_dialogs.h"

#include <array>
#include <string>

#include "plane/geom11_win.h"
#include "resources/resource_library.h"

namespace plane {

namespace {

constexpr int kListExtent = 1000;
constexpr int kLabelFontSlot = 0;
constexpr int kStringCouldNotFind = 402;
constexpr int kLineChars = 20;
constexpr int kPointChars = 49;
constexpr int kLineFieldLimit = 255;

constexpr int kTangentsFromPointKind = 135;
constexpr int kTangentAtPointKind = 136;
constexpr int kConicTangentKind = 210;

}  // namespace

std::string SuggestedLineText(const TGeom11Win& window) {
  const engine::FigureTables& t = window.tables();
  for (int i = 0; i <= t.last_line; ++i) {
    const kernel::SegmentRecord& line = t.lines[static_cast<std::size_t>(i)];
    if (!line.exists || line.points.count < 2) continue;
    std::string text;
    t.AppendPointName(text, line.points.entries[0]);
    t.AppendPointName(text, line.points.entries[1]);
    return text;
  }
  if (window.model().Hyperbolic || window.model().Spherical) return resources::LoadString(kStringCouldNotFind);
  return "XX";
}

// --- The base -----------------------------------------------------------------------------------

TNonLinDlg::TNonLinDlg(TGeom11Win* owner, std::string_view resource, int lists, int kind)
    : TStepDlg(owner, resource), elementKind(kind), lists_(lists) {}

void TNonLinDlg::SetupWindow() {
  TStepDlg::SetupWindow();
  ShowCandidates();
}

void TNonLinDlg::ShowCandidates() {
  if (!IsCreated()) return;
  const platform::FontSpec font = owner_->SlotFont(kLabelFontSlot);
  for (int k = 0; k < lists_; ++k) {
    const int id = k == 0 ? kCandidateList : kSecondCandidateList;
    ListSetHorizontalExtent(id, kListExtent);
    SetItemFont(id, font);
    owner_->ElementText(*this, id, elementKind);
  }
  RefreshButtons();
}

int TNonLinDlg::ActionButton() const { return HasItem(kCandidateDelete) ? kCandidateDelete : kCandidateAction; }

void TNonLinDlg::RefreshButtons() {
  if (!IsCreated()) return;
  EnableItem(ActionButton(), EnableAction());
  if (HasItem(kCandidateUndo)) EnableItem(kCandidateUndo, EnableUndo());
}

int TNonLinDlg::ChosenEntry(int listId) const {
  if (!IsCreated()) return -1;
  const int n = ListCount(listId);
  if (n == 1) return 0;
  if (n == 0) return -1;
  return ListSelection(listId);
}

bool TNonLinDlg::OnCommand(int id) {
  if (id == ActionButton()) {
    Execute();
    RefreshButtons();
    return true;
  }
  if (id == kCandidateUndo) {
    UndoKind();
    RefreshButtons();
    return true;
  }
  return TStepDlg::OnCommand(id);
}

void TNonLinDlg::OnNotify(int id, platform::ControlNotification what) {
  if ((id == kCandidateList || id == kSecondCandidateList) && what == platform::ControlNotification::SelectionChanged) {
    RefreshButtons();
  }
}

// --- Delete a circle ----------------------------------------------------------------------------

TDelCircDlg::TDelCircDlg(TGeom11Win* owner) : TNonLinDlg(owner, "DELCIRC", 1, 0) {}

void TDelCircDlg::Execute() {
  const int circle = ChosenEntry(kCandidateList);
  if (circle < 0) {
    owner_->Msg(kMsgMakeSelection);
    return;
  }
  if (const int code = owner_->NewCircleDeletionStep(circle); code > 0) owner_->Msg(code);
}

// --- Soddy circles ------------------------------------------------------------------------------

TSoddyDlg::TSoddyDlg(TGeom11Win* owner) : TNonLinDlg(owner, "SODDY", 1, 0) {}

bool TSoddyDlg::EnableAction() const {
  return IsCreated() && static_cast<int>(ListSelections(kCandidateList).size()) == kNeeded;
}

void TSoddyDlg::Execute() {
  const std::vector<int> chosen = ListSelections(kCandidateList);
  if (static_cast<int>(chosen.size()) != kNeeded) {
    owner_->Msg(engine::kMsgInconsistentData);
    return;
  }
  if (const int code = owner_->NewSoddyStep({chosen[0], chosen[1], chosen[2]}); code > 0) owner_->Msg(code);
}

TSoddy2Dlg::TSoddy2Dlg(TGeom11Win* owner) : TNonLinDlg(owner, "SODDY2", 1, 0) {}

void TSoddy2Dlg::SetupWindow() {
  TNonLinDlg::SetupWindow();
  SetTextLimit(kCandidateEdit, kLineChars);
  SetItemText(kCandidateEdit, SuggestedLineText(*owner_));
}

bool TSoddy2Dlg::EnableAction() const { return IsCreated() && ListSelections(kCandidateList).size() == 2; }

void TSoddy2Dlg::Execute() {
  const std::vector<int> chosen = ListSelections(kCandidateList);
  if (chosen.size() != 2) {
    owner_->Msg(engine::kMsgInconsistentData);
    return;
  }
  const std::string line = UpperText(kCandidateEdit, kLineChars);
  if (const int code = owner_->NewSoddyLineStep(chosen[0], chosen[1], line); code > 0) owner_->Msg(code);
}

// --- Intersections and tangents -----------------------------------------------------------------

TLCIntDlg::TLCIntDlg(TGeom11Win* owner, int mode) : TNonLinDlg(owner, "INTLC", 1, mode) {}

void TLCIntDlg::SetupWindow() {
  TNonLinDlg::SetupWindow();
  SetTextLimit(kCandidateEdit, kLineFieldLimit);
  SetItemText(kCandidateEdit, SuggestedLineText(*owner_));
}

void TLCIntDlg::Execute() {
  const int circle = ChosenEntry(kCandidateList);
  const std::string text = UpperText(kCandidateEdit, kLineChars);
  int line = -1;
  int code = 0;
  if (circle < 0) {
    code = kMsgMakeSelection;
  } else if (elementKind == 1) {
    code = owner_->ParseLineText(text, line) != 0 ? engine::kMsgCouldNotFind
                                                   : owner_->NewLineCurveIntersection(line, circle);
  } else if (circle > owner_->tables().last_circle || !owner_->tables().circles[static_cast<std::size_t>(circle)].exists) {
    code = engine::kMsgCouldNotFind;
  } else if (owner_->ParseLineText(text, line) != 0) {
    code = engine::kMsgCouldNotFind;
  } else {
    code = owner_->NewLineCircleIntersection(line, circle);
  }
  if (code > 0) owner_->Msg(code);
}

TCurvCurvDlg::TCurvCurvDlg(TGeom11Win* owner, int kind)
    : TNonLinDlg(owner, kind == 105 ? "INTCC" : "TANCC", 2, 0), kind_(kind) {}

bool TCurvCurvDlg::EnableAction() const {
  return ChosenEntry(kCandidateList) >= 0 && ChosenEntry(kSecondCandidateList) >= 0;
}

void TCurvCurvDlg::Execute() {
  const int first = ChosenEntry(kCandidateList);
  const int second = ChosenEntry(kSecondCandidateList);
  if (first < 0 || second < 0) {
    owner_->Msg(kMsgMakeSelection);
    return;
  }
  if (kind_ == 105) {
    owner_->NewCircleCircleIntersection(first, second);
  } else {
    const bool internal = HasItem(kCandidateInternal) && IsChecked(kCandidateInternal);
    owner_->NewCommonTangentStep(first, second, internal ? 1 : 0, kind_);
  }
}

TCurvPtDlg::TCurvPtDlg(TGeom11Win* owner, int mode) : TNonLinDlg(owner, "TANBOX", 1, mode) {}

void TCurvPtDlg::SetupWindow() {
  TNonLinDlg::SetupWindow();
  SetTextLimit(kCandidateEdit, kPointChars);
  std::string last;
  owner_->AppendPointName(last, owner_->tables().last_point);
  SetItemText(kCandidateEdit, last);
}

void TCurvPtDlg::Execute() {
  const std::string point = UpperText(kCandidateEdit, kPointChars);
  owner_->NewTangentStep(ChosenEntry(kCandidateList), point, elementKind);
}

bool TCurvPtDlg::EnableUndo() const {
  if (elementKind == 1) return LastStepIs(kConicTangentKind);
  return LastStepIs(kTangentsFromPointKind) || LastStepIs(kTangentAtPointKind);
}

void TCurvPtDlg::UndoKind() {
  if (EnableUndo()) owner_->UndoRedo(0, true);
}

}  // namespace plane
