// The hyperbolic window's triangles from typed data: the vertices are placed in the model, the
// step layer makes the points and sides.
#include "engine/hyperbolic_triangle_steps.h"
#include "plane/geom_c1_win.h"

namespace plane {

int TGeomC1Win::SolveTriangleAAAHyperbolic() { return engine::SolveTriangleAAAHyperbolicStep(stepEngine); }

int TGeomC1Win::SolveTriangleSASHyperbolic(bool quadrilateral) {
  // The hyperbolic parallelogram, kite and trapezoid have no placement of their own.
  if (quadrilateral) return 0;
  return engine::SolveTriangleSASHyperbolicStep(stepEngine);
}

int TGeomC1Win::SolveTriangleSSSHyperbolic() { return engine::SolveTriangleSSSHyperbolicStep(stepEngine); }

}  // namespace plane
