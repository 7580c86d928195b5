#pragma once
// The launcher's tips box: made in the launcher's set-up from the one-byte tips file ("kv.tip",
// non-zero or missing: show a tip at start-up), with a random first tip and step.

#include <cstdint>
#include <memory>
#include <string>

#include "app/tips_dlg.h"

namespace app {

// The byte of the tips file; 1 when the file is missing or empty.
std::uint8_t ReadShowTipFlag(const std::string& tipsFile);

// Creates the box over frame, hidden; marked closed unless the user wants a tip at start-up (the
// launcher shows it once it is on screen).
std::unique_ptr<TTipsDlg> CreateLauncherTips(platform::FrameWindow* frame, shell::DlgPosition* position,
                                             const std::string& tipsFile);

}  // namespace app
