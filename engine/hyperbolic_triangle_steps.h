#pragma once
// The hyperbolic window's triangle solvers over the step engine: from the pending step's data
// (three angles, two sides and the angle between them, or three sides) they place the three
// vertices that follow the last point, and make no point themselves. A new triangle starts at a
// random second vertex near the disk's centre; an existing one keeps its second vertex and the
// direction towards its first, so dragging those turns and moves it.

namespace engine {

class StepEngine;

// Message number of a vertex that would lie on or beyond the model's boundary.
inline constexpr int kMsgTriangleOutOfBounds = 17;

// Parameters 0 to 2 are the angles A, B, C in degrees; they are left in radians. 0, or 6 when the
// angles make no hyperbolic triangle.
int SolveTriangleAAAHyperbolicStep(StepEngine& engine);
// Parameters 0 to 2: side c (vertex 2 to 1), angle B (radians), side a (vertex 2 to 3).
int SolveTriangleSASHyperbolicStep(StepEngine& engine);
// Parameters 0 to 2: sides c, b, a. 6 when they make no triangle.
int SolveTriangleSSSHyperbolicStep(StepEngine& engine);

}  // namespace engine
