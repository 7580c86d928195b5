#include "kernel/observer_moves.h"

#include <cmath>
#include <numbers>

#include "kernel/number_text.h"
#include "kernel/observer_placement.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

constexpr Real kInFactor = static_cast<Real>(0.9);
constexpr Real kOutFactor = static_cast<Real>(0.1);
constexpr Real kFarOutFactor = 1000;
constexpr Real kIsometricFactor = 8000;
constexpr Real kTiltShare = static_cast<Real>(0.025);
constexpr Real kOnAxis = static_cast<Real>(1e-13);
constexpr Real kHalfPi = std::numbers::pi_v<Real> / 2;

}  // namespace

bool ObserverIn(const Point3& lo, const Point3& hi, const Point3& centre, Point3& observer) {
  const Point3 nearer = centre + kInFactor * (observer - centre);
  if (ObserverTooClose(lo, hi, centre, nearer)) return false;
  observer = nearer;
  return true;
}

Point3 ObserverOut(const Point3& observer, const Point3& centre) {
  return observer + kOutFactor * (observer - centre);
}

Point3 ObserverFarOut(const Point3& lo, const Point3& hi, const Point3& centre, const Point3& observer) {
  Point3 away = observer - centre;
  ScaleTo3(away, kFarOutFactor * TaxiDist3(lo, hi));
  return centre + away;
}

Point3 IsometricObserver(const Point3& lo, const Point3& hi) {
  const Real d = kIsometricFactor * TaxiDist3(lo, hi);
  return {d, d, d};
}

Point3 TurnObserver(const Point3& observer, Real angle) {
  const Real c = std::cos(angle);
  const Real s = std::sin(angle);
  return {observer.x * c - observer.y * s, observer.y * c + observer.x * s, observer.z};
}

bool TiltObserver(Point3& observer, bool up) {
  const Real h = std::sqrt(observer.x * observer.x + observer.y * observer.y);
  if (h < kOnAxis) return false;
  Real e = std::atan(observer.z / h);
  if (up) {
    e += e > 0 ? kTiltShare * (kHalfPi - e) : kTiltShare * kHalfPi;
  } else {
    e -= e > 0 ? kTiltShare * kHalfPi : kTiltShare * (e + kHalfPi);
  }
  observer.z = h * std::tan(e);
  return true;
}

int ArrowheadPixelsFor(Real percent, int screenWidth) { return RoundLD(static_cast<Real>(0.01) * percent * screenWidth); }

}  // namespace kernel
