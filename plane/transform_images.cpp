#include "plane/transform_images.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/curve_tables.h"
#include "engine/hyperbolic_primitives.h"
#include "kernel/labels.h"
#include "kernel/line_circle_records.h"
#include "plane/step_operands.h"

namespace plane {

using kernel::Point2;

namespace {

// Whether some line of the figure already holds two of the points.
bool AnyPairOnALine(const engine::FigureTables& t, const std::vector<int>& points) {
  for (std::size_t i = 0; i < points.size(); ++i) {
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      if (engine::FindLineThrough(t, points[i], points[j]) >= 0) return true;
    }
  }
  return false;
}

}  // namespace

int ImageLabel(const engine::FigureTables& t, int source) {
  const auto isFree = [&](int label) { return label >= 0 && label < kernel::kLabelCount && t.label_map[label] < 0; };
  const int primes = source / kernel::kLabelsPerPrime;
  const int rest = source % kernel::kLabelsPerPrime;
  const int letter = rest % kernel::kLabelLetters;
  const int subscriptState = rest / kernel::kLabelLetters;
  if (primes < 2 && isFree(source + kernel::kLabelsPerPrime)) return source + kernel::kLabelsPerPrime;
  const int nextSubscript = letter + kernel::kLabelLetters * (subscriptState + 1) + kernel::kLabelsPerPrime * primes;
  if (subscriptState < 100 && isFree(nextSubscript)) return nextSubscript;
  return -1;
}

std::vector<int> SelectedPoints(const engine::FigureTables& t) {
  std::vector<int> out;
  for (int i = 0; i <= t.last_point; ++i) {
    if (t.selected[i] && t.exists[i]) out.push_back(i);
  }
  return out;
}

bool AddImagePoints(engine::StepEngine& e, const std::vector<Point2>& moved, bool merge, int tag, TransformImages& out) {
  engine::FigureTables& t = e.tables;
  const std::vector<int> sources = SelectedPoints(t);
  out.image_of.assign(engine::kPointCapacity, -1);
  out.images.clear();
  std::fill(t.saved_selected.begin(), t.saved_selected.end(), 0);
  for (const int source : sources) {
    if (!AddImagePoint(e, source, moved[source], ImageLabel(t, t.names[source].label), tag, merge, out)) return false;
  }
  return true;
}

bool AddImagePoint(engine::StepEngine& e, int source, const Point2& p, int label, int tag, bool searchExisting,
                   TransformImages& images) {
  engine::FigureTables& t = e.tables;
  int image = searchExisting ? t.FindPointNear(p.x, p.y, kCoincidenceTolerance) : -1;
  if (image < 0) {
    if (e.AddPoint(p, static_cast<std::uint16_t>(tag), static_cast<std::int16_t>(label)) < 0) return false;
    image = t.last_point;
  }
  images.image_of[source] = image;
  images.images.push_back(image);
  t.saved_selected[image] = 1;
  return true;
}

void AddImageLines(engine::StepEngine& e, const TransformImages& images, int lastLineBefore, const kernel::LinePen* pen) {
  engine::FigureTables& t = e.tables;
  for (int l = 0; l <= lastLineBefore; ++l) {
    if (!t.lines[l].exists) continue;
    const kernel::SegmentRecord source = t.lines[l];
    std::vector<int> listed;
    for (int k = 0; k < source.points.count && k < kernel::kLinePointCapacity; ++k) {
      const int image = images.image_of[source.points.entries[k]];
      if (image >= 0 && std::find(listed.begin(), listed.end(), image) == listed.end()) listed.push_back(image);
    }
    if (listed.size() < 2 || AnyPairOnALine(t, listed)) continue;
    if (e.AddLine(listed[0], listed[1], pen != nullptr ? *pen : source.pen) != 0) return;
    kernel::SegmentRecord& made = t.lines[t.last_line];
    for (std::size_t k = 2; k < listed.size(); ++k) {
      kernel::IndexListInsert(made.points, static_cast<std::uint16_t>(listed[k]), made.points.count);
    }
    made.extends_first = source.extends_first;
    made.extends_second = source.extends_second;
    if (e.model.Hyperbolic) e.FillSideRecord2D(t.last_line, listed[0], listed[1]);
  }
}

void AddImageCircles(engine::StepEngine& e, const TransformImages& images, int lastCircleBefore, bool reverses,
                     const kernel::LinePen* pen) {
  engine::FigureTables& t = e.tables;
  for (int c = 0; c <= lastCircleBefore && t.last_circle < engine::kLastCircleLimit; ++c) {
    if (!t.circles[c].exists) continue;
    const kernel::CircleRecord source = t.circles[c];
    const int centre = images.image_of[source.centre];
    const int first = source.count >= 1 ? images.image_of[source.points[0]] : -1;
    if (centre < 0 || first < 0) continue;
    const kernel::Real angle = source.full_circle ? source.arc_angle : (reverses ? -source.arc_angle : source.arc_angle);
    const int made = AddCircleRecord(e, centre, first, angle, -1, pen != nullptr ? *pen : source.pen);
    for (int k = 1; k < source.count && k < kernel::kCirclePointCapacity; ++k) {
      const int image = images.image_of[source.points[k]];
      if (image >= 0) kernel::CircleAppendPoint(t.circles[made], static_cast<std::uint16_t>(image));
    }
    t.circle_radius[made] = engine::Distance(e.model, t.xy[centre], t.xy[first]);
    t.circle_arc_radians[made] = angle * kRadiansPerDegree;
  }
}

void RecordStepCounts(engine::StepEngine& e) {
  kernel::ConstructionRecord& step = *e.current();
  std::array<std::int16_t, 3> now{e.tables.last_point, e.tables.last_line, e.tables.last_circle};
  const bool recorded = step.extra_words[0] != kernel::kNoOperand;
  if (step.sequence >= 0 && recorded) {
    e.AdjustTables(static_cast<std::int16_t>(step.extra_words[0]) - now[0],
                   static_cast<std::int16_t>(step.extra_words[1]) - now[1],
                   static_cast<std::int16_t>(step.extra_words[2]) - now[2]);
    return;
  }
  for (int k = 0; k < 3; ++k) step.extra_words[k] = static_cast<std::uint16_t>(now[k]);
}

int FailTransform(engine::StepEngine& e, int code) {
  const kernel::ConstructionRecord& step = *e.current();
  if (step.sequence >= 0 && step.extra_words[0] != kernel::kNoOperand) RecordStepCounts(e);
  return code;
}

std::string ImageNames(const engine::FigureTables& t, const TransformImages& images, std::size_t limit) {
  std::string text;
  for (std::size_t k = 0; k < images.images.size(); ++k) {
    if (k == limit) {
      text += "...";
      break;
    }
    t.AppendPointName(text, images.images[k]);
  }
  return text;
}

}  // namespace plane
