// The sizes the markings are drawn at, as parts of the screen width, and the two of them the
// Highlights menu asks for.
#include <cmath>
#include <cstdio>
#include <string>

#include "plane/geom11_win.h"
#include "platform/message_box.h"

namespace plane {

namespace {

constexpr int kStringFirstMarkingSize = 272;  // 273 arc radius, 274 angle bracket
constexpr int kStringScreenPercentage = 243;
constexpr int kMarkingSizeChars = 9;
constexpr kernel::Real kSmallestPercentage = 0.2L;
constexpr kernel::Real kLargestPercentage = 99.8L;

}  // namespace

void TGeom11Win::UpdateMarkingSizes() {
  const kernel::Real base = static_cast<kernel::Real>(ScreenWidthPixels()) * 0.001L * mapping.unitsPerPixelX;
  for (std::size_t i = 0; i < markingSizes.size(); ++i) markingSizes[i] = markingSettings[i] * base;
  markingSizes[0] /= 2;
}

void TGeom11Win::AskMarkingSize(int k) {
  if (k < 1 || k > 2) return;
  char shown[32];
  std::snprintf(shown, sizeof shown, "%.3f", static_cast<double>(markingSettings[static_cast<std::size_t>(k)]) / 10);
  std::string text = shown;
  if (AskValue(kStringFirstMarkingSize + k, kStringScreenPercentage, text, kMarkingSizeChars) != platform::IDOK) return;
  SetMarkingSize(k, text);
}

bool TGeom11Win::SetMarkingSize(int k, const std::string& text) {
  if (k < 0 || k > 3) return false;
  kernel::Real v = 0;
  if (ParseNumber(text, v) != 0 || !(v >= kSmallestPercentage && v <= kLargestPercentage)) return false;
  markingSettings[static_cast<std::size_t>(k)] = static_cast<std::int16_t>(std::lround(static_cast<double>(10 * v)));
  UpdateMarkingSizes();
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
  return true;
}

}  // namespace plane
