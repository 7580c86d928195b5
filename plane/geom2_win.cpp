#include "plane/geom2_win.h"

#include <string>

#include "resources/resource_library.h"
#include "shell/child_windows.h"
#include "shell/message_numbers.h"

namespace plane {

namespace {

constexpr int kStringNoname = 29;
constexpr int kStringMacro = 141;
constexpr int kStringAttach = 229;

}  // namespace

TGeom2Win::TGeom2Win(platform::FrameWindow* parent, std::string_view title, std::uint8_t hyperbolicPlane)
    : TGeomEWin(parent, title, hyperbolicPlane) {}

TGeomEWin* TGeom2Win::OpenMacroWindow() { return OpenLinkedWindow(true); }

TGeomEWin* TGeom2Win::OpenSourceWindow() { return OpenLinkedWindow(false); }

TGeomEWin* TGeom2Win::OpenLinkedWindow(bool macro) {
  const int slot = shell::FindFreeSlot();
  if (slot < 0) {
    Msg(shell::kNoMoreRoom);
    return nullptr;
  }
  const std::string caption = resources::LoadString(kStringNoname) + "[" +
                              resources::LoadString(macro ? kStringMacro : kStringAttach) + "]";
  auto* window = macro ? new TGeomEWin(parent(), caption, hyperbolic, halfPlane) : new TGeomEWin(parent(), caption, 0, 0);
  shell::ChildWindows()[slot] = 1;
  window->slotIndex = slot;
  window->macroWindow = macro ? 1 : 0;
  window->sourceWindow = macro ? 0 : 1;
  AdoptLinkedWindow(*window);
  window->notebook = notebook;
  window->Create();
  window->fileMsg.version = fileMsg.version;
  window->Show();
  return window;
}

}  // namespace plane
