#pragma once
// Inversion in a circle of the plane and in a sphere of space. The inversion is given by its
// centre and its power k (the squared radius of an ordinary inversion; a negative power also
// reflects through the centre): X goes to C + k (X - C) / |X - C|^2.

#include "kernel/real.h"

namespace kernel {

// Replaces p by its image. False when p lies at the centre (squared distance at most the null
// tolerance): the offset from the centre is then multiplied by HugeReal, which leaves a point
// exactly at the centre where it is and sends a point beside it far away in its direction.
bool InvertInCircle2(const Point2& centre, Real power, Point2& p);
bool InvertInSphere3(const Point3& centre, Real power, Point3& p);

}  // namespace kernel
