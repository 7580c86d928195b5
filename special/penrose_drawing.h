#pragma once
// Drawing a Penrose tiling through the one drawing interface of the windows: the tile fills, the
// two curves of every tile, the Ammann bars and the tile edges, in that order. The same routine
// serves the screen, the off-screen pictures, the printer and every export; painters that do not
// fill (PiCTeX) draw the fills as nothing by their own rules. Also the tile under a point and the
// box a view is fitted to.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "kernel/colour_values.h"
#include "special/penrose_tiles.h"
#include "view/figure_painter.h"

namespace special {

// Tile colour modes.
inline constexpr std::uint16_t kFullColor = 0;
inline constexpr std::uint16_t kGreyTiles = 1;
inline constexpr std::uint16_t kWhiteTiles = 2;

// The colour roles of the window (indices into its colour roles; role 0 is the background).
inline constexpr int kKiteRole = 1;
inline constexpr int kDartRole = 2;
inline constexpr int kCurve1Role = 3;
inline constexpr int kCurve2Role = 4;
inline constexpr int kBarsRole = 5;
inline constexpr int kTileRole = 6;

// What the window shows of its tiling.
struct PenroseDisplay {
  std::array<std::uint8_t, 5> ammannFamily{};
  std::uint8_t dottedBars = 1;
  std::uint8_t hideTiles = 0;
  std::uint8_t curves = 0;
  std::uint16_t colorMode = kFullColor;
  // The colour indices of the two curves and of the bars.
  int curve1Color = 4;
  int curve2Color = 6;
  int barsColor = 3;
};

// Draws an unfilled circular arc about centre from start, turning by sweep radians
// (counter-clockwise when positive), in the pen.
using PenroseArcDrawer =
    std::function<void(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep,
                       const view::LinePen& pen)>;

struct PenroseDrawing {
  const PenroseTiling& tiling;
  const PenroseDisplay& display;
  // The grey of each colour index, for grey tiles (indices outside it take entry 0).
  std::span<const kernel::ColorRef> greys;
  // The arcs of the curves; the painter's own arcs when empty.
  PenroseArcDrawer arc;
};

// The fill of a tile of colour index `color` in the colour mode.
view::InkColor TileFillColor(std::uint16_t colorMode, int color, std::span<const kernel::ColorRef> greys);

// The four layers for tiles 0 .. lastTile (edges 0 .. the tile's last edge); nothing when there is
// no tile or lastTile is below 0. lastTile beyond the last tile draws every tile.
void DrawTilingLayers(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile);
void FillAllTiles(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile);
void DrawCurves(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile);
void DrawAmmannBars(view::FigurePainter& painter, const PenroseDrawing& drawing);
void DrawTileEdges(view::FigurePainter& painter, const PenroseDrawing& drawing, int lastTile);

// The chord of the bar of family f at position p across the view box shrunk by one pixel on each
// side; none when the bar misses it.
std::optional<std::array<kernel::Point2, 2>> BarChord(const PenroseTiling& tiling, int family, kernel::Real position,
                                                      const view::ViewMapping& mapping);

// The first tile (in index order) whose quadrilateral covers the point, its border widened by
// `slack` world units; -1 when none.
std::int16_t TileAtPoint(const PenroseTiling& tiling, const kernel::Point2& point, kernel::Real slack);

// The view that fits the vertices: with keep clear a box about the origin and every vertex, grown
// by 0.1 about its centre, half extents 0.65 of its size; with keep set the current view box widened
// over every vertex, half extents 0.5 of its size when no vertex lay outside it, else 0.6. None when
// the tiling has no vertex.
struct PenroseFit {
  kernel::Point2 centre;
  kernel::Real halfWidth = 0;
  kernel::Real halfHeight = 0;
};
std::optional<PenroseFit> FitTilingView(const PenroseTiling& tiling, bool keep, const kernel::Box2& current);

}  // namespace special
