// The conics of a plane window's conic lists on every paint, on the screen and into the exports:
// each curve goes through the painter as one polyline per visible piece, so an export writes one
// path per piece.
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>
#include <vector>

#include "kernel/conic_classification.h"
#include "kernel/conic_construction.h"
#include "kernel/conic_sampling.h"
#include "kernel/segment_clip.h"
#include "kernel/vector2.h"
#include "plane/geom_c_win.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

constexpr Real kParabolaTolerance = static_cast<Real>(1e-13);
constexpr Real kSameFocus = static_cast<Real>(1e-13);

view::LinePen ConicPen(std::uint16_t colour) { return {view::InkColor::Index(colour), 1, view::kLineSolid}; }

void DrawRuns(view::FigurePainter& painter, const std::vector<kernel::CurveSample>& samples, bool closed) {
  std::vector<std::vector<Point2>> runs;
  kernel::VisibleRuns(samples, painter.mapping().box, runs, closed);
  for (const std::vector<Point2>& run : runs) painter.Polyline(run);
}

// The whole line through a and b across the view (nothing when they coincide).
void DrawWholeLine(view::FigurePainter& painter, Point2 a, Point2 b) {
  if (kernel::Dist2(a, b) < kernel::NullTolerance) return;
  const kernel::Box2& box = painter.mapping().box;
  if (kernel::ClipSegment(box.xmin, box.xmax, box.ymin, box.ymax, a, b, true)) painter.Segment(a, b, false);
}

// A coefficient typed as a number alone; anything else is an expression that may read the figure
// (or no number, and the conic is not drawn).
bool PlainNumber(const std::string& text) {
  const char* begin = text.c_str();
  char* end = nullptr;
  std::strtold(begin, &end);
  if (end == begin) return false;
  while (std::isspace(static_cast<unsigned char>(*end))) ++end;
  return *end == '\0';
}

}  // namespace

bool TGeomCWin::ConicInPass(std::span<const int> points) const {
  if (drawLayer == DrawLayer::kAll) return true;
  const bool moves = std::any_of(points.begin(), points.end(), [this](int p) {
    return p >= 0 && static_cast<std::size_t>(p) < moving.points.size() && moving.points[static_cast<std::size_t>(p)] != 0;
  });
  return (drawLayer == DrawLayer::kMoving) == moves;
}

bool TGeomCWin::EquationConicInPass(const kernel::EquationRecord& record) const {
  if (drawLayer == DrawLayer::kAll) return true;
  const bool moves = !std::all_of(record.coefficient_texts.begin(), record.coefficient_texts.end(), PlainNumber);
  return (drawLayer == DrawLayer::kMoving) == moves;
}

void TGeomCWin::DrawEllipseHyperbola(view::FigurePainter& painter, bool isEllipse, const kernel::ConicAxes& shape) {
  std::vector<kernel::CurveSample> samples;
  kernel::SampleCentralConic(shape, isEllipse, samples);
  painter.Comment(isEllipse ? "Begin Ellipse" : "Begin Hyperbola");
  DrawRuns(painter, samples, true);
  painter.Comment(isEllipse ? "end Ellipse" : "end Hyperbola");
}

void TGeomCWin::DrawParabola(view::FigurePainter& painter, const Point2& d1, const Point2& d2, const Point2& focus) {
  std::vector<kernel::CurveSample> samples;
  kernel::SampleParabola(focus, d1, d2, painter.mapping().box, samples);
  painter.Comment("Begin Parabola");
  DrawRuns(painter, samples, false);
  painter.Comment("end Parabola");
}

void TGeomCWin::DrawClassifiedConic(view::FigurePainter& painter, const kernel::ConicRecord& conic) {
  const std::array<Point2, 4>& s = conic.shape;
  switch (conic.kind) {
    case kernel::kConicEllipse:
    case kernel::kConicHyperbola:
      DrawEllipseHyperbola(painter, conic.kind == kernel::kConicEllipse, {s[0], s[1], s[2]});
      break;
    case kernel::kConicParabola: DrawParabola(painter, s[1], s[2], s[0]); break;
    case kernel::kConicOneLine: DrawWholeLine(painter, s[0], s[1]); break;
    case kernel::kConicParallelLines:
      DrawWholeLine(painter, s[0], s[1]);
      DrawWholeLine(painter, s[2], s[3]);
      break;
    case kernel::kConicCrossingLines:
      DrawWholeLine(painter, s[0], s[1]);
      DrawWholeLine(painter, s[0], s[2]);
      break;
    default: break;  // a single point, no real point, every point: no curve to draw
  }
}

