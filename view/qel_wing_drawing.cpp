// The drawing helpers of the graphics layer that need the window's settings: painter rules,
// printed pen widths, labels, the picture frame and the lattice dots.

#include <algorithm>
#include <cmath>

#include "kernel/text_utils.h"
#include "view/line_style.h"
#include "view/qel_wing.h"

namespace view {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

DcPaintRules TQELWing::DcRules() const {
  DcPaintRules rules;
  rules.colors = preWin.colors;
  rules.greys = preWin.greys;
  rules.backgroundIndex = preWin.roles[0];
  rules.colorPrinting = printFormat.colorPrinter != 0;
  rules.printerExtraWidth = device.printerExtraWidth;
  rules.magnifier = device.metafileRunning ? std::max(1, device.magnifier) : 1;
  rules.printFactor = device.printFactor;
  rules.transparentLabels = device.metafileRunning && !device.withBackColor;
  rules.frameOrigin = {preWin.originX, preWin.originY};
  rules.framePenWidth = device.framePenWidth;
  return rules;
}

int TQELWing::PrintPenWidthFor(const platform::DC& dc, int thickness) const {
  return view::PrintPenWidthFor(dc.GetDeviceCaps().widthPixels, thickness,
                                device.metafileRunning ? device.magnifier : 1);
}

void TQELWing::ComputePrintPenWidth(const platform::DC& dc) {
  wing.printedPenWidth = PrintPenWidthFor(dc, wing.printLineThickness);
}

bool TQELWing::PlaceLabel(FigurePainter& painter, std::string& text, Point2& p, int h, int v, PixelBox& rect) const {
  if (axes.minusSubstitution) kernel::ReplaceMinus(text, static_cast<char>(axes.minusCharacter));
  const platform::SizeI size = painter.TextExtent(text);
  const PointI corner = TextBoxCorner({XToScreen(p.x), YToScreen(p.y)}, size, h, v);
  rect = {corner.x, corner.y, corner.x + size.width, corner.y + size.height};
  p = {XToWorld(rect.left), YToWorld(rect.top)};
  return rect.left >= mapping.offsetX && rect.top >= mapping.offsetY && rect.right < mapping.offsetX + mapping.width &&
         rect.bottom < mapping.offsetY + mapping.height;
}

void TQELWing::DrawLabel(FigurePainter& painter, std::string_view text, PointI pixel, int h, int v,
                         std::optional<kernel::ColorRef> background) const {
  painter.Text(pixel, text, h, v, background);
}

void TQELWing::DrawParallelogram(FigurePainter& painter, int x, int y, int a, int b, int c, int d) const {
  const PointI corners[] = {{x, y}, {x + a, y + b}, {x + a + c, y + b + d}, {x + c, y + d}, {x, y}};
  for (int i = 1; i < 5; ++i) painter.PixelSegment(corners[i - 1], corners[i]);
}

void TQELWing::DrawPictureFrame(FigurePainter& painter) const {
  if (printFormat.frameImage) painter.PictureFrame();
}

bool TQELWing::ExportPicture(FigurePainter& painter, const ExportFrame& /*frame*/) {
  DrawPictureFrame(painter);
  return true;
}

void TQELWing::DrawLatticeDots(FigurePainter& painter, std::int32_t attribute) const {
  if (!axes.latticeDots) return;
  const kernel::Box2& box = mapping.box;
  const Real sx = axes.gridSpacingX;
  const Real sy = axes.gridSpacingY;
  if (!(sx > 0) || !(sy > 0)) return;
  const Real s = axes.latticeDotSize * static_cast<Real>(0.5);
  const int armX = static_cast<int>(std::fabs(s * mapping.unitsPerPixelX) * mapping.pixelsPerUnitX);
  const int armY = static_cast<int>(std::fabs(s * mapping.unitsPerPixelY) * mapping.pixelsPerUnitY);
  const int extra = (AttributeWidth(attribute) - 1) * 2;
  // Each row starts at the first lattice point at or right of the view's left edge. Rows are the
  // prepared y tick indices strictly inside the view. Never more points than the view has pixels.
  const Real firstX = std::ceil((box.xmin - axes.gridOriginX) / sx);
  const Real lastX = std::floor((box.xmax - axes.gridOriginX) / sx);
  const Real firstY = std::max<Real>(axes.tickFirstY, std::floor((box.ymin - axes.gridOriginY) / sy));
  const Real lastY = std::min<Real>(axes.tickLastY, std::ceil((box.ymax - axes.gridOriginY) / sy));
  if (!(lastX - firstX <= mapping.width) || !(lastY - firstY <= mapping.height)) return;
  painter.Save();
  painter.SetPen(PenOfAttribute(attribute, kLineSolid));
  for (Real j = firstY; j <= lastY; ++j) {
    const Real y = axes.gridOriginY + sy * j;
    if (!(box.ymin < y && y < box.ymax)) continue;
    for (Real i = firstX; i <= lastX; ++i) {
      const Real x = axes.gridOriginX + sx * i;
      if (x >= box.xmin && x <= box.xmax) painter.LatticeCross({x, y}, armX, armY, extra);
    }
  }
  painter.Restore();
}

}  // namespace view
