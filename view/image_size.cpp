#include "view/image_size.h"

#include <cstdio>

#include "kernel/number_text.h"

namespace view {

namespace {

constexpr kernel::Real kInchesPerCentimetre = 0.3937007874;

// A text of more than one character ending in "@" counts pixels; the "@" goes.
bool TakePixelMark(std::string& text) {
  if (text.size() > 1 && text.back() == '@') {
    text.pop_back();
    return true;
  }
  return false;
}

}  // namespace

std::string CentimetreText(int pixels, int dpi) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.4f", dpi > 0 ? pixels * 2.54 / dpi : 0.0);
  return buffer;
}

std::optional<platform::SizeI> ParseImageSize(std::string_view width, std::string_view height,
                                              const ImageSizeLimits& limits) {
  std::string w(width);
  std::string h(height);
  const bool wPixels = TakePixelMark(w);
  const bool hPixels = TakePixelMark(h);
  const kernel::Real x = kernel::StrToLD(w);
  const kernel::Real y = kernel::StrToLD(h);
  if (wPixels || hPixels) {
    const int px = kernel::RoundLD(x);
    const int py = kernel::RoundLD(y);
    if (px < kSmallestImagePixels || py < kSmallestImagePixels) return std::nullopt;
    if (static_cast<long long>(limits.borderWidth) + px + 8 > limits.screenWidth ||
        static_cast<long long>(limits.borderHeight) + py + 8 > limits.screenHeight)
      return std::nullopt;
    return platform::SizeI{px, py};
  }
  // Not-a-number fails both comparisons.
  const auto inRange = [](kernel::Real cm) { return cm >= kSmallestImageCm && cm <= kLargestImageCm; };
  if (!inRange(x) || !inRange(y)) return std::nullopt;
  return platform::SizeI{kernel::RoundLD(kInchesPerCentimetre * x * limits.dpiX),
                         kernel::RoundLD(kInchesPerCentimetre * y * limits.dpiY)};
}

}  // namespace view
