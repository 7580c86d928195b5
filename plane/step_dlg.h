#pragma once
// The base of the plane window's modeless dialogs that make steps: each belongs to its window,
// which tells it when the history changed (its Undo button follows the last step) and when the
// figure's objects changed (its lists are filled again).

#include <string_view>

#include "shell/dlg.h"

namespace plane {

class TGeom11Win;

// "make a selection"
inline constexpr int kMsgMakeSelection = 15;

class TStepDlg : public shell::TDlg {
 public:
  TStepDlg(TGeom11Win* owner, std::string_view resource);
  ~TStepDlg() override;

  // The history changed: enable the buttons again.
  virtual void RefreshButtons() {}
  // The objects changed: fill the lists again.
  virtual void RefreshLists() {}

 protected:
  void OnCancel() override { Hide(); }
  bool LastStepIs(int kind) const;
  // Takes back the history's last step when it has the kind.
  void UndoLast(int kind);
  // The texts the dialog reads: at most limit characters, upper-cased.
  std::string UpperText(int id, std::size_t limit) const;

  TGeom11Win* owner_;
};

}  // namespace plane
