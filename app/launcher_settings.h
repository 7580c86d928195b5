#pragma once
// The launcher's settings file "kavrine32.ini": its placement and its two options, 19 bytes.

#include <cstdint>
#include <optional>
#include <string>

#include "kernel/byte_io.h"
#include "kernel/small_records.h"

namespace app {

inline constexpr const char* kLauncherSettingsFile = "kavrine32.ini";
inline constexpr int kLauncherSettingsBytes = kernel::kWinPlacementBytes + 2;

struct LauncherSettings {
  kernel::WinPlacement placement;
  std::uint8_t openLast = 0;
  std::uint8_t useDefaults = 1;
};

kernel::Bytes EncodeLauncherSettings(const LauncherSettings& settings);
// None when the bytes are too few to hold the record.
std::optional<LauncherSettings> DecodeLauncherSettings(const kernel::Bytes& bytes);

std::optional<LauncherSettings> ReadLauncherSettings(const std::string& path);
bool WriteLauncherSettings(const std::string& path, const LauncherSettings& settings);

// A placement that does not lie wholly on a screen of the given size, or is smaller than
// 120 x 72, is replaced by a small one near the top left; returns whether it was replaced.
bool KeepOnScreen(kernel::WinPlacement& placement, int screenWidth, int screenHeight);

}  // namespace app
