#pragma once
// The transformation guessing game: a red triangle and a blue one, the image of the red under a
// hidden transformation. The player moves the red triangle with the plane window's own Transf
// commands; each counts as an attempt, and the game says "success" when the images of A, B and C
// fall on the blue vertices in their order. File > Hint shows what defines the transformation.

#include <string>
#include <string_view>

#include "kernel/guess_example.h"
#include "plane/geom_e_win.h"
#include "shell/dlg.h"

namespace special {

// File > New example, Types and Hint.
inline constexpr int kCmdNewExample = 791;
inline constexpr int kCmdGuessTypes = 502;
inline constexpr int kCmdGuessHint = 501;
// The check box of kind i in the kinds dialog.
inline constexpr int kGuessKindBox = 270;

class TGeomGWin;

// File > Types: which kinds New example may hide; at least one must be ticked.
class TGuessDlg : public shell::TDlg {
 public:
  TGuessDlg(TGeomGWin* owner, kernel::GuessKinds* kinds);

 protected:
  void SetupWindow() override;
  void OnOk() override;

 private:
  TGeomGWin* owner_;
  kernel::GuessKinds* kinds_;
};

class TGeomGWin : public plane::TGeomEWin {
 public:
  TGeomGWin(platform::FrameWindow* parent, std::string_view title);

  // The point indexes of the example: A, B, C red, D, E, F (relettered) blue.
  static constexpr int kFirstRed = 0;
  static constexpr int kFirstBlue = 3;

  // Transformations applied since the example was drawn.
  int attemptCount = 0;
  // The hidden kind (see kernel::GuessKind).
  int transformKind = kernel::kGuessTranslation;
  // The kinds New example may choose.
  kernel::GuessKinds kindEnabled{true, true, true, false, false, false};
  // The hint is drawn by the next paint only.
  bool hintPending = false;
  // The example on the screen.
  kernel::GuessExample example;

  // File > New example: an empty figure with a new red triangle and its blue image.
  void NewExample();
  // File > Types: the kinds dialog; the kinds change only when it ends with OK.
  void ChooseTypes();
  // File > Hint: the next paint shows the hint.
  void ShowHint();
  // Whether the last transformation carried A, B and C onto the blue vertices in order.
  bool LastTransformSolves() const;
  // The caption's text after the attempts so far.
  std::string AttemptCaption(bool solved) const;

  // The given points cannot be edited; the player's own points can.
  int EditCoordinates(int i) override;
  // Closing never asks to save: the example is the game's own.
  bool CheckModified() override { return true; }
  // Counts the attempt and checks for success.
  void AfterTransform() override;
  // The texts and labels over the figure, and under them the hint when asked for.
  void PaintAll(view::FigurePainter& painter) override;
  // Draws the hint of the example's kind: its elements, the kind's word at the top right, and a
  // note at the bottom left when what it hangs on lies outside the view.
  void DrawHint(view::FigurePainter& painter);

 protected:
  void SetupWindow() override;
  // The window's paint; a paint that showed the hint leaves the next one to draw without it.
  void Paint(platform::DC& dc) override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
};

}  // namespace special
