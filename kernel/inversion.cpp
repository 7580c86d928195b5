#include "kernel/inversion.h"

#include "kernel/constants.h"
#include "kernel/vector2.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

// The factor that takes an offset of the given squared length to its image, and whether the
// image is a true one.
bool InversionFactor(Real power, Real squaredDistance, Real& factor) {
  if (squaredDistance > NullTolerance) {
    factor = power / squaredDistance;
    return true;
  }
  factor = HugeReal;
  return false;
}

}  // namespace

bool InvertInCircle2(const Point2& centre, Real power, Point2& p) {
  const Point2 offset = p - centre;
  Real factor = 0;
  const bool ok = InversionFactor(power, offset.x * offset.x + offset.y * offset.y, factor);
  p = centre + factor * offset;
  return ok;
}

bool InvertInSphere3(const Point3& centre, Real power, Point3& p) {
  const Point3 offset = p - centre;
  Real factor = 0;
  const bool ok = InversionFactor(power, Dot3(offset, offset), factor);
  p = centre + factor * offset;
  return ok;
}

}  // namespace kernel
