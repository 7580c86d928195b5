#pragma once
// The decimals dialog: "decimal places" alone (DP), or with the field width and the "tabbed"
// choice (FWDPTAB, the data window), as the window's decimals-dialog mask says. It writes the
// number format directly on OK; a value out of range keeps it open.

#include <string_view>

#include "shell/dlg.h"
#include "shell/output_formats.h"

namespace shell {

class TFileMsgWin;

class TFWDlg : public TDlg {
 public:
  TFWDlg(TFileMsgWin* window, std::string_view resource, NumberFormat* format);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  TFileMsgWin* window_;
  NumberFormat* format_;
};

}  // namespace shell
