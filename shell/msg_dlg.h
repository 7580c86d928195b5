#pragma once
// The small message dialogs with a text and yes/no/ok/cancel buttons.

#include <string>
#include <string_view>

#include "shell/dlg.h"

namespace shell {

inline constexpr int kYesButton = 88;
inline constexpr int kNoButton = 89;
inline constexpr int kMessageTextStatic = 231;

class TMsgDlg : public TDlg {
 public:
  TMsgDlg(platform::FrameWindow* parent, std::string_view resource, std::string_view text, std::string_view caption);

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;

 private:
  std::string text_;
  std::string caption_;
};

}  // namespace shell
