#pragma once
// A frame window's placement as MoveTo takes it (the frame's top-left corner and the size inside
// the frame), and the one it returns to when it is restored, so a window closed while maximised
// stores the size it comes back to. Storing this and moving to it later keeps the window exactly
// where and as large as it was.

#include "platform/frame_window.h"

namespace platform {

WindowRect NormalPlacement(const FrameWindow& window);

}  // namespace platform
