#pragma once
// The program's entry and its application object, whose main window is the launcher frame.

#include <memory>

#include "platform/application.h"

namespace app {

class TGeomFrame;

inline constexpr const char* kProgramName = "Kavrine";

class TGeom : public platform::Application {
 public:
  TGeom(int& argc, char** argv);
  ~TGeom();

  // Makes the launcher frame the main window.
  void InitMainWindow();
  // Shows the main window and runs until it closes; returns the exit code.
  int Run();
  TGeomFrame* frame() const { return frame_.get(); }

 private:
  std::unique_ptr<TGeomFrame> frame_;
};

// Hands the command line's file name to a running instance and returns 0, or runs the program
// and returns its exit code.
int OwlMain(int argc, char** argv);

}  // namespace app
