#pragma once
// The hand-over of a plane polygon to a new 3-D window, which builds a prism or pyramid on it.
// The 3-D window layers stand above the plane layers, so the program installs the operation that
// opens such a window when it starts.

#include <cstdint>
#include <string>
#include <vector>

#include "kernel/real.h"

namespace platform {
class FrameWindow;
}
namespace view {
class TQELWin;
}

namespace plane {

struct SolidHandOver {
  bool prism = false;                  // else a pyramid
  std::vector<kernel::Point2> base;    // the polygon's points in order
  std::vector<std::uint16_t> labels;   // their label ids
  kernel::Real dx = 0;                 // the foot of the altitude from the first base vertex
  kernel::Real dy = 0;
  kernel::Real altitude = 0;
};

// Makes a 3-D window owned by parent with the caption, gives it the child-window slot, shows it and
// builds the solid in it; null (and the slot left free) when the window could not be made.
using SolidWindowOpener = view::TQELWin* (*)(platform::FrameWindow* parent, const std::string& caption, int slot,
                                             const SolidHandOver& solid);

void SetSolidWindowOpener(SolidWindowOpener opener);
SolidWindowOpener GetSolidWindowOpener();

}  // namespace plane
