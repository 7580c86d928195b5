#pragma once
// "print format (cm)": width or x unit, the offsets of the picture's upper left corner, frame and
// colour. The window's format mode chooses what is offered: 2 everything, 1 the width, offsets
// and both check boxes, 0 only the offsets, 3 and up the offsets and "frame image". The dialog
// edits the format block directly; its caller keeps a copy to put back on Cancel.

#include "shell/dlg.h"
#include "shell/output_formats.h"

namespace shell {

class TFileMsgWin;

class TPrnSpecsDlg : public TDlg {
 public:
  TPrnSpecsDlg(TFileMsgWin* window, PrintFormat* format, int mode);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  TFileMsgWin* window_;
  PrintFormat* format_;
  int mode_;
};

}  // namespace shell
