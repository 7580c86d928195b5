// The Penrose window's pictures: the screen (through the off-screen tiling picture), the printer,
// the bitmap copies, and every export with its tile-by-tile animation.

#include <algorithm>
#include <memory>

#include "platform/dc.h"
#include "shell/file_msg_win.h"
#include "special/penrose_win.h"
#include "view/dc_figure_painter.h"

namespace special {

PenroseDrawing TPenrWin::Drawing(const PenroseTiling& source) {
  for (int i = 0; i < kernel::kColorCount; ++i) greys_[i] = GreyColor(i);
  // Curves go through the fill layer's arcs, which split them at the border of the view.
  return {source, display, greys_,
          [this](const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep,
                 const view::LinePen& pen) {
            if (arcPainter_) DrawArcFigure(*arcPainter_, centre, start, sweep, pen);
          }};
}

void TPenrWin::DrawTiling(view::FigurePainter& painter, const PenroseTiling& source, int lastTile) {
  PenroseDrawing drawing = Drawing(source);
  arcPainter_ = &painter;
  DrawTilingLayers(painter, drawing, lastTile);
  arcPainter_ = nullptr;
}

void TPenrWin::RenderTilingPicture() {
  std::optional<platform::Bitmap>& picture = preWin.buffers[1];
  if (!picture || picture->width() != preWin.width || picture->height() != preWin.height) {
    RebuildBitmaps(1);
    wing.pictureValid = 0;
  }
  if (wing.pictureValid && preWin.bufferValid[1]) return;
  {
    std::unique_ptr<platform::DC> dc = picture->CreateDC();
    PaintBackground(*dc);
    view::DcFigurePainter painter(*dc, mapping, DcRules());
    DrawTiling(painter, penrose, penrose.LastTile());
  }
  wing.pictureValid = 1;
  preWin.bufferValid[1] = 1;
}

void TPenrWin::PaintTiling(platform::DC& dc) {
  RenderTilingPicture();
  BlitBuffer(1, dc);
  {
    view::DcFigurePainter painter(dc, mapping, DcRules());
    DrawTextItems(painter);
  }
  DrawPictures(dc);
}

void TPenrWin::Paint(platform::DC& dc) { PaintTiling(dc); }

bool TPenrWin::PaintPicture(platform::DC& dc) {
  UpdateScale();
  SetPrinterScale(dc);
  ScaleFonts(true, PrintedTextDpi());
  {
    view::DcFigurePainter painter(dc, mapping, DcRules());
    DrawTiling(painter, penrose, penrose.LastTile());
    DrawTextItems(painter);
    DrawPictures(painter);
  }
  ScaleFonts(false, PrintedTextDpi());
  return true;
}

bool TPenrWin::PaintToBitmap(platform::DC& dc) {
  RenderTilingPicture();
  dc.DrawBitmap({0, 0, preWin.width, preWin.height}, *preWin.buffers[1], {0, 0}, platform::RasterOp::Copy);
  {
    view::DcFigurePainter painter(dc, mapping, DcRules());
    DrawTextItems(painter);
  }
  DrawPictures(dc);
  return true;
}

void TPenrWin::ExportFileChosen(view::ExportKind kind) {
  exports.animationMode = 2;
  exports.defaultFrameCount = std::max(1, penrose.TileCount());
  TFillWin::ExportFileChosen(kind);
}

bool TPenrWin::ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) {
  const int lastTile = penrose.LastTile();
  if (frame.frames <= 1 || frame.frame >= lastTile) {
    DrawTiling(painter, penrose, lastTile);
  } else {
    // Frame n shows the tiling as it was once tile n was placed: its records replayed on a copy, so
    // the bars are those of the tiles drawn and the window's own tiling stays as it is.
    if (frame.frame > 0 && PollKey() == shell::kStopKey) return false;
    PenroseTiling grown = penrose;
    grown.lastPlacement = penrose.tileRecord[frame.frame];
    ResetTiling(grown, grown.rotation);
    RebuildTiling(grown);
    DrawTiling(painter, grown, frame.frame);
  }
  DrawTextItems(painter);
  return TFillWin::ExportPicture(painter, frame);
}

}  // namespace special
