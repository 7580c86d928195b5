#pragma once
// The common ground of the painters that write a picture as a text file (EPS, SVG): the open
// output, the file's head and tail, the settings of the export, the geometry that keeps far
// coordinates out of the file, and the measuring and placement of texts.
//
// A frame file is written as BeginPicture(), one picture pass through the painter, EndPicture()
// (see ExportPainter). Every primitive assembles its whole text first and writes it with one write.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/drawing_types.h"
#include "view/export_output.h"
#include "view/export_painter.h"
#include "view/vector_export_settings.h"
#include "view/view_mapping.h"

namespace view {

class ExportFilePainter : public ExportPainter {
 public:
  ExportFilePainter(ExportOutput& output, const ViewMapping& mapping, const VectorExportSettings& settings);

  const VectorExportSettings& settings() const { return settings_; }
  // The frame writer of an animation sets the world-to-picture factor of each frame.
  void SetAnimationScale(kernel::Real scale) { settings_.animationScale = scale; }

 protected:
  kernel::ColorRef ColorOf(const InkColor& color) const { return ExportColor(settings_, color); }
  platform::SizeI DoTextExtent(std::string_view text) override;

  // Unrounded screen coordinates of a world point.
  kernel::Point2 ScreenLD(const kernel::Point2& p) const;
  // Whether every point maps near enough to the client area to be written as it is; the others
  // are first cut to the view widened by a margin (where nothing of them shows).
  bool AllNear(std::span<const kernel::Point2> points) const;
  // The margin box around the view, in world units.
  kernel::Box2 CutBox() const;
  // The segment cut to the margin box; false when nothing is left.
  bool CutSegment(kernel::Point2& p, kernel::Point2& q) const;
  // The polygon cut to the margin box into out; false when nothing is left.
  bool CutPolygon(std::span<const kernel::Point2> points, std::vector<kernel::Point2>& out) const;
  // Whether a circle of this centre and radius maps near enough to be written whole.
  bool CircleNear(const kernel::Point2& centre, kernel::Real radius) const;

  // An arc with a visible pen: written whole by WriteArc when it maps near the client area, else
  // as the pieces that pass the view.
  void DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) override;
  virtual void WriteArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) = 0;

  // A circle too large to write whole, as the pieces that pass the view: with fill, the part of
  // the disk over the view as one polygon (area; empty when none), and the pieces of its edge.
  void FarCirclePieces(const kernel::Point2& centre, kernel::Real radius, bool fill,
                       std::vector<kernel::Point2>& area, std::vector<std::vector<kernel::Point2>>& pieces) const;

 private:
  VectorExportSettings settings_;
};

// Where a text goes: the box's top-left corner, the vectors along its width and down its height,
// and the start of its baseline (pixels). Alignments h and v as for FigurePainter::Text; the
// escapement turns the box counter-clockwise (tenths of a degree).
struct TextBoxPlace {
  platform::PointI corner;
  platform::PointI widthVector;
  platform::PointI heightVector;
  platform::PointI baseline;
};
TextBoxPlace TextBoxLayout(platform::PointI anchor, platform::SizeI extent, int escapement, int h, int v);

}  // namespace view
