#pragma once
// The lower layer of the RGB demonstration window, a Euclidean plane window: the brightness is
// the position of the window's first slider within its range, set on a short slider panel.

#include <memory>
#include <string_view>

#include "plane/geom_e_win.h"

namespace special {

class TPreRGBWin : public plane::TGeomEWin {
 public:
  TPreRGBWin(platform::FrameWindow* parent, std::string_view title);

  // Shows the brightness panel (made on first use) in front.
  virtual void OpenBrightnessDialog();
  // The brightness from 0 to 1: where the first slider stands in its range.
  kernel::Real BrightnessFraction() const;
  // Moves the first slider to the brightness b (0 to 1) and repaints.
  void SetBrightness(kernel::Real b);

 protected:
  // The first slider's panel is the short brightness panel.
  std::unique_ptr<engine::TSlideDlg> MakeSliderDialog(int k) override;
};

}  // namespace special
