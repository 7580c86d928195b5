#pragma once
// The modeless View dialog of the grid layer: the view as centre and width ("hori", "vert",
// "width"), as corners ("left", "right", "down", "up"), or both with a choice between them
// ("set center", "set corners"). Apply (1) sets the view; Close (2) hides the dialog.

#include "kernel/real.h"
#include "shell/dlg.h"

namespace view {

class TGridWin;

// Control ids of the view dialog templates.
inline constexpr int kViewHori = 211;
inline constexpr int kViewVert = 212;
inline constexpr int kViewWidth = 213;
inline constexpr int kViewLeft = 214;
inline constexpr int kViewRight = 215;
inline constexpr int kViewDown = 216;
inline constexpr int kViewUp = 217;
inline constexpr int kViewSetCentre = 251;
inline constexpr int kViewSetCorners = 252;

class TViewDlg : public shell::TDlg {
 public:
  // kind: 0 centre and width, 1 corners, 2 both (the template's layout).
  TViewDlg(TGridWin* window, int kind);

  // Writes the window's view into the fields; with selectCentre the focus goes to the whole
  // "hori" field.
  void Refresh(bool selectCentre);
  // Reads the fields and sets the view when it differs; a width that is not positive (message
  // 14), reversed corners (message 6) or an unreadable number (the reader's message) leave the
  // view alone.
  void Apply();

  int kind() const { return kind_; }

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override { Apply(); }
  void OnCancel() override { Hide(); }

 private:
  // Whether the corner fields are the ones to read.
  bool CornerMode() const;
  // Reads one field (30 characters) by the window's reader; false after reporting its message.
  bool ReadField(int id, kernel::Real& value);

  TGridWin* window_;
  int kind_;
};

}  // namespace view
