#pragma once
// The geometry a window shows (Euclidean plane, Poincare disk, upper half-plane, sphere), the
// result codes of the model-aware primitives and constructions, and the drawn form of a geodesic.

#include <array>
#include <cstdint>

#include "kernel/real.h"

namespace engine {

// The model flags of a geometry window. A plain Euclidean window has all three clear.
struct GeometryModel {
  bool Hyperbolic = false;  // the window shows the hyperbolic plane
  bool HalfPlane = false;   // hyperbolic points are held in the upper half-plane (y > 0), not the unit disk
  bool Spherical = false;   // the window shows spherical geometry
};

inline constexpr GeometryModel kEuclideanPlane{};
inline constexpr GeometryModel kPoincareDisk{true, false, false};
inline constexpr GeometryModel kUpperHalfPlane{true, true, false};

// Result codes of the primitives and constructions (0 is success).
using GeometryResult = std::uint16_t;
inline constexpr GeometryResult kGeometryOk = 0;
// The point lies inside or on the circle.
inline constexpr GeometryResult kPointInsideCircle = 6;
// A construction mode the operation does not know.
inline constexpr GeometryResult kModeOutOfRange = 9;
// A line misses a circle, or two circles do not meet.
inline constexpr GeometryResult kNoSolution = 30;
// Defining points coincide, or a circle is degenerate.
inline constexpr GeometryResult kDegenerateInput = 127;
// The plane of a spherical side is undefined.
inline constexpr GeometryResult kSidePlaneUndefined = 129;
// Two lines do not meet.
inline constexpr GeometryResult kLinesDoNotMeet = 138;

// A geodesic as drawn: [0] the ideal end beyond the first point, [1] the ideal end beyond the
// second point, [2] the Euclidean centre of the circle that carries it (for a straight geodesic,
// the value each operation notes). An end at infinity holds the far value HugeReal.
using GeodesicEnds = std::array<kernel::Point2, 3>;

}  // namespace engine
