#pragma once
// The PiCTeX set-up dialog (template PICTEX): the picture's width in centimetres and its flavour
// (TPreTeXDlg), and the box number of "TeX standalone", the number of frames ("pages") and the
// animation parameter text (TTeXDlg). Every field is checked before any is stored: a bad entry is
// reported and the dialog stays open with the entries in place; Cancel changes nothing.

#include <string>

#include "kernel/real.h"
#include "shell/dlg.h"

namespace view {

class TQELWing;

// Controls of PICTEX.
inline constexpr int kTeXWidthEdit = 211;
inline constexpr int kTeXBoxEdit = 212;
inline constexpr int kTeXWhitespaceEdit = 213;
inline constexpr int kTeXFramesEdit = 214;
inline constexpr int kTeXParameterEdit = 215;
inline constexpr int kTeXWhitespaceLabel = 231;
inline constexpr int kTeXParameterLabel = 232;
inline constexpr int kTeXFirstFlavour = 251;  // 251 to 254
inline constexpr int kTeXPagesCheck = 271;

class TPreTeXDlg : public shell::TDlg {
 public:
  TPreTeXDlg(TQELWing* owner, std::string_view resource, int* format, kernel::Real* width);

 protected:
  void SetupWindow() override;
  // The index of the checked flavour button (the current format when none is checked).
  int CheckedFormat() const;
  // Reads the width field: 0 and the width, or the message to report (a width below 0.1, or one
  // that is not a finite number, is "inconsistent data").
  int ReadWidth(kernel::Real& width) const;

  TQELWing* owner_;
  int* format_;
  kernel::Real* width_;
  int buttonCount_ = 4;
};

class TTeXDlg : public TPreTeXDlg {
 public:
  TTeXDlg(TQELWing* owner, int* format, int* boxNumber, int* frames, kernel::Real* width,
          std::string* parameterText);

 protected:
  void SetupWindow() override;
  void OnOk() override;
  void OnNotify(int id, platform::ControlNotification what) override;
  // The frames field shows while "pages" is checked, the parameter field too unless the window
  // animates by its own default.
  void ShowPageFields();

 private:
  int animationMode_;
  int* boxNumber_;
  int* frames_;
  std::string* parameterText_;
};

}  // namespace view
