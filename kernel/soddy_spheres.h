#pragma once
// The two Soddy spheres of four spheres that touch each other: the two further spheres that touch
// all four. Inverted about the point where the first two spheres touch, those two become parallel
// planes and the other two equal spheres between them; each wanted sphere becomes one more sphere
// of that size, touching both planes and both equal spheres.

#include <span>

#include "kernel/real.h"

namespace kernel {

// points, on entry: [0] the touching point T of the first two spheres; [1] and [3] the points
// where the third sphere touches the first and the second; [2] and [4] those of the fourth sphere;
// [5] is inverted with the others but not used; [6] and [7] are working space.
// On return (when the construction got as far as the sphere fits): four contact points of each
// result, [0..3] on the first sphere and [4..7] on the second.
// True when both spheres were found; then centres and radii hold them. The two are not sorted by
// size. False, with centres and radii unwritten, when the images of the third and fourth spheres
// lie on one line across the planes, or when a sphere fit fails (four coplanar points).
bool SoddySpheresSolve(std::span<Point3, 2> centres, std::span<Point3, 8> points, std::span<Real, 2> radii);

}  // namespace kernel
