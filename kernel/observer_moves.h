#pragma once
// The moves of the observer of a model in space: nearer, farther, far out, to the isometric
// position, turned about the vertical axis and lifted or lowered. The model box runs from lo to
// hi; the observer looks at the centre.

#include "kernel/real.h"

namespace kernel {

// A tenth of the way nearer; false, the observer left, when the midpoint of the new place and the
// centre would lie over the box in x and y.
bool ObserverIn(const Point3& lo, const Point3& hi, const Point3& centre, Point3& observer);
// A tenth of the distance farther.
Point3 ObserverOut(const Point3& observer, const Point3& centre);
// In the same direction from the centre, 1000 times the box's taxicab size away (unchanged when
// the observer stands on the centre).
Point3 ObserverFarOut(const Point3& lo, const Point3& hi, const Point3& centre, const Point3& observer);
// On the diagonal x = y = z, 8000 times the box's taxicab size from the origin in each coordinate.
Point3 IsometricObserver(const Point3& lo, const Point3& hi);
// Turned about the z axis through the origin by the angle (radians, counter-clockwise seen from
// above).
Point3 TurnObserver(const Point3& observer, Real angle);
// Lifted (up) or lowered by a step of its elevation seen from the origin: from below the horizon
// and towards it by 2.25 degrees, away from it by 2.5 % of the angle left to the pole, so it never
// reaches the pole. False, the observer left, when it stands on the z axis.
bool TiltObserver(Point3& observer, bool up);

// The arrowhead size in pixels for a percentage of the screen width.
int ArrowheadPixelsFor(Real percent, int screenWidth);

}  // namespace kernel
