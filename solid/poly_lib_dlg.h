#pragma once
// The polyhedral library ("POLYLIB", modeless) of a figure in space: a family, a solid of its list,
// the edge length (an expression), optionally a centre point, the mirror image of a chiral solid,
// n for the n-prism and n-antiprism, and one colour for all faces. "build" makes the solid through
// the window's build operations; "undo" takes back the last solid built here. Close hides it; it
// lives, with its undo list, as long as its window.

#include <cstdint>
#include <vector>

#include "shell/dlg.h"

namespace solid {

class TGeomPWin;

// Control ids of the dialog.
inline constexpr int kPolyLibFirstFamily = 251;  // 251 to 255, one radio button a family
inline constexpr int kPolyLibList = 293;
inline constexpr int kPolyLibEdge = 211;
inline constexpr int kPolyLibCentre = 212;
inline constexpr int kPolyLibN = 213;
inline constexpr int kPolyLibNLabel = 239;
inline constexpr int kPolyLibUseCentre = 273;
inline constexpr int kPolyLibMirror = 271;
inline constexpr int kPolyLibAllFacesSame = 272;
inline constexpr int kPolyLibColor = 209;
inline constexpr int kPolyLibBuild = 91;
inline constexpr int kPolyLibUndo = 98;

class TPolyLibDlg : public shell::TDlg {
 public:
  explicit TPolyLibDlg(TGeomPWin* window);

  int family() const { return family_; }
  // The colour of "all faces same" (a colour-table index).
  std::uint16_t colour = 1;

  // Selects item `position` of the list, the controls following as after a click.
  void SelectSolid(int position);
  // -1 when the list is empty, 0 when it holds one item, else the list's selection.
  int SelectedIndex() const;
  // Builds the selected solid: 0, or the message number that was shown (nothing built).
  int CmBuild();
  // Takes back the last solid built here when it is still the figure's last step.
  void CmUndo();
  // Whether "undo" may take back a solid: one built after earlier steps of the figure, or any but
  // the first of several (the figure's first step cannot be undone).
  bool CeUndo() const;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void OnCancel() override { CmClose(); }

 private:
  void CmFamily(int family);
  void CmColor();
  void CmClose();
  void FillList();
  // "mirror image" for chiral solids, n for the n-prism and n-antiprism; "undo" as CeUndo says.
  void UpdateControls();

  TGeomPWin* window_;
  int family_ = 0;
  // The step kinds of the solids built here, the last one last.
  std::vector<std::uint16_t> undoKinds_;
  // The first solid built here came after earlier steps of the figure.
  bool earlierSteps_ = false;
};

}  // namespace solid
