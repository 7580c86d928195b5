// The lines and circles that an inversion makes of the figure's lines and circles.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "kernel/inversion.h"
#include "kernel/line_circle_records.h"
#include "kernel/plane_primitives.h"
#include "kernel/vector2.h"
#include "plane/step_operands.h"
#include "plane/transform_images.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;

// Below this |d^2 - R^2| a circle counts as passing through the centre of inversion.
constexpr Real kThroughCentreTolerance = static_cast<Real>(1e-12);

// The pen an image takes: the given one, else its source's.
template <class Record>
const kernel::LinePen& PenOf(const Record& source, const kernel::LinePen* given) {
  return given != nullptr ? *given : source.pen;
}

Point2 Inverted(const Point2& centre, Real power, Point2 p) {
  kernel::InvertInCircle2(centre, power, p);
  return p;
}

// A new point at p (tag -1); its index, or -1 when the table is full.
int NewPoint(engine::StepEngine& e, const Point2& p) {
  return e.AddPoint(p, static_cast<std::uint16_t>(-1), -1) < 0 ? -1 : e.tables.last_point;
}

// A new line listing the points in order, continued before its first and after its last point as
// asked; false when the line table is full.
bool NewLine(engine::StepEngine& e, const std::vector<int>& points, bool before, bool after, const kernel::LinePen& pen) {
  if (points.size() < 2 || e.AddLine(points.front(), points.back(), pen) != 0) return false;
  kernel::SegmentRecord& line = e.tables.lines[e.tables.last_line];
  line.points.count = 0;
  for (const int p : points) kernel::IndexListInsert(line.points, static_cast<std::uint16_t>(p), line.points.count);
  line.extends_second = before ? 1 : 0;
  line.extends_first = after ? 1 : 0;
  if (e.model.Hyperbolic) e.FillSideRecord2D(e.tables.last_line, points.front(), points.back());
  return true;
}

// The angle, counter-clockwise from first to last about the centre, of the arc that avoids o.
Real ArcAvoiding(const Point2& centre, const Point2& first, const Point2& last, const Point2& o) {
  const auto polar = [&](const Point2& p) { return std::atan2(p.y - centre.y, p.x - centre.x); };
  const auto ccw = [](Real from, Real to) {
    Real d = std::fmod(to - from, kFullTurn);
    return d < 0 ? d + kFullTurn : d;
  };
  const Real span = ccw(polar(first), polar(last));
  const bool containsO = ccw(polar(first), polar(o)) < span;
  return (containsO ? span - kFullTurn : span) * kDegreesPerRadian;
}

}  // namespace

void InvertLines(engine::StepEngine& e, int o, Real power, const TransformImages& images, int lastLineBefore,
                 const kernel::LinePen* pen) {
  engine::FigureTables& t = e.tables;
  const Point2 po = t.xy[o];
  for (int l = 0; l <= lastLineBefore && t.last_line < engine::kLastLineLimit; ++l) {
    if (!t.lines[l].exists) continue;
    const kernel::SegmentRecord source = t.lines[l];
    const int count = std::clamp<int>(source.points.count, 0, kernel::kLinePointCapacity);
    const int at = kernel::IndexListFind(source.points, static_cast<std::uint16_t>(o));
    if (at >= 0) {
      // Each side of O is its own ray; inversion keeps the ray and reverses the order on it.
      for (const bool beforeO : {true, false}) {
        std::vector<int> sources;
        for (int k = beforeO ? 0 : at + 1; k < (beforeO ? at : count); ++k) {
          if (images.image_of[source.points.entries[k]] >= 0) sources.push_back(source.points.entries[k]);
        }
        if (sources.empty()) continue;
        std::vector<int> listed;
        for (auto it = sources.rbegin(); it != sources.rend(); ++it) listed.push_back(images.image_of[*it]);
        if (listed.size() == 1) {
          const int extra = NewPoint(e, Inverted(po, power, kernel::Midpoint2(po, t.xy[sources.front()])));
          if (extra < 0) return;
          if (beforeO) {
            listed.insert(listed.begin(), extra);
          } else {
            listed.push_back(extra);
          }
        }
        // The part of the ray next to O goes out to infinity; the far part comes in towards O.
        const bool beyondFar = true;
        const bool towardO = beforeO ? source.extends_second != 0 : source.extends_first != 0;
        if (!NewLine(e, listed, beforeO ? beyondFar : towardO, beforeO ? towardO : beyondFar, PenOf(source, pen))) return;
      }
      continue;
    }
    std::vector<int> listed;
    for (int k = 0; k < count; ++k) {
      const int image = images.image_of[source.points.entries[k]];
      if (image >= 0) listed.push_back(image);
    }
    if (listed.size() < 2) continue;
    Point2 centre;
    if (!kernel::Circumcenter2(po, t.xy[listed.front()], t.xy[listed.back()], centre)) {
      // The line passes through O without listing it: it is its own image.
      if (!NewLine(e, listed, source.extends_second != 0, source.extends_first != 0, PenOf(source, pen))) return;
      continue;
    }
    if (t.last_circle >= engine::kLastCircleLimit) continue;
    const int c = NewPoint(e, centre);
    if (c < 0) return;
    const bool segment = source.extends_first == 0 && source.extends_second == 0;
    const bool endsImaged = images.image_of[source.points.entries[0]] >= 0 &&
                            images.image_of[source.points.entries[count - 1]] >= 0;
    int made = 0;
    if (segment && endsImaged) {
      const int first = images.image_of[source.points.entries[0]];
      const int last = images.image_of[source.points.entries[count - 1]];
      made = AddCircleRecord(e, c, first, ArcAvoiding(centre, t.xy[first], t.xy[last], po), last, PenOf(source, pen));
      for (const int p : listed) {
        if (p != first && p != last) kernel::CircleAppendPoint(t.circles[made], static_cast<std::uint16_t>(p));
      }
    } else {
      made = AddCircleRecord(e, c, o, 360, -1, PenOf(source, pen));
      for (const int p : listed) kernel::CircleAppendPoint(t.circles[made], static_cast<std::uint16_t>(p));
    }
    t.circle_radius[made] = kernel::Dist2(centre, po);
  }
}

