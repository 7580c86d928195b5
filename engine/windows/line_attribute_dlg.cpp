#include "engine/windows/line_attribute_dlg.h"

#include <string>

#include "engine/windows/geom10_win.h"
#include "resources/resource_library.h"

namespace engine {

namespace {
constexpr int kStringAttributes = 232;
// The colour window edits the pen's index like a role of no kind of its own.
constexpr int kPenColourRole = 0;
}  // namespace

TCTSDlg::TCTSDlg(TGeom10Win* window, LineAttributes* attributes)
    : TDlg(window, "CTSDLG"), window_(window), attributes_(attributes) {}

void TCTSDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetCaption(resources::LoadString(kStringAttributes));
  ListClear(kPenThicknessList);
  for (int i = 0; i <= kMaxLineThickness; ++i) ListAdd(kPenThicknessList, std::to_string(i));
  ListSelect(kPenThicknessList, attributes_->thickness);
  ShowStyleName();
}

void TCTSDlg::ShowStyleName() { SetItemText(kPenStyleName, window_->stepEngine.StyleName(attributes_->style)); }

bool TCTSDlg::OnCommand(int id) {
  switch (id) {
    case kPenStyle:
      AdvanceStyle(*attributes_);
      ShowStyleName();
      return true;
    case kPenColour:
      window_->EditColorRole(kStringAttributes, &attributes_->colour, kPenColourRole, {});
      return true;
    default: return TDlg::OnCommand(id);
  }
}

void TCTSDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id != kPenThicknessList || what != platform::ControlNotification::SelectionChanged) return;
  ChooseThickness(*attributes_, ListSelection(kPenThicknessList));
  ShowStyleName();
}

void TCTSDlg::Hide() {
  TDlg::Hide();
  window_->UpdateColorWindow();
}

}  // namespace engine
