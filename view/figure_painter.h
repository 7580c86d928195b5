#pragma once
// The one drawing interface of the figure: every window layer draws its objects, axes, labels and
// frame through a FigurePainter, whatever the picture goes to. The device-context painter draws
// on the screen, an off-screen bitmap, a printer page or a metafile; the export writers (PiCTeX,
// EPS, SVG) each implement the same interface and write their own text per primitive.
//
// The public operations keep the drawing state (pen, brush, text style, with a save/restore
// stack) and place their work in world coordinates through the window's view mapping; each
// target fills in the protected Do* operations. Where a target has no primitive of its own the
// defaults here decompose it into simpler ones: arcs and circles into polylines and polygons,
// polylines into segments, pixel primitives into world ones, markers into pixel shapes. A target
// must supply segments and text; everything else has a working default.
//
// Colours of the state are colour-table indices (resolved by each target by its own rules: the
// screen keeps an index off the background, a printer without colour prints black) or plain
// colour values.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "kernel/colour_values.h"
#include "kernel/real.h"
#include "platform/drawing_types.h"
#include "view/view_mapping.h"

namespace platform {
class DC;
}

namespace view {

// A colour of the drawing state: index >= 0 names an entry of the window's colour table; a
// negative index means the value is the colour.
struct InkColor {
  std::int32_t index = 0;
  kernel::ColorRef value = 0;

  static constexpr InkColor Index(std::int32_t i) { return {i, 0}; }
  static constexpr InkColor Value(kernel::ColorRef c) { return {-1, c}; }
  constexpr bool IsIndex() const { return index >= 0; }
  friend bool operator==(const InkColor&, const InkColor&) = default;
};

// Line style codes of the figure's line attributes; other codes draw solid.
inline constexpr int kLineNone = -1;
inline constexpr int kLineSolid = 0;
inline constexpr int kLineDot = 1;
inline constexpr int kLineDash = 2;
inline constexpr int kLineDashDot = 3;
inline constexpr int kLineDashDotDot = 4;

struct LinePen {
  InkColor color;
  int width = 1;  // pixels; 0 and 1 are thin
  int style = kLineSolid;
  friend bool operator==(const LinePen&, const LinePen&) = default;
};

// Fill patterns: 0 solid; 1 "/" diagonals, 2 cross, 3 diagonal cross, 4 "\" diagonals,
// 5 horizontal, 6 and above vertical lines.
struct FillBrush {
  bool filled = false;  // hollow when clear
  InkColor color;
  int pattern = 0;
  friend bool operator==(const FillBrush&, const FillBrush&) = default;
};

struct TextStyle {
  platform::FontSpec font;
  int pointSize = 12;  // the font's size in points, for the writers that name sizes
  InkColor color;
  // The text is a formula: writers with a mathematical mode set it in that mode.
  bool formula = false;
  // A formula set in display size, by writers that have one.
  bool display = false;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// An arrowhead: its length along the shaft (world units), its full width as a ratio of the
// length, the barb ratio of writers whose arrows have one, and whether it is a filled triangle
// (else two strokes).
struct ArrowheadShape {
  kernel::Real length = 0;
  kernel::Real widthRatio = static_cast<kernel::Real>(0.9);
  kernel::Real barbRatio = static_cast<kernel::Real>(0.5);
  bool solid = false;
};

struct PainterState {
  LinePen pen;
  FillBrush brush;
  TextStyle text;
};

// Where a marker goes: its world point and the pixel it maps to (clamped one pixel outside the
// client area when far); inside when the pixel did not clamp.
struct MarkerPlace {
  kernel::Point2 world;
  platform::PointI pixel;
  bool inside = true;
};

// Marker styles 0 to 12 draw on the screen; any other style draws nothing there.
inline constexpr std::uint32_t kMarkerStyleCount = 13;

class FigurePainter {
 public:
  // The painter follows the mapping it is given (a window's, which may change during a pass); it
  // must outlive the painter.
  explicit FigurePainter(const ViewMapping& mapping);
  virtual ~FigurePainter();
  FigurePainter(const FigurePainter&) = delete;
  FigurePainter& operator=(const FigurePainter&) = delete;

