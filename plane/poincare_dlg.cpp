#include "plane/poincare_dlg.h"

#include <string>

#include "engine/windows/geom10_win.h"
#include "plane/circle_list.h"
#include "plane/sel_circ_dlg.h"

namespace plane {

namespace {

constexpr int kListFontSlot = 6;
constexpr int kOrthogonalArcKind = 118;
// Characters read from the points field.
constexpr std::size_t kPointsTextChars = 18;

}  // namespace

TPoincareDlg::TPoincareDlg(engine::TGeom10Win* window)
    : TDlg(window, "POINCARE"), window_(window), listFont_(window->SlotFont(kListFontSlot)) {}

void TPoincareDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemFont(kCircleListId, listFont_);
  FillCircleList(*this, kCircleListId, window_->stepEngine);
  // The two newest points are the ones most often joined.
  const engine::FigureTables& t = window_->tables();
  std::string names;
  if (t.last_point >= 1) {
    t.AppendPointName(names, t.last_point - 1);
    t.AppendPointName(names, t.last_point);
  }
  SetItemText(kPoincarePointsEdit, names);
  RefreshButtons();
}

void TPoincareDlg::Refresh() {
  if (!IsCreated()) return;
  FillCircleList(*this, kCircleListId, window_->stepEngine);
  RefreshButtons();
}

void TPoincareDlg::RefreshButtons() {
  EnableItem(kPoincareMark, ChosenCircle(*this, kCircleListId) != -1);
  EnableItem(kPoincareUndo, window_->LastStepType() == kOrthogonalArcKind);
}

bool TPoincareDlg::OnCommand(int id) {
  switch (id) {
    case kPoincareMark: Mark(); return true;
    case kPoincareUndo: Undo(); return true;
    default: return TDlg::OnCommand(id);
  }
}

void TPoincareDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id == kCircleListId && what == platform::ControlNotification::SelectionChanged) RefreshButtons();
}

bool TPoincareDlg::Mark() {
  const int circle = ChosenCircle(*this, kCircleListId);
  if (circle < 0) return false;
  const engine::FigureTables& t = window_->tables();
  if (circle > t.last_circle || !t.circles[circle].exists) {
    window_->Msg(engine::kMsgCouldNotFind);
    return false;
  }
  std::string text = GetItemText(kPoincarePointsEdit);
  if (text.size() > kPointsTextChars) text.resize(kPointsTextChars);
  const bool made = window_->NewOrthogonalArcStep(circle, text) <= 0;
  Refresh();
  return made;
}

void TPoincareDlg::Undo() {
  window_->UndoRedo(kOrthogonalArcKind, true);
  Refresh();
}

}  // namespace plane
