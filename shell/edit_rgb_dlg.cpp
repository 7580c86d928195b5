#include "shell/edit_rgb_dlg.h"

#include <cstdlib>
#include <string>

#include "shell/col_win.h"
#include "shell/message_numbers.h"

namespace shell {

namespace {
constexpr int kRedEdit = 211;
constexpr int kGreenEdit = 212;
constexpr int kBlueEdit = 213;
constexpr std::size_t kFieldLimit = 30;

int FieldValue(const std::string& text) { return std::atoi(text.substr(0, kFieldLimit).c_str()); }
}  // namespace

TEditRGBDlg::TEditRGBDlg(TColWin* colorWindow) : TDlg(colorWindow, "RGB"), colorWindow_(colorWindow) {}

void TEditRGBDlg::SetupWindow() {
  TDlg::SetupWindow();
  ShowRGB();
}

void TEditRGBDlg::ShowRGB() {
  const std::uint16_t* index = colorWindow_->currentIndex();
  if (!index || *index >= kernel::kColorCount) return;
  const kernel::ColorRef color = colorWindow_->preWin.colors[*index];
  SetItemText(kRedEdit, std::to_string(kernel::RedOf(color)));
  SetItemText(kGreenEdit, std::to_string(kernel::GreenOf(color)));
  SetItemText(kBlueEdit, std::to_string(kernel::BlueOf(color)));
}

void TEditRGBDlg::Apply() {
  std::uint16_t* index = colorWindow_->currentIndex();
  if (!index || *index >= kernel::kColorCount) return;
  const int red = FieldValue(GetItemText(kRedEdit));
  const int green = FieldValue(GetItemText(kGreenEdit));
  const int blue = FieldValue(GetItemText(kBlueEdit));
  for (const int value : {red, green, blue})
    if (value < 0 || value > 255) {
      colorWindow_->Msg(kOutOfBounds);
      return;
    }
  colorWindow_->preWin.colors[*index] = kernel::Rgb(red, green, blue);
  colorWindow_->CommitColor();
  colorWindow_->InvalidateBuffer(0);
  colorWindow_->Invalidate();
}

bool TEditRGBDlg::OnCommand(int id) {
  if (id == kCmdApplyRgb) {
    Apply();
    return true;
  }
  return TDlg::OnCommand(id);
}

}  // namespace shell
