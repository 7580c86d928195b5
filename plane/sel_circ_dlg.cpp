#include "plane/sel_circ_dlg.h"

#include "engine/windows/geom10_win.h"
#include "plane/circle_list.h"

namespace plane {

namespace {

// The font slot of tables and lists.
constexpr int kListFontSlot = 6;

}  // namespace

TSelCircDlg::TSelCircDlg(engine::TGeom10Win* owner, std::string_view resource, std::int16_t* result)
    : TDlg(owner, resource),
      owner_(owner),
      result_(result),
      listFont_(owner->SlotFont(kListFontSlot)) {}

void TSelCircDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemFont(kCircleListId, listFont_);
  FillCircleList(*this, kCircleListId, owner_->stepEngine);
}

void TSelCircDlg::OnOk() {
  const int chosen = ChosenCircle(*this, kCircleListId);
  if (chosen < 0) return;
  if (result_ != nullptr) *result_ = static_cast<std::int16_t>(chosen);
  TDlg::OnOk();
}

}  // namespace plane
