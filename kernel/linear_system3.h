#pragma once
// Three linear equations in three unknowns, as the solid model needs them where it cuts its objects
// with planes (the point common to three planes, for example).

#include "kernel/kernel_result.h"
#include "kernel/real.h"

namespace kernel {

// Solves a.x + b.y + c.z = r for the rows R0, R1, R2 (each holding a, b, c) and the right-hand
// sides rhs = (r0, r1, r2) by Gauss-Jordan elimination, taking the first pivot whose size reaches
// the null tolerance. Returns 0 and writes the solution, or kNoPoint (30) when the system is
// singular or its solution is not finite; the solution is then left as it was.
KernelResult PlaneSectionKernel(Point3 r0, Point3 r1, Point3 r2, Point3 rhs, Point3& solution);

}  // namespace kernel
