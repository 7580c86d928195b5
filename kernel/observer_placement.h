#pragma once
// Where the observer of a model in space may stand, and where a new solid goes beside the model.
// The model box runs from lo to hi; the observer looks at the view centre.

#include "kernel/real.h"

namespace kernel {

// The observer at p is too close when the midpoint of p and the centre lies over the box's x-y
// extent (bounds included; the height does not count).
bool ObserverTooClose(const Point3& lo, const Point3& hi, const Point3& centre, const Point3& p);
// The observer at p is too far when its taxicab distance from the centre exceeds 10000 times the
// taxicab size of the box.
bool ObserverTooFar(const Point3& lo, const Point3& hi, const Point3& centre, const Point3& p);
// Brings the observer back within reach: its coordinates (not its offset from the centre) halved
// while it is too far, then doubled while it is too close, at most 64 times each, so an observer
// at the origin or a box of no size cannot loop for ever. True when it moved.
bool KeepObserverInRange(const Point3& lo, const Point3& hi, const Point3& centre, Point3& observer);

// The reference point of a new solid whose extent around it runs from low to high: the origin in
// an empty figure; else beside the box on the side turned to the observer in x and in y, centred
// on the view centre's height.
Point3 PlaceNewSolid(bool emptyFigure, const Point3& lo, const Point3& hi, const Point3& centre,
                     const Point3& observer, const Point3& low, const Point3& high);

}  // namespace kernel
