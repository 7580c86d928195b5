#pragma once
// The Voronoi diagram window: sites are free points of an ordinary Euclidean figure, added and
// deleted with the right button and slid with the left; every site's cell (the points nearer to
// it than to any other site) is painted in a colour of its own, or, over a background bitmap,
// only framed in its colour so that the picture shows through.

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "plane/geom_e_win.h"

namespace special {

// The colour indexes the cells take in site order (from file version 63 on).
inline constexpr std::array<std::uint8_t, 60> kVoronoiPalette{
    7,  15, 25, 42, 27, 26, 34, 5,  4,  58, 28, 20, 1,  39, 33, 3,  50, 54, 24, 31,
    6,  2,  14, 8,  12, 18, 11, 9,  29, 10, 16, 19, 17, 13, 37, 40, 32, 21, 30, 35,
    38, 41, 36, 22, 46, 56, 43, 53, 47, 51, 48, 57, 44, 10, 23, 45, 52, 49, 55, 59};
// Figures of older files colour their cells 1, 2, 3 ... in site order.
inline constexpr std::int32_t kVoronoiPaletteVersion = 63;

// The colour index of the n-th existing site (from 0) of a figure of the given file version.
int VoronoiCellColor(int n, std::int32_t fileVersion);

// The bisector thickness of a new window, in pixels.
inline constexpr std::uint16_t kDefaultBisectorThickness = 2;
// Other > Background > Bisector thickness.
inline constexpr int kCmdBisectorThickness = 150;

class TGeomVWin : public plane::TGeomEWin {
 public:
  TGeomVWin(platform::FrameWindow* parent, std::string_view title);

  // The right button: a new site at the mouse, or the site under it deleted (a history step);
  // a message when no site can be added.
  void AddOrDeleteSite(platform::PointI pixel);
  // Deletes site i as a history step.
  void DeleteSite(int i);
  // The cells, then the axes over them.
  void PaintFigure(view::FigurePainter& painter) override;
  bool PictureFollowsEveryPoint() const override { return true; }
  // A printed page has no background layer: the background bitmap goes under the cells here,
  // scaled with the picture so that the frames stay over what they outline.
  bool PaintPicture(platform::DC& dc) override;

  // With a background bitmap the cells are framed, not filled.
  bool CellsOutlined() const { return preWin.backBitmap.has_value(); }
  // The width of the cells' frames in pixels: the current line thickness on the screen, the
  // extra print thickness + 1 on a printed page.
  int BisectorThickness() const;
  // Asks the bisector thickness; a new one repaints and marks the figure modified.
  void CmBisectorThickness();

  // The file keeps the bisector thickness as its line-thickness setting.
  bool WriteData() override;
  int ReadData() override;

 protected:
  void SetupWindow() override;
  void OnMouseDown(const platform::MouseEvent& e) override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  // Every cell of the sites, in the order of the sites.
  void PaintCells(view::FigurePainter& painter);
  // Cell n (its colour is the n-th), filled, or as a frame along its edges when the cells are
  // outlined.
  void PaintCell(view::FigurePainter& painter, const std::vector<kernel::Point2>& cell, int n);
};

}  // namespace special
