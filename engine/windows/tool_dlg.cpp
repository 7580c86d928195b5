#include "engine/windows/tool_dlg.h"

#include "engine/windows/geom10_win.h"

namespace engine {

TToolDlg::TToolDlg(TGeom10Win* window, std::string_view resource) : TDlg(window, resource), window_(window) {}

void TToolDlg::SetupWindow() {
  TDlg::SetupWindow();
  // Rays are no tool of the sphere. (A hyperbolic point's coordinates are those of the model it
  // is drawn in, as Point > Coordinates types them.)
  if (window_->model().Spherical) EnableItem(kToolRays, false);
  ShowMode();
}

void TToolDlg::ShowMode() {
  for (int id = kFirstToolMode; id <= kLastToolMode; ++id) {
    if (HasItem(id)) CheckItem(id, window_->qelWin.currentTool == id);
  }
}

bool TToolDlg::OnCommand(int id) {
  if (id >= kFirstToolMode && id <= kLastToolMode) {
    Choose(id);
    return true;
  }
  return TDlg::OnCommand(id);
}

void TToolDlg::OnNotify(int id, platform::ControlNotification what) {
  if (what == platform::ControlNotification::Clicked && id >= kFirstToolMode && id <= kLastToolMode) Choose(id);
}

void TToolDlg::Choose(int id) {
  // The button clicked is the one now checked; the others go off.
  window_->SetCurrentTool(static_cast<std::uint16_t>(id));
  ShowMode();
  window_->SetupMenuChecks(false);
}

void TToolDlg::Hide() {
  window_->SetupMenuChecks(false);
  TDlg::Hide();
}

}  // namespace engine
