#pragma once
// The Image size command's arithmetic: the client area's size shown in centimetres, and the two
// typed sizes read as centimetres or, with a trailing "@" on either, as pixels.

#include <optional>
#include <string>
#include <string_view>

#include "platform/drawing_types.h"

namespace view {

// The smallest and largest picture in centimetres, and the smallest in pixels.
inline constexpr double kSmallestImageCm = 0.5;
inline constexpr double kLargestImageCm = 27.0;
inline constexpr int kSmallestImagePixels = 50;

struct ImageSizeLimits {
  int dpiX = 96;
  int dpiY = 96;
  // What the window adds around its client area.
  int borderWidth = 0;
  int borderHeight = 0;
  // The screen's size in pixels.
  int screenWidth = 0;
  int screenHeight = 0;
};

// pixels x 2.54 / dpi with 4 decimals.
std::string CentimetreText(int pixels, int dpi);

// The client size the two texts ask for, in pixels; none when a size is out of bounds.
std::optional<platform::SizeI> ParseImageSize(std::string_view width, std::string_view height,
                                              const ImageSizeLimits& limits);

}  // namespace view
