#pragma once
// Internal to platform/: the device context over a QPainter, used for windows' backing images,
// off-screen bitmaps and printers. The painter's coordinates are taken as device pixels.
//
// A raster painter paints on a QImage (GetPixel, XOR and not-XOR, reading pixels back work on it);
// any other painter (a printer, a PDF file) is a vector target, where lines and shapes are drawn
// by Qt and the raster ops draw plainly. The painter must outlive the DC; the DC turns
// antialiasing off and keeps any clip the painter had, intersecting its own clips with it.

#include <QFont>
#include <QList>
#include <QPainter>
#include <QRegion>
#include <optional>

#include "platform/dc.h"
#include "platform/line_pixels.h"

namespace platform {

class PainterDC : public DC {
 public:
  PainterDC(QPainter& painter, bool raster);

 protected:
  void DoPolyline(std::span<const PointI> points) override;
  void DoPolygon(std::span<const PointI> points) override;
  void DoRectangle(const Rect& rect) override;
  void DoEllipse(const Rect& box) override;
  void DoArc(ArcKind kind, const Rect& box, PointI start, PointI end) override;
  void DoSetPixel(PointI p, Color color) override;
  std::optional<Color> DoGetPixel(PointI p) const override;
  void DoFillRect(const Rect& rect, const Brush& brush, RasterOp op) override;
  void DoFillRegion(const Region& region, const Brush& brush) override;
  void DoSetClip(const Region* clip) override;
  void DoTextOut(PointI p, std::string_view utf8) override;
  SizeI DoTextExtent(std::string_view utf8) override;
  void DoDrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) override;
  bool DoReadPixels(const Rect& rect, Bitmap& into, PointI at) const override;
  DeviceCaps DoDeviceCaps() const override;

 private:
  bool ThinPen() const;
  void SetRasterOp(RasterOp op);
  void SetBrushAndBackground(const Brush& brush);
  // The outline of a closed or open figure with the current pen: thin pens pixel by pixel on
  // raster targets, everything else through Qt.
  void StrokeOutline(std::span<const PointI> points, bool closed);
  // Outlines of curves and wide pens, through Qt.
  void StrokePath(const QPainterPath& path);
  void FillPath(const QPainterPath& path);
  const QFont& CurrentFont();
  QImage* TargetImage() const;

  QPainter& painter_;
  bool raster_;
  std::optional<QRegion> painterClip_;  // the clip the painter came with
  LinePixels pixels_;                   // reused for every thin line
  QList<QPoint> points_;                // the same pixels for Qt
  std::optional<FontSpec> fontSpec_;    // what font_ was made from
  QFont font_;
};

}  // namespace platform
