#pragma once
// The plane window's modeless dialogs that collect a few values for one step: the pen of chosen
// circles or typed lines, a magnified copy of a subfigure, a chain of circles, and a circle or arc
// about a centre.

#include <string>

#include "plane/step_dlg.h"

namespace plane {

inline constexpr int kAttrStyleName = 231;
inline constexpr int kAttrThickness = 211;
inline constexpr int kAttrLines = 212;
inline constexpr int kAttrCircles = 293;
inline constexpr int kAttrColor = 207;
inline constexpr int kAttrStyle = 701;
inline constexpr int kStepDlgAction = 91;
inline constexpr int kStepDlgUndo = 98;

// The pen of objects already drawn: thickness typed, colour from the colour window, style cycled.
class TAttrDlg : public TStepDlg {
 public:
  TAttrDlg(TGeom11Win* owner, std::string_view resource);

  // The style index, 0 to 5, into the window's style names.
  int style = 0;
  void RefreshButtons() override;
  void Hide() override;
  // "apply": the pen for the chosen objects as one step (kind 160).
  virtual void Apply() {}

  static constexpr int kKind = 160;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  // The typed thickness: 0 with its value, or message 14 (17 above the thickest pen).
  int ReadThickness(int& thickness) const;
};

// Edit > Highlights > Circle attributes: the circles chosen in the list.
class TCircAttrDlg : public TAttrDlg {
 public:
  explicit TCircAttrDlg(TGeom11Win* owner);
  void Apply() override;
  void RefreshLists() override;

 protected:
  void SetupWindow() override;
};

// Edit > Highlights > Line attributes: the lines between neighbours of a typed point list.
class TLineAttrDlg : public TAttrDlg {
 public:
  explicit TLineAttrDlg(TGeom11Win* owner);
  void Apply() override;

 protected:
  void SetupWindow() override;
};

// Units > Duplicate: a copy of the listed points, magnified and perhaps turned.
class TCopyDlg : public TStepDlg {
 public:
  explicit TCopyDlg(TGeom11Win* owner);
  void RefreshButtons() override;
  // Shows the dialog with the figure's point names in the vertex field.
  void ShowWithPoints();
  void Copy();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
};

// Units > Chain of circles: n circles about an inner one, in a chain or a closed ring.
class TRingDlg : public TStepDlg {
 public:
  explicit TRingDlg(TGeom11Win* owner);
  void RefreshButtons() override;
  void Draw();
  // Shows and hides the fields as the check boxes say.
  void ShowFields();

  static constexpr int kKind = 169;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
};

// Circle > Radius-center: a circle through a point or of a radius, or an arc between two points or
// of an angle, about a named centre.
class TArcDlg : public TStepDlg {
 public:
  explicit TArcDlg(TGeom11Win* owner);
  void RefreshButtons() override;
  void Draw();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
};

}  // namespace plane
