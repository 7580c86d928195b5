#include "app/launcher_tips.h"

#include "app/geom_app.h"
#include "platform/message_box.h"
#include "platform/resource_library.h"

namespace app {

namespace {
constexpr int kAboutCaptionString = 298;
}  // namespace

LauncherTips::LauncherTips(platform::FrameWindow* frame, DlgPosition* position, std::string tipsFile)
    : frame_(frame), position_(position), tipsFile_(std::move(tipsFile)) {}

void LauncherTips::Create() {}
void LauncherTips::ActivateAtStart() {}
void LauncherTips::ShowNext() {}

void ShowAboutBox(TFileMsgWin& window) {
  const std::string caption = platform::LoadString(kAboutCaptionString, 255) + " [v 1." +
                              std::to_string(window.fileMsg.version) + "]";
  platform::MessageBox(&window, kProgramName, caption, platform::MessageButtons::Ok);
}

}  // namespace app
