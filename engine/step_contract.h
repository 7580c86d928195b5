#pragma once
// What every plane (and later hyperbolic or spherical) step executor shares: the objects a step
// makes, the room check before anything is written, the placeholders a failed step leaves so that
// every later step keeps its indices, and the storing of points built in the Poincare disk into
// the model the window holds its points in.
//
// An executor in one file:
//   1. read its operands and texts from engine.current();
//   2. if (int code = CheckRoom(engine, creates)) return FailStep(engine, creates, code);
//   3. test its inputs; on a failure return FailStep(engine, creates, code);
//   4. create its points first, then the lines and circles joining them;
//   5. write its description through engine.ExpandTemplate when out is not null.

#include <array>

#include "engine/figure_tables.h"
#include "engine/geometry_model.h"
#include "engine/step_kinds.h"

namespace engine {

class StepEngine;

// Message number of a full circle table.
inline constexpr int kMsgTooManyCircles = 147;

// What the current step makes, from the step-kind table.
StepCreates CreatesOfCurrentStep(const StepEngine& engine);

// 0 when the tables can take everything in creates; else 4 ("no more room"), or 147 when only
// the circle table is full.
int CheckRoom(const FigureTables& tables, const StepCreates& creates);

// A step that cannot make its objects: reserves the placeholders of creates (as far as the
// tables take them) and returns code.
int FailStep(StepEngine& engine, const StepCreates& creates, int code);

// The start of a step built on the triangle of its operands 0 to 2: the room check, then the
// triangle (StepTriangle: the vertices, their names in the step's first text, their common tag
// or -1). On a failure the placeholders are left and the code is returned.
int BeginTriangleStep(StepEngine& engine, const StepCreates& creates, std::array<int, 3>& vertices, int& tag);

// A point computed in the unit disk, stored in the window's model (mapped to the upper half-plane
// when the window holds its points there).
kernel::Point2 StoredFromDisk(const GeometryModel& model, kernel::Point2 p);
// A stored point of a hyperbolic window in the disk model.
kernel::Point2 DiskFromStored(const GeometryModel& model, kernel::Point2 p);

}  // namespace engine
