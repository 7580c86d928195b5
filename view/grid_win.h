#pragma once
// The grid layer of the picture windows: the user's handles on the view and on the coordinate
// grid (the zoom and Last window commands, the view and grid dialogs, the reset of view and grid,
// the square view and a random point inside the view), and the preparation of the ticks before
// the axes are drawn. Every view and grid value lives in the graphics layer below; this layer
// reads and writes them through its operations.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "view/qel_wing.h"

namespace view {

class TGridDlg;
class TViewDlg;

inline constexpr int kCmdResetView = 103;
inline constexpr int kCmdView = 104;
inline constexpr int kCmdSquareView = 117;
inline constexpr int kCmdGrid = 320;

// The layouts of the view dialog.
inline constexpr int kViewDialogCentre = 0;
inline constexpr int kViewDialogCorners = 1;
inline constexpr int kViewDialogAll = 2;

class TGridWin : public TQELWing {
 public:
  TGridWin(platform::FrameWindow* parent, std::string_view title);
  ~TGridWin() override;

  // The view dialog's layout (kViewDialogCentre, ...Corners, ...All); window kinds may change it.
  int viewDialogKind = kViewDialogAll;
  // The template of the grid dialog; window kinds may name another.
  std::string gridDialogResource = "SETGRID";
  // Set: the grid dialog offers no polar sectors.
  std::uint8_t noPolarSectors = 0;
  // Enables Zoom Out and Zoom In.
  std::uint8_t zoomEnabled = 1;
  // How much of the grid dialog the window kind uses: 0 all (the plane windows); 1 a list instead
  // of axes, no grid; odd kinds have no x row, kinds 2 and 3 no y row; 3 no axes at all.
  int gridDialogKind = 0;
  // The window's axes are t and x (the dialog's rows and axis choices say so).
  std::uint8_t txAxes = 0;

  // Empties the view stack and gives view and grid their default values.
  virtual void ResetView();
  // Opens the grid dialog (made on first use).
  virtual void ShowGridDialog();
  // The view and the dialog showing it agree after every view change.
  void UpdateView() override;
  // Widens the tick intervals to fit, raises the label decimals, and finds the tick index ranges.
  int PaintGrid() override;
  void UpdateMarkScales() override;
  // A point strictly inside the view, at random.
  kernel::Point2 RandomPoint() const;

  // The dialogs, null before their first use.
  TViewDlg* viewDialog() const { return viewDialog_.get(); }
  TGridDlg* gridDialog() const { return gridDialog_.get(); }

  // The screen's width in pixels: the grid dialog gives tick lengths as a share of it.
  virtual int ScreenWidthPixels() const;

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void OnDestroy() override;
  // The coordinate frame goes into every export picture, above the picture frame.
  bool ExportPicture(FigurePainter& painter, const ExportFrame& frame) override;
  // The screen: the background and the coordinate frame.
  void Paint(platform::DC& dc) override;

 private:
  void CmResetView();
  void CmView();
  void CmSquareView();

  std::unique_ptr<TViewDlg> viewDialog_;
  std::unique_ptr<TGridDlg> gridDialog_;
};

}  // namespace view