  // State.
  const PainterState& state() const { return state_; }
  void SetPen(const LinePen& pen);
  void SetBrush(const FillBrush& brush);
  void SetTextStyle(const TextStyle& text);
  void Save();     // pushes the state
  void Restore();  // pops it; nothing when nothing was saved
  const ViewMapping& mapping() const { return mapping_; }

  // Lines with the pen. A segment asked to clip is cut to the view first; false when nothing of
  // it is in view (then nothing is drawn).
  bool Segment(const kernel::Point2& p, const kernel::Point2& q, bool clip);
  void PixelSegment(platform::PointI a, platform::PointI b);
  // Open polylines of at least two points.
  void Polyline(std::span<const kernel::Point2> points);
  // A polyline of which only some segments show: flags (one per point, nonzero for flagged) and
  // mode as in kernel/flag_runs.h. Nothing for fewer than two points or a flag list of another
  // length.
  void FlaggedPolyline(std::span<const kernel::Point2> points, std::span<const std::uint8_t> flags, int mode);
  // The circular arc about centre from start, turning by sweep radians (counter-clockwise when
  // positive; a sweep of 2 pi or more is the whole circle).
  void Arc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep);

  // Shapes: filled with the brush, outlined with the pen (the null pen: no outline).
  void Circle(const kernel::Point2& centre, kernel::Real radius);
  void PixelCircle(platform::PointI centre, int radius);
  // Closed polygons of at least three points.
  void Polygon(std::span<const kernel::Point2> points);
  // A filled region of the figure (a polygon of at least three points) in the brush, outlined
  // with the pen. `kind` names the region for formats that label their fills ("polygon",
  // "sector", ...); a backdrop (the background of a model) is left out by formats that stand in
  // shading for colour.
  void Region(std::span<const kernel::Point2> points, std::string_view kind, bool backdrop);
  // Whether the target keeps everything it draws inside the view by itself (the screen and
  // off-screen pictures, whose device ends at the client area); the others (printer pages, export
  // files) are given regions already cut to the view.
  bool ClipsToView() const { return DoClipsToView(); }
  // The rectangle with the corners topLeft and bottomRight (world points).
  void Rectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight);
  // A pixel rectangle, right and bottom excluded.
  void PixelRectangle(const platform::Rect& rect);

  // Point markers of half size `size` pixels in the pen and brush: styles 0 to 12 (the writers
  // also know 13, a crosshair through the view); every style reaches the target as it is.
  void Marker(const kernel::Point2& p, std::uint32_t style, int size);
  void MarkerAtPixel(platform::PointI p, std::uint32_t style, int size);
  // The small cross of a grid lattice point: arms of armX and armY pixels, the left and upper
  // arms `extra` pixels longer (for wide pens).
  void LatticeCross(const kernel::Point2& p, int armX, int armY, int extra);
  // The frame around the picture, one pixel step outside the view box.
  void PictureFrame();
  // An arrowhead with its tip at `tip`, pointing along `direction`, in the pen. It keeps its shape
  // on the screen whatever the scales of the two axes; a null direction draws nothing.
  void Arrowhead(const kernel::Point2& tip, const kernel::Point2& direction, const ArrowheadShape& shape);

  // Text in the text style, placed at the anchor pixel by its alignments: h = -1 puts it left of
  // the anchor, 0 centres it, 1 starts it there; v = -1 hangs it below the anchor, 0 centres it,
  // 1 sets it above. With a background colour its box is filled first.
  void Text(platform::PointI anchor, std::string_view text, int h, int v,
            std::optional<kernel::ColorRef> background);
  // The size of a text in the text style.
  platform::SizeI TextExtent(std::string_view text);
  // Whether the target sets texts with its own typesetter, so that the screen's measure of a text
  // says nothing of its size there; such texts are placed by their centre (TextAtPoint).
  virtual bool SetsTextsItself() const { return false; }
  // A text in the text style at a world point: centred on it, or placed by the alignments h and
  // v of Text.
  void TextAtPoint(const kernel::Point2& p, std::string_view text, int h = 0, int v = 0);

