#include "view/view_dlg.h"

#include <cmath>

#include "shell/message_numbers.h"
#include "view/grid_win.h"

namespace view {

using kernel::Real;

namespace {

constexpr std::size_t kFieldLength = 30;
constexpr Real kNull = static_cast<Real>(1e-16);
constexpr int kApply = 1;
constexpr int kClose = 2;

const char* TemplateOf(int kind) {
  switch (kind) {
    case kViewDialogCentre: return "VIEWCEN";
    case kViewDialogCorners: return "VIEWCOR";
    default: return "VIEWALL";
  }
}

bool Differs(Real a, Real b) { return !(std::fabs(a - b) <= kNull); }

}  // namespace

TViewDlg::TViewDlg(TGridWin* window, int kind) : TDlg(window, TemplateOf(kind)), window_(window), kind_(kind) {}

void TViewDlg::SetupWindow() {
  TDlg::SetupWindow();
  const bool centre = kind_ != kViewDialogCorners;
  const bool corners = kind_ != kViewDialogCentre;
  const bool choice = kind_ == kViewDialogAll;
  for (const int id : {kViewSetCentre, kViewSetCorners}) ShowItem(id, choice);
  for (const int id : {kViewLeft, kViewRight, kViewDown, kViewUp}) ShowItem(id, corners);
  for (const int id : {kViewHori, kViewVert, kViewWidth}) ShowItem(id, centre);
  Refresh(false);
}

void TViewDlg::Refresh(bool selectCentre) {
  const ViewMapping& m = window_->mapping;
  const auto put = [&](int id, Real value) { SetItemText(id, window_->FormatNumber(value, true)); };
  put(kViewLeft, m.box.xmin);
  put(kViewRight, m.box.xmax);
  put(kViewDown, m.box.ymin);
  put(kViewUp, m.box.ymax);
  put(kViewHori, m.centre.x);
  put(kViewVert, m.centre.y);
  put(kViewWidth, 2 * m.halfWidth);
  CheckItem(kViewSetCorners, m.unequal != 0);
  CheckItem(kViewSetCentre, m.unequal == 0);
  if (selectCentre && HasItem(kViewHori) && IsItemShown(kViewHori)) {
    FocusItem(kViewHori);
    SelectAllText(kViewHori);
  }
}

bool TViewDlg::CornerMode() const {
  if (kind_ == kViewDialogCentre) return false;
  if (kind_ == kViewDialogCorners) return true;
  return IsChecked(kViewSetCorners);
}

bool TViewDlg::ReadField(int id, Real& value) {
  const std::string text = GetItemText(id).substr(0, kFieldLength);
  if (const int error = window_->ParseNumber(text, value); error != 0) {
    window_->Msg(error);
    return false;
  }
  return true;
}

void TViewDlg::Apply() {
  const ViewMapping& m = window_->mapping;
  if (!CornerMode()) {
    Real x = 0;
    Real y = 0;
    Real width = 0;
    if (!ReadField(kViewHori, x) || !ReadField(kViewVert, y) || !ReadField(kViewWidth, width)) return;
    if (!(width >= kNull)) {
      window_->Msg(shell::kPositiveValue);
      return;
    }
    const Real halfWidth = width / 2;
    const bool changed = Differs(x, m.centre.x) || Differs(y, m.centre.y) || Differs(halfWidth, m.halfWidth) ||
                         m.unequal != 0;
    if (changed) window_->ApplyView({x, y}, halfWidth, 0, false);
    return;
  }
  Real left = 0;
  Real right = 0;
  Real down = 0;
  Real up = 0;
  if (!ReadField(kViewLeft, left) || !ReadField(kViewRight, right) || !ReadField(kViewDown, down) ||
      !ReadField(kViewUp, up))
    return;
  if (!(right >= left + kNull) || !(up >= down + kNull)) {
    window_->Msg(shell::kInconsistentData);
    return;
  }
  const kernel::Box2& b = m.box;
  const bool changed = Differs(left, b.xmin) || Differs(right, b.xmax) || Differs(down, b.ymin) ||
                       Differs(up, b.ymax) || m.unequal == 0;
  if (changed) window_->ApplyView({(left + right) / 2, (down + up) / 2}, (right - left) / 2, (up - down) / 2, true);
}

bool TViewDlg::OnCommand(int id) {
  if (id == kApply) {
    Apply();
    return true;
  }
  if (id == kClose) {
    Hide();
    return true;
  }
  return TDlg::OnCommand(id);
}

}  // namespace view
