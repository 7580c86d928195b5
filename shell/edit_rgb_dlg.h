#pragma once
// The colour window's small modeless editor of the current colour as red, green and blue values
// (edits 211, 212, 213). Apply (91, or Enter) checks and commits them; Close (2) hides it.

#include "shell/dlg.h"

namespace shell {

class TColWin;

inline constexpr int kCmdApplyRgb = 91;

class TEditRGBDlg : public TDlg {
 public:
  explicit TEditRGBDlg(TColWin* colorWindow);

  // Writes the working colour of the current index into the three fields.
  void ShowRGB();
  // Values outside 0..255: message 17 and nothing changes. Otherwise the colour becomes the
  // fields' colour and goes to the owner.
  void Apply();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override { Apply(); }
  void OnCancel() override { TDlg::Hide(); }

 private:
  TColWin* colorWindow_;
};

}  // namespace shell
