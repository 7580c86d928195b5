#pragma once
// The unit ball seen from an observer outside it: the horizon circle where the lines of sight touch
// the sphere, which points of the sphere face the observer, how a circular arc of the sphere is cut
// at the horizon, and how many polyline steps an arc of the sphere is drawn with.

#include <cstdint>

#include "kernel/real.h"

namespace kernel {

// The horizon circle of the unit sphere about the origin seen from an observer O at distance
// d = |O| > 1: the unit direction u = O / d towards the observer, the circle's centre h = u / d,
// two perpendicular radius vectors e1 (horizontal) and e2 = u x e1 of length sqrt(1 - 1/d^2), and
// the point H = h + e1 of the circle.
struct HorizonFrame {
  Point3 u{};
  Point3 centre{};
  Point3 e1{};
  Point3 e2{};
  Point3 point{};
};

// The horizon from the observer. An observer on the z axis takes e1 along +x. False, the frame
// left as it was, when the observer is not outside the ball (or not a finite point).
bool ComputeHorizon(const Point3& observer, HorizonFrame& frame);

// Whether a point of the sphere faces the observer: p . O > 1 (on the observer's side of the
// horizon plane). A point exactly on that plane is hidden.
inline bool FacesObserver(const Point3& p, const Point3& observer) {
  return p.x * observer.x + p.y * observer.y + p.z * observer.z > 1;
}

// Whether p lies inside the unit ball: |p|^2 + 1e-13 <= 1 (a point of the sphere is not inside).
bool InsideUnitBall(const Point3& p);

// The position of X along the circle about centre M from P1 towards P2: the angle at M from P1 to X
// in the sense that turns P1 towards P2 (through less than a half turn), in [0, 2 pi). True when
// the position is less than the angle from P1 to P2 (X strictly inside the arc or at P1). False
// with position 0 when P1 - M and P2 - M are parallel.
bool PointOnArcBetween(const Point3& M, const Point3& P1, const Point3& P2, const Point3& X, Real& position);

// What part of an arc of the sphere the observer sees.
enum ArcVisibility : int {
  kArcAllSeen = 0,       // the whole arc
  kArcHidden = 2,        // nothing
  kArcSeenToCrossing = -1,    // from P1 to the crossing, now in P2
  kArcSeenFromCrossing = -2,  // from the crossing, now in P1, to P2
  kArcSeenMiddle = -3,        // only the piece between the two crossings, now P1 and P2
  kArcHiddenMiddle = -4,      // all but the piece between the two crossings, now P1 and P2
};

// Cuts the arc from P1 to P2 of the circle of the sphere with unit pole N and plane centre
// K = (N . P1) N at the horizon; the arc turns counter-clockwise about N through less than a half
// turn. Returns an ArcVisibility; the ends replaced by crossings are given in arc order (P1 the
// crossing met first from P1). A crossing just short of a full turn from P1 counts as lying at P1.
int ClipArcToHorizon(const Point3& observer, const HorizonFrame& horizon, const Point3& K, const Point3& N,
                     Point3& P1, Point3& P2);

// The polyline steps of an arc of the given length (radians of a great circle): 101 per full turn
// at the view's initial half width, more as the view is zoomed in (H below H0); never fewer than
// 20 nor more than 20000.
inline constexpr int kFewestArcSteps = 20;
inline constexpr int kMostArcSteps = 20000;
int ArcStepCount(Real length, Real initialHalfWidth, Real halfWidth);

}  // namespace kernel
