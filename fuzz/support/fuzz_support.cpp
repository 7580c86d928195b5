#include "fuzz/support/fuzz_support.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "kernel/file_bytes.h"
#include "platform/application.h"

namespace kvfuzz {

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("kvfuzz" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    std::filesystem::create_directories(root / "run");
    std::filesystem::create_directories(root / "config" / "kavrine");
    ::chmod((root / "run").c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", (root / "run").c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(
          std::filesystem::temp_directory_path() / ("kvfuzz" + std::to_string(::getpid())), ignored);
    });
    return root.string();
  }();
  return folder;
}

std::string ScratchPath(const std::string& name) { return ScratchFolder() + "/" + name; }

void StartApplication() {
  // Never ended: the windows of the targets live until the process ends, and the application must
  // outlive them.
  static platform::Application* application = [] {
    ScratchFolder();
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kvfuzz";
    static char* argv[] = {name, nullptr};
    return new platform::Application(argc, argv);
  }();
  (void)application;
}

void DeliverPendingEvents() {
  StartApplication();
  platform::Application::ProcessPendingEvents();
}

std::string WriteScratchFile(const std::string& name, const kernel::Bytes& bytes) {
  const std::string path = ScratchPath(name);
  if (!kernel::WriteFileAtomically(path, bytes)) Fail("cannot write a scratch file");
  return path;
}

kernel::Bytes ReadWholeFile(const std::string& path) { return kernel::ReadFileBytes(path).value_or(kernel::Bytes{}); }

void Fail(const char* what) {
  std::fprintf(stderr, "kvfuzz: property failed: %s\n", what);
  std::fflush(stderr);
  std::abort();
}

}  // namespace kvfuzz
