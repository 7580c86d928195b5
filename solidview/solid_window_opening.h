#pragma once
// The 3-D window that a plane window's prism and pyramid commands open.

#include "plane/solid_window_opener.h"

namespace solidview {

// A new 3-D window with the caption in the slot, shown, with the solid built in it.
view::TQELWin* OpenSolidWindow(platform::FrameWindow* parent, const std::string& caption, int slot,
                               const plane::SolidHandOver& solid);

}  // namespace solidview
