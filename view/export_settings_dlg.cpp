#include "view/export_settings_dlg.h"

#include <algorithm>
#include <initializer_list>

#include "resources/resource_library.h"
#include "shell/message_numbers.h"
#include "view/dialog_integers.h"
#include "view/export_settings.h"
#include "view/qel_wing.h"

namespace view {

namespace {

constexpr int kWidthString = 27;       // "width"
constexpr int kHeightString = 28;      // "height"
constexpr int kCaptionString = 41;     // "SVG settings"
constexpr int kOkString = 42;          // "ok"
constexpr int kCancelString = 43;      // "cancel"
constexpr int kParameterString = 60;   // "parameter"
constexpr int kPagesString = 61;       // "number of pages"
constexpr int kFieldLimit = 20;
constexpr int kSmallestSide = 10;

}  // namespace

TSVGDlg::TSVGDlg(TQELWing* owner, int kind, int* frames, std::string* parameterText)
    : TDlg(owner, "SVG"),
      owner_(owner),
      animationMode_(owner->exports.animationMode),
      kind_(kind),
      frames_(frames),
      parameterText_(parameterText) {}

void TSVGDlg::SetupWindow() {
  TDlg::SetupWindow();
  std::string caption = resources::LoadString(kCaptionString);
  const char* prefix = kind_ == kSettingsForMetafile ? "EMF" : kind_ == kSettingsForBMP ? "BMP"
                                                          : kind_ == kSettingsForEPS   ? "EPS"
                                                                                         : nullptr;
  if (prefix) caption.replace(0, std::min<std::size_t>(3, caption.size()), prefix);
  SetCaption(caption);
  SetItemText(kSettingsWidthLabel, resources::LoadString(kWidthString));
  SetItemText(kSettingsHeightLabel, resources::LoadString(kHeightString));
  SetItemText(kSettingsPagesCheck, resources::LoadString(kPagesString));
  SetItemText(kSettingsParameterLabel, resources::LoadString(kParameterString));
  SetItemText(1, resources::LoadString(kOkString));
  SetItemText(2, resources::LoadString(kCancelString));
  CheckItem(kSettingsPagesCheck, false);
  for (const int id : {kSettingsWidthEdit, kSettingsHeightEdit, kSettingsFramesEdit})
    SetTextLimit(id, kFieldLimit);
  SetItemText(kSettingsWidthEdit, std::to_string(owner_->exports.svgWidth));
  SetItemText(kSettingsHeightEdit, std::to_string(owner_->exports.svgHeight));
  SetItemText(kSettingsFramesEdit,
              std::to_string(animationMode_ == 2 ? owner_->exports.defaultFrameCount : *frames_));
  SetItemText(kSettingsParameterEdit, *parameterText_);
  ShowItem(kSettingsParameterEdit, false);
  ShowItem(kSettingsParameterLabel, false);
  if (kind_ != kSettingsForSVG) {
    for (const int id : {kSettingsWidthEdit, kSettingsHeightEdit, kSettingsWidthLabel, kSettingsHeightLabel})
      ShowItem(id, false);
  }
  if (animationMode_ == 0) {
    ShowItem(kSettingsPagesCheck, false);
    ShowItem(kSettingsFramesEdit, false);
  } else {
    ShowPageFields();
  }
}

void TSVGDlg::ShowPageFields() {
  const bool pages = IsChecked(kSettingsPagesCheck);
  ShowItem(kSettingsFramesEdit, pages);
  const bool parameter = pages && animationMode_ != 2;
  ShowItem(kSettingsParameterEdit, parameter);
  ShowItem(kSettingsParameterLabel, parameter);
}

void TSVGDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id == kSettingsPagesCheck && what == platform::ControlNotification::Clicked) ShowPageFields();
}

void TSVGDlg::OnOk() {
  int error = 0;
  int width = owner_->exports.svgWidth;
  int height = owner_->exports.svgHeight;
  if (kind_ == kSettingsForSVG) {
    width = ReadDialogInteger(GetItemText(kSettingsWidthEdit));
    height = ReadDialogInteger(GetItemText(kSettingsHeightEdit));
    if (width < kSmallestSide || height < kSmallestSide) error = shell::kOutOfBounds;
  }
  int frames = 1;
  int control = 0;
  std::string parameter = *parameterText_;
  if (animationMode_ != 0 && IsChecked(kSettingsPagesCheck)) {
    frames = ReadDialogInteger(GetItemText(kSettingsFramesEdit));
    if (frames < 1) error = shell::kInconsistentData;
    else if (frames > kMaxExportFrames) error = shell::kOutOfBounds;
    if (error == 0 && animationMode_ == 1) {
      parameter = GetItemText(kSettingsParameterEdit).substr(0, kFrameParameterLength);
      control = owner_->SetAnimationControl(parameter);
      if (frames > 1 && control < 1) error = shell::kCouldNotFind;
    } else if (error == 0 && animationMode_ == 2) {
      control = owner_->UseDefaultAnimation();
    }
  }
  if (error != 0) {
    owner_->Msg(error);
    return;
  }
  *frames_ = frames;
  *parameterText_ = parameter;
  owner_->exports.animationControl = control;
  if (kind_ == kSettingsForSVG) {
    owner_->exports.svgWidth = width;
    owner_->exports.svgHeight = height;
  }
  TDlg::OnOk();
}

}  // namespace view