void TGeomCWin::DrawConics(view::FigurePainter& painter) {
  const engine::FigureTables& t = tables();
  const auto exists = [&](int p) { return t.PointExists(p); };
  painter.Save();
  painter.SetBrush({});

  // By two foci and an eccentricity.
  for (const ConicDefinition& record : conics.twoFoci) {
    const ConicDefinitionFields f = ReadDefinition(record);
    if (!ConicInPass(f.points)) continue;
    Real e = 0;
    if (!exists(f.points[0]) || !exists(f.points[1]) || ParseNumber(f.text, e) != 0) continue;
    const Point2 f1 = t.xy[f.points[0]];
    const Point2 f2 = t.xy[f.points[1]];
    kernel::ConicAxes shape{};
    if (std::fabs(e - 1) < kParabolaTolerance) {
      // Eccentricity 1 with two foci: the ellipse flattened onto the segment between them.
      const Point2 m = kernel::Midpoint2(f1, f2);
      shape = {m, f2 - m, Point2{0, 0}};
    } else if (!kernel::ConicFromFociEcc(f1, f2, e, shape)) {
      continue;
    }
    painter.SetPen(ConicPen(f.colour));
    DrawEllipseHyperbola(painter, e <= 1, shape);
  }

  // By three points.
  for (ConicDefinition& record : conics.threePoint) {
    const ConicDefinitionFields f = ReadDefinition(record);
    if (!ConicInPass(f.points)) continue;
    if (!exists(f.points[0]) || !exists(f.points[1]) || !exists(f.points[2])) continue;
    const Point2 a = t.xy[f.points[0]];
    const Point2 b = t.xy[f.points[1]];
    const Point2 c = t.xy[f.points[2]];
    painter.SetPen(ConicPen(f.colour));
    kernel::ConicAxes shape{};
    bool ellipse = f.code == kDefinitionEllipse;
    if (f.code == kDefinitionEccentricity) {
      Real e = 0;
      if (ParseNumber(f.text, e) != 0 || e < 0) continue;
      if (std::fabs(e - 1) < kParabolaTolerance) {
        DrawParabola(painter, a, b, c);
        continue;
      }
      kernel::FocalTriple triple{a, b, c};
      if (!kernel::ConicFromFocusDirectrix(triple, e, shape)) continue;
      ellipse = e < 1;
    } else if (f.code == kDefinitionEllipse || f.code == kDefinitionHyperbola) {
      if (ellipse && kernel::Dist2(a, b) < kSameFocus) {
        // One focus twice: the circle about it through the point.
        painter.Arc(a, c, 2 * std::numbers::pi_v<Real>);
        continue;
      }
      Real found = 0;
      if (!kernel::ConicFromFociPoint({a, b, c}, ellipse, shape, found)) continue;
      // The eccentricity of the curve as last drawn, for those who read it from the record.
      SetDefinitionValue(record, found);
    } else {
      continue;
    }
    DrawEllipseHyperbola(painter, ellipse, shape);
  }

  // Through five points.
  for (const kernel::ConicRecord& record : conics.fivePoint) {
    std::array<int, 5> slots{};
    for (std::size_t i = 0; i < 5; ++i) slots[i] = static_cast<std::int16_t>(record.point_slots[i]);
    if (!ConicInPass(slots)) continue;
    std::array<Point2, 5> five{};
    bool all = true;
    for (std::size_t i = 0; i < 5; ++i) {
      const int p = slots[i];
      all = all && exists(p);
      if (all) five[i] = t.xy[p];
    }
    if (!all) continue;
    kernel::ConicRecord conic = record;
    if (!kernel::ConicThroughFivePoints(five, conic.coefficients)) continue;
    kernel::ClassifyConic(conic);
    kernel::RotateConicShape(conic);
    painter.SetPen(ConicPen(record.drawing_word));
    DrawClassifiedConic(painter, conic);
  }

  // By equation: drawn only when all six coefficients evaluate.
  for (const kernel::EquationRecord& record : conics.equations) {
    if (!EquationConicInPass(record)) continue;
    kernel::ConicRecord conic{};
    kernel::InitConicRecord(conic);
    bool all = true;
    for (std::size_t i = 0; i < 6 && all; ++i) {
      all = ParseNumber(record.coefficient_texts[i], conic.coefficients[i]) == 0;
    }
    if (!all) continue;
    kernel::ClassifyConic(conic);
    kernel::RotateConicShape(conic);
    painter.SetPen(ConicPen(record.word));
    DrawClassifiedConic(painter, conic);
  }
  painter.Restore();
}

}  // namespace plane
