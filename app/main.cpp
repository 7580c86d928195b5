// Program entry: starts the application and shows the launcher frame.

#include "platform/application.h"
#include "platform/frame_window.h"

int main(int argc, char** argv) {
  platform::Application application(argc, argv);
  platform::FrameWindow frame(nullptr, "Kavrine");
  frame.SetMainWindow();
  frame.SetBackgroundColor(64, 128, 128);
  frame.MoveTo({100, 20, 200, 120});
  frame.Show();
  return application.Run();
}
