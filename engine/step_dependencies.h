#pragma once
// Which steps of a history depend on points that moved: read from the step-kind table, so a drag
// replays only the steps downstream of the dragged points (and the steps that must always run).

#include <cstdint>
#include <span>
#include <vector>

#include "engine/step_engine.h"
#include "engine/step_kinds.h"

namespace engine {

class DownstreamFinder {
 public:
  DownstreamFinder();

  // The history positions, ascending, of the steps that read a moved point or an object made by
  // such a step, directly or through others, and of the steps that always run. ends holds where
  // the tables ended after each step (StepEngine::ends); without it every step is downstream. The
  // steps at the ascending positions `forced` count as downstream whatever they read (the steps
  // that place dragged points that are not free).
  const std::vector<int>& Find(const StepHistory& history, std::span<const StepEnds> ends,
                               std::span<const std::uint16_t> moved_points, std::span<const int> forced = {});

 private:
  // One walk over the history with the forced steps of forced_; the result in steps_.
  void Pass(const StepHistory& history, std::span<const StepEnds> ends, std::span<const std::uint16_t> moved_points);
  // The position of the step that made the line, circle or curve `index`; -1 for anything else.
  int MakerOf(std::span<const StepEnds> ends, OperandKind kind, std::uint16_t index) const;

  std::vector<int> forced_;
  std::vector<std::uint8_t> points_;
  std::vector<std::uint8_t> lines_;
  std::vector<std::uint8_t> circles_;
  std::vector<std::uint8_t> hypercycles_;
  std::vector<std::uint8_t> horocycles_;
  std::vector<int> steps_;
};

// True when a step's texts may name points, sliders or functions (anything but a plain number).
bool StepTextsNameFigure(const kernel::ConstructionRecord& step);

}  // namespace engine
