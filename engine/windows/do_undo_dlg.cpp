#include "engine/windows/do_undo_dlg.h"

#include "engine/figure_tables.h"
#include "engine/windows/geom10_win.h"

namespace engine {

namespace {

constexpr std::size_t kFieldBufferChars = 255;

void UpperCase(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

}  // namespace

TDoUndoDlg::TDoUndoDlg(TGeom10Win* window, std::string_view resource, int actionKindValue, int undoKindValue,
                       int textLimitValue, const DialogTexts& initialTexts)
    : TDlg(window, resource),
      actionKind(actionKindValue),
      undoKind(undoKindValue),
      textLimit(textLimitValue),
      window_(window),
      current_(initialTexts) {
  for (std::size_t i = 0; i < current_.size(); ++i) hasField_[i] = !current_[i].empty();
  window_->AddConstructionDialog(this);
}

TDoUndoDlg::~TDoUndoDlg() { window_->RemoveConstructionDialog(this); }

void TDoUndoDlg::SetupWindow() {
  TDlg::SetupWindow();
  for (std::size_t i = 0; i < current_.size(); ++i) {
    const int id = kDoUndoFirstEdit + static_cast<int>(i);
    if (!hasField_[i] || !HasItem(id)) continue;
    SetTextLimit(id, textLimit);
    SetItemText(id, current_[i]);
  }
  for (int k = 0; k < kDoUndoChoices; ++k) {
    if (HasItem(kDoUndoFirstChoice + k)) CheckItem(kDoUndoFirstChoice + k, k == 0);
  }
  RefreshUndo();
}

bool TDoUndoDlg::OnCommand(int id) {
  switch (id) {
    case kDoUndoMark: Mark(); return true;
    case kDoUndoUndo: Undo(); return true;
    default: return TDlg::OnCommand(id);
  }
}

int TDoUndoDlg::Choice() const {
  int choice = 1;
  for (int k = 0; k < kDoUndoChoices; ++k) {
    if (HasItem(kDoUndoFirstChoice + k) && IsChecked(kDoUndoFirstChoice + k)) choice = k + 1;
  }
  return choice;
}

bool TDoUndoDlg::Mark() {
  const int choice = Choice();
  bool changed = false;
  for (std::size_t i = 0; i < current_.size(); ++i) {
    const int id = kDoUndoFirstEdit + static_cast<int>(i);
    if (!hasField_[i] || !HasItem(id)) continue;
    std::string text = GetItemText(id);
    text.resize(std::min({text.size(), kFieldBufferChars, static_cast<std::size_t>(textLimit)}));
    UpperCase(text);
    current_[i] = text;
    if (text != applied_[i]) changed = true;
  }
  if (!changed && repeatAllowed == 0) {
    window_->Msg(kMsgNothingToDo);
    return false;
  }
  DialogTexts texts = current_;
  if (!window_->DoDialogAction(actionKind, texts, choice, 0)) {
    RefreshUndo();
    return false;
  }
  applied_ = current_;
  RefreshUndo();
  return true;
}

void TDoUndoDlg::Undo() {
  window_->UndoRedo(undoKind, true);
  for (std::string& text : applied_) text.clear();
  RefreshUndo();
}

void TDoUndoDlg::RefreshUndo() {
  if (IsCreated() && HasItem(kDoUndoUndo)) EnableItem(kDoUndoUndo, window_->LastStepType() == undoKind);
}

}  // namespace engine
