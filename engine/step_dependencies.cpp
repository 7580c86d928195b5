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
                                               std::span<const std::uint16_t> moved_points) {
  steps_.clear();
  const int count = static_cast<int>(history.steps.size());
  if (ends.size() != history.steps.size()) {
    for (int i = 0; i < count; ++i) steps_.push_back(i);
    return steps_;
  }
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
  for (int i = 0; i < count; ++i) {
    const kernel::ConstructionRecord& step = history.steps[i];
    const StepKindInfo& info = StepKindEntry(static_cast<std::int16_t>(step.kind));
    if (info.Has(kLabelsOnly)) {
      before = ends[i];
      continue;
    }
    bool downstream = everything || (any_line && info.Has(kReadsAllLines));
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
  return steps_;
}

}  // namespace engine
