#pragma once
// "protection": sets a figure file's password, what it guards and the four author lines. "add"
// (OK) stores them in the window; "remove" (Cancel) takes the protection and the author lines
// away.

#include "shell/dlg.h"

namespace shell {

class TFileMsgWin;

class TPwdDlg : public TDlg {
 public:
  explicit TPwdDlg(TFileMsgWin* window);

 protected:
  void SetupWindow() override;
  void OnOk() override;
  void OnCancel() override;

 private:
  TFileMsgWin* window_;
};

}  // namespace shell
