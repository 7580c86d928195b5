#include "view/line_style.h"

#include <algorithm>

#include "kernel/number_text.h"

namespace view {

platform::PenStyle PenStyleOfCode(int styleCode) {
  switch (styleCode) {
    case kLineNone: return platform::PenStyle::Null;
    case kLineDot: return platform::PenStyle::Dot;
    case kLineDash: return platform::PenStyle::Dash;
    case kLineDashDot: return platform::PenStyle::DashDot;
    case kLineDashDotDot: return platform::PenStyle::DashDotDot;
    default: return platform::PenStyle::Solid;
  }
}

int PrintPenWidthFor(int deviceWidthPixels, int thickness, int magnifier) {
  const kernel::Real w =
      (static_cast<kernel::Real>(2 * thickness + 1) * deviceWidthPixels - 1023) / static_cast<kernel::Real>(2048);
  return std::max(1, kernel::RoundLD(w)) * std::max(1, magnifier);
}

}  // namespace view
