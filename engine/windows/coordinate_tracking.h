#pragma once
// Where the coordinates of the point under the mouse are shown while the button is held.

#include "platform/drawing_types.h"

namespace engine {

// The pixel on which a text of that size stands (its bottom-left corner) when it is shown at the
// mouse in a client area of that width: centred on the mouse and ending 4 pixels inside the
// right edge, starting 4 pixels in when it would start left of the edge; with too little room
// above the mouse it hangs below it.
platform::PointI CoordinateTextPlace(platform::PointI mouse, platform::SizeI text, int clientWidth);

}  // namespace engine
