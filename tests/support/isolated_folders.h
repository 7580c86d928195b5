#pragma once
// Gives each test its own runtime and settings folders, so no test hands over to or reads the
// settings of another.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

class IsolatedFolders : public testing::Test {
 protected:
  void SetUp() override {
    static int counter = 0;
    // Short: the runtime folder holds a local socket, whose path is limited to about 100 bytes.
    folder_ = std::filesystem::temp_directory_path() /
              ("kvl" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_ / "run");
    std::filesystem::create_directories(folder_ / "config");
    ::chmod((folder_ / "run").c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", (folder_ / "run").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (folder_ / "config").c_str(), 1);
  }
  void TearDown() override {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
  std::filesystem::path SettingsFolderPath() const { return folder_ / "config" / "kavrine"; }

  std::filesystem::path folder_;
};
