#include "shell/generic_dialogs.h"

#include <algorithm>

namespace shell {

namespace {

std::string CutTo(std::string text, int length) {
  if (length >= 0 && text.size() > static_cast<std::size_t>(length)) text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

// --- TGenDlg ------------------------------------------------------------------------------------

TGenDlg::TGenDlg(platform::FrameWindow* parent, std::string_view resource, int textLength, std::string* text1,
                 std::string* text2, std::string* text3, std::string* text4, std::string* text5,
                 std::string* text6, std::string* text7)
    : TDlg(parent, resource), textLength_(textLength), texts_{text1, text2, text3, text4, text5, text6, text7} {}

void TGenDlg::SetupWindow() {
  TDlg::SetupWindow();
  for (int i = 0; i < static_cast<int>(texts_.size()); ++i) {
    if (!texts_[i]) continue;
    SetTextLimit(kFirstEdit + i, textLength_);
    SetItemText(kFirstEdit + i, CutTo(*texts_[i], textLength_));
  }
}

void TGenDlg::StoreTexts() {
  for (int i = 0; i < static_cast<int>(texts_.size()); ++i)
    if (texts_[i]) *texts_[i] = CutTo(GetItemText(kFirstEdit + i), textLength_);
}

void TGenDlg::OnOk() {
  StoreTexts();
  TDlg::OnOk();
}

// --- TGenBoolDlg --------------------------------------------------------------------------------

TGenBoolDlg::TGenBoolDlg(platform::FrameWindow* parent, std::string_view resource, std::uint8_t* flag1,
                         std::uint8_t* flag2, int textLength, std::string* text1, std::string* text2,
                         std::string* text3, std::string* text4, std::string* text5, std::string* text6,
                         std::string* text7)
    : TGenDlg(parent, resource, textLength, text1, text2, text3, text4, text5, text6, text7),
      flag1_(flag1),
      flag2_(flag2) {}

void TGenBoolDlg::SetupWindow() {
  TGenDlg::SetupWindow();
  if (flag1_) CheckItem(kFirstCheck, *flag1_ != 0);
  if (flag2_) CheckItem(kFirstCheck + 1, *flag2_ != 0);
}

void TGenBoolDlg::OnOk() {
  if (flag1_) *flag1_ = IsChecked(kFirstCheck) ? 1 : 0;
  if (flag2_) *flag2_ = IsChecked(kFirstCheck + 1) ? 1 : 0;
  TGenDlg::OnOk();
}

// --- TRadBtDlg ----------------------------------------------------------------------------------

TRadBtDlg::TRadBtDlg(platform::FrameWindow* parent, std::string_view resource, int* choice, int textLength,
                     std::string* text1, std::string* text2, std::string* text3, std::string* text4,
                     std::string* text5)
    : TGenDlg(parent, resource, textLength, text1, text2, text3, text4, text5),
      choice_(choice),
      buttons_(choice ? *choice : 0) {}

void TRadBtDlg::SetupWindow() {
  TGenDlg::SetupWindow();
  if (HasItem(kFirstRadio)) CheckItem(kFirstRadio, true);
}

void TRadBtDlg::OnOk() {
  StoreTexts();
  for (int i = 0; i < buttons_; ++i) {
    if (HasItem(kFirstRadio + i) && IsChecked(kFirstRadio + i)) {
      if (choice_) *choice_ = i + 1;
      break;
    }
  }
  TDlg::OnOk();
}

// --- TInpDlg ------------------------------------------------------------------------------------

TInpDlg::TInpDlg(platform::FrameWindow* parent, std::string_view caption, std::string_view prompt,
                 std::string* buffer, int bufferSize, const platform::FontSpec* font)
    : TDlg(parent, "ONEINPUT"), caption_(caption), prompt_(prompt), buffer_(buffer), bufferSize_(bufferSize) {
  if (font) font_ = *font;
}

void TInpDlg::SetupWindow() {
  TDlg::SetupWindow();
  if (font_) {
    SetItemFont(kFirstPrompt, *font_);
    SetItemFont(kFirstEdit, *font_);
  }
  SetItemText(kFirstPrompt, prompt_);
  if (buffer_) SetItemText(kFirstEdit, *buffer_);
  SetCaption(caption_);
}

void TInpDlg::OnOk() {
  if (buffer_) *buffer_ = CutTo(GetItemText(kFirstEdit), std::max(0, bufferSize_ - 1));
  TDlg::OnOk();
}

// --- TInp2Dlg -----------------------------------------------------------------------------------

TInp2Dlg::TInp2Dlg(platform::FrameWindow* parent, std::string_view caption, std::string_view resource,
                   std::string_view prompt1, std::string_view prompt2, std::string* buffer1, std::string* buffer2,
                   int bufferSize, std::string_view prompt3, std::string* buffer3)
    : TDlg(parent, resource),
      caption_(caption),
      prompts_{std::string(prompt1), std::string(prompt2), std::string(prompt3)},
      buffers_{buffer1, buffer2, buffer3},
      bufferSize_(bufferSize) {}

void TInp2Dlg::SetupWindow() {
  TDlg::SetupWindow();
  for (int i = 0; i < 3; ++i) {
    if (!buffers_[i]) continue;
    SetItemText(kFirstPrompt + i, prompts_[i]);
    SetItemText(kFirstEdit + i, *buffers_[i]);
  }
  SetCaption(caption_);
}

void TInp2Dlg::OnOk() {
  for (int i = 0; i < 3; ++i)
    if (buffers_[i]) *buffers_[i] = CutTo(GetItemText(kFirstEdit + i), std::max(0, bufferSize_ - 1));
  TDlg::OnOk();
}

}  // namespace shell
