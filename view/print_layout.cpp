#include "view/print_layout.h"

#include <algorithm>
#include <cmath>

#include "kernel/number_text.h"

namespace view {

using kernel::Real;

Real PrintedWidth(Real printWidth, Real printScale, Real worldWidth) {
  if (printWidth > 0) return printWidth;
  return worldWidth * std::fabs(printScale);
}

PrintPlacement PlacePrintedPicture(const platform::DeviceCaps& page, Real left, Real top, Real widthInches,
                                   int screenWidth, int screenHeight) {
  const Real w = std::max(widthInches, kSmallestPrintedWidth);
  const int screenW = std::max(1, screenWidth);
  const Real h = static_cast<Real>(std::max(1, screenHeight)) * w / screenW;
  PrintPlacement p;
  p.x = kernel::RoundLD(page.dpiX * left) - page.physicalOffsetX;
  p.y = kernel::RoundLD(page.dpiY * top) - page.physicalOffsetY;
  p.width = std::max(1, kernel::RoundLD(page.dpiX * w));
  p.height = std::max(1, kernel::RoundLD(page.dpiY * h));
  p.scale = static_cast<Real>(p.width) / screenW;
  return p;
}

}  // namespace view
