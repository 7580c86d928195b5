#pragma once
// Internal to platform/: the device context over a QPainter, used for windows' backing images,
// off-screen bitmaps and printers. The painter's coordinates are taken as device pixels.
//
// A raster painter paints on a QImage (GetPixel, XOR and not-XOR, reading pixels back work on it);
// any other painter (a printer, a PDF file) is a vector target, where lines and shapes are drawn
// by Qt and the raster ops draw plainly. The DC turns antialiasing off and keeps any clip the
// painter had, intersecting its own clips with it.
//
// The hot path of dragging is drawing on raster images, so there: thin lines are written straight
// into the scanlines, walked only where they show; small ellipses (point markers) are drawn once
// through Qt and then copied pixel by pixel wherever they recur; texts are laid out once per font
// and kept for the next time; pens, brushes and fonts are converted only when they change.

#include <QFont>
#include <QPen>
#include <QStaticText>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/dc.h"
#include "platform/painter_share.h"
#include "platform/raster_lines.h"

namespace platform {

class PainterDC : public DC {
 public:
  PainterDC(std::shared_ptr<PainterShare> share, bool raster);
  ~PainterDC() override;

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
  void DoStretchBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, bool flipX, bool flipY,
                       RasterOp op) override;
  bool DoReadPixels(const Rect& rect, Bitmap& into, PointI at) const override;
  DeviceCaps DoDeviceCaps() const override;
  bool DoClipsThinLines() const override { return direct_; }
  Rect DoDrawingBounds() const override;

 private:
  struct TextEntry {
    QStaticText text;
    int width = 0;
  };
  struct CachedFont {
    FontSpec spec;
    int dpi = 0;  // of the device it measures for
    QFont font;
    int ascent = 0, descent = 0, height = 0;
    std::uint64_t serial = 0;
    std::unordered_map<std::string, TextEntry> texts;
  };
  // An ellipse drawn once through Qt: its fill pixels, then its outline pixels, each with its
  // colour, as offsets from the box's corner.
  struct Sprite {
    int width = 0, height = 0;
    Pen pen;
    Brush brush;
    BackgroundMode backgroundMode = BackgroundMode::Opaque;
    Color backgroundColor;
    bool nullPenShrink = false;
    struct Dot {
      int dx, dy;
      std::uint32_t color;
    };
    std::vector<Dot> fill, outline;
    int left = 0, top = 0, right = 0, bottom = 0;  // box of the dots, from the corner
  };

  // Puts this DC's state back on the shared painter when another DC drew through it last.
  void Sync();
  void ApplyClip();
  void SetCompositionFor(RasterOp op);
  void UseStatePen();
  void UseNoPen();
  void UseColorPen(Color color);
  void UseBrush(const Brush& brush);
  void UseNoBrush();
  void UseBackground();
  bool ThinPen() const;
  // The outline of a closed or open figure with the current pen: thin pens straight into the
  // pixels on raster targets, everything else through Qt.
  void StrokeOutline(std::span<const PointI> points, bool closed);
  void StrokePath(const QPainterPath& path);
  void FillPath(const QPainterPath& path);
  void QtEllipse(const Rect& box);
  const Sprite* EllipseSprite(const Rect& box);
  void DrawSprite(const Sprite& sprite, PointI at, RasterOp op);
  CachedFont& CurrentFont();
  QImage* TargetImage() const;
  PixelTarget Pixels();
  void UpdateClipRects();

  std::shared_ptr<PainterShare> share_;
  QPainter& painter_;
  bool raster_;
  QImage* image_ = nullptr;   // the raster target
  bool direct_ = false;       // pixels are written straight into image_
  std::vector<Rect> clipRects_;  // where direct writing may go (inside the image)
  SizeI imageSize_;              // the image's size when they were made
  // What the painter holds for this DC; reset when another DC used it.
  enum class PenKind { Unknown, None, State, Color };
  PenKind penKind_ = PenKind::Unknown;
  Color penColor_;
  std::optional<Pen> qpenFor_;  // what qpen_ was made from
  QPen qpen_;
  bool brushKnown_ = false;
  std::optional<Brush> brush_;  // the brush the painter holds (none: no brush)
  std::optional<std::pair<BackgroundMode, Color>> background_;
  std::optional<QPainter::CompositionMode> composition_;
  std::uint64_t appliedFont_ = 0;
  // Fonts, laid-out texts and ellipse sprites, kept for every DC of the program: a drag opens a
  // new DC for each frame, and each finds what the frames before it made.
  struct Caches {
    std::vector<std::unique_ptr<CachedFont>> fonts;  // most recent first
    std::vector<std::unique_ptr<Sprite>> sprites;    // most recent first
    std::uint64_t fontSerial = 0;
  };
  static Caches& SharedCaches();
};

}  // namespace platform
