#pragma once
// The modeless grid dialog of the grid layer (template SETGRID): axes and their kind, ticks,
// arrows, dots, axis names, the tick length, the interval, decimals and label frequency of each
// axis, scale labels (numbers or multiples of pi, on the axes or the border), the rectangular
// grid by quadrants, the polar sectors and dotted gridlines. Apply (91) stores what changed as a
// new view (so Last window undoes it); Close (2) hides the dialog.

#include <cstdint>
#include <string_view>

#include "shell/dlg.h"

namespace view {

class TGridWin;

// Control ids of the grid dialog.
inline constexpr int kGridTickLength = 211;
inline constexpr int kGridXInterval = 212;
inline constexpr int kGridXPlaces = 213;
inline constexpr int kGridXFreq = 214;
inline constexpr int kGridYInterval = 215;
inline constexpr int kGridYPlaces = 216;
inline constexpr int kGridYFreq = 217;
inline constexpr int kGridSectors = 218;
inline constexpr int kGridTickLengthLabel = 231;
inline constexpr int kGridXRowLabel = 232;
inline constexpr int kGridYRowLabel = 233;
inline constexpr int kGridMarkScaleLabel = 234;
inline constexpr int kGridQuadrantLabel = 235;
inline constexpr int kGridAxesFrame = 241;
inline constexpr int kGridGridFrame = 242;
inline constexpr int kGridBoth = 251;
inline constexpr int kGridXOnly = 252;
inline constexpr int kGridYOnly = 253;
inline constexpr int kGridPolar = 254;
inline constexpr int kGridScaleOnAxes = 255;
inline constexpr int kGridScaleOnBorder = 256;
inline constexpr int kGridAxes = 271;
inline constexpr int kGridTicks = 272;
inline constexpr int kGridArrows = 273;
inline constexpr int kGridDots = 274;
inline constexpr int kGridLabels = 275;
inline constexpr int kGridXScale = 276;
inline constexpr int kGridXPi = 277;
inline constexpr int kGridYScale = 278;
inline constexpr int kGridYPi = 279;
inline constexpr int kGridPolarSectors = 280;
inline constexpr int kGridRectangular = 281;
inline constexpr int kGridQuadrantI = 282;
inline constexpr int kGridDotted = 286;
inline constexpr int kGridApply = 91;

class TGridDlg : public shell::TDlg {
 public:
  TGridDlg(TGridWin* window, std::string_view resource, bool noPolarSectors);

  // Every control from the window's settings.
  void Refresh();
  // The interval and frequency fields alone (after the intervals were widened).
  void RefreshIntervals();
  // Reads the dialog into a copy of the window's view record; when a grid setting differs, the
  // current view is pushed (Last window undoes the change) and the copy applied.
  void Apply();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override {}
  void OnCancel() override { Hide(); }
  // A click on "axes", "ticks", "polar sectors" or "rectangular" shows and hides what depends on it.
  void OnNotify(int id, platform::ControlNotification what) override;

 private:
  // Which controls show, by the grid dialog kind and the boxes checked.
  void ShowControls();
  void RefreshPlaces();

  TGridWin* window_;
  bool noPolarSectors_;
};

}  // namespace view
