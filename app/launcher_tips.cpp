#include "app/launcher_tips.h"

#include "kernel/file_bytes.h"

namespace app {

std::uint8_t ReadShowTipFlag(const std::string& tipsFile) {
  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(tipsFile);
  if (!bytes || bytes->empty()) return 1;
  return bytes->front();
}

std::unique_ptr<TTipsDlg> CreateLauncherTips(platform::FrameWindow* frame, shell::DlgPosition* position,
                                             const std::string& tipsFile) {
  const std::uint8_t show = ReadShowTipFlag(tipsFile);
  auto tips = std::make_unique<TTipsDlg>(frame, "TIPS", kFirstTip, show ? kLastTip : -kLastTip, tipsFile, position,
                                         -1, 0);
  tips->Create();
  // A box that is not closed comes up once the launcher is on screen.
  if (!show) tips->closed = 1;
  return tips;
}

}  // namespace app
