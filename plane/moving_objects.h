#pragma once
// The objects of a plane figure that a drag moves: the dragged points and everything the steps
// downstream of them make. The picture of a drag is painted in two layers from these flags: the
// still objects once into an off-screen picture, the moving ones at every mouse move.

#include <cstdint>
#include <span>
#include <vector>

#include "engine/step_engine.h"

namespace plane {

struct MovingObjects {
  std::vector<std::uint8_t> points;
  std::vector<std::uint8_t> lines;
  std::vector<std::uint8_t> circles;
  std::vector<std::uint8_t> hypercycles;
  std::vector<std::uint8_t> horocycles;

  // Only the given points move, then whatever the steps at `positions` (ascending history
  // positions) make, as the tables stood after each of them.
  void Mark(std::span<const engine::StepEnds> ends, std::span<const int> positions,
            std::span<const std::uint16_t> moved);
  // Every object moves.
  void MarkAll();
};

// Which layer a paint pass draws.
enum class DrawLayer { kAll, kStill, kMoving };

// Whether a pass of the layer draws the object whose moving flag is at `index` of flags.
inline bool LayerDraws(DrawLayer layer, const std::vector<std::uint8_t>& flags, int index) {
  if (layer == DrawLayer::kAll) return true;
  const bool moving = index >= 0 && static_cast<std::size_t>(index) < flags.size() && flags[index] != 0;
  return (layer == DrawLayer::kMoving) == moving;
}

// The history position of the step that made point i; -1 when no step is known to have made it.
int StepOfPoint(std::span<const engine::StepEnds> ends, int i);

}  // namespace plane
