#pragma once
// The two Soddy circles of three circles that touch each other: the two circles that touch all
// three. The construction starts from three touching points, O where the first two circles touch,
// P where the third touches the first and Q where it touches the second, and works in the picture
// inverted about O, where the first two circles are parallel lines. Each Soddy circle comes back
// as four points: entry 0 its centre, entries 1 to 3 the points where it touches the given circles.

#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace kernel {

inline constexpr int kSoddyCirclesBuilt = 0;
inline constexpr int kSoddyCircleMissing = 20;  // at most one of the two circles was built

// Plane: points = (O, P, Q). A valid circle comes first; of two valid circles the smaller (the
// inner Soddy circle) is written to a and the larger to b. An invalid circle has the centre (0, 0).
// kSoddyCirclesBuilt when both circles were built, kSoddyCircleMissing otherwise.
int Kind127Plane2(std::span<const Point2, 3> points, std::span<Point2, 4> a, std::span<Point2, 4> b);

// Result bits of the sphere construction.
inline constexpr std::uint16_t kSoddySphereFrameFailed = 3;  // the frame or the projection failed
inline constexpr std::uint16_t kSoddyCentreBMissing = 1;
inline constexpr std::uint16_t kSoddyCentreAMissing = 2;

// Unit sphere: frame = (S0, S1, S2) fixes the frame (the pole of S1 x S2, turned towards S0, gives
// the direction of the two circles' images); projected = (K, U1, U2), K where the first two
// circles touch and U1, U2 where the third touches them. The construction runs in the stereographic
// projection from K. Circle a lies on the side of S0. Returns kSoddySphereFrameFailed when S1, S2
// are parallel or U1 or U2 is at K; otherwise 0 plus kSoddyCentreBMissing and kSoddyCentreAMissing
// for a centre that could not be found.
std::uint16_t Kind127Sphere3(std::span<const Point3, 3> frame, std::span<const Point3, 3> projected,
                             std::span<Point3, 4> a, std::span<Point3, 4> b);

// rows[0] v.x + rows[1] v.y + rows[2] v.z: from frame coordinates to the world.
Point3 MatVec3(std::span<const Point3, 3> rows, const Point3& v);

}  // namespace kernel
