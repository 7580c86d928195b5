#pragma once
// The device that pictures are measured against in the metafile and export tests: 1000 x 800
// pixels on 250 x 200 mm, so one pixel is exactly 25 hundredths of a millimetre.

#include "platform/dc.h"

namespace test_support {

inline platform::DeviceCaps ReferenceDevice() {
  platform::DeviceCaps caps;
  caps.dpiX = caps.dpiY = 102;
  caps.widthPixels = 1000;
  caps.heightPixels = 800;
  caps.widthMm = 250;
  caps.heightMm = 200;
  return caps;
}

}  // namespace test_support
