#include "platform/settings_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace platform {

std::string SettingsFolder() {
  std::filesystem::path base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
    base = config;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::filesystem::path(home) / ".config";
  } else {
    base = std::filesystem::temp_directory_path();
  }
  const std::filesystem::path folder = base / "kavrine";
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  std::string text = folder.string();
  if (text.empty() || text.back() != '/') text += '/';
  return text;
}

}  // namespace platform
