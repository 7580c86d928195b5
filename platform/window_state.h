#pragma once
// A frame window's placement in the form Placement and MoveTo use (the outer rectangle), taken
// from the size it comes back to when restored, so a window closed while maximised or minimised
// stores the size it returns to. Storing this and moving to it later keeps the window exactly
// where and as large as it was.

#include "platform/frame_window.h"

namespace platform {

WindowRect NormalPlacement(const FrameWindow& window);

}  // namespace platform
