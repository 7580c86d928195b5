#include "kernel/linear_system3.h"

#include <cmath>
#include <utility>

namespace kernel {

namespace {

struct Equation {
  Point3 row;  // coefficients a, b, c
  Real rhs;
};

bool UsablePivot(Real value) {
  return std::fabs(value) >= NullTolerance;
}

}  // namespace

KernelResult PlaneSectionKernel(Point3 r0, Point3 r1, Point3 r2, Point3 rhs, Point3& solution) {
  Equation e0{r0, rhs.x};
  Equation e1{r1, rhs.y};
  Equation e2{r2, rhs.z};

  // First column: the first usable pivot, not the largest; an exchange carries its right-hand side.
  if (!UsablePivot(e0.row.x)) {
    if (UsablePivot(e1.row.x)) {
      std::swap(e0, e1);
    } else if (UsablePivot(e2.row.x)) {
      std::swap(e0, e2);
    } else {
      return kNoPoint;
    }
  }
  e0.row.y /= e0.row.x;
  e0.row.z /= e0.row.x;
  e0.rhs /= e0.row.x;
  for (Equation* e : {&e1, &e2}) {
    const Real a = e->row.x;
    e->row.y -= a * e0.row.y;
    e->row.z -= a * e0.row.z;
    e->rhs -= a * e0.rhs;
  }

  // Second column.
  if (!UsablePivot(e1.row.y)) {
    if (UsablePivot(e2.row.y)) {
      std::swap(e1, e2);
    } else {
      return kNoPoint;
    }
  }
  e1.row.z /= e1.row.y;
  e1.rhs /= e1.row.y;
  e0.row.z -= e0.row.y * e1.row.z;
  e0.rhs -= e0.row.y * e1.rhs;
  e2.row.z -= e2.row.y * e1.row.z;
  e2.rhs -= e2.row.y * e1.rhs;

  // Third column.
  if (!UsablePivot(e2.row.z)) return kNoPoint;
  e2.rhs /= e2.row.z;
  e0.rhs -= e0.row.z * e2.rhs;
  e1.rhs -= e1.row.z * e2.rhs;

  // A pivot just above the tolerance (or non-finite input) can still overflow: report it rather
  // than hand back infinities or NaNs as a solution.
  if (!std::isfinite(e0.rhs) || !std::isfinite(e1.rhs) || !std::isfinite(e2.rhs)) return kNoPoint;
  solution = {e0.rhs, e1.rhs, e2.rhs};
  return 0;
}

}  // namespace kernel
