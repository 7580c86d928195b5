#pragma once
// The figure painter that writes Encapsulated PostScript: plain PostScript text with CR LF line
// ends, no prolog and no procedures of its own, in points with the origin at the lower left of
// the picture. Each primitive writes its lines in one piece: lines, polylines, arcs, circles,
// polygons, rectangles, fills (solid, or dot patterns for hatched rectangles and disks), point
// markers, texts and section comments.
//
// Colours come from the drawing state: the pen strokes (its style picks the dash setting; the
// null pen strokes nothing), the brush fills (pattern 0 solid, any other a dot pattern where the
// format has one), the text style writes texts.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "view/eps_header.h"
#include "view/export_file_painter.h"

namespace view {

class EpsPainter : public ExportFilePainter {
 public:
  // The page is laid out for the mapping as it is now (see MakeEpsPage).
  EpsPainter(ExportOutput& output, const ViewMapping& mapping, const VectorExportSettings& settings);

  void BeginPicture() override;
  void EndPicture() override;
  const EpsPage& page() const { return page_; }

  // A world point on the page (through the animation's placement in a multi-frame export).
  kernel::Point2 PagePoint(const kernel::Point2& world) const;

 protected:
  bool DoSegment(const kernel::Point2& p, const kernel::Point2& q, bool clip) override;
  void DoPolyline(std::span<const kernel::Point2> points) override;
  void DoFlaggedPolyline(std::span<const kernel::Point2> points, std::span<const std::uint8_t> flags,
                         int mode) override;
  void DoCircle(const kernel::Point2& centre, kernel::Real radius) override;
  void DoPolygon(std::span<const kernel::Point2> points) override;
  // The comment "begin <kind> fill", then the polygon filled solid (dot patterns are for
  // rectangles and disks).
  void DoRegion(std::span<const kernel::Point2> points, std::string_view kind, bool backdrop) override;
  void DoRectangle(const kernel::Point2& topLeft, const kernel::Point2& bottomRight) override;
  void DoMarker(const MarkerPlace& at, std::uint32_t style, int size) override;
  void DoPictureFrame(std::span<const kernel::Point2> corners) override;
  void DoText(platform::PointI anchor, std::string_view text, int h, int v,
              std::optional<kernel::ColorRef> background) override;
  void DoComment(std::string_view text) override;

 private:
  // The pen and brush of the state as the writers take them: a stroke width of -1 for the null
  // pen, the fill colour or none.
  int StrokeWidth() const;
  std::optional<kernel::ColorRef> FillColor() const;
  const std::string& Dash(int style) const;

  // Text pieces.
  std::string XY(const kernel::Point2& world) const;
  std::string Radius(kernel::Real worldRadius) const;
  static std::string Width(int width);
  static std::string Line(std::string_view text);

  // The writers of the single primitives; world points as they come (each is placed once).
  void WriteLine(const kernel::Point2& p, const kernel::Point2& q, kernel::ColorRef color, int width, int style);
  void AppendPath(std::string& text, std::span<const kernel::Point2> points, bool close) const;
  void AppendTemplatePath(std::string& text, std::span<const kernel::Point2> points, std::string_view letters) const;
  void WriteStrokedPath(std::span<const kernel::Point2> points, std::string_view letters, kernel::ColorRef color,
                        int width, int style);
  void WriteArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) override;
  void WriteCircleOutline(const kernel::Point2& p, kernel::Real r, int width, kernel::ColorRef color, int style);
  void WriteCircleFill(const kernel::Point2& p, kernel::Real r, kernel::ColorRef color, int fillStyle);
  void WriteFilledCircle(const kernel::Point2& p, kernel::Real r, int width, kernel::ColorRef fill,
                         kernel::ColorRef outline, int fillStyle, int style);
  // The polygon of the state's pen and brush with that fill style, cut first when it reaches far.
  void WriteStatePolygon(std::span<const kernel::Point2> points, int fillStyle);
  void WriteFillPolygon(std::span<const kernel::Point2> points, bool noFill, kernel::ColorRef fill, int width,
                        kernel::ColorRef outline, int fillStyle, int style);
  // The rectangle with the corners a (top left) and b (bottom right).
  void WriteRect(const kernel::Point2& a, const kernel::Point2& b, bool noFill, kernel::ColorRef fill, int width,
                 kernel::ColorRef outline, int fillStyle, int style);
  void WriteText(platform::PointI anchor, std::string_view text, int h, int v,
                 std::optional<kernel::ColorRef> background);
  void WriteComment(std::string_view text);

  // Markers and dot patterns.
  void WriteMarker(const kernel::Point2& p, std::uint32_t shape, int size, kernel::ColorRef color);
  // The dots as text (each a whole fill-only circle), appended to text.
  void AppendDotFillRect(std::string& text, const kernel::Point2& a, const kernel::Point2& b, kernel::ColorRef color);
  void AppendDotFillCircle(std::string& text, const kernel::Point2& p, kernel::Real r, kernel::ColorRef color);
  void AppendDot(std::string& text, const kernel::Point2& p, kernel::Real r, kernel::ColorRef color) const;

  EpsPage page_;
  std::vector<kernel::Point2> cut_;
};

}  // namespace view
