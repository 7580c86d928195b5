#pragma once
// Internal to platform/: which part of a stretched picture shows. A destination of dw pixels
// shows a source of sw pixels, destination pixel i taking source pixel floor(i sw / dw) (counted
// from the far side when mirrored). Given the area that shows, the source pixels needed and the
// destination pixels they cover; everything in 64-bit arithmetic, for any int rectangles.

#include "platform/drawing_types.h"

namespace platform {

struct StretchPart {
  Rect dest;    // whole destination pixels of the needed source pixels (covers what shows)
  Rect source;  // the source pixels needed
};

// dest and source normalised and not empty; false when nothing shows.
bool VisibleStretch(const Rect& dest, const Rect& source, bool flipX, bool flipY, const Rect& visible,
                    StretchPart& part);

}  // namespace platform
