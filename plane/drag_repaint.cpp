#include "plane/drag_repaint.h"

#include <array>
#include <memory>

#include "plane/geom_d_win.h"
#include "platform/region.h"
#include "view/dc_figure_painter.h"

namespace plane {

namespace {

// Entries of the label filter (DrawLabels leaves out the points whose entry is the skip value).
constexpr std::uint8_t kStillFlag = 0;
constexpr std::uint8_t kLeftOut = 0;
constexpr std::uint8_t kDrawn = 1;

bool Meets(const platform::Rect& box, std::span<const platform::Rect> boxes) {
  for (const platform::Rect& b : boxes) {
    if (!platform::Intersect(box, b).IsEmpty()) return true;
  }
  return false;
}

}  // namespace

DragRepaint::DragRepaint(TGeomDWin& window, int emphasised) : window_(window), emphasised_(emphasised) {}

void DragRepaint::Begin(platform::DC& dc) {
  const int width = window_.mapping.width;
  const int height = window_.mapping.height;
  still_ = platform::Bitmap(width, height);
  {
    const std::unique_ptr<platform::DC> stillDC = still_.CreateDC();
    stillDC->DrawBitmap({0, 0, width, height}, window_.BackgroundPicture(), {0, 0}, platform::RasterOp::Copy);
    view::DcFigurePainter painter(*stillDC, window_.mapping, window_.DcRules());
    window_.drawLayer = DrawLayer::kStill;
    window_.PaintFigure(painter);
    window_.drawLayer = DrawLayer::kAll;
  }
  last_ = Measure(dc);
  const platform::Rect whole[] = {{0, 0, width, height}};
  Compose(dc, whole, true);
  // The markers and labels of the still points stay where this paint put them.
  stillLabels_.clear();
  const engine::FigureTables& t = window_.tables();
  for (int i = 0; i <= t.last_point; ++i) {
    if (static_cast<std::size_t>(i) < window_.moving.points.size() && window_.moving.points[i] != kStillFlag) continue;
    const platform::Rect box = window_.LabelBox(i);
    if (!box.IsEmpty()) stillLabels_.emplace_back(i, box);
  }
}

platform::Rect DragRepaint::Frame(platform::DC& dc) {
  const MovingBoxes now = Measure(dc);
  const platform::Rect boxes[] = {platform::Unite(last_.objects, now.objects), platform::Unite(last_.texts, now.texts)};
  last_ = now;
  Compose(dc, boxes, false);
  return platform::Unite(boxes[0], boxes[1]);
}

DragRepaint::MovingBoxes DragRepaint::Measure(platform::DC& dc) {
  MovingBoxes boxes;
  view::DcFigurePainter painter(dc, window_.mapping, window_.DcRules());
  dc.HoldDrawing(true);
  window_.drawLayer = DrawLayer::kMoving;
  dc.TrackDrawnBox(true);
  window_.DrawTexts(painter);
  boxes.texts = dc.DrawnBox();
  dc.TrackDrawnBox(false);

  dc.TrackDrawnBox(true);
  window_.PaintFigure(painter);
  window_.labelLayer = window_.moving.points;
  window_.labelLayerSkip = kStillFlag;
  window_.DrawLabels(painter, -1, false);
  window_.labelLayer = {};
  if (emphasised_ >= 0) window_.DrawLabels(painter, emphasised_, true);
  boxes.objects = dc.DrawnBox();
  dc.TrackDrawnBox(false);
  window_.drawLayer = DrawLayer::kAll;
  dc.HoldDrawing(false);
  return boxes;
}

void DragRepaint::Compose(platform::DC& dc, std::span<const platform::Rect> boxes, bool everyLabel) {
  std::array<platform::Rect, 2> kept{};
  std::size_t count = 0;
  for (const platform::Rect& box : boxes) {
    if (box.IsEmpty() || count == kept.size()) continue;
    dc.DrawBitmap(box, still_, {box.left, box.top}, platform::RasterOp::Copy);
    kept[count++] = box;
  }
  if (count == 0) return;
  const std::span<const platform::Rect> shown(kept.data(), count);
  // The labels drawn: every one, or those of the moving points and of the still points reaching
  // into the boxes.
  const engine::FigureTables& t = window_.tables();
  drawnLabels_.assign(static_cast<std::size_t>(t.last_point + 1), everyLabel ? kDrawn : kLeftOut);
  for (std::size_t i = 0; !everyLabel && i < drawnLabels_.size() && i < window_.moving.points.size(); ++i) {
    if (window_.moving.points[i] != kStillFlag) drawnLabels_[i] = kDrawn;
  }
  for (const auto& [i, box] : stillLabels_) {
    if (!everyLabel && static_cast<std::size_t>(i) < drawnLabels_.size() && Meets(box, shown)) drawnLabels_[i] = kDrawn;
  }
  // The emphasised label is drawn on its own, over everything.
  if (emphasised_ >= 0 && static_cast<std::size_t>(emphasised_) < drawnLabels_.size()) drawnLabels_[emphasised_] = kLeftOut;

  const platform::DC::SavedState saved(dc);
  dc.SelectClipRegion(platform::Region::FromRects(shown));
  view::DcFigurePainter painter(dc, window_.mapping, window_.DcRules());
  window_.drawLayer = DrawLayer::kMoving;
  window_.PaintFigure(painter);
  window_.drawLayer = DrawLayer::kAll;
  // Over the figure as in a whole paint: the texts, the markers and labels, the Pick's dots.
  window_.labelLayer = drawnLabels_;
  window_.labelLayerSkip = kLeftOut;
  window_.PaintAll(painter);
  window_.labelLayer = {};
  if (emphasised_ >= 0) window_.DrawLabels(painter, emphasised_, true);
}

}  // namespace plane
