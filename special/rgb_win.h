#pragma once
// The window that demonstrates how red, green and blue mix: a point C inside the triangle RGB
// has barycentric coordinates (r, g, b); the swatch beside the triangle shows the colour of those
// intensities scaled so that the largest equals the brightness, and each part of the triangle cut
// by C shows the pure colour of the vertex opposite it. C and the vertices are dragged; the RGB
// values dialog shows the colour as three numbers and places C from typed ones.

#include <array>
#include <memory>
#include <string_view>

#include "kernel/real.h"
#include "shell/dlg.h"
#include "special/pre_rgb_win.h"

namespace special {

class TRGBWin;

inline constexpr int kRgbRedEdit = 211;
inline constexpr int kRgbGreenEdit = 212;
inline constexpr int kRgbBlueEdit = 213;
inline constexpr int kRgbApply = 91;
// Edit > RGB values.
inline constexpr int kCmdRgbValues = 892;

// The colour C mixes: the barycentric weights of C in the triangle, scaled so that the largest
// equals the brightness; false when the triangle is too thin (the areas sum below 1e-16).
struct RgbMix {
  std::array<kernel::Real, 3> weights{};
  int red = 0, green = 0, blue = 0;
  kernel::ColorRef Color() const;
};
bool MixAt(const kernel::Point2& r, const kernel::Point2& g, const kernel::Point2& b, const kernel::Point2& c,
           kernel::Real brightness, RgbMix& mix);

// The RGB values dialog (modeless): three numbers from 0 to 255, "apply", "close".
class TRGBDlg : public shell::TDlg {
 public:
  explicit TRGBDlg(TRGBWin* window);
  // The numbers of the colour C mixes now (nothing when it cannot be mixed).
  void ShowValues();
  // Places C for the typed numbers: 0, or message 17 (negative numbers, or all zero).
  int Apply();

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override { Apply(); }
  void OnCancel() override { Hide(); }

 private:
  TRGBWin* window_;
};

class TRGBWin : public TPreRGBWin {
 public:
  TRGBWin(platform::FrameWindow* parent, std::string_view title);
  ~TRGBWin() override;

  // Point indexes of the figure.
  static constexpr int kR = 0, kG = 1, kB = 2, kC = 3, kSwatch = 4;

  // The colour of the mix now; false when the triangle cannot mix one.
  bool Mix(RgbMix& mix) const;
  // Builds the triangle, C, the swatch and the three barycentric measurements as steps.
  void BuildFigure();
  void ShowRGBDialog();
  TRGBDlg* rgbDialog() { return rgbDialog_.get(); }

  // The swatch and the three coloured parts of the triangle under the figure.
  void PaintFigure(view::FigurePainter& painter) override;
  // A vertex may not move where C would leave the triangle, nor C out of it.
  bool RefusesDragTo(const kernel::Point2& q, int i) const override;
  bool PictureFollowsEveryPoint() const override { return true; }
  // Closing never asks to save: the figure is the demonstration's own.
  bool CheckModified() override { return true; }

 protected:
  void SetupWindow() override;
  void OnDestroy() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  void FillPolygon(view::FigurePainter& painter, std::initializer_list<int> points, kernel::ColorRef colour);
  std::unique_ptr<TRGBDlg> rgbDialog_;
};

}  // namespace special
