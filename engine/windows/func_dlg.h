#pragma once
// The user-defined functions dialog (template FNLIB): functions of one variable X, each a name
// and an expression in X, listed one a line as NAME(X) = EXPRESSION. "enter" adds the typed
// function (or rewrites the one being edited), "edit" and "copy" put the selected function into
// the edits (edit rewrites it on the next enter, copy makes a new one), "delete" removes it. The
// functions are the window's: every expression of the window may call them as [NAME](...).

#include "shell/dlg.h"

namespace engine {

class TGeom10Win;

inline constexpr int kFuncNameEdit = 211;
inline constexpr int kFuncExpressionEdit = 212;
inline constexpr int kFuncList = 293;
inline constexpr int kFuncEnter = 91;
inline constexpr int kFuncEdit = 51;
inline constexpr int kFuncDelete = 52;
inline constexpr int kFuncCopy = 95;

class TFuncDlg : public shell::TDlg {
 public:
  explicit TFuncDlg(TGeom10Win* window);

  // The typed function into the list: 0, or the message shown (the list is then unchanged).
  int Enter();
  // The selected function into the edits, to be rewritten by the next Enter (edit) or added
  // under a new name (copy); 0, or message 15.
  int EditSelected(bool copy);
  // Removes the selected function and recomputes the figure; 0, or message 15.
  int DeleteSelected();
  // The list refilled from the window's functions.
  void FillList();
  // The function being edited, -1 when none.
  int editing() const { return editing_; }

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;

 private:
  // The selected line: the only one, or the list's selection; -1 with message 15 when none.
  int Selection();
  void Refuse(int message, int field);
  // The figure recomputed after a function it may use changed.
  void Recompute();

  TGeom10Win* window_;
  int editing_ = -1;
};

}  // namespace engine
