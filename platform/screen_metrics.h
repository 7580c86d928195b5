#pragma once
// The screens and the standard heights of window parts, for placing windows and dialogs.

#include <vector>

#include "platform/frame_window.h"

namespace platform {

// Every screen's area in screen pixels, the primary screen first (never empty).
std::vector<WindowRect> ScreenRects();
// Whether the point lies on some screen.
bool IsOnAnyScreen(int x, int y);
// Height of a window's title bar and of a one-line menu bar, in pixels.
int CaptionHeight();
int MenuBarHeight();

}  // namespace platform
