#pragma once
// The toolbar: a small modeless dialog of ten radio buttons (120 to 129, the commands of the
// toolbar modes) that chooses what the mouse does in a geometry window. It shows the window's
// current mode and writes the user's choice back.

#include <string_view>

#include "shell/dlg.h"

namespace engine {

class TGeom10Win;

// Btns > Toolbar: shows the toolbar.
inline constexpr int kCmdToolbar = 1149;
inline constexpr int kFirstToolMode = 120;
inline constexpr int kLastToolMode = 129;
inline constexpr int kToolRays = 127;
inline constexpr int kToolCoordinates = 125;

class TToolDlg : public shell::TDlg {
 public:
  TToolDlg(TGeom10Win* window, std::string_view resource);

  void Hide() override;
  // Checks the button of the window's mode and clears the others.
  void ShowMode();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void OnCancel() override { Hide(); }
  void OnOk() override { Hide(); }

 private:
  void Choose(int id);

  TGeom10Win* window_;
};

}  // namespace engine