  // A note naming the section of the picture that follows; only text formats keep it.
  void Comment(std::string_view text);

  // What the target takes of the parts of a picture that go to some targets only.
  // Formula texts are read as TeX mathematics, so symbols are spelled as its commands ("\pi").
  virtual bool FormulaSymbolsAsCommands() const { return false; }
  // Notices to the user drawn into the picture (they belong on the screen only).
  virtual bool ShowsNotices() const { return true; }
  // The circles and the rays of the polar grid.
  virtual bool TakesPolarCircles() const { return true; }
  virtual bool TakesPolarRays() const { return true; }
  // The device context the painter draws through (screen, bitmap, page or metafile); none for the
  // writers of text formats. What only a device can show (pasted pictures) is drawn on it.
  virtual platform::DC* Device() { return nullptr; }

 protected:
  // Called after the state changed (set, or restored).
  virtual void DoStateChanged() {}

  virtual bool DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) = 0;
  // Default: the world segment between the two pixels, not clipped.
  virtual void DoPixelSegment(platform::PointI a, platform::PointI b);
  // Default: one clipped segment after another.
  virtual void DoPolyline(std::span<const kernel::Point2> points);
  // Default: the drawn segments, clipped.
  virtual void DoFlaggedPolyline(std::span<const kernel::Point2> points, std::span<const std::uint8_t> flags,
                                 int mode);
  // Default: a polyline through points of the arc, at most half a pixel off it.
  virtual void DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep);
  // Default: a polygon through points of the circle.
  virtual void DoCircle(const kernel::Point2& centre, kernel::Real radius);
  // Default: the world circle through the pixel radius.
  virtual void DoPixelCircle(platform::PointI centre, int radius);
  // Default (targets without fills): the outline as a closed polyline.
  virtual void DoPolygon(std::span<const kernel::Point2> points);
  // Default: the polygon.
  virtual void DoRegion(std::span<const kernel::Point2> points, std::string_view kind, bool backdrop);
  virtual bool DoClipsToView() const { return false; }
  // Default: the polygon of its four corners.
  virtual void DoRectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight);
  // Default: the world rectangle of the pixel corners.
  virtual void DoPixelRectangle(const platform::Rect& rect);
  // Default: the shapes of the screen markers from pixel rectangles, circles, polygons and
  // segments.
  virtual void DoMarker(const MarkerPlace& at, std::uint32_t style, int size);
  // Default: two pixel segments.
  virtual void DoLatticeCross(const kernel::Point2& p, platform::PointI pixel, int armX, int armY, int extra);
  // Default: segments between the corners (the first repeated last), not clipped.
  virtual void DoPictureFrame(std::span<const kernel::Point2> corners);
  // Default: the corners of kernel::ArrowheadCorners for the view's aspect; an open head as the
  // unclipped segments from the first corner to the tip and from the tip to the second, a solid
  // one as the triangle filled in the pen's colour.
  virtual void DoArrowhead(const kernel::Point2& tip, const kernel::Point2& direction, const ArrowheadShape& shape);
  // The text at the anchor by its alignments (the screen puts the box's corner at TextBoxCorner;
  // the writers lay out the same alignments in their own terms).
  virtual void DoText(platform::PointI anchor, std::string_view text, int h, int v,
                      std::optional<kernel::ColorRef> background) = 0;
  virtual platform::SizeI DoTextExtent(std::string_view text) = 0;
  // Default: the text at the point's pixel by its alignments.
  virtual void DoTextAtPoint(const kernel::Point2& p, std::string_view text, int h, int v);
  virtual void DoComment(std::string_view /*text*/) {}

  kernel::Point2 ToWorld(platform::PointI pixel) const { return PixelToWorld(mapping_, pixel); }

 private:
  const ViewMapping& mapping_;
  PainterState state_;
  std::vector<PainterState> saved_;
  std::vector<kernel::Point2> scratch_;
};

// The top-left corner of a text box of the given size placed at the anchor by the alignments
// (integer halves truncated toward zero).
platform::PointI TextBoxCorner(platform::PointI anchor, platform::SizeI size, int h, int v);

}  // namespace view
