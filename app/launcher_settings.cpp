#include "app/launcher_settings.h"

#include "kernel/file_bytes.h"
#include "kernel/random.h"

namespace app {

namespace {
constexpr int kMinimumWidth = 120;
constexpr int kMinimumHeight = 72;
constexpr int kFallbackSpread = 30;
}  // namespace

kernel::Bytes EncodeLauncherSettings(const LauncherSettings& settings) {
  kernel::ByteWriter out;
  kernel::WriteWinPlacement(out, settings.placement);
  out.U8(settings.openLast);
  out.U8(settings.useDefaults);
  return out.Take();
}

std::optional<LauncherSettings> DecodeLauncherSettings(const kernel::Bytes& bytes) {
  kernel::ByteReader in(bytes);
  LauncherSettings settings;
  settings.placement = kernel::ReadWinPlacement(in);
  settings.openLast = in.U8();
  settings.useDefaults = in.U8();
  if (!in.ok()) return std::nullopt;
  return settings;
}

std::optional<LauncherSettings> ReadLauncherSettings(const std::string& path) {
  const std::optional<kernel::Bytes> bytes = kernel::ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  return DecodeLauncherSettings(*bytes);
}

bool WriteLauncherSettings(const std::string& path, const LauncherSettings& settings) {
  return kernel::WriteFileAtomically(path, EncodeLauncherSettings(settings));
}

bool KeepOnScreen(kernel::WinPlacement& p, int screenWidth, int screenHeight) {
  // Summed in 64 bits: a corrupt file must not overflow the check.
  const bool off = p.x < 0 || p.y < 0 || p.height < kMinimumHeight || p.width < kMinimumWidth ||
                   static_cast<std::int64_t>(p.x) + p.width > screenWidth ||
                   static_cast<std::int64_t>(p.y) + p.height > screenHeight;
  if (!off) return false;
  const std::int32_t x = kernel::Rand31() % kFallbackSpread;
  const std::int32_t y = kernel::Rand31() % kFallbackSpread;
  kernel::SetWinRect(p, x, y, kMinimumWidth, kMinimumHeight, 0);
  return true;
}

}  // namespace app
