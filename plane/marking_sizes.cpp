// The sizes the markings are drawn at, as tenths of a per cent of the screen width, and the
// Highlights commands that ask for them.
#include <cstdio>
#include <string>

#include "plane/geom11_win.h"
#include "platform/message_box.h"

namespace plane {

namespace {

constexpr int kStringFirstMarkingSize = 272;  // 272 tick length, 273 arc radius, 274 angle bracket ...
constexpr int kStringScreenPercentage = 243;
constexpr int kMarkingSizeChars = 9;

}  // namespace

void TGeom11Win::AskMarkingSize(int k) {
  if (k < engine::MarkingSettings::kTick || k > engine::MarkingSettings::kArrow) return;
  char shown[32];
  std::snprintf(shown, sizeof shown, "%.3f", static_cast<double>(markingSizes.settings[k]) / 10);
  std::string text = shown;
  if (AskValue(kStringFirstMarkingSize + k, kStringScreenPercentage, text, kMarkingSizeChars) != platform::IDOK) return;
  SetMarkingSize(k, text);
}

bool TGeom11Win::SetMarkingSize(int k, const std::string& text) {
  if (k < engine::MarkingSettings::kTick || k > engine::MarkingSettings::kArrow) return false;
  kernel::Real v = 0;
  std::int16_t setting = 0;
  if (ParseNumber(text, v) != 0 || !engine::MarkingSettingOfPercentage(v, setting)) return false;
  markingSizes.settings[k] = setting;
  wing.pictureValid = 0;
  Invalidate(false);
  SetModified();
  return true;
}

}  // namespace plane
