#pragma once
// The one application object the window and drawing benchmarks need, made on first use and
// shown on no screen.

#include <cstdlib>
#include <memory>

#include "platform/application.h"

namespace bench {

inline void EnsureApplication() {
  static std::unique_ptr<platform::Application> app = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kavrine_bench";
    static char* argv[] = {name, nullptr};
    return std::make_unique<platform::Application>(argc, argv);
  }();
}

}  // namespace bench
