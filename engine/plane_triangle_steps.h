#pragma once
// The Euclidean window's triangle solvers and quadrilateral hook over the step engine: the
// pending step's parameters and degenerate code, and the vertices that follow the last point.
// The plane window layer fills its solver operations with these.

#include <cstdint>

namespace engine {

class StepEngine;

int SolveTrianglePlaneStep(StepEngine& engine);
int SolveTriangleASAStep(StepEngine& engine);
void RandomFigureHookStep(StepEngine& engine, std::uint16_t kind);

}  // namespace engine
