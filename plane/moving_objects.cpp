#include "plane/moving_objects.h"

#include <algorithm>

namespace plane {

namespace {

void MarkRange(std::vector<std::uint8_t>& flags, int from, int through) {
  from = std::max(from, 0);
  through = std::min(through, static_cast<int>(flags.size()) - 1);
  for (int i = from; i <= through; ++i) flags[i] = 1;
}

void Reset(std::vector<std::uint8_t>& flags, std::size_t size) { flags.assign(size, 0); }

}  // namespace

void MovingObjects::Mark(std::span<const engine::StepEnds> ends, std::span<const int> positions,
                         std::span<const std::uint16_t> moved) {
  Reset(points, engine::kPointCapacity);
  Reset(lines, engine::kLastLineLimit + 1);
  Reset(circles, engine::kLastCircleLimit + 1);
  Reset(hypercycles, engine::kLastHypCurveLimit + 1);
  Reset(horocycles, engine::kLastHypCurveLimit + 1);
  for (const std::uint16_t p : moved) {
    if (p < points.size()) points[p] = 1;
  }
  for (const int pos : positions) {
    if (pos < 0 || static_cast<std::size_t>(pos) >= ends.size()) continue;
    const engine::StepEnds before = pos == 0 ? engine::StepEnds{} : ends[pos - 1];
    const engine::StepEnds& after = ends[pos];
    MarkRange(points, before.points + 1, after.points);
    MarkRange(lines, before.lines + 1, after.lines);
    MarkRange(circles, before.circles + 1, after.circles);
    MarkRange(hypercycles, before.hypercycles + 1, after.hypercycles);
    MarkRange(horocycles, before.horocycles + 1, after.horocycles);
  }
}

void MovingObjects::MarkAll() {
  points.assign(engine::kPointCapacity, 1);
  lines.assign(engine::kLastLineLimit + 1, 1);
  circles.assign(engine::kLastCircleLimit + 1, 1);
  hypercycles.assign(engine::kLastHypCurveLimit + 1, 1);
  horocycles.assign(engine::kLastHypCurveLimit + 1, 1);
}

int StepOfPoint(std::span<const engine::StepEnds> ends, int i) {
  const auto it = std::lower_bound(ends.begin(), ends.end(), i,
                                   [](const engine::StepEnds& e, int point) { return e.points < point; });
  if (it == ends.end()) return -1;
  const int pos = static_cast<int>(it - ends.begin());
  const int before = pos == 0 ? -1 : ends[pos - 1].points;
  return before < i ? pos : -1;
}

}  // namespace plane
