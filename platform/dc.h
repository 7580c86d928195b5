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
//   text always copy; XOR and not-XOR only on raster targets, elsewhere drawing is plain;
// - a pen wider than one pixel draws its lines solid whatever its style: dashes, dots and their
//   mixtures are patterns of thin pens only. The program lets a thick line be solid or hidden
//   only; thick dashed pens come from printing and enlarged exports, which widen every pen and
//   show the figure's dashed lines as the screen's thin pens would at that width: solid. Screen,
//   bitmaps, printers and metafiles all draw them so.
//
// Far coordinates: every operation may be given any int coordinates. What lies far outside the
// target (and its clip) is cut away here, once for every backend, before any backend sees it, so
// a line, arc or shape costs what it shows and no backend does arithmetic near the int range.
// Thin lines on raster targets are handed over whole (the backend walks only their visible
// pixels, exactly as the whole line would have drawn them).
//
// Each backend fills in the protected Do* operations; they see the state through state().

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

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

  // The state stack: Push saves the graphics state, the current position and the clip; Pop puts
  // back the last one saved. Every Push must be popped before the DC ends (checked in debug
  // builds); a SavedState does it for a scope, however the scope is left.
  void Push();
  void Pop();
  std::size_t PushedStates() const { return saved_.size(); }
  class SavedState {
   public:
    explicit SavedState(DC& dc) : dc_(dc) { dc_.Push(); }
    ~SavedState() { dc_.Pop(); }
    SavedState(const SavedState&) = delete;
    SavedState& operator=(const SavedState&) = delete;

   private:
    DC& dc_;
  };

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

  // Text: program-text bytes (kernel/text_encoding.h; symbol-font codes with a symbol-charset
  // font), placed by the alignment at p, turned by the font's escapement about p, in the text
  // colour; with the opaque mode its box is first filled with the background colour.
  void TextOut(PointI p, std::string_view bytes);
  SizeI GetTextExtent(std::string_view bytes);

  // Bitmaps: copies the bitmap's pixels from src on, as many as fit dest (no stretching), by op.
  void DrawBitmap(const Rect& dest, const Bitmap& bitmap, PointI src, RasterOp op);
  // The source rectangle of the bitmap drawn at the size of dest, each destination pixel taking
  // the source pixel it falls on; a rectangle given right to left or bottom to top (in either)
  // mirrors the picture. Only the part that shows is drawn: the cost is bounded by the target,
  // and a vector target records the needed source pixels at their own size.
  void StretchBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, RasterOp op);

  DeviceCaps GetDeviceCaps() const { return DoDeviceCaps(); }
  bool IsRaster() const { return DoDeviceCaps().raster; }
  // The area drawing can show in: the target (a metafile: its picture) within the clip.
  Rect VisibleBounds() const;

  // The box drawn into since tracking began (a box around everything drawn, within the visible
  // bounds), for repainting only what changed; empty when nothing was drawn or while tracking is
  // off (it is off at first).
  void TrackDrawnBox(bool on);
  Rect DrawnBox() const { return drawnBox_; }
  void ResetDrawnBox() { drawnBox_ = {}; }
  // While drawing is held the operations leave the pixels as they are and only extend the drawn
  // box: where a drawing would go, measured without drawing it.
  void HoldDrawing(bool hold) { held_ = hold; }

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
  // dest and source are normalised and cut to what shows; the flags mirror the picture.
  virtual void DoStretchBitmap(const Rect& dest, const Bitmap& bitmap, const Rect& source, bool flipX,
                               bool flipY, RasterOp op) = 0;
  // Whether the backend draws thin-pen lines of any coordinates exactly, walking only their
  // visible pixels; others get lines cut to the area around the target.
  virtual bool DoClipsThinLines() const { return false; }
  // The target's area in device pixels (empty: unknown, taken as the device capabilities' size).
  virtual Rect DoDrawingBounds() const { return {}; }
  // Copies rect of this target into the bitmap at `at`; false when the target has no pixels.
  virtual bool DoReadPixels(const Rect& rect, Bitmap& into, PointI at) const = 0;
  virtual DeviceCaps DoDeviceCaps() const = 0;

 private:
  friend class Bitmap;  // Bitmap::CopyFrom reads the pixels of a raster target
  std::string MapText(std::string_view bytes) const;
  struct Saved {
    GraphicsState state;
    PointI position;
    std::optional<Region> clip;
    std::uint64_t clipVersion;
  };
  // The rectangle beyond which nothing can show, with room for the widest pen.
  const Rect& Guard();
  bool Inside(std::span<const PointI> points);
  // Lines, shapes and curves that reach beyond the guard, cut to it.
  void FarPolyline(std::span<const PointI> points, bool closed);
  void FarPolygon(std::span<const PointI> points);
  void AnyArc(ArcKind kind, const Rect& box, PointI start, PointI end);
  void FarArc(ArcKind kind, const Rect& box, PointI start, PointI end, bool whole);
  void Touch(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
  void TouchPoints(std::span<const PointI> points);
  void ClipChanged();

  GraphicsState state_;
  PointI position_;
  std::optional<Region> clip_;
  std::uint64_t clipVersion_ = 0;
  std::vector<Saved> saved_;
  std::optional<Rect> bounds_;  // DoDrawingBounds or the device size, asked once
  std::optional<Rect> guard_;   // for the pen and clip in force
  bool tracking_ = false;
  bool held_ = false;
  Rect drawnBox_;
};

}  // namespace platform
