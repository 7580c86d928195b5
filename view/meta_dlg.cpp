#include "view/meta_dlg.h"

#include <algorithm>
#include <utility>

#include "kernel/number_text.h"
#include "shell/message_numbers.h"
#include "view/qel_winm.h"

namespace view {

namespace {

constexpr int kFieldLimit = 20;
constexpr kernel::Real kSmallestCentimetres = static_cast<kernel::Real>(0.1);
constexpr kernel::Real kInchesPerCentimetre = static_cast<kernel::Real>(0.3937007874);

}  // namespace

TMetaDlg::TMetaDlg(TQELWinm* owner, PicturePlacement* placement, int* action, std::vector<PictureTieChoice> choices,
                   int dpi)
    : TDlg(owner, "METADLG"),
      owner_(owner),
      placement_(placement),
      action_(action),
      choices_(std::move(choices)),
      dpi_(std::max(1, dpi)) {}

void TMetaDlg::SetupWindow() {
  TDlg::SetupWindow();
  const PicturePlacement& p = *placement_;
  const kernel::Real d = static_cast<kernel::Real>(dpi_);
  const kernel::Real width = (owner_->XToScreen(p.x2) - owner_->XToScreen(p.x1)) * static_cast<kernel::Real>(2.54) / d;
  const kernel::Real height = (owner_->YToScreen(p.y1) - owner_->YToScreen(p.y2)) * static_cast<kernel::Real>(2.54) / d;
  SetTextLimit(kPictureWidthEdit, kFieldLimit);
  SetTextLimit(kPictureHeightEdit, kFieldLimit);
  SetItemText(kPictureWidthEdit, kernel::FormatLD(width, 5, 2));
  SetItemText(kPictureHeightEdit, kernel::FormatLD(height, 5, 2));
  CheckItem(kPictureSizeCheck, false);
  CheckItem(kPictureTransparentCheck, p.transparent != 0);
  if (choices_.empty()) {
    EnableItem(kPictureObjectList, false);
    EnableItem(kPictureAnchorCheck, false);
    return;
  }
  CheckItem(kPictureAnchorCheck, p.tie >= 0);
  ListClear(kPictureObjectList);
  for (std::size_t i = 0; i < choices_.size(); ++i) {
    ListAdd(kPictureObjectList, choices_[i].name);
    if (choices_[i].object == p.tie) ListSelect(kPictureObjectList, static_cast<int>(i));
  }
}

bool TMetaDlg::OnCommand(int id) {
  switch (id) {
    case kPictureActionCut:
    case kPictureActionCopy:
    case kPictureActionClear:
      *action_ = id;
      EndDialog(id);
      return true;
    case kPictureFillButton: {
      PicturePlacement& p = *placement_;
      const kernel::Box2& box = owner_->mapping.box;
      p.transparent = IsChecked(kPictureTransparentCheck) ? 1 : 0;
      p.x1 = box.xmin;
      p.x2 = box.xmax;
      p.y1 = box.ymin;
      p.y2 = box.ymax;
      p.tie = -1;
      *action_ = kPictureActionOk;
      EndDialog(kPictureActionOk);
      return true;
    }
    default:
      return TDlg::OnCommand(id);
  }
}

void TMetaDlg::OnOk() {
  if (!TransferResults()) {
    owner_->Msg(shell::kInconsistentData);
    return;
  }
  *action_ = kPictureActionOk;
  TDlg::OnOk();
}

bool TMetaDlg::TransferResults() {
  PicturePlacement next = *placement_;
  bool changed = false;
  next.transparent = IsChecked(kPictureTransparentCheck) ? 1 : 0;
  changed = next.transparent != placement_->transparent;

  const bool resize = IsChecked(kPictureSizeCheck);
  if (resize) {
    kernel::Real w = 0;
    kernel::Real h = 0;
    if (owner_->ParseNumber(GetItemText(kPictureWidthEdit), w) != 0 ||
        owner_->ParseNumber(GetItemText(kPictureHeightEdit), h) != 0)
      return false;
    if (!(w >= kSmallestCentimetres) || !(h >= kSmallestCentimetres)) return false;
    const kernel::Real d = static_cast<kernel::Real>(dpi_);
    const ViewMapping& m = owner_->mapping;
    next.x2 = next.x1 + kInchesPerCentimetre * d * w * m.unitsPerPixelX;
    next.y1 = next.y2 - kInchesPerCentimetre * d * h * m.unitsPerPixelY;
    if (next.x2 > m.box.xmax || next.y1 < m.box.ymin) return false;
    changed = true;
  }

  next.tie = -1;
  if (!choices_.empty() && IsChecked(kPictureAnchorCheck)) {
    const int at = choices_.size() == 1 ? 0 : ListSelection(kPictureObjectList);
    if (at >= 0 && at < static_cast<int>(choices_.size())) next.tie = choices_[static_cast<std::size_t>(at)].object;
  }
  if (next.tie != placement_->tie) changed = true;

  if (changed) *placement_ = next;
  return true;
}

}  // namespace view
