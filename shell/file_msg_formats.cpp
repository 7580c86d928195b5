// The print format and the number format of a window.

#include "shell/file_msg_win.h"
#include "shell/fw_dlg.h"
#include "shell/prn_specs_dlg.h"
#include "platform/modal_responder.h"

namespace shell {

void TFileMsgWin::FormatCommand() {
  const PrintFormat kept = printFormat;
  TPrnSpecsDlg dialog(this, &printFormat, formatMode);
  if (dialog.Execute() == platform::IDOK) {
    if (fileMsg.markModifiedOnFormat) fileMsg.modified = 1;
  } else {
    printFormat = kept;
  }
}

void TFileMsgWin::DecimalsCommand() {
  // The data window offers the field width and the "tabbed" choice too.
  const char* resource = numberFormat.dialogMask == kDecimalsWidthTabbed ? "FWDPTAB" : "DP";
  TFWDlg dialog(this, resource, &numberFormat);
  if (dialog.Execute() != platform::IDOK) return;
  numberFormat.roundingUnit = RoundingUnitFor(numberFormat.decimals);
  DefaultFieldWidth();
  FormatChanged();
}

void TFileMsgWin::DefaultFieldWidth() {
  numberFormat.fieldWidth = static_cast<std::int16_t>(numberFormat.decimals + 2);
}

}  // namespace shell
