#include "app/about_dlg.h"

#include "resources/resource_library.h"

namespace app {

namespace {
constexpr int kAboutCaptionString = 298;
constexpr int kPlatformsString = 300;
constexpr int kFirstNoteString = 301;
constexpr int kLastNoteString = 308;
constexpr int kCommentsString = 309;
constexpr int kVersionCompiledString = 1440;
constexpr int kMonthString = 1449;
constexpr int kBodyEdit = 211;
constexpr std::size_t kBodyLimit = 2000;
constexpr const char* kLine = "\r\n";
}  // namespace

TAboutDlg::TAboutDlg(platform::FrameWindow* parent, std::string_view caption, std::string_view resource,
                     std::string body)
    : Dialog(parent, resource), caption_(caption), body_(std::move(body)) {}

void TAboutDlg::SetupWindow() {
  Dialog::SetupWindow();
  SetItemText(kBodyEdit, body_);
  SetCaption(caption_);
}

std::string AboutCaption(int version) {
  return resources::LoadString(kAboutCaptionString, 255) + " [v 1." + std::to_string(version) + "]";
}

std::string AboutBody() {
  std::string body = kLine;
  body += resources::LoadString(kPlatformsString, 100);
  body += kLine;
  body += resources::LoadString(kVersionCompiledString, 255) + " 1 " + resources::LoadString(kMonthString, 255) + " 2012";
  body += kLine;
  body += kLine;
  for (int id = kFirstNoteString; id <= kLastNoteString; ++id) {
    body += resources::LoadString(id, 255);
    body += kLine;
    if (id == 303 || id == 307) body += kLine;
  }
  body += kLine;
  body += resources::LoadString(kCommentsString, 255);
  if (body.size() > kBodyLimit - 1) body.resize(kBodyLimit - 1);
  return body;
}

void About(shell::TFileMsgWin& window) {
  if (window.fileMsg.aboutShowing) return;
  window.fileMsg.aboutShowing = 1;
  TAboutDlg dialog(&window, AboutCaption(window.fileMsg.version), "ABOUTBOX", AboutBody());
  dialog.Execute();
  window.fileMsg.aboutShowing = 0;
}

}  // namespace app
