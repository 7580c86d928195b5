#pragma once
// The tool dialogs of a plane window's conic lists and of the lines and circles it takes as
// equations. Each stays open beside the window, made on its first command and hidden by "close";
// every change to a list repaints the window and marks the figure modified.
//
// CONIC3PT: the two-foci list (TConic2Dlg) and the three-point list (TConic3Dlg): draw a conic,
// delete one or all, a point on the selected conic at a parameter, its asymptotes.
// CONIC5PT and CONICEQN: the five-point list (TConic5Dlg) and the equation list (TConicEDlg): draw,
// delete, and the centre, a focus with its vertex or the asymptotes of the selected conic.
// EQNLN and EQNCI: a line in one of three forms (TEqnLnDlg) and a circle in one of two (TEqnCiDlg).

#include <string>
#include <string_view>

#include "shell/dlg.h"

namespace plane {

class TGeomC2Win;

// The colour roles of the conics of the lists and of analytic lines and circles.
inline constexpr int kConicColourRole = 4;
inline constexpr int kAnalyticColourRole = 7;

// What the tool dialogs share: the owner, the colour button and "close", which also hides the
// colour window.
class TToolDlg : public shell::TDlg {
 public:
  TToolDlg(TGeomC2Win* owner, std::string_view resource);
  // Enables the buttons that follow the figure (undo and the like).
  virtual void RefreshButtons() {}

 protected:
  void OnCancel() override;
  void OnOk() override {}
  // The list changed: the window is drawn anew and the figure counts as modified.
  void ListsChanged();
  // Asks "delete all items?"; true for Yes.
  bool ConfirmDeleteAll();
  TGeomC2Win* owner_;
};

// The two lists by foci and points.
class TConikDlg : public TToolDlg {
 public:
  // inventory 2: the two-foci list; 3: the three-point list.
  TConikDlg(TGeomC2Win* owner, int inventory);
  const int inventory;
  void FillList();
  void RefreshButtons() override;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  virtual void DrawConic() = 0;
  void DeleteSelected();
  void DeleteAll();
  void MarkPoint();
  void Asymptotes();
  // The selected position of the list box, -1 for none.
  int Selected() const;
};

class TConic2Dlg : public TConikDlg {
 public:
  explicit TConic2Dlg(TGeomC2Win* owner) : TConikDlg(owner, 2) {}

 protected:
  void SetupWindow() override;
  void DrawConic() override;
};

class TConic3Dlg : public TConikDlg {
 public:
  explicit TConic3Dlg(TGeomC2Win* owner) : TConikDlg(owner, 3) {}
  // The labels of the two point edits follow the checked form.
  void SetLabels();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void DrawConic() override;
};

// The five-point and equation lists.
class TConicDlg : public TToolDlg {
 public:
  TConicDlg(TGeomC2Win* owner, std::string_view resource) : TToolDlg(owner, resource) {}
  virtual void FillList() = 0;
  void RefreshButtons() override;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  virtual void DrawConic() = 0;
  virtual void DeleteSelected() = 0;
  virtual void DeleteAll() = 0;
  virtual void MakeFeatureStep(int feature, int points, int lines) = 0;
  int Selected() const;
};

class TConic5Dlg : public TConicDlg {
 public:
  explicit TConic5Dlg(TGeomC2Win* owner) : TConicDlg(owner, "CONIC5PT") {}
  void FillList() override;

 protected:
  void SetupWindow() override;
  void DrawConic() override;
  void DeleteSelected() override;
  void DeleteAll() override;
  void MakeFeatureStep(int feature, int points, int lines) override;
};

class TConicEDlg : public TConicDlg {
 public:
  explicit TConicEDlg(TGeomC2Win* owner) : TConicDlg(owner, "CONICEQN") {}
  void FillList() override;

 protected:
  void SetupWindow() override;
  void DrawConic() override;
  void DeleteSelected() override;
  void DeleteAll() override;
  void MakeFeatureStep(int feature, int points, int lines) override;
};

// The line and circle dialogs by equation: colour, draw, and an Undo that follows the history's
// last step of the dialog's kind.
class TEquationDlg : public TToolDlg {
 public:
  TEquationDlg(TGeomC2Win* owner, std::string_view resource, int stepKind)
      : TToolDlg(owner, resource), stepKind_(stepKind) {}
  void RefreshButtons() override;

 protected:
  bool OnCommand(int id) override;
  virtual void Draw() = 0;

 private:
  int stepKind_;
};

// A line by equation: form 0 ax + by = c, 1 y = k + m(x - h), 2 (x,y) = (h,k) + t[a,b].
class TEqnLnDlg : public TEquationDlg {
 public:
  explicit TEqnLnDlg(TGeomC2Win* owner);
  int Form() const;
  void ShowForm();

 protected:
  void SetupWindow() override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void Draw() override;
};

// A circle by equation: form 0 centre and radius, 1 xx + yy + ax + by = c.
class TEqnCiDlg : public TEquationDlg {
 public:
  explicit TEqnCiDlg(TGeomC2Win* owner);
  int Form() const;
  void ShowForm();

 protected:
  void SetupWindow() override;
  void OnNotify(int id, platform::ControlNotification what) override;
  void Draw() override;
};

}  // namespace plane
