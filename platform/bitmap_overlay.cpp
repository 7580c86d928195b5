#include "platform/bitmap_overlay.h"

#include <QImage>

#include "platform/bitmap_qt.h"

namespace platform {

std::vector<std::uint8_t> DrawnPixels(const Bitmap& onWhite, const Bitmap& onBlack) {
  const QImage& white = BitmapImage(onWhite);
  const QImage& black = BitmapImage(onBlack);
  if (white.size() != black.size() || white.isNull()) return {};
  const int w = white.width();
  const int h = white.height();
  std::vector<std::uint8_t> flags(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  std::size_t i = 0;
  for (int y = 0; y < h; ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(white.constScanLine(y));
    const auto* b = reinterpret_cast<const QRgb*>(black.constScanLine(y));
    for (int x = 0; x < w; ++x, ++i)
      flags[i] = (a[x] & 0xFFFFFFu) != 0xFFFFFFu || (b[x] & 0xFFFFFFu) != 0 ? 1 : 0;
  }
  return flags;
}

bool OverlayPixels(Bitmap& target, const Bitmap& source, std::span<const std::uint8_t> flags) {
  const QImage& from = BitmapImage(source);
  QImage& to = BitmapImage(target);
  if (from.size() != to.size() || from.isNull()) return false;
  const int w = from.width();
  const int h = from.height();
  if (flags.size() != static_cast<std::size_t>(w) * static_cast<std::size_t>(h)) return false;
  std::size_t i = 0;
  for (int y = 0; y < h; ++y) {
    const auto* a = reinterpret_cast<const QRgb*>(from.constScanLine(y));
    auto* b = reinterpret_cast<QRgb*>(to.scanLine(y));
    for (int x = 0; x < w; ++x, ++i)
      if (flags[i]) b[x] = a[x];
  }
  return true;
}

}  // namespace platform
