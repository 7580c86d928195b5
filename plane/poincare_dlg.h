#pragma once
// The Poincare disk connection (modeless): joins two points by the arc perpendicular to a chosen
// circle, the line through them when that circle bounds a Poincare disk. "mark" makes the arc as
// a step, "undo" takes the last one back, "close" hides the dialog.

#include <string_view>

#include "platform/drawing_types.h"
#include "shell/dlg.h"

namespace engine {
class TGeom10Win;
}

namespace plane {

inline constexpr int kPoincarePointsEdit = 211;
inline constexpr int kPoincareMark = 91;
inline constexpr int kPoincareUndo = 98;

class TPoincareDlg : public shell::TDlg {
 public:
  explicit TPoincareDlg(engine::TGeom10Win* window);

  // The figure changed: the circles listed again, the buttons set.
  void Refresh();
  // "mark": the arc through the two typed points perpendicular to the chosen circle; true when
  // the step was made.
  bool Mark();
  // "undo": takes back the last arc step.
  void Undo();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void OnCancel() override { Hide(); }

 private:
  void RefreshButtons();
  engine::TGeom10Win* window_;
  platform::FontSpec listFont_;
};

}  // namespace plane
