#include "solid/obs_dlg.h"

#include <array>
#include <string>

#include "engine/figure_tables.h"
#include "kernel/central_projection.h"
#include "solid/geom_p_win.h"

namespace solid {

namespace {

constexpr std::size_t kTextChars = 30;

}  // namespace

TObsDlg::TObsDlg(TGeomPWin* window) : TDlg(window, "OBSKV"), window_(window) {}

void TObsDlg::SetupWindow() {
  TDlg::SetupWindow();
  for (int i = 0; i < 3; ++i) SetTextLimit(kObserverFirstEdit + i, static_cast<int>(kTextChars));
  ShowObserver();
}

void TObsDlg::ShowObserver() {
  if (!IsCreated()) return;
  const kernel::Point3& o = window_->observer;
  SetItemText(kObserverFirstEdit, window_->FormatNumber(o.x, false));
  SetItemText(kObserverFirstEdit + 1, window_->FormatNumber(o.y, false));
  SetItemText(kObserverFirstEdit + 2, window_->FormatNumber(o.z, false));
}

int TObsDlg::Apply() {
  std::array<kernel::Real, 3> p{};
  int code = 0;
  for (int i = 0; i < 3 && code == 0; ++i) {
    const std::string text = GetItemText(kObserverFirstEdit + i).substr(0, kTextChars);
    code = window_->ParseNumber(text, p[static_cast<std::size_t>(i)]);
  }
  const kernel::Point3 observer{p[0], p[1], p[2]};
  if (code == 0) {
    // Straight above or below the view centre there is no view to compute.
    kernel::ViewFrame probe;
    if (window_->ObserverTooClose(observer) || !kernel::ComputeViewFrame(observer, window_->viewCentre, probe)) {
      code = kMsgViewerTooClose;
    } else if (window_->ObserverTooFar(observer)) {
      code = engine::kMsgOutOfBounds;
    }
  }
  if (code != 0) {
    window_->Msg(code);
    return code;
  }
  window_->observer = observer;
  window_->Redraw(1);
  return 0;
}

bool TObsDlg::OnCommand(int id) {
  if (id == kObserverApply) {
    Apply();
    return true;
  }
  return TDlg::OnCommand(id);
}

}  // namespace solid
