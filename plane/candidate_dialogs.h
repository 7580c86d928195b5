#pragma once
// The modeless dialogs in which the user picks circles (or curves) from lists instead of typing
// their labels: deleting a circle, intersections with a line and of two circles, common tangents,
// tangents from a point, and Soddy circles. Each hands the choice to a step creator of its window
// and offers Undo while the history's last step is of the kind it makes.

#include <vector>

#include "plane/step_dlg.h"

namespace plane {

class TGeom11Win;

inline constexpr int kCandidateList = 293;
inline constexpr int kSecondCandidateList = 294;
inline constexpr int kCandidateEdit = 211;
inline constexpr int kCandidateInternal = 271;
inline constexpr int kCandidateAction = 91;
inline constexpr int kCandidateDelete = 52;
inline constexpr int kCandidateUndo = 98;

class TNonLinDlg : public TStepDlg {
 public:
  // lists: 1 or 2; elementKind: what the lists hold (0 circles, 1 curves).
  TNonLinDlg(TGeom11Win* owner, std::string_view resource, int lists, int elementKind);

  // The action button (mark, draw or delete) and Undo.
  virtual void Execute() {}
  virtual void UndoKind() {}
  virtual bool EnableAction() const { return true; }
  virtual bool EnableUndo() const { return true; }

  // Fills the lists again from the figure and sets the buttons.
  void ShowCandidates();
  // Enables the buttons as the choice and the history say.
  void RefreshButtons() override;
  void RefreshLists() override { ShowCandidates(); }
  // The entry of a list the dialog acts on: the only one, else the selected one; -1 for none.
  int ChosenEntry(int listId) const;

  const int elementKind;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
  int ActionButton() const;

  const int lists_;
};

// Edit > Delete > Circle.
class TDelCircDlg : public TNonLinDlg {
 public:
  explicit TDelCircDlg(TGeom11Win* owner);
  void Execute() override;
  void UndoKind() override { UndoLast(kKind); }
  bool EnableUndo() const override { return LastStepIs(kKind); }
  static constexpr int kKind = 143;
};

// Circle > Soddy circles > 3 circles: three circles that touch each other, chosen together.
class TSoddyDlg : public TNonLinDlg {
 public:
  explicit TSoddyDlg(TGeom11Win* owner);
  void Execute() override;
  void UndoKind() override { UndoLast(kKind); }
  bool EnableAction() const override;
  bool EnableUndo() const override { return LastStepIs(kKind); }
  static constexpr int kKind = 127;
  static constexpr int kNeeded = 3;
};

// Circle > Soddy circles > 2 circles: two touching circles and a line touching both.
class TSoddy2Dlg : public TNonLinDlg {
 public:
  explicit TSoddy2Dlg(TGeom11Win* owner);
  void Execute() override;
  void UndoKind() override { UndoLast(kKind); }
  bool EnableAction() const override;
  bool EnableUndo() const override { return LastStepIs(kKind); }
  // The circles and a line make a Soddy step too.
  static constexpr int kKind = 127;

 protected:
  void SetupWindow() override;
};

// Point > Intersection > Line-Circle (mode 0) and Line-Conic (mode 1: the list holds the conics).
class TLCIntDlg : public TNonLinDlg {
 public:
  explicit TLCIntDlg(TGeom11Win* owner, int mode = 0);
  void Execute() override;
  void UndoKind() override { UndoLast(StepKind()); }
  bool EnableAction() const override { return ChosenEntry(kCandidateList) >= 0; }
  bool EnableUndo() const override { return LastStepIs(StepKind()); }
  // Undo follows the kind the dialog makes.
  int StepKind() const { return elementKind == 0 ? kKind : kConicKind; }
  static constexpr int kKind = 104;
  static constexpr int kConicKind = 100;

 protected:
  void SetupWindow() override;
};

// Point > Intersection > Circle-Circle (kind 105) and Line > Tangents > Circle-circle (137).
class TCurvCurvDlg : public TNonLinDlg {
 public:
  TCurvCurvDlg(TGeom11Win* owner, int kind);
  void Execute() override;
  void UndoKind() override { UndoLast(kind_); }
  bool EnableAction() const override;
  bool EnableUndo() const override { return LastStepIs(kind_); }

 private:
  const int kind_;
};

// Line > Tangents > Point-circle (mode 0): the tangents from a point, or at a point of the circle;
// Point-conic (mode 1): the tangents from a point to a conic of the window's lists.
class TCurvPtDlg : public TNonLinDlg {
 public:
  explicit TCurvPtDlg(TGeom11Win* owner, int mode = 0);
  void Execute() override;
  void UndoKind() override;
  bool EnableAction() const override { return ChosenEntry(kCandidateList) >= 0; }
  bool EnableUndo() const override;

 protected:
  void SetupWindow() override;
};

// The text a line field starts with: a line of the figure, else the x axis in the Euclidean plane,
// else "could not find".
std::string SuggestedLineText(const TGeom11Win& window);

}  // namespace plane
