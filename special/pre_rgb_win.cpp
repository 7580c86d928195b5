#include "special/pre_rgb_win.h"

#include "engine/windows/slide_dlg.h"
#include "resources/resource_library.h"

namespace special {

namespace {

constexpr int kBrightnessSlider = 0;
constexpr int kStringBrightnessCaption = 245;

}  // namespace

TPreRGBWin::TPreRGBWin(platform::FrameWindow* parent, std::string_view title) : TGeomEWin(parent, title, 0) {}

std::unique_ptr<engine::TSlideDlg> TPreRGBWin::MakeSliderDialog(int k) {
  if (k == kBrightnessSlider) return std::make_unique<engine::TSlideDlg>(this, k, "BRITE");
  return TGeomEWin::MakeSliderDialog(k);
}

void TPreRGBWin::OpenBrightnessDialog() {
  const bool made = sliderDialog(kBrightnessSlider) != nullptr;
  ShowSliderDialog(kBrightnessSlider);
  engine::TSlideDlg* dialog = sliderDialog(kBrightnessSlider);
  if (dialog == nullptr) return;
  if (!made) dialog->SetCaption(resources::LoadString(kStringBrightnessCaption));
}

kernel::Real TPreRGBWin::BrightnessFraction() const {
  const engine::AnimationParameter& s = compiler.settings.parameters[kBrightnessSlider];
  const kernel::Real range = s.high - s.low;
  return range != 0 ? (s.value - s.low) / range : 1;
}

void TPreRGBWin::SetBrightness(kernel::Real b) {
  engine::AnimationParameter& s = sliderValues()[kBrightnessSlider];
  s.value = s.low + b * (s.high - s.low);
  if (engine::TSlideDlg* dialog = sliderDialog(kBrightnessSlider); dialog != nullptr && dialog->IsCreated()) {
    dialog->ShowValue();
  }
  RefreshAfterSliderChange();
}

}  // namespace special
