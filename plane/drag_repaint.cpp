#include "plane/drag_repaint.h"

#include <memory>

#include "plane/geom_d_win.h"
#include "view/dc_figure_painter.h"

namespace plane {

namespace {

constexpr std::uint8_t kStillFlag = 0;
constexpr std::uint8_t kMovingFlag = 1;

}  // namespace

DragRepaint::DragRepaint(TGeomDWin& window, int emphasised) : window_(window), emphasised_(emphasised) {}

void DragRepaint::Begin(platform::DC& dc) {
  still_ = platform::Bitmap(window_.mapping.width, window_.mapping.height);
  {
    const std::unique_ptr<platform::DC> stillDC = still_.CreateDC();
    window_.drawLayer = DrawLayer::kStill;
    window_.labelLayer = window_.moving.points;
    window_.labelLayerSkip = kMovingFlag;
    window_.PaintOverBackground(*stillDC);
    window_.drawLayer = DrawLayer::kAll;
    window_.labelLayer = {};
  }
  dc.DrawBitmap({0, 0, still_.width(), still_.height()}, still_, {0, 0}, platform::RasterOp::Copy);
  PaintMoving(dc);
}

platform::Rect DragRepaint::Frame(platform::DC& dc) {
  const platform::Rect oldTexts = lastTexts_;
  const platform::Rect oldObjects = lastObjects_;
  for (const platform::Rect& old : {oldTexts, oldObjects}) {
    if (!old.IsEmpty()) dc.DrawBitmap(old, still_, {old.left, old.top}, platform::RasterOp::Copy);
  }
  PaintMoving(dc);
  return platform::Unite(platform::Unite(oldTexts, oldObjects), platform::Unite(lastTexts_, lastObjects_));
}

void DragRepaint::PaintMoving(platform::DC& dc) {
  // In the order of a whole paint: the figure, the texts over it, the markers and labels on top.
  view::DcFigurePainter painter(dc, window_.mapping, window_.DcRules());
  window_.drawLayer = DrawLayer::kMoving;
  dc.TrackDrawnBox(true);
  window_.PaintFigure(painter);
  platform::Rect objects = dc.DrawnBox();
  dc.TrackDrawnBox(false);

  dc.TrackDrawnBox(true);
  window_.DrawTexts(painter);
  lastTexts_ = dc.DrawnBox();
  dc.TrackDrawnBox(false);

  dc.TrackDrawnBox(true);
  window_.labelLayer = window_.moving.points;
  window_.labelLayerSkip = kStillFlag;
  std::uint8_t* emphasisedFlag = nullptr;
  if (emphasised_ >= 0 && static_cast<std::size_t>(emphasised_) < window_.moving.points.size()) {
    emphasisedFlag = &window_.moving.points[emphasised_];
  }
  // The emphasised point is left out of the plain labels and drawn on its own.
  const std::uint8_t wasMoving = emphasisedFlag != nullptr ? *emphasisedFlag : 0;
  if (emphasisedFlag != nullptr) *emphasisedFlag = kStillFlag;
  window_.DrawLabels(painter, -1, false);
  if (emphasisedFlag != nullptr) {
    *emphasisedFlag = wasMoving;
    window_.DrawLabels(painter, emphasised_, true);
  }
  window_.drawLayer = DrawLayer::kAll;
  window_.labelLayer = {};
  lastObjects_ = platform::Unite(objects, dc.DrawnBox());
  dc.TrackDrawnBox(false);
}

}  // namespace plane
