#include "app/geom_app.h"

#include <ctime>
#include <string>

#include "app/join_args.h"
#include "app/launcher_frame.h"
#include "app/startup_file.h"
#include "kernel/random.h"
#include "plane/solid_window_opener.h"
#include "platform/instance_channel.h"
#include "solidview/solid_window_opening.h"

namespace app {

TGeom::TGeom(int& argc, char** argv) : Application(argc, argv) {
  // The plane windows' prism and pyramid open their solids in 3-D windows.
  plane::SetSolidWindowOpener(&solidview::OpenSolidWindow);
}

TGeom::~TGeom() = default;

void TGeom::InitMainWindow() {
  frame_ = std::make_unique<TGeomFrame>(nullptr, kProgramName);
  frame_->SetMainWindow();
}

int TGeom::Run() {
  if (!frame_) InitMainWindow();
  frame_->Show();
  return Application::Run();
}

int OwlMain(int argc, char** argv) {
  const std::string name = JoinArgs(argc, argv);
  if (platform::HandOffToRunningInstance(name)) return 0;
  kernel::SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
  TGeom application(argc, argv);
  StartupFileName() = name;
  return application.Run();
}

}  // namespace app
