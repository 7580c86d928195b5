#include "shell/col_win.h"

#include "shell/edit_rgb_dlg.h"
#include "platform/dc.h"
#include "resources/resource_library.h"

namespace shell {

namespace {
constexpr int kCellColumns = 8;
constexpr int kCellRows = 14;
constexpr int kGridTopRow = 2;  // grid row r lies at cell row r + 2
}  // namespace

TColWin::TColWin(TPreWin* owner, std::string_view title) : TPreWin(owner, title), owner_(owner) {
  const int w = fileMsg.defaultSize;
  kernel::SetWinRect(fileMsg.placement, w / 2, fileMsg.defaultTop + 40, w / 3, w * 72 / 108, 0);
  preWin.roles[0] = kLightGreyIndex;
  fileMsg.defaultExtension = "COL";
  fileMsg.fileName.clear();
}

TColWin::~TColWin() = default;

void TColWin::SetupWindow() {
  TPreWin::SetupWindow();
  const kernel::WinPlacement& p = fileMsg.placement;
  MoveTo({p.x, p.y, p.width, p.height});
  SetMenu("COLWMENU");
  rgbDialog_ = std::make_unique<TEditRGBDlg>(this);
  rgbDialog_->Create();
  TakeOwnerColors();
}

void TColWin::EditRole(int captionId, std::uint16_t* index, int roleKind, std::string_view title) {
  roleKind_ = roleKind;
  currentIndex_ = index;
  TakeOwnerColors();
  captionId_ = captionId;
  captionText_ = std::string(title.substr(0, 255));
  Show();
  fileMsg.hidden = 0;
  preWin.bufferValid[0] = 0;
  Invalidate();
}

void TColWin::TakeOwnerColors() {
  if (owner_) preWin.colors = owner_->preWin.colors;
  if (rgbDialog_ && rgbDialog_->IsCreated()) rgbDialog_->ShowRGB();
}

void TColWin::Paint(platform::DC& dc) { DrawPalette(dc); }

void TColWin::DrawPalette(platform::DC& dc) {
  if (UpdateClientSize() || !preWin.buffers[0]) RebuildBitmaps(0);
  if (preWin.bufferValid[0]) {
    BlitBuffer(0, dc);
    return;
  }
  {
    std::unique_ptr<platform::DC> memory = preWin.buffers[0]->CreateDC();
    TPreWin::Paint(*memory);
    const int w = preWin.width / kCellColumns;
    const int h = preWin.height / kCellRows;
    cellWidth_ = w;
    cellHeight_ = h;
    for (int c = 1; c <= kPaletteColumns; ++c)
      for (int r = 1; r <= kPaletteRows; ++r)
        FillRectangle(*memory, c * w, (r + kGridTopRow) * h, (c + 1) * w + 1, (r + kGridTopRow + 1) * h + 1,
                      (r - 1) * kPaletteColumns + c, false);
    FillRectangle(*memory, w, 2 * h, 2 * w + 1, 3 * h + 1, 0, false);
    if (currentIndex_) FillRectangle(*memory, 3 * w, h, 5 * w, 2 * h, *currentIndex_, true);
  }
  BlitBuffer(0, dc);
  preWin.bufferValid[0] = 1;
  SetCaption(captionId_ >= 0 ? resources::LoadString(captionId_, 255) : captionText_);
}

void TColWin::OnMouseDown(const platform::MouseEvent& e) {
  // Before the palette is drawn there are no cells to hit.
  if (!CellsKnown()) return;
  const int column = e.x / cellWidth_;
  const int row = e.y / cellHeight_;
  if (e.button == platform::MouseButton::Left) {
    Pick(column, row - kGridTopRow);
    return;
  }
  if (e.button != platform::MouseButton::Right || !currentIndex_) return;
  if (column > 0 && column < 6 && row == 1 && *currentIndex_ != 0 && *currentIndex_ != 1) {
    rgbDialog_->Show();
    rgbDialog_->closed = 0;
    rgbDialog_->ShowRGB();
  }
}

void TColWin::Pick(int column, int row) {
  if (!currentIndex_ || column <= 0 || column >= 7 || row < 0 || row >= 11) return;
  int index = 0;
  if (row == 0) {
    if (column != 1) return;
  } else {
    index = (row - 1) * kPaletteColumns + column;
  }
  *currentIndex_ = static_cast<std::uint16_t>(index);
  Redraw();
  if (owner_) owner_->ColorChanged(roleKind_);
  if (!rgbDialog_) return;
  if (index == 0 || index == 1) {
    rgbDialog_->TDlg::Hide();
  } else {
    rgbDialog_->ShowRGB();
  }
}

void TColWin::CommitColor() {
  if (!currentIndex_ || !owner_) return;
  const int index = *currentIndex_;
  if (index < kernel::kColorCount) owner_->preWin.colors[index] = preWin.colors[index];
  owner_->ColorChanged(roleKind_);
}

void TColWin::Redraw() {
  preWin.bufferValid[0] = 0;
  Invalidate();
}

void TColWin::Hide() {
  if (rgbDialog_ && rgbDialog_->IsCreated()) rgbDialog_->TDlg::Hide();
  TPreWin::Hide();
}

void TColWin::OnDestroy() {
  rgbDialog_.reset();
  TPreWin::OnDestroy();
}

}  // namespace shell
