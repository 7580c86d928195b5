#pragma once
// The "did you know that ..." box: cycles through the tips of the string table by a step that
// visits every tip before any comes back, and keeps the "show a tip at startup" choice in its
// one-byte tips file.

#include <cstdint>
#include <string>
#include <string_view>

#include "shell/dlg.h"

namespace app {

inline constexpr int kFirstTip = 1800;
inline constexpr int kLastTip = 1853;

inline constexpr int kCmdNextTip = 59;
inline constexpr int kCmdPreviousTip = 48;
inline constexpr int kShowAtStartCheck = 271;
inline constexpr int kTipTextItem = 231;

struct TipsData {
  std::int32_t first = kFirstTip;
  std::int32_t last = kLastTip;
  std::int32_t count = kLastTip - kFirstTip + 1;
  std::int32_t current = kFirstTip;
  // 1 to count, sharing no factor above 1 with count.
  std::int32_t step = 1;
  std::uint8_t showAtStart = 1;
  std::string tipsFile;
};

// The tip after (or before) current by step, wrapping around within first..last.
std::int32_t NextTipId(const TipsData& tips);
std::int32_t PreviousTipId(const TipsData& tips);

class TTipsDlg : public shell::TDlg {
 public:
  // A negative last id means the box is off at start-up (its absolute value is the last id); a
  // start tip below 0 and a step below 1 are chosen at random.
  TTipsDlg(platform::FrameWindow* parent, std::string_view resource, int first, int lastSigned, std::string tipsFile,
           shell::DlgPosition* position, int startTip, int step);

  void NextTip();
  void PreviousTip();
  // Shows the current tip.
  void ShowTip();

  TipsData tips;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
  // Escape hides the box.
  void OnCancel() override { Hide(); }

 private:
  void StoreShowAtStart();
};

}  // namespace app
