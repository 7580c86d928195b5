#include "plane/grid_coordinates_dlg.h"

#include "plane/geom_d_win.h"

namespace plane {

namespace {

constexpr std::size_t kFieldChars = 19;

}  // namespace

TEdGridDlg::TEdGridDlg(TGeomDWin* window) : TDlg(window, "GRIDEDIT"), window_(window) {
  const engine::FigureTables& t = window->tables();
  if (t.last_point >= 0) {
    window->AppendPointName(vertex_, t.last_point);
    window->GetGridCoordinates(x_, y_, vertex_);
  }
}

void TEdGridDlg::SetupWindow() {
  TDlg::SetupWindow();
  ShowTexts();
  undoAvailable_ = false;
}

void TEdGridDlg::ShowTexts() {
  SetItemText(kGridEditX, x_);
  SetItemText(kGridEditY, y_);
  SetItemText(kGridEditVertex, vertex_);
}

std::string TEdGridDlg::Field(int id) const { return GetItemText(id).substr(0, kFieldChars); }

bool TEdGridDlg::OnCommand(int id) {
  switch (id) {
    case kGridEditSee: See(); return true;
    case kGridEditMove: Move(); return true;
    case kGridEditUndo: Undo(); return true;
    default: return TDlg::OnCommand(id);
  }
}

void TEdGridDlg::See() {
  vertex_ = Field(kGridEditVertex);
  if (!window_->GetGridCoordinates(x_, y_, vertex_)) {
    window_->Msg(engine::kMsgCouldNotFind);
    return;
  }
  ShowTexts();
}

void TEdGridDlg::Move() {
  vertex_ = Field(kGridEditVertex);
  if (!window_->GetGridCoordinates(x_, y_, vertex_)) {
    window_->Msg(engine::kMsgCouldNotFind);
    return;
  }
  // The place before the move is what "undo" goes back to.
  savedX_ = x_;
  savedY_ = y_;
  savedVertex_ = vertex_;
  x_ = Field(kGridEditX);
  y_ = Field(kGridEditY);
  const int code = window_->SetGridCoordinates(x_, y_, vertex_);
  if (code > 0) {
    window_->Msg(code);
    return;
  }
  undoAvailable_ = true;
  ShowTexts();
}

void TEdGridDlg::Undo() {
  if (!undoAvailable_) {
    window_->Msg(engine::kMsgNoMoreRoom);
    return;
  }
  x_ = savedX_;
  y_ = savedY_;
  vertex_ = savedVertex_;
  window_->SetGridCoordinates(x_, y_, vertex_);
  ShowTexts();
  undoAvailable_ = false;
}

}  // namespace plane
