#include "kernel/ball_horizon.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <span>

#include "kernel/sphere_kernels.h"
#include "kernel/vector3.h"

namespace kernel {

namespace {

constexpr Real kTwoPi = 2 * std::numbers::pi_v<Real>;
constexpr Real kBallMargin = static_cast<Real>(1e-13);
// A crossing found this far round from P1 (just short of a full turn) lies at P1.
constexpr Real kNearlyFullTurn = 5;
// A crossing this close to P1 is taken for the end of an arc that leaves the horizon.
constexpr Real kNearStart = static_cast<Real>(0.01);
constexpr Real kStepsPerTurn = 101;

// The crossing that ends the seen part when only one end is seen.
const Point3& SingleCrossing(const Point3 (&x)[2], const bool (&on)[2], const Real (&t)[2]) {
  if (on[0]) return x[0];
  if (on[1]) return x[1];
  return t[0] < kNearStart ? x[0] : x[1];
}

}  // namespace

bool ComputeHorizon(const Point3& observer, HorizonFrame& frame) {
  const Real d = std::sqrt(Dot3(observer, observer));
  if (!std::isfinite(d) || d <= 1) return false;
  const Real s = 1 / d;
  const Real r = std::sqrt(1 - s * s);
  frame.u = s * observer;
  frame.centre = s * frame.u;
  Point3 e1{-frame.u.y, frame.u.x, 0};
  if (!ScaleTo3(e1, r)) e1 = {r, 0, 0};
  frame.e1 = e1;
  frame.e2 = Cross3(frame.u, e1);
  frame.point = frame.centre + e1;
  return true;
}

bool InsideUnitBall(const Point3& p) { return Dot3(p, p) + kBallMargin <= 1; }

bool PointOnArcBetween(const Point3& M, const Point3& P1, const Point3& P2, const Point3& X, Real& position) {
  position = 0;
  const Point3 a = P1 - M;
  const Point3 b = P2 - M;
  Point3 normal = Cross3(a, b);
  if (!Normalize3(normal)) return false;
  const Point3 x = X - M;
  Real t = AngleBetween3(a, x);
  if (Dot3(x, Cross3(normal, a)) < 0) t = kTwoPi - t;
  position = t;
  return t < AngleBetween3(a, b);
}

int ClipArcToHorizon(const Point3& observer, const HorizonFrame& horizon, const Point3& K, const Point3& N,
                     Point3& P1, Point3& P2) {
  const bool seen1 = FacesObserver(P1, observer);
  const bool seen2 = FacesObserver(P2, observer);
  if (seen1 == seen2) {
    const Real half = AngleAt3(P1, K, P2) / 2;
    const Point3 r = P1 - K;
    const Point3 middle = K + std::cos(half) * r + std::sin(half) * Cross3(N, r);
    if (FacesObserver(middle, observer) == seen1) return seen1 ? kArcAllSeen : kArcHidden;
  }
  Point3 crossings[2];
  if (!GreatCircleKernel(horizon.u, horizon.point, N, P1, std::span<Point3, 2>(crossings))) {
    // No crossing within reach of the rounding: the arc is taken as its first end is.
    return seen1 ? kArcAllSeen : kArcHidden;
  }
  bool on[2];
  Real t[2];
  for (int k = 0; k < 2; ++k) {
    on[k] = PointOnArcBetween(K, P1, P2, crossings[k], t[k]);
    if (t[k] > kNearlyFullTurn) t[k] = 0;
  }
  if (seen1 && !seen2) {
    P2 = SingleCrossing(crossings, on, t);
    return kArcSeenToCrossing;
  }
  if (seen2 && !seen1) {
    P1 = SingleCrossing(crossings, on, t);
    return kArcSeenFromCrossing;
  }
  const int first = t[0] <= t[1] ? 0 : 1;
  P1 = crossings[first];
  P2 = crossings[1 - first];
  return seen1 ? kArcHiddenMiddle : kArcSeenMiddle;
}

int ArcStepCount(Real length, Real initialHalfWidth, Real halfWidth) {
  if (!(halfWidth > 0)) return kFewestArcSteps;  // no view yet
  const Real steps = length * kStepsPerTurn * initialHalfWidth / (kTwoPi * halfWidth);
  if (!(steps >= kFewestArcSteps)) return kFewestArcSteps;
  if (steps >= kMostArcSteps) return kMostArcSteps;
  return static_cast<int>(std::lround(steps));
}

}  // namespace kernel
