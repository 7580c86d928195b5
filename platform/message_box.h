#pragma once
// The system message box, task-modal over its owner.

#include <string_view>

#include "platform/modal_responder.h"

namespace platform {

class FrameWindow;

// Shows text under caption with the given buttons and waits; returns IDOK, IDYES, IDNO or IDCANCEL
// (Escape or closing the box gives IDCANCEL, or IDOK for a box with only OK).
int MessageBox(FrameWindow* owner, std::string_view text, std::string_view caption,
               MessageButtons buttons = MessageButtons::Ok);

}  // namespace platform
