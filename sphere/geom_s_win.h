#pragma once
// The sphere layer: a figure drawn on the unit sphere seen from a movable observer. Points are
// unit vectors; lines are great-circle segments or whole great circles and circles are circles of
// the sphere about a pole, each with its frame (engine/sphere_frames.h). The ball is filled and
// outlined by its horizon; the parts of lines and circles behind it are left out, dotted or drawn
// as the display mode says.

#include <string_view>

#include "kernel/ball_horizon.h"
#include "solidview/geom_q_win.h"
#include "sphere/sphere_settings.h"

namespace sphere {

// The colour roles of the ball and of its PiCTeX outline test.
inline constexpr int kBallColorRole = 11;
inline constexpr int kBallOutlineRole = 14;
// View > Restore (Ctrl+W).
inline constexpr int kCmdRestoreView = 764;

class TGeomSWin : public solidview::TGeomQWin {
 public:
  // A macro window (macroWindow set) reads and writes no settings and opens no file.
  TGeomSWin(platform::FrameWindow* parent, std::string_view title, bool macro = false);

  // The horizon of the ball as the observer sees it, and the view's half width when the window
  // was set up (the reference of the arcs' step counts).
  kernel::HorizonFrame horizon;
  kernel::Real initialHalfWidth = 0;

  // The view from the observer, then the horizon; an observer that does not stand outside the
  // ball keeps the last horizon.
  bool ComputeViewFromObserver() override;
  // Display mode 2 shows every point; a point inside the ball is hidden; a point of the sphere
  // is visible when it faces the observer.
  bool IsVisible(const kernel::Point3& p) const override;
  // Every point's visibility flag (drawn label and marker): all in display mode 2, all in mode 1
  // when labels show in the dotted mode, else the points that face the observer.
  void ComputePointVisibility();
  // View > Restore: the box, view centre and observer of a new window, the view fitted again.
  void RestoreView() override;

  // The settings this window keeps, from its state, and back.
  SphereSettings CollectSettings() const;
  void ApplySettings(const SphereSettings& settings);

  // Kind 121 on the ball: a free point at the position waiting after the last point.
  int DoMovablePoint(std::string* out) override;

  // The ball, the lines and the circles.
  void DrawBall(view::FigurePainter& painter, bool pictex);
  void DrawLines(view::FigurePainter& painter);
  void DrawCircles(view::FigurePainter& painter);
  // Point > Triangle is grey below three points.
  void UpdateMenu() override;

 protected:
  void SetupWindow() override;
  void OnDestroy() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

  // The ball is the background level (kept while observer, view and colours stay), the lines and
  // circles the figure level, the texts and labels the whole picture.
  void PaintBackgroundPicture(platform::DC& dc) override;
  std::array<kernel::Real, 3> BackgroundScene() const override;
  void PaintFigure(view::FigurePainter& painter) override;
  void PaintAll(view::FigurePainter& painter) override;
  void Paint(platform::DC& dc) override;
  bool PaintToBitmap(platform::DC& dc) override;
  bool PaintPicture(platform::DC& dc) override;
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& exportFrame) override;

 private:
  // The settings of a window as it was constructed.
  SphereSettings fresh_;
};

}  // namespace sphere
