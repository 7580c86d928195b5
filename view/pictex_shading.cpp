// The PiCTeX writer's filled regions and arrows: a region monotone in x (or else in y) is written
// as columns between its lower and upper boundary, shaded with a grid whose density stands for
// the fill's colour; an arrowhead is PiCTeX's arrow on a one-pixel shaft, or a shaded triangle.

#include <array>
#include <cmath>

#include "kernel/arrowhead.h"
#include "kernel/number_text.h"
#include "kernel/polygon_box_cut.h"
#include "kernel/shade_columns.h"
#include "kernel/text_utils.h"
#include "kernel/vector2.h"
#include "view/pictex_painter.h"

namespace view {

using kernel::Point2;
using kernel::Real;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
// The density of the shade grid of styles 2, 3 ... (repeating after 23).
constexpr std::array<int, 23> kShadeDensity{5, 1, 7, 8, 14, 17, 11, 9, 19, 4, 6, 18, 3, 11, 12, 22, 2, 13, 15, 20, 21, 23, 16};
constexpr int kNoShading = 1;

std::string ColumnNumber(Real v) { return kernel::FormatLD(v, 8, 6); }

}  // namespace

std::string TeXShadeGrid(int style) {
  if (style == kNoShading) return {};
  std::string span = "0.2";
  if (style != 0) {
    const int k = style < 1 ? 24 : kShadeDensity[static_cast<std::size_t>((style - 2) % 23)];
    span = kernel::FormatLD(static_cast<Real>(1.96) - static_cast<Real>(0.04) * k, 9, 7);
  }
  std::string text;
  kernel::StrCat8(text, "\\setshadegrid span <", span, "pt>", kLineEnd);
  return text;
}

bool PiCTeXPainter::Shade(std::span<const Point2> outline, bool vertical, int style) {
  if (style == kNoShading || outline.size() < 3) return false;
  std::vector<Point2> points;
  points.reserve(outline.size());
  for (const Point2& p : outline) {
    const Point2 q = ScaleExportPoint(p);
    points.push_back(vertical ? q : Point2{q.y, q.x});
  }
  std::vector<kernel::ShadeColumn> columns;
  if (!kernel::ShadeColumns(points, columns)) return false;

  std::string text = TeXShadeGrid(style);
  const std::string_view command = vertical ? "\\vshade" : "\\hshade";
  std::string section;
  int inSection = 0;
  for (std::size_t k = 0; k < columns.size(); ++k) {
    const kernel::ShadeColumn& c = columns[k];
    if (inSection == 0) kernel::StrCat8(section, command, kLineEnd);
    kernel::StrCat8(section, ColumnNumber(c.x), " ", ColumnNumber(c.lower), " ", ColumnNumber(c.upper));
    ++inSection;
    if (c.breakAfter || k + 1 == columns.size()) {
      kernel::StrCat8(section, " /", kLineEnd);
      // A section of a single column shades nothing.
      if (inSection > 1) text += section;
      section.clear();
      inSection = 0;
    } else {
      section += kLineEnd;
    }
  }
  Write(text);
  return true;
}

int PiCTeXPainter::ShadeStyle() const {
  const InkColor& color = state().brush.color;
  return color.IsIndex() ? color.index : 0;
}

void PiCTeXPainter::ShadeRegion(std::span<const Point2> outline) {
  kernel::CutPolygonToBox2(outline, mapping().box, cut_);
  if (cut_.size() < 3) return;
  const int style = ShadeStyle();
  if (!Shade(cut_, true, style)) Shade(cut_, false, style);
}

void PiCTeXPainter::Arrow(const Point2& direction, const Point2& tip, const ArrowheadShape& shape) {
  const ViewMapping& m = mapping();
  Point2 d = direction;
  if (!kernel::ScaleTo2(d, m.unitsPerPixelX)) return;
  if (shape.solid) {
    Point2 c1;
    Point2 c2;
    if (!kernel::ArrowheadCorners(d, shape.length, m.aspect, shape.widthRatio, c1, c2)) return;
    const std::array<Point2, 3> head{tip, tip + c1, tip + c2};
    if (!Shade(head, true, 0)) Shade(head, false, 0);
    return;
  }
  // The head's length on the paper; the same in every frame of an animation.
  const Real length = shape.length * picture_.width / (2 * m.halfWidth);
  const Point2 from = ScaleExportPoint(tip - d);
  const Point2 to = ScaleExportPoint(tip);
  std::string text;
  kernel::StrCat8(text, "\\arrow <", kernel::FormatLD(length, 5, 3), "cm> [", kernel::FormatLD(shape.barbRatio, 5, 3),
                  ",", kernel::FormatLD(shape.widthRatio, 5, 3), "] from ");
  kernel::StrCat8(text, kernel::FormatLD(from.x, 7, 5), " ", kernel::FormatLD(from.y, 7, 5), " to ",
                  kernel::FormatLD(to.x, 7, 5), " ", kernel::FormatLD(to.y, 7, 5), kLineEnd);
  Write(text);
}

void PiCTeXPainter::DoArrowhead(const Point2& tip, const Point2& direction, const ArrowheadShape& shape) {
  Arrow(direction, tip, shape);
}

}  // namespace view
