#pragma once
// The figure painter that writes SVG 1.1: one element per primitive in pixel coordinates of the
// client area, CR LF line ends, colours as "#rrggbb", dash arrays for the pen styles, hatched
// fills as patterns ("fpat000", "fpat001", ... defined just before the shape that uses them),
// point markers, and texts (turned by their escapement, on an optional background box).
//
// Colours come from the drawing state: the pen strokes (the null pen strokes nothing), the brush
// fills (pattern 0 solid, any other a hatch pattern), the text style writes texts.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing_types.h"
#include "view/export_file_painter.h"

namespace view {

// Pattern numbers run up to this; later hatched fills are written in their plain colour.
inline constexpr int kSvgPatternLimit = 999;

class SvgPainter : public ExportFilePainter {
 public:
  SvgPainter(ExportOutput& output, const ViewMapping& mapping, const VectorExportSettings& settings);

  // The head (for the client size of the mapping as it is now) and the end of the document.
  void BeginPicture() override;
  void EndPicture() override;
  int patternCount() const { return patterns_; }
  bool TakesPolarRays() const override { return true; }

 protected:
  bool DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) override;
  void DoPixelSegment(platform::PointI a, platform::PointI b) override;
  void DoPolyline(std::span<const kernel::Point2> points) override;
  void DoFlaggedPolyline(std::span<const kernel::Point2> points, std::span<const std::uint8_t> flags,
                         int mode) override;
  void DoCircle(const kernel::Point2& centre, kernel::Real radius) override;
  void DoPixelCircle(platform::PointI centre, int radius) override;
  void DoPolygon(std::span<const kernel::Point2> points) override;
  void DoRectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight) override;
  void DoPixelRectangle(const platform::Rect& rect) override;
  void DoMarker(const MarkerPlace& at, std::uint32_t style, int size) override;
  void DoLatticeCross(const kernel::Point2& p, platform::PointI pixel, int armX, int armY, int extra) override;
  void DoPictureFrame(std::span<const kernel::Point2> corners) override;
  void DoText(platform::PointI anchor, std::string_view text, int h, int v,
              std::optional<kernel::ColorRef> background) override;

 private:
  // The pen's stroke width (at least 1), or -1 for the null pen.
  int StrokeWidth() const;
  platform::PointI Pixel(const kernel::Point2& world) const;

  // The fill of a shape: "none", the colour, or for a hatched fill a pattern written now.
  std::string FillText(bool noFill, kernel::ColorRef fill, int hatch, const std::string& stroke);
  std::string HatchPattern(const std::string& fill, const std::string& stroke, int hatch);

  // The writers of the single elements (pixel coordinates).
  void WriteRect(int x, int y, int w, int h, bool noFill, kernel::ColorRef fill, int width, kernel::ColorRef stroke,
                 int hatch, int style);
  void WritePolygon(std::span<const platform::PointI> points, bool noFill, kernel::ColorRef fill, int width,
                    kernel::ColorRef stroke, int hatch, int style);
  void WriteCircle(platform::PointI centre, int r, std::optional<kernel::ColorRef> stroke, int width,
                   std::optional<kernel::ColorRef> fill, int hatch, int style);
  void WriteEllipse(platform::PointI centre, int r, kernel::ColorRef fill, kernel::ColorRef stroke);
  void WriteLine(platform::PointI a, platform::PointI b, kernel::ColorRef color, int width, int dash);
  void WritePath(std::span<const platform::PointI> points, kernel::ColorRef color, int width, std::string_view letters,
                 int style);
  void WriteArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real angle) override;
  void WriteText(platform::PointI anchor, std::string_view text, int h, int v,
                 std::optional<kernel::ColorRef> background);
  void WriteMarker(platform::PointI p, std::uint32_t shape, int r, kernel::ColorRef color);
  void WriteCross(platform::PointI p, int r, kernel::ColorRef color, bool diagonal);

  int patterns_ = 0;
  std::vector<kernel::Point2> cut_;
  std::vector<platform::PointI> pixels_;
};

}  // namespace view
