#pragma once
// The application object and its event loop. There is one per process; it must exist before
// any window, dialog or drawing surface is made.

#include <memory>

namespace platform {

class Application {
 public:
  Application(int& argc, char** argv);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Runs the event loop until Quit is called or the last frame window closes; returns the exit code.
  int Run();
  static void Quit(int code = 0);
  // Handles the events that are waiting (paints, input, timers) and returns.
  static void ProcessPendingEvents();
  static bool Exists();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
