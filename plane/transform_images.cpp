#include "plane/transform_images.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "engine/figure_tables.h"
#include "engine/hyperbolic_primitives.h"
#include "kernel/labels.h"
#include "kernel/line_circle_records.h"
#include "plane/step_operands.h"

namespace plane {

using kernel::Point2;

namespace {

// The lines that list each image point, kept up to date as image lines are made, so that whether a
// line already holds two images is answered from the few lines through them, not by a search of
// every line for every pair.
class LinesThroughImages {
 public:
  LinesThroughImages(const engine::FigureTables& t, const TransformImages& images)
      : t_(t), slot_(static_cast<std::size_t>(t.last_point + 1), -1) {
    for (const int image : images.image_of) {
      if (image >= 0 && image <= t.last_point && slot_[image] < 0) {
        slot_[image] = static_cast<int>(lines_.size());
        lines_.emplace_back();
      }
    }
    for (int l = 0; l <= t.last_line; ++l) {
      if (t.lines[l].exists) Add(l);
    }
  }

  // Records line l under every image it lists.
  void Add(int l) {
    const kernel::IndexList& list = t_.lines[l].points;
    for (int k = 0; k < list.count && k < kernel::kLinePointCapacity; ++k) {
      const int p = list.entries[k];
      if (p < static_cast<int>(slot_.size()) && slot_[p] >= 0) {
        std::vector<int>& through = lines_[static_cast<std::size_t>(slot_[p])];
        if (through.empty() || through.back() != l) through.push_back(l);
      }
    }
  }

  // Whether some line of the figure already holds two of the images.
  bool AnyPairOnALine(const std::vector<int>& points) const {
    for (const int p : points) {
      for (const int l : lines_[static_cast<std::size_t>(slot_[p])]) {
        const kernel::IndexList& list = t_.lines[l].points;
        for (const int q : points) {
          if (q != p && kernel::IndexListFind(list, static_cast<std::uint16_t>(q)) >= 0) return true;
        }
      }
    }
    return false;
  }

 private:
  const engine::FigureTables& t_;
  std::vector<int> slot_;                // per point index: its entry in lines_, -1 for no image
  std::vector<std::vector<int>> lines_;  // per image: the lines that list it
};

// The existing points ordered by x, so that an image falling on a point of the figure finds it
// among the few with about its x instead of by a search of every point; the images made meanwhile
// are added. Find answers as FigureTables::FindPointNear does.
class PointsByX {
 public:
  explicit PointsByX(const engine::FigureTables& t) : t_(t) {
    for (int i = 0; i <= t.last_point; ++i) Add(i);
  }

  void Add(int i) {
    const Point2& p = t_.xy[i];
    // A point off the finite plane is near no point.
    if (t_.exists[i] && std::isfinite(p.x) && std::isfinite(p.y)) byX_.emplace(p.x, i);
  }

  // The first existing point less than tolerance away from p in x and in y; -1 for none.
  int Find(const Point2& p, kernel::Real tolerance) const {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) return -1;
    int found = -1;
    // A range wider than the tolerance, so rounding at its ends leaves out no point within it.
    const auto end = byX_.upper_bound(p.x + 2 * tolerance);
    for (auto it = byX_.lower_bound(p.x - 2 * tolerance); it != end; ++it) {
      const int i = it->second;
      const Point2& q = t_.xy[i];
      if ((found < 0 || i < found) && std::fabs(p.x - q.x) < tolerance && std::fabs(p.y - q.y) < tolerance) found = i;
    }
    return found;
  }

 private:
  const engine::FigureTables& t_;
  std::multimap<kernel::Real, int> byX_;
};

// Records `image` as the image of source, or a new point at p when it is -1.
bool RecordImage(engine::StepEngine& e, int source, const Point2& p, int label, int tag, int image,
                 TransformImages& images) {
  engine::FigureTables& t = e.tables;
  if (image < 0) {
    if (e.AddPoint(p, static_cast<std::uint16_t>(tag), static_cast<std::int16_t>(label)) < 0) return false;
    image = t.last_point;
  }
  images.image_of[source] = image;
  images.images.push_back(image);
  t.saved_selected[image] = 1;
  return true;
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
  std::optional<PointsByX> near;
  if (merge) near.emplace(t);
  for (const int source : sources) {
    const Point2& p = moved[source];
    const int existing = near ? near->Find(p, kCoincidenceTolerance) : -1;
    if (!RecordImage(e, source, p, ImageLabel(t, t.names[source].label), tag, existing, out)) return false;
    if (near && existing < 0) near->Add(t.last_point);
  }
  return true;
}

bool AddImagePoint(engine::StepEngine& e, int source, const Point2& p, int label, int tag, bool searchExisting,
                   TransformImages& images) {
  const int existing = searchExisting ? e.tables.FindPointNear(p.x, p.y, kCoincidenceTolerance) : -1;
  return RecordImage(e, source, p, label, tag, existing, images);
}

void AddImageLines(engine::StepEngine& e, const TransformImages& images, int lastLineBefore, const kernel::LinePen* pen) {
  engine::FigureTables& t = e.tables;
  LinesThroughImages through(t, images);
  for (int l = 0; l <= lastLineBefore; ++l) {
    if (!t.lines[l].exists) continue;
    const kernel::SegmentRecord source = t.lines[l];
    std::vector<int> listed;
    for (int k = 0; k < source.points.count && k < kernel::kLinePointCapacity; ++k) {
      const int image = images.image_of[source.points.entries[k]];
      if (image >= 0 && std::find(listed.begin(), listed.end(), image) == listed.end()) listed.push_back(image);
    }
    if (listed.size() < 2 || through.AnyPairOnALine(listed)) continue;
    if (e.AddLine(listed[0], listed[1], pen != nullptr ? *pen : source.pen) != 0) return;
    kernel::SegmentRecord& made = t.lines[t.last_line];
    for (std::size_t k = 2; k < listed.size(); ++k) {
      kernel::IndexListInsert(made.points, static_cast<std::uint16_t>(listed[k]), made.points.count);
    }
    made.extends_first = source.extends_first;
    made.extends_second = source.extends_second;
    if (e.model.Hyperbolic) e.FillSideRecord2D(t.last_line, listed[0], listed[1]);
    through.Add(t.last_line);
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
