#pragma once
// The figure painter of raster and page targets: it draws through a device context, so one
// implementation serves the window, off-screen bitmaps, printer pages and metafiles. World points
// go through the view mapping; far points never reach the device as huge integers (segments are
// clamped one pixel outside the client area or clipped to the view, shapes are cut to a margin
// around it, arcs far larger than the view are drawn as the pieces that pass it).

#include <optional>
#include <vector>

#include "kernel/colour_table.h"
#include "platform/dc.h"
#include "view/figure_painter.h"

namespace view {

// How the window's colours and pens look on the target of one drawing pass.
struct DcPaintRules {
  kernel::ColorArray colors = kernel::DefaultColorTable();
  kernel::GreyArray greys{};
  // The colour index of the background; on the screen a pen of that index is drawn in index 0
  // (1 when the background is 0) so that nothing is drawn invisibly; -1 for none.
  int backgroundIndex = -1;
  // While printing: colours print in colour; without it pens print black and fills grey.
  bool colorPrinting = false;
  // Added to every pen while printing.
  int printerExtraWidth = 0;
  // Pens and the picture frame are multiplied by this (a metafile at higher resolution); 1 else.
  int magnifier = 1;
  // Marker sizes are multiplied by this while printing.
  kernel::Real printFactor = 1;
  // Label backgrounds are left transparent (a metafile without "With back color").
  bool transparentLabels = false;
  // The picture frame: its corner and pen width (drawn with this + 1).
  platform::PointI frameOrigin{0, 0};
  int framePenWidth = 0;
};

// The colour of an index of the table: entries 1 to 60, entry 0 for every other index.
kernel::ColorRef TableColor(const DcPaintRules& rules, int index);
// Pens and text: black while printing without colour printing; on the screen the background's
// index becomes 0 (1 when the background is 0); else the table's colour.
kernel::ColorRef PenColorOf(const DcPaintRules& rules, bool printing, const InkColor& color);
// Fills: the index's grey while printing without colour printing; else the table's colour.
kernel::ColorRef FillColorOf(const DcPaintRules& rules, bool printing, const InkColor& color);
// The device pen of a line pen: the width plus the printer's extra width while printing, times
// the magnifier; the style of its code.
platform::Pen DevicePen(const DcPaintRules& rules, bool printing, const LinePen& pen);
platform::Brush DeviceBrush(const DcPaintRules& rules, bool printing, const FillBrush& brush);

class DcFigurePainter : public FigurePainter {
 public:
  DcFigurePainter(platform::DC& dc, const ViewMapping& mapping, const DcPaintRules& rules);
  // Leaves the device context's pen, brush, font, colours and modes as they were.
  ~DcFigurePainter() override;

  platform::DC& dc() { return dc_; }
  platform::DC* Device() override { return &dc_; }
  const DcPaintRules& rules() const { return rules_; }

 protected:
  void DoStateChanged() override { synced_ = false; }
  bool DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) override;
  void DoPixelSegment(platform::PointI a, platform::PointI b) override;
  void DoPolyline(std::span<const kernel::Point2> points) override;
  void DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) override;
  void DoCircle(const kernel::Point2& centre, kernel::Real radius) override;
  void DoPixelCircle(platform::PointI centre, int radius) override;
  void DoPolygon(std::span<const kernel::Point2> points) override;
  // The client area bounds the device, except on a printer page.
  bool DoClipsToView() const override { return !mapping().printing; }
  void DoRectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight) override;
  void DoPixelRectangle(const platform::Rect& rect) override;
  void DoMarker(const MarkerPlace& at, std::uint32_t style, int size) override;
  void DoPictureFrame(std::span<const kernel::Point2> corners) override;
  void DoText(platform::PointI anchor, std::string_view text, int h, int v,
              std::optional<kernel::ColorRef> background) override;
  platform::SizeI DoTextExtent(std::string_view text) override;

 private:
  // Selects the state's pen and brush into the device context when they changed.
  void Sync();
  void SelectTextFont();
  // The screen position of a world point, unrounded.
  kernel::Point2 ScreenLD(const kernel::Point2& p) const;
  // Whether a screen position is near enough to the client area to go to the device as it is.
  bool Near(const kernel::Point2& screen) const;
  // The rounded pixels of the screen points, cut to the margin around the client area when some
  // lie too far for the device; false when nothing of the polygon is left.
  bool PolygonPixels(std::span<const kernel::Point2> screen, std::vector<platform::PointI>& out);
  // A segment reaching too far for the device: cut to the client area widened by two pixels.
  void DrawCutSegment(const kernel::Point2& p, const kernel::Point2& q);
  // A circle or circle piece too large for the device: the pieces that pass the view, and for a
  // filled disk the part of it over the view.
  void DrawFarCircle(const kernel::Point2& centre, kernel::Real radius, const kernel::Point2& start,
                     kernel::Real sweep, bool fill);

  platform::DC& dc_;
  DcPaintRules rules_;
  platform::GraphicsState original_;
  bool synced_ = false;
  std::vector<kernel::Point2> screen_;
  std::vector<kernel::Point2> cut_;
  std::vector<platform::PointI> pixels_;
};

}  // namespace view
