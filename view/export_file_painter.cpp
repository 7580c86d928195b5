#include "view/export_file_painter.h"

#include <array>
#include <cmath>

#include "kernel/number_text.h"
#include "kernel/polygon_box_cut.h"
#include "kernel/segment_clip.h"
#include "kernel/vector2.h"
#include "view/arc_sampling.h"

namespace view {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

namespace {

// Points mapping farther than this from the client area (in pixels) are cut to the view widened
// by kCutMargin pixels before they are written: readers of the files keep coordinates in fixed
// ranges, and nothing that far shows anyway.
constexpr Real kFarPixels = 1 << 16;
constexpr Real kCutMargin = 1024;

bool Finite(const Point2& p) { return std::isfinite(p.x) && std::isfinite(p.y); }

}  // namespace

kernel::ColorRef ExportColor(const VectorExportSettings& settings, const InkColor& color) {
  if (!color.IsIndex()) return color.value;
  return color.index >= 1 && color.index < kernel::kColorCount ? settings.colors[color.index] : settings.colors[0];
}

ExportFilePainter::ExportFilePainter(ExportOutput& output, const ViewMapping& mapping,
                                     const VectorExportSettings& settings)
    : ExportPainter(mapping, output), settings_(settings) {}

platform::SizeI ExportFilePainter::DoTextExtent(std::string_view text) {
  if (settings_.measureText) return settings_.measureText(state().text, text);
  return ExportPainter::DoTextExtent(text);
}

Point2 ExportFilePainter::ScreenLD(const Point2& p) const {
  return {XToScreenLD(mapping(), p.x), YToScreenLD(mapping(), p.y)};
}

bool ExportFilePainter::AllNear(std::span<const Point2> points) const {
  const ViewMapping& m = mapping();
  for (const Point2& p : points) {
    const Point2 s = ScreenLD(p);
    if (!(s.x > m.offsetX - kFarPixels && s.x < m.offsetX + m.width + kFarPixels)) return false;
    if (!(s.y > m.offsetY - kFarPixels && s.y < m.offsetY + m.height + kFarPixels)) return false;
  }
  return true;
}

kernel::Box2 ExportFilePainter::CutBox() const {
  const ViewMapping& m = mapping();
  const Real dx = kCutMargin * std::fabs(m.unitsPerPixelX);
  const Real dy = kCutMargin * std::fabs(m.unitsPerPixelY);
  return {m.box.xmin - dx, m.box.xmax + dx, m.box.ymin - dy, m.box.ymax + dy};
}

bool ExportFilePainter::CutSegment(Point2& p, Point2& q) const {
  if (!Finite(p) || !Finite(q)) return false;
  const kernel::Box2 box = CutBox();
  return kernel::ClipSegment(box.xmin, box.xmax, box.ymin, box.ymax, p, q, false);
}

bool ExportFilePainter::CutPolygon(std::span<const Point2> points, std::vector<Point2>& out) const {
  out.clear();
  for (const Point2& p : points)
    if (!Finite(p)) return false;
  kernel::CutPolygonToBox2(points, CutBox(), out);
  return out.size() >= 3;
}

bool ExportFilePainter::CircleNear(const Point2& centre, Real radius) const {
  const std::array<Point2, 2> corners{Point2{centre.x - radius, centre.y + radius},
                                      Point2{centre.x + radius, centre.y - radius}};
  return std::isfinite(radius) && AllNear(corners);
}

void ExportFilePainter::DoArc(const kernel::Point2& centre, const kernel::Point2& start, kernel::Real sweep) {
  if (state().pen.style == kLineNone || !std::isfinite(sweep)) return;
  const kernel::Real r = kernel::Dist2(centre, start);
  if (!(r > 0)) return;
  if (CircleNear(centre, r)) {
    WriteArc(centre, start, sweep);
  } else {
    FigurePainter::DoArc(centre, start, sweep);  // the pieces that pass the view
  }
}

void ExportFilePainter::FarCirclePieces(const Point2& centre, Real radius, bool fill, std::vector<Point2>& area,
                                        std::vector<std::vector<Point2>>& pieces) const {
  area.clear();
  pieces.clear();
  if (!Finite(centre) || !std::isfinite(radius) || !(radius > 0)) return;
  const ViewMapping& m = mapping();
  ArcPieces sampled;
  SampleArc(m, centre, {centre.x + radius, centre.y}, kernel::TwoPi, sampled);
  if (fill) {
    std::vector<Point2> region;
    if (sampled.ends.size() == 1) {
      // The part of the disk over the view lies in the sector of the piece that passes the view.
      region = sampled.points;
      region.push_back(centre);
    } else if (sampled.ends.empty() && kernel::Dist2(centre, m.centre) < radius) {
      // No edge passes the view, and the disk holds its centre: it covers the whole view.
      const kernel::Box2 b = CutBox();
      region = {{b.xmin, b.ymax}, {b.xmax, b.ymax}, {b.xmax, b.ymin}, {b.xmin, b.ymin}};
    }
    if (region.size() >= 3) CutPolygon(region, area);
  }
  std::size_t from = 0;
  for (const std::size_t end : sampled.ends) {
    if (end - from >= 2) pieces.emplace_back(sampled.points.begin() + from, sampled.points.begin() + end);
    from = end;
  }
}

TextBoxPlace TextBoxLayout(PointI anchor, platform::SizeI extent, int escapement, int h, int v) {
  const Real w = extent.width;
  const Real ht = extent.height;
  Real fx = (1 - h) * static_cast<Real>(0.5);
  Real fy = (v + 1) * static_cast<Real>(0.5);
  Real c = 1;
  Real s = 0;
  if (escapement != 0) {
    const Real a = escapement * kernel::Pi / 1800;
    c = std::cos(a);
    s = std::sin(a);
    fx *= c;
    fy *= s;
  }
  TextBoxPlace place;
  place.corner = {kernel::RoundLD(anchor.x - fx * w), kernel::RoundLD(anchor.y - fy * ht)};
  if (escapement == 0) {
    place.widthVector = {extent.width, 0};
    place.heightVector = {0, extent.height};
    place.baseline = {place.corner.x, kernel::RoundLD(place.corner.y + static_cast<Real>(0.777) * ht)};
  } else {
    place.widthVector = {static_cast<int>(std::trunc(w * c)), static_cast<int>(std::trunc(-w * s))};
    place.heightVector = {static_cast<int>(std::trunc(ht * s)), static_cast<int>(std::trunc(ht * c))};
    place.baseline = {kernel::RoundLD(place.corner.x + static_cast<Real>(0.777) * place.heightVector.x),
                      kernel::RoundLD(place.corner.y + static_cast<Real>(0.777) * place.heightVector.y)};
  }
  return place;
}

}  // namespace view
