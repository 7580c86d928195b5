#pragma once
// The 3-D viewing layer: observer, rotation and display commands, hidden lines, the scene passes
// and faces in painter's order, the ray-traced display, the model box, and the 3-D figure update.

#include <string_view>

#include "solid/geom_ps_win.h"

namespace solidview {

class TGeomQWin : public solid::TGeomPSWin {
 public:
  TGeomQWin(platform::FrameWindow* parent, std::string_view title);

  // The model box from the existing points, the view centre in its middle and the observer at a
  // distance that sees all of it from the default direction; then every point projected.
  void FitViewToModel();
  // The figure follows a new or replayed step: projected again, then shown whole in the middle of
  // the view.
  void Update(bool keepView) override;
  // The view from the observer as it stands: projected again and shown whole.
  void Redraw(int flag) override;
  int ReplayConstruction(bool replaying) override;
  // The edges of the visible faces: those of a face turned towards the observer solid, the others
  // dashed.
  void DrawSolidEdges(view::FigurePainter& painter);

 protected:
  // The view box around the projected model, the pixels projected into it, the picture repainted.
  void ShowProjectedModel();
  // The solid's edges and the labels of its points over the picture of the lower layers, on the
  // screen and in the exports.
  void Paint(platform::DC& dc) override;
  bool PaintToBitmap(platform::DC& dc) override { return PaintSolid(dc); }
  bool PaintSolid(platform::DC& dc);
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& exportFrame) override;
};

}  // namespace solidview
