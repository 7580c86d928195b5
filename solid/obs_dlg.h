#pragma once
// The observer dialog of the windows in space ("OBSKV", modeless): the observer's x, y and z as
// expressions. Apply moves the observer there unless it would stand too close to the model
// (message 115 "viewer too close", also straight above or below the view centre, where there is
// no view) or too far from it (message 17 "out of bounds"); Close hides the dialog.

#include "shell/dlg.h"

namespace solid {

class TGeomPWin;

inline constexpr int kObserverFirstEdit = 211;  // 211, 212, 213: x, y, z
inline constexpr int kObserverApply = 91;
inline constexpr int kMsgViewerTooClose = 115;

class TObsDlg : public shell::TDlg {
 public:
  explicit TObsDlg(TGeomPWin* window);

  // Writes the observer's coordinates into the edits, in the window's number format.
  void ShowObserver();
  // Evaluates the edits and moves the observer: 0, or the message number that was shown.
  int Apply();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnCancel() override { Hide(); }

 private:
  TGeomPWin* window_;
};

}  // namespace solid
