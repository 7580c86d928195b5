#pragma once
// The step layer of the geometry windows: the one dispatcher that runs a step by its kind, for new
// steps, Undo and Redo, file loading, dragging and slow-motion replay alike. Each kind that a
// geometry layer executes reaches one virtual operation (StepExecutors, one per kind, doing
// nothing unless a plane, 3-D or spherical layer fills it); the step layer runs its own kinds
// itself. A whole replay runs every step in order, so indices and labels come out the same each
// time; after a drag only the steps downstream of the moved points run again.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/step_dependencies.h"
#include "engine/step_executors.h"
#include "engine/windows/geom_win.h"

namespace engine {

class TGeom09Win : public TGeomWin, public StepExecutors {
 public:
  TGeom09Win(platform::FrameWindow* parent, std::string_view title);
  ~TGeom09Win() override;

  // Runs the current step by its kind; the executor's result.
  int RedoStep(std::string* out) override;
  // Rebuilds the figure by running every step of the history in order; the number of steps.
  int ReplayConstruction(bool replaying) override;
  // After the given points were moved: runs again only the steps that read them, directly or
  // through what such steps made, and the steps that must always run; every other object and
  // every label stays. The number of steps run.
  int ReplayMovedPoints(std::span<const std::uint16_t> moved);
  // Grows (reserving placeholders) or shrinks the last indices of the object tables.
  void AdjustTables(int points, int lines, int circles) { stepEngine.AdjustTables(points, lines, circles); }

 private:
  DownstreamFinder downstream_;
};

}  // namespace engine
