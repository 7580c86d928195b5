#pragma once
// A ring of n equal circles of radius r2 around a central circle of radius r1: each ring circle
// touches the central circle from outside and its neighbours. In the plane the radii are lengths,
// on the unit sphere they are arcs and the central circle's centre is the pole (0, 0, 1).
//
// v holds at least 3n + 1 points. On entry v[0] is the central circle's centre and v[1] gives the
// direction of the first ring circle. On return:
//   v[1..n]      the contact points of the ring circles with the central circle (distance r1),
//   v[n+1..2n]   the centres of the ring circles (distance r1 + r2),
//   v[2n+1..3n]  the contact points of neighbouring ring circles (distance r3, supplied by the
//                caller), half a step further; v[3n] only when the ring is closed.
// Nothing is written when n is not positive, when v is too short, or when the radii admit no
// ring (a null or negative sum of radii, a ring circle too large to fit beside its neighbour).

#include <span>

#include "kernel/real.h"

namespace kernel {

void Kind169Plane2(std::span<Point2> v, std::span<const Real, 3> radii, int n, bool closed);
void Kind169Sphere3(std::span<Point3> v, std::span<const Real, 3> radii, int n, bool closed);

}  // namespace kernel
