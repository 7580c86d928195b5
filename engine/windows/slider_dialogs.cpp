// The slider panels of a geometry window.
#include "engine/windows/geom10_win.h"
#include "engine/windows/slide_dlg.h"

namespace engine {

void TGeom10Win::ShowSliderDialog(int k) {
  if (k < 0 || k >= kSliderCount) return;
  auto& dialog = sliderDialogs_[static_cast<std::size_t>(k)];
  if (!dialog) dialog = MakeSliderDialog(k);
  dialog->Show();
  dialog->closed = 0;
}

std::unique_ptr<TSlideDlg> TGeom10Win::MakeSliderDialog(int k) { return std::make_unique<TSlideDlg>(this, k); }

void TGeom10Win::SetupSliderDialogs() {
  for (auto& dialog : sliderDialogs_)
    if (dialog && dialog->IsCreated()) dialog->SetupSlider();
}

}  // namespace engine
