#include "engine/windows/label_style_dlg.h"

#include <string>
#include <vector>

#include "engine/windows/geom10_win.h"

namespace engine {

namespace {
// The most points one list names.
constexpr int kListedPoints = 8000;
}  // namespace

TLabDlg::TLabDlg(TGeom10Win* window) : TDlg(window, "LABHIDE"), window_(window) {}

void TLabDlg::SetupWindow() {
  TDlg::SetupWindow();
  std::string text = "A-";
  window_->tables().AppendPointName(text, window_->tables().last_point);
  SetItemText(kLabelPoints, text);
  for (int k = 0; k < kMarkerStyles; ++k) CheckItem(kLabelFirstMarker + k, k == 0);
  CheckItem(kLabelShown, true);
}

bool TLabDlg::OnCommand(int id) {
  if (id == kLabelApply) {
    Apply();
    return true;
  }
  return TDlg::OnCommand(id);
}

int TLabDlg::Apply() {
  FigureTables& t = window_->tables();
  std::string text = GetItemText(kLabelPoints);
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  std::vector<std::uint16_t> list(kListedPoints + 1);
  const int n = t.ParsePointList(text, list, kListedPoints) + 1;
  int marker = 0;
  for (int k = 0; k < kMarkerStyles; ++k) {
    if (IsChecked(kLabelFirstMarker + k)) marker = k;
  }
  const std::uint8_t shown = IsChecked(kLabelShown) ? 1 : 0;
  int changed = 0;
  for (int i = 0; i < n; ++i) {
    const int p = list[static_cast<std::size_t>(i)];
    if (!t.PointExists(p)) continue;
    t.names[static_cast<std::size_t>(p)].shown = shown;
    t.names[static_cast<std::size_t>(p)].marker = static_cast<std::uint16_t>(marker);
    ++changed;
  }
  if (changed > 0) {
    window_->SetModified();
    window_->wing.pictureValid = 0;
    window_->Invalidate(false);
  }
  return changed;
}

}  // namespace engine
