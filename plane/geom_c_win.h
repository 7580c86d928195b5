#pragma once
// The plane object tables and their reservation, lattice-point mode and the Pick's theorem
// display, the mouse hit tests on lines, circles and hyperbolic curves, the per-point
// transformations, conics and the paint passes of the plane figure.

#include <cstdint>
#include <string_view>
#include <vector>

#include "kernel/line_circle_records.h"
#include "kernel/real.h"
#include "plane/geom_b_win.h"
#include "plane/moving_objects.h"
#include "view/figure_painter.h"

namespace plane {

class TGeomCWin : public TGeomBWin {
 public:
  TGeomCWin(platform::FrameWindow* parent, std::string_view title);

  // The copy of the point coordinates that the per-point transformations read (7878 entries).
  std::vector<kernel::Point2> backupPoints;
  std::uint8_t latticeMode = 0;
  // Set while a slow-motion replay runs: fills, tracings, conics and markings wait.
  std::uint8_t slowReplay = 0;

  // While a drag paints its two layers: which layer the paint passes draw, and what moves.
  DrawLayer drawLayer = DrawLayer::kAll;
  MovingObjects moving;
  bool Draws(const std::vector<std::uint8_t>& flags, int i) const { return LayerDraws(drawLayer, flags, i); }

  // Copies the coordinates of points 0 to the last point index into the backup table.
  void SavePoints();

  // --- Paint passes (plane_paint.cpp) ----------------------------------------------------------
  // The full picture: the figure, then the markers and labels of every point.
  virtual void DrawScene(view::FigurePainter& painter);
  // Lines and circles only, for quick redraws.
  virtual void DrawScene2(view::FigurePainter& painter);
  // The geometric layer: lines and circles (nothing for a figure without history).
  virtual void PaintFigure(view::FigurePainter& painter);
  void DrawSegments(view::FigurePainter& painter);
  void DrawSegmentRecord(view::FigurePainter& painter, int i);
  // The line from A to B, continued past A and past B as asked; in a hyperbolic window along the
  // geodesic that `side` describes.
  void DrawLine(view::FigurePainter& painter, const kernel::Point2& a, const kernel::Point2& b, bool continuesBefore,
                bool continuesAfter, const kernel::LinePen& pen, const kernel::HypCurveRecord* side);
  void DrawCircles(view::FigurePainter& painter);
  void DrawCircleRecord(view::FigurePainter& painter, int i);

};

// The painter's pen of a line or circle record's attributes.
view::LinePen PenOfRecord(const kernel::LinePen& pen);
// Line style 5 of a record: never drawn.
inline constexpr std::uint16_t kInvisibleStyle = 5;

}  // namespace plane
