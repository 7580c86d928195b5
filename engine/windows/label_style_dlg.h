#pragma once
// The label style dialog (template LABHIDE): the marker (251 to 255: none, bullet, circle,
// diagonal cross, upright cross) and the shown label (271) of the points typed in 211; "apply"
// (91) sets them and the dialog stays open.

#include "shell/dlg.h"

namespace engine {

class TGeom10Win;

inline constexpr int kLabelPoints = 211;
inline constexpr int kLabelFirstMarker = 251;
inline constexpr int kLabelShown = 271;
inline constexpr int kLabelApply = 91;

class TLabDlg : public shell::TDlg {
 public:
  explicit TLabDlg(TGeom10Win* window);

  // Sets marker and label of the typed points; the number of existing points it changed.
  int Apply();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;

 private:
  TGeom10Win* window_;
};

}  // namespace engine
