#pragma once
// The fill dialog (template FILLDLG): makes and removes the filled regions of a plane figure. A
// region is a polygon through typed vertices (251) or the inside of a circle or curve chosen in
// the drop-down list 294 (252); "fill" (91) inserts it before or after the fill selected in list
// 293 (at the head or the end when none is selected); "delete one" and "delete all" remove fills.
// "color" opens the colour window on the fill colour; "pattern" steps through the seven patterns.

#include <string>

#include "kernel/fill_trace_records.h"
#include "shell/dlg.h"

namespace plane {

class TGeomEWin;

inline constexpr int kFillColor = 205;
inline constexpr int kFillPattern = 701;
inline constexpr int kFillPatternName = 231;
inline constexpr int kFillMouse = 271;
inline constexpr int kFillPolygonChoice = 251;
inline constexpr int kFillCurveChoice = 252;
inline constexpr int kFillVertices = 211;
inline constexpr int kFillCurves = 294;
inline constexpr int kFillMake = 91;
inline constexpr int kFillBefore = 253;
inline constexpr int kFillAfter = 254;
inline constexpr int kFillList = 293;
inline constexpr int kFillDeleteOne = 52;
inline constexpr int kFillDeleteAll = 54;
// The colour role of the fills.
inline constexpr int kFillColorRole = 5;
inline constexpr int kFillPatterns = 7;

class TFillDlg : public shell::TDlg {
 public:
  explicit TFillDlg(TGeomEWin* window);

  // The pattern of new fills, 0 (solid) to 6.
  int pattern = 0;
  // The chosen entry of the circle and curve list; -1 when none.
  int chosen = -1;

  // "fill": 0, or the message shown (nothing is added then).
  int Fill();
  // "delete one": 0, or message 15 when no fill is chosen.
  int DeleteOne();
  // "delete all", after the question; true when the fills were removed.
  bool DeleteAll();
  void NextPattern();
  // Both lists rebuilt from the figure.
  void Refresh();
  // The line of list 293 that shows a fill.
  std::string FillText(const kernel::FillRecord& record) const;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;

 private:
  void FillCurveList();
  void FillFillList();
  // The chosen circle or curve copied into the record; 0 or a message.
  int TakeCurve(kernel::FillRecord& record) const;
  void FillsChanged();

  TGeomEWin* window_;
};

}  // namespace plane
