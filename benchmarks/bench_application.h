#pragma once
// The one application object the window and drawing benchmarks need, made on first use and
// shown on no screen. It lives until the process ends: destroyed among the exit handlers, after
// statics its clean-up routines still use, it crashed the benchmark program at its end.

#include <cstdlib>

#include "platform/application.h"

namespace bench {

inline void EnsureApplication() {
  static platform::Application* app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kavrine_bench";
    static char* argv[] = {name, nullptr};
    return new platform::Application(argc, argv);
  }();
  (void)app;
}

}  // namespace bench
