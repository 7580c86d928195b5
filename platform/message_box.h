#pragma once
// The system message box, task-modal over its owner.

#include <string_view>

#include "platform/modal_responder.h"

namespace platform {

class FrameWindow;

// Shows text under caption with the given buttons and waits; returns IDOK, IDYES, IDNO or IDCANCEL
// (Escape or closing the box gives IDCANCEL, or IDOK for a box with only OK). The box is wide
// enough for its text and for its caption in the title bar.
int MessageBox(FrameWindow* owner, std::string_view text, std::string_view caption,
               MessageButtons buttons = MessageButtons::Ok);

// The width in pixels a title bar needs to show the caption whole beside the window's buttons.
int CaptionWidthNeeded(std::string_view caption);

// What the box for this text and caption looks like on screen, without showing it: its width
// and the width of its widest text line, in pixels.
struct MessageBoxLayout {
  int width = 0;
  int textWidth = 0;
};
MessageBoxLayout LayOutMessageBox(std::string_view text, std::string_view caption,
                                  MessageButtons buttons = MessageButtons::Ok);

}  // namespace platform
