#pragma once
// The modeless construction dialog: up to five typed fields (edits 211 to 215), a choice among up
// to three radio buttons (251 to 253), "mark" (91) to build the object from the texts, "undo" (98)
// to take back the last step of the dialog's kind, and "close" (2), which hides it. The dialog
// stays open so that several objects can be made in a row; texts applied once are not applied
// again unchanged (message 9) unless the dialog allows repeats.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/windows/dialog_actions.h"
#include "shell/dlg.h"

namespace engine {

class TGeom10Win;

inline constexpr int kDoUndoFirstEdit = 211;
inline constexpr int kDoUndoFirstChoice = 251;
inline constexpr int kDoUndoMark = 91;
inline constexpr int kDoUndoUndo = 98;
inline constexpr int kDoUndoChoices = 3;
// Characters per field every construction dialog takes.
inline constexpr int kDoUndoTextLimit = 40;

class TDoUndoDlg : public shell::TDlg {
 public:
  // Fields whose initial text is empty have no edit of their own and stay empty.
  TDoUndoDlg(TGeom10Win* window, std::string_view resource, int actionKind, int undoKind, int textLimit,
             const DialogTexts& initialTexts);
  ~TDoUndoDlg() override;

  const int actionKind;
  const int undoKind;
  const int textLimit;
  // When set, "mark" acts even on texts applied before.
  std::uint8_t repeatAllowed = 0;

  const DialogTexts& currentTexts() const { return current_; }
  const DialogTexts& appliedTexts() const { return applied_; }
  bool HasField(int i) const { return hasField_[static_cast<std::size_t>(i)]; }

  // "mark": reads and upper-cases the fields and hands them to the window's operation; true when
  // the operation succeeded.
  bool Mark();
  // "undo": takes back the last step of the undo kind; the texts may then be applied again.
  void Undo();
  // Enables "undo" exactly while the history's last step has the dialog's undo kind.
  void RefreshUndo();
  // The checked choice, 1 to 3 (the last checked one counts).
  int Choice() const;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnCancel() override { Hide(); }

 private:
  TGeom10Win* window_;
  DialogTexts current_;
  DialogTexts applied_;
  std::array<bool, 5> hasField_{};
};

}  // namespace engine
