#include "engine/windows/tool_dlg.h"

#include "engine/windows/geom10_win.h"

namespace engine {

TToolDlg::TToolDlg(TGeom10Win* window, std::string_view resource) : TDlg(window, resource), window_(window) {}

void TToolDlg::SetupWindow() {
  TDlg::SetupWindow();
  // Rays are no tool of the sphere; the hyperbolic plane has no coordinates to track.
  if (window_->model().Spherical) EnableItem(kToolRays, false);
  if (window_->model().Hyperbolic) EnableItem(kToolCoordinates, false);
  ShowMode();
}

void TToolDlg::ShowMode() {
  for (int id = kFirstToolMode; id <= kLastToolMode; ++id) {
    if (HasItem(id)) CheckItem(id, window_->qelWin.currentTool == id);
  }
}

bool TToolDlg::OnCommand(int id) {
  if (id >= kFirstToolMode && id <= kLastToolMode) {
    for (int k = kFirstToolMode; k <= kLastToolMode; ++k) {
      if (HasItem(k) && IsChecked(k)) window_->SetCurrentTool(static_cast<std::uint16_t>(k));
    }
    window_->SetupMenuChecks(false);
    return true;
  }
  return TDlg::OnCommand(id);
}

void TToolDlg::Hide() {
  window_->SetupMenuChecks(false);
  TDlg::Hide();
}

}  // namespace engine
