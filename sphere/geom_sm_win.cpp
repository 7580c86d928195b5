#include "sphere/geom_sm_win.h"

#include "resources/resource_library.h"

namespace sphere {

namespace {

constexpr int kStringMacro = 141;

}  // namespace

TGeomSMWin::TGeomSMWin(platform::FrameWindow* parent, std::string_view title) : TGeomSWin(parent, title) {}

void TGeomSMWin::SetupWindow() {
  TGeomSWin::SetupWindow();
  LoadStartupFile();
}

plane::TMacWin* TGeomSMWin::OpenMacroWindow() {
  auto* window = new TGeomSWin(parent(), resources::LoadString(kStringMacro), true);
  AdoptLinkedWindow(*window);
  window->notebook = 1;
  window->Create();
  window->fileMsg.version = fileMsg.version;
  window->Show();
  return window;
}

}  // namespace sphere
