#pragma once
// A device context: the one drawing interface of every picture, whatever it is drawn on (a
// window's backing image, an off-screen bitmap, a printer page, a metafile).
//
// The public operations keep the graphics state (pen, brush, font, colours, modes, current
// position, clip) and have the pixel semantics the drawing code was written for:
// - a line excludes its last pixel, so joined lines draw each joint once;
// - rectangles and ellipses exclude their right and bottom edges; they are filled with the
//   brush and framed with the pen (with the null pen the filled area is one pixel smaller);
// - arcs, chords and pies go counter-clockwise from the radial line through the first point to
//   the one through the second; equal points give the whole ellipse;
// - polygons are filled by the fill mode (winding by default) and outlined with the pen;
// - the raster op applies to lines, shapes and region paints; rectangle fills (FillRect) and
//   text always copy; XOR and not-XOR only on raster targets, elsewhere drawing is plain.
// Each backend fills in the protected Do* operations; they see the state through state().

#include <memory>
#include <optional>
#include <span>
#include <string_view>

#include "platform/drawing_types.h"
#include "platform/region.h"

namespace platform {

class Bitmap;

struct GraphicsState {
  Pen pen;
  Brush brush = Brush::Solid(kWhite);
  FontSpec font;
  Color textColor = kBlack;
  Color backgroundColor = kWhite;
  BackgroundMode backgroundMode = BackgroundMode::Opaque;
  TextAlign textAlign = kAlignLeft | kAlignTop;
  RasterOp rasterOp = RasterOp::Copy;
  FillMode fillMode = FillMode::Winding;
};

class DC {
 public:
  virtual ~DC();
  DC(const DC&) = delete;
  DC& operator=(const DC&) = delete;

  // State. Every setter returns the previous value, so a caller can put it back.
  Pen SelectPen(const Pen& pen);
  Brush SelectBrush(const Brush& brush);
  FontSpec SelectFont(const FontSpec& font);
  Color SetTextColor(Color color);
  Color SetBackgroundColor(Color color);
  BackgroundMode SetBackgroundMode(BackgroundMode mode);
  TextAlign SetTextAlign(TextAlign align);
  RasterOp SetRasterOp(RasterOp op);
  FillMode SetFillMode(FillMode mode);
  const GraphicsState& state() const { return state_; }

  // Lines with the current pen.
  PointI MoveTo(PointI p);  // returns the previous position
  PointI CurrentPosition() const { return position_; }
  void LineTo(PointI p);  // from the current position, which moves to p
  void Polyline(std::span<const PointI> points);  // leaves the current position alone

  // Shapes: filled with the brush, outlined with the pen.
  void Polygon(std::span<const PointI> points);
  void Rectangle(const Rect& rect);
  void Ellipse(const Rect& box);
  void Arc(const Rect& box, PointI start, PointI end);    // pen only
  void Chord(const Rect& box, PointI start, PointI end);  // closed by the straight chord
  void Pie(const Rect& box, PointI start, PointI end);    // closed through the centre

  // Pixels. GetPixel answers only on raster targets.
  void SetPixel(PointI p, Color color);
  std::optional<Color> GetPixel(PointI p) const;

  // Fills. FillRect copies the brush; PatBlt combines the current brush by the given op.
  void FillRect(const Rect& rect, const Brush& brush);
  void PatBlt(const Rect& rect, RasterOp op);

  // Regions: painted with the current brush, filled with a given brush, or framed with a band of
  // width x height pixels inside their edge; all by the current raster op.
  void PaintRegion(const Region& region);
  void FillRegion(const Region& region, const Brush& brush);
  void FrameRegion(const Region& region, const Brush& brush, int width, int height);

  // Clipping: drawing stays inside the region until the clip is cleared.
  void SelectClipRegion(const Region& region);
  void ClearClipRegion();
  const std::optional<Region>& clipRegion() const { return clip_; }

  // Text: Windows-1252 bytes (or symbol-font codes with a symbol-charset font), placed by the
  // alignment at p, turned by the font's escapement about p, in the text colour; with the
  // opaque mode its box is first filled with the background colour.
  void TextOut(PointI p, std::string_view bytes);
  SizeI GetTextExtent(std::string_view bytes);

  // Bitmaps: copies the bitmap's pixels from src on, as many as fit dest (no stretching), by op.
  void DrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op);

  DeviceCaps GetDeviceCaps() const { return DoDeviceCaps(); }
  bool IsRaster() const { return DoDeviceCaps().raster; }

 protected:
  DC() = default;

  // Backend operations. Coordinates are device pixels; pens, brushes, fonts, colours and modes
  // come from state(); clipping is already set through DoSetClip.
  enum class ArcKind { Arc, Chord, Pie };
  // An open line through the points with the pen, excluding the last point's pixel.
  virtual void DoPolyline(std::span<const PointI> points) = 0;
  virtual void DoPolygon(std::span<const PointI> points) = 0;
  virtual void DoRectangle(const Rect& rect) = 0;
  virtual void DoEllipse(const Rect& box) = 0;
  virtual void DoArc(ArcKind kind, const Rect& box, PointI start, PointI end) = 0;
  virtual void DoSetPixel(PointI p, Color color) = 0;
  virtual std::optional<Color> DoGetPixel(PointI p) const = 0;
  virtual void DoFillRect(const Rect& rect, const Brush& brush, RasterOp op) = 0;
  virtual void DoFillRegion(const Region& region, const Brush& brush) = 0;
  virtual void DoSetClip(const Region* clip) = 0;  // null: no clipping
  // The text as UTF-8, already mapped from its bytes by the font's character set.
  virtual void DoTextOut(PointI p, std::string_view utf8) = 0;
  virtual SizeI DoTextExtent(std::string_view utf8) = 0;
  virtual void DoDrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op) = 0;
  // Copies rect of this target into the bitmap at `at`; false when the target has no pixels.
  virtual bool DoReadPixels(const Rect& rect, Bitmap& into, PointI at) const = 0;
  virtual DeviceCaps DoDeviceCaps() const = 0;

 private:
  friend class Bitmap;  // Bitmap::CopyFrom reads the pixels of a raster target
  std::string MapText(std::string_view bytes) const;

  GraphicsState state_;
  PointI position_;
  std::optional<Region> clip_;
};

}  // namespace platform
