#include "plane/step_dlg.h"

#include <string>

#include "plane/geom11_win.h"

namespace plane {

TStepDlg::TStepDlg(TGeom11Win* owner, std::string_view resource) : TDlg(owner, resource), owner_(owner) {
  owner_->AddStepDialog(this);
}

TStepDlg::~TStepDlg() { owner_->RemoveStepDialog(this); }

bool TStepDlg::LastStepIs(int kind) const { return owner_->LastStepType() == kind; }

void TStepDlg::UndoLast(int kind) {
  if (LastStepIs(kind)) owner_->UndoRedo(kind, true);
}

std::string TStepDlg::UpperText(int id, std::size_t limit) const {
  std::string text = GetItemText(id);
  if (text.size() > limit) text.resize(limit);
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace plane
