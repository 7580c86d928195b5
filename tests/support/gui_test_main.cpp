// Test main for folders with windows: starts the platform application first (headless under
// CTest, where QT_QPA_PLATFORM=offscreen).
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/application.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  platform::Application application(argc, argv);
  return RUN_ALL_TESTS();
}
