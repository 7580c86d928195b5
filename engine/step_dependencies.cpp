#include "engine/step_dependencies.h"

#include <algorithm>

#include "engine/step_kinds.h"

namespace engine {

namespace {

void Mark(std::vector<std::uint8_t>& flags, int from, int through) {
  from = std::max(from, 0);
  through = std::min(through, static_cast<int>(flags.size()) - 1);
  for (int i = from; i <= through; ++i) flags[i] = 1;
}

bool IsPlainNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == ',' || c == ' ' || c == 'E' || c == 'e';
}

}  // namespace

bool StepTextsNameFigure(const kernel::ConstructionRecord& step) {
  for (const std::string& text : step.text) {
    for (char c : text) {
      if (!IsPlainNumberChar(c)) return true;
    }
  }
  return false;
}

DownstreamFinder::DownstreamFinder()
    : points_(kPointCapacity),
      lines_(kLastLineLimit + 1),
      circles_(kLastCircleLimit + 1),
      hypercycles_(kLastHypCurveLimit + 1),
      horocycles_(kLastHypCurveLimit + 1) {}

const std::vector<int>& DownstreamFinder::Find(const StepHistory& history, std::span<const StepEnds> ends,
                                               std::span<const std::uint16_t> moved_points,
                                               std::span<const int> forced) {
  steps_.clear();
  const int count = static_cast<int>(history.steps.size());
  if (ends.size() != history.steps.size()) {
    for (int i = 0; i < count; ++i) steps_.push_back(i);
    return steps_;
  }
  forced_.assign(forced.begin(), forced.end());
  // A step run again lists its new points on the lines and circles it reads again. When such a
  // record is not made again itself, the step that made it must run too (and with it every step
  // that lists points on it), or the record would list the points twice or in another order.
  for (;;) {
    Pass(history, ends, moved_points);
    const std::size_t known = forced_.size();
    for (int i : steps_) {
      const StepEnds before = i == 0 ? StepEnds{} : ends[i - 1];
      if (ends[i].points <= before.points) continue;
      const kernel::ConstructionRecord& step = history.steps[i];
      ForEachObjectOperand(step, StepKindEntry(static_cast<std::int16_t>(step.kind)),
                           [&](OperandKind kind, std::uint16_t index) {
                             const int maker = MakerOf(ends, kind, index);
                             if (maker >= 0 && !std::binary_search(steps_.begin(), steps_.end(), maker)) {
                               forced_.push_back(maker);
                             }
                           });
    }
    if (forced_.size() == known) break;
    std::sort(forced_.begin(), forced_.end());
    forced_.erase(std::unique(forced_.begin(), forced_.end()), forced_.end());
  }
  return steps_;
}

int DownstreamFinder::MakerOf(std::span<const StepEnds> ends, OperandKind kind, std::uint16_t index) const {
  std::int16_t StepEnds::*field = nullptr;
  switch (kind) {
    case OperandKind::kLine: field = &StepEnds::lines; break;
    case OperandKind::kCircle: field = &StepEnds::circles; break;
    case OperandKind::kHypercycle: field = &StepEnds::hypercycles; break;
    case OperandKind::kHorocycle: field = &StepEnds::horocycles; break;
    default: return -1;
  }
  const int target = index;
  const auto it = std::lower_bound(ends.begin(), ends.end(), target,
                                   [field](const StepEnds& e, int value) { return e.*field < value; });
  if (it == ends.end()) return -1;
  const int pos = static_cast<int>(it - ends.begin());
  const int before = pos == 0 ? -1 : ends[pos - 1].*field;
  return before < target && (*it).*field >= target ? pos : -1;
}

void DownstreamFinder::Pass(const StepHistory& history, std::span<const StepEnds> ends,
                            std::span<const std::uint16_t> moved_points) {
  steps_.clear();
  const int count = static_cast<int>(history.steps.size());
  std::fill(points_.begin(), points_.end(), 0);
  std::fill(lines_.begin(), lines_.end(), 0);
  std::fill(circles_.begin(), circles_.end(), 0);
  std::fill(hypercycles_.begin(), hypercycles_.end(), 0);
  std::fill(horocycles_.begin(), horocycles_.end(), 0);
  for (std::uint16_t p : moved_points) {
    if (p < kPointCapacity) points_[p] = 1;
  }
  bool everything = false;  // a moved transformation: all that follows runs again
  bool any_line = false;    // some line was made again
  StepEnds before;
  std::size_t next_forced = 0;
  for (int i = 0; i < count; ++i) {
    const kernel::ConstructionRecord& step = history.steps[i];
    const StepKindInfo& info = StepKindEntry(static_cast<std::int16_t>(step.kind));
    if (info.Has(kLabelsOnly)) {
      before = ends[i];
      continue;
    }
    bool downstream = everything || (any_line && info.Has(kReadsAllLines));
    while (next_forced < forced_.size() && forced_[next_forced] < i) ++next_forced;
    if (next_forced < forced_.size() && forced_[next_forced] == i) downstream = true;
    if (!downstream && info.dispatch != StepDispatch::kNone) {
      const bool texts_only = (info.flags & (kUsesView | kUsesRandom | kUsesCounter | kUsesWindowSize | kOpaque)) == 0;
      if (info.AlwaysReplayed()) downstream = !texts_only || StepTextsNameFigure(step);
    }
    if (!downstream) {
      ForEachObjectOperand(step, info, [&](OperandKind kind, std::uint16_t index) {
        switch (kind) {
          case OperandKind::kPoint: downstream |= index < kPointCapacity && points_[index]; break;
          case OperandKind::kLine: downstream |= index <= kLastLineLimit && lines_[index]; break;
          case OperandKind::kCircle: downstream |= index <= kLastCircleLimit && circles_[index]; break;
          case OperandKind::kHypercycle: downstream |= index <= kLastHypCurveLimit && hypercycles_[index]; break;
          case OperandKind::kHorocycle: downstream |= index <= kLastHypCurveLimit && horocycles_[index]; break;
          default: break;
        }
      });
    }
    const StepEnds& after = ends[i];
    if (downstream) {
      steps_.push_back(i);
      Mark(points_, before.points + 1, after.points);
      Mark(lines_, before.lines + 1, after.lines);
      if (after.lines > before.lines) any_line = true;
      Mark(circles_, before.circles + 1, after.circles);
      Mark(hypercycles_, before.hypercycles + 1, after.hypercycles);
      Mark(horocycles_, before.horocycles + 1, after.horocycles);
      if (info.Has(kMovesOtherPoints)) everything = true;
    }
    before = after;
  }
}

}  // namespace engine
