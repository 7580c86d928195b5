#pragma once
// Vertex positions of the unit figures of a Euclidean window from their measures: a triangle
// from two angles and the side between them (or three collinear points for a flat triangle), a
// triangle from three sides, and a parallelogram, kite or isosceles trapezoid from two sides and
// the angle between them.
//
// The measures are the six parameters p of the step. A new figure (building) is laid out afresh;
// an existing one keeps its first vertex and the direction from its first to its second vertex as
// the vertex array holds them, and only its shape is rebuilt.

#include <array>
#include <cstdint>
#include <span>

#include "kernel/real.h"

namespace kernel {

using TriangleParameters = std::array<Real, 6>;

// Degenerate codes of a flat triangle (the step's operand 20): the third, first or second vertex
// lies between the other two. Any other value is the ordinary case.
inline constexpr std::uint16_t kFlatThirdBetween = 16;
inline constexpr std::uint16_t kFlatFirstBetween = 17;
inline constexpr std::uint16_t kFlatSecondBetween = 18;
inline constexpr std::uint16_t kNotFlat = 0xFFFF;

// p0 and p2 angles in radians at the third and second vertex, p1 the side between them (after
// SolveTrianglePlane p3 and p5 hold the first and third sides). Writes the three vertices
// counter-clockwise; 1 and nothing written when an angle (or pi - p0 - p2) is below 1e-16. A flat
// triangle (code 16, 17, 18) is laid on a line and the code becomes kNotFlat.
int SolveTriangleASA(TriangleParameters& p, std::uint16_t& degenerate_code, bool building,
                     std::span<Point2, 3> vertices);

// p0, p1, p2 three sides: moves the first and third to p3 and p5, turns p0 and p2 into the angles
// opposite them and places the triangle by SolveTriangleASA, whose result it returns.
int SolveTrianglePlane(TriangleParameters& p, std::uint16_t& degenerate_code, bool building,
                       std::span<Point2, 3> vertices);

// The figure kinds of PlaceQuadrilateral.
inline constexpr std::uint16_t kParallelogramKind = 56;
inline constexpr std::uint16_t kKiteKind = 58;

// p0 the side from the first vertex to the second, p1 the angle at the first vertex (radians), p2
// the side from the first vertex to the fourth. A new figure draws its first vertex at random
// below and left of the view centre (p3, p4 receive the offsets). Kind 56 a parallelogram, 58 a
// kite, any other an isosceles trapezoid.
void PlaceQuadrilateral(std::uint16_t kind, TriangleParameters& p, bool building, std::span<Point2, 4> vertices,
                        const Point2& view_centre, Real half_width, Real half_height);

}  // namespace kernel
