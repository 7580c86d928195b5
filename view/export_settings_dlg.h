#pragma once
// The settings dialog (template SVG) shared by the metafile, BMP, SVG and EPS exports: the picture
// size in pixels (SVG only), the number of frames ("pages") and the animation parameter text.
// Every field is checked before any is stored: a bad entry is reported and the dialog stays open;
// Cancel changes nothing.

#include <string>

#include "shell/dlg.h"

namespace view {

class TQELWing;

// The exports that use the dialog.
inline constexpr int kSettingsForMetafile = 0;
inline constexpr int kSettingsForBMP = 1;
inline constexpr int kSettingsForSVG = 2;
inline constexpr int kSettingsForEPS = 3;

// Controls of SVG.
inline constexpr int kSettingsWidthEdit = 211;
inline constexpr int kSettingsHeightEdit = 212;
inline constexpr int kSettingsFramesEdit = 213;
inline constexpr int kSettingsParameterEdit = 214;
inline constexpr int kSettingsWidthLabel = 231;
inline constexpr int kSettingsHeightLabel = 232;
inline constexpr int kSettingsParameterLabel = 234;
inline constexpr int kSettingsPagesCheck = 271;

class TSVGDlg : public shell::TDlg {
 public:
  // kind: one of kSettingsFor...; frames and parameterText are the caller's, read and written on
  // OK. The SVG size is the owner's.
  TSVGDlg(TQELWing* owner, int kind, int* frames, std::string* parameterText);

 protected:
  void SetupWindow() override;
  void OnOk() override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void ShowPageFields();

 private:
  TQELWing* owner_;
  int animationMode_;
  int kind_;
  int* frames_;
  std::string* parameterText_;
};

}  // namespace view
