#pragma once
// The picture of a drag. The still part of the figure (everything the drag does not move, with
// the background, axes, still texts and pictures) is painted once into an off-screen picture; at
// every mouse move only the boxes the moving texts and the moving objects covered are put back
// from it and these are drawn again, their new boxes noted for the next move.

#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/drawing_types.h"

namespace plane {

class TGeomDWin;

class DragRepaint {
 public:
  // The window's moving flags say what moves; emphasised: the point whose label is drawn in the
  // second label font (-1: none).
  DragRepaint(TGeomDWin& window, int emphasised);

  // Paints the still part into the off-screen picture and shows the whole picture on dc.
  void Begin(platform::DC& dc);
  // After the moving objects were computed again: the box they covered is restored from the
  // still picture and they are drawn where they are now. The box repainted (old and new).
  platform::Rect Frame(platform::DC& dc);

 private:
  // Draws the moving texts, then the moving objects over them; the box of each.
  void PaintMoving(platform::DC& dc);

  TGeomDWin& window_;
  int emphasised_;
  platform::Bitmap still_;
  platform::Rect lastTexts_;
  platform::Rect lastObjects_;
};

}  // namespace plane
