#include "solidview/solid_window_opening.h"

#include "shell/child_windows.h"
#include "solidview/geom3_win.h"

namespace solidview {

view::TQELWin* OpenSolidWindow(platform::FrameWindow* parent, const std::string& caption, int slot,
                               const plane::SolidHandOver& solid) {
  if (slot < 0 || slot >= shell::kChildWindowSlots || shell::ChildWindows()[static_cast<std::size_t>(slot)] > 0) {
    return nullptr;
  }
  auto* window = new TGeom3Win(parent, caption);
  shell::ChildWindows()[static_cast<std::size_t>(slot)] = 1;
  window->slotIndex = slot;
  window->Create();
  window->Show();
  window->BuildSolidFromPolygon(solid);
  return window;
}

}  // namespace solidview