void InvertCircles(engine::StepEngine& e, int o, Real power, const TransformImages& images, int lastCircleBefore,
                   const kernel::LinePen* pen) {
  engine::FigureTables& t = e.tables;
  const Point2 po = t.xy[o];
  for (int c = 0; c <= lastCircleBefore; ++c) {
    if (!t.circles[c].exists || t.circles[c].count < 1) continue;
    const kernel::CircleRecord source = t.circles[c];
    const bool centreTaken = source.centre == o || t.selected[source.centre];
    const bool throughListed = kernel::CirclePointFind(source, static_cast<std::uint16_t>(o)) > 0;
    // O is never inverted, so a circle listing O first is taken by its other points.
    if (!centreTaken || (images.image_of[source.points[0]] < 0 && !throughListed)) continue;
    const Point2 cc = t.xy[source.centre];
    const Real radius = kernel::Dist2(cc, t.xy[source.points[0]]);
    const Point2 fromO = cc - po;
    const Real offset = kernel::Dot2(fromO, fromO) - radius * radius;
    std::vector<int> listed;
    for (int k = 0; k < source.count && k < kernel::kCirclePointCapacity; ++k) {
      const int image = images.image_of[source.points[k]];
      if (image >= 0 && std::find(listed.begin(), listed.end(), image) == listed.end()) listed.push_back(image);
    }
    if (listed.empty()) continue;
    const bool throughO = throughListed || std::fabs(offset) < kThroughCentreTolerance;
    if (throughO) {
      if (t.last_line >= engine::kLastLineLimit) continue;
      if (listed.size() == 1) {
        // The image line is perpendicular to O and the centre; the far end of the diameter from O
        // (or a quarter turn from O when that is the image already) gives its second point.
        const Point2 opposite = Inverted(po, power, 2 * cc - po);
        Point2 quarter = po - cc;
        kernel::Rotate2(quarter, kFullTurn / 4);
        const bool same = kernel::Dist2(opposite, t.xy[listed[0]]) < kCoincidenceTolerance;
        const int extra = NewPoint(e, same ? Inverted(po, power, cc + quarter) : opposite);
        if (extra < 0) return;
        listed.push_back(extra);
      }
      const bool full = source.full_circle != 0;
      if (!NewLine(e, listed, full, full, PenOf(source, pen))) return;
      continue;
    }
    if (t.last_circle >= engine::kLastCircleLimit) return;
    int centre = o;
    if (source.centre != o) {
      centre = NewPoint(e, po + (power / offset) * fromO);
      if (centre < 0) return;
    }
    // Inversion turns the plane over: an arc runs the other way from the image of its start.
    const Real angle = source.full_circle ? source.arc_angle : -source.arc_angle;
    const int made = AddCircleRecord(e, centre, listed[0], angle, -1, PenOf(source, pen));
    for (std::size_t k = 1; k < listed.size(); ++k) {
      kernel::CircleAppendPoint(t.circles[made], static_cast<std::uint16_t>(listed[k]));
    }
    t.circle_radius[made] = kernel::Dist2(t.xy[centre], t.xy[listed[0]]);
  }
}

}  // namespace plane
