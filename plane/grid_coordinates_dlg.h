#pragma once
// Edit > Coordinates: the coordinates of a point looked up by its name ("see") and the point moved
// to typed coordinates ("move"), with the last move taken back once by "undo".

#include <string>

#include "shell/dlg.h"

namespace plane {

class TGeomDWin;

inline constexpr int kGridEditX = 211;
inline constexpr int kGridEditY = 212;
inline constexpr int kGridEditVertex = 213;
inline constexpr int kGridEditSee = 729;
inline constexpr int kGridEditMove = 724;
inline constexpr int kGridEditUndo = 98;

class TEdGridDlg : public shell::TDlg {
 public:
  // Opens on the point with the highest index, with its coordinates.
  explicit TEdGridDlg(TGeomDWin* window);

  bool undoAvailable() const { return undoAvailable_; }

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;

 private:
  void ShowTexts();
  void See();
  void Move();
  void Undo();
  // The vertex text as typed, at most 19 characters.
  std::string Field(int id) const;

  TGeomDWin* window_;
  std::string x_, y_, vertex_;
  std::string savedX_, savedY_, savedVertex_;
  bool undoAvailable_ = false;
};

}  // namespace plane
