#include "kernel/observer_placement.h"

#include "kernel/vector3.h"

namespace kernel {

namespace {

constexpr Real kFarFactor = 10000;
constexpr int kMostScalings = 64;

}  // namespace

bool ObserverTooClose(const Point3& lo, const Point3& hi, const Point3& centre, const Point3& p) {
  const Point3 m = centre + static_cast<Real>(0.5) * (p - centre);
  return lo.x <= m.x && m.x <= hi.x && lo.y <= m.y && m.y <= hi.y;
}

bool ObserverTooFar(const Point3& lo, const Point3& hi, const Point3& centre, const Point3& p) {
  return TaxiDist3(p, centre) > kFarFactor * TaxiDist3(hi, lo);
}

bool KeepObserverInRange(const Point3& lo, const Point3& hi, const Point3& centre, Point3& observer) {
  const Point3 before = observer;
  for (int n = 0; n < kMostScalings && ObserverTooFar(lo, hi, centre, observer); ++n) {
    observer = static_cast<Real>(0.5) * observer;
  }
  for (int n = 0; n < kMostScalings && ObserverTooClose(lo, hi, centre, observer); ++n) {
    observer = static_cast<Real>(2) * observer;
  }
  return observer.x != before.x || observer.y != before.y || observer.z != before.z;
}

Point3 PlaceNewSolid(bool emptyFigure, const Point3& lo, const Point3& hi, const Point3& centre,
                     const Point3& observer, const Point3& low, const Point3& high) {
  if (emptyFigure) return {0, 0, 0};
  return {observer.x > 0 ? hi.x - low.x : lo.x - high.x, observer.y > 0 ? hi.y - low.y : lo.y - high.y,
          centre.z - (low.z + high.z) / 2};
}

}  // namespace kernel
