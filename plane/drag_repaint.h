#pragma once
// The picture of a drag. The still part of the figure (everything the drag does not move, over
// the background, axes and pictures) is painted once into an off-screen picture. At every mouse
// move only the box the moving objects cover, where they were and where they are now, is painted
// again: put back from the still picture, the moving objects drawn over it, then every text,
// marker and label reaching into the box, clipped to it, so the box shows what a whole repaint
// shows there (the markers and labels of still points stay on top of the lines that move).

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

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
  // After the moving objects were computed again: the box they covered and the box they cover
  // now are painted again. The box repainted.
  platform::Rect Frame(platform::DC& dc);

 private:
  // Where the moving objects with their markers and labels, and apart from them the moving texts,
  // are now: measured on dc without drawing.
  struct MovingBoxes {
    platform::Rect objects;
    platform::Rect texts;
  };
  MovingBoxes Measure(platform::DC& dc);
  // Paints the boxes (at most two) of dc again from the still picture up, in the order of a whole
  // paint; the markers and labels of every point, or only of those that move or reach into the
  // boxes.
  void Compose(platform::DC& dc, std::span<const platform::Rect> boxes, bool everyLabel);

  TGeomDWin& window_;
  int emphasised_;
  platform::Bitmap still_;
  MovingBoxes last_;
  // The still points whose marker or label shows, with the box they cover.
  std::vector<std::pair<int, platform::Rect>> stillLabels_;
  // Per point, while the boxes are composed: whether its marker and label are drawn.
  std::vector<std::uint8_t> drawnLabels_;
};

}  // namespace plane
