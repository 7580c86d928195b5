#pragma once
// Position codes of the line-and-curve intersections (line with circle, conic or sphere).
// A line is given by two points A and B; positions are along it, A at 0 and B at 1.

#include <cstdint>

namespace kernel {

using KernelResult = std::uint16_t;

inline constexpr KernelResult kNoPoint = 30;              // no common point, or a degenerate line
inline constexpr KernelResult kTouchBeforeA = 1;          // one touching point before A
inline constexpr KernelResult kTouchOnSegment = 2;        // one touching point on AB
inline constexpr KernelResult kTouchBeyondB = 33;         // one touching point beyond B
inline constexpr KernelResult kTwoBeforeA = 3;            // both points at or before A
inline constexpr KernelResult kFirstOnSecondBeyond = 4;   // first inside AB, second at or beyond B
inline constexpr KernelResult kFirstBeforeSecondOn = 5;   // first at or before A, second inside AB
inline constexpr KernelResult kTwoOnSegment = 6;          // both strictly inside AB
inline constexpr KernelResult kTwoAroundSegment = 35;     // A and B both lie between the two points
inline constexpr KernelResult kTwoBeyondB = 67;           // both points at or beyond B
inline constexpr KernelResult kExactlyOnePoint = 40;      // a line parallel to a parabola's axis or an asymptote

// True for the codes that stand for a single point (touching, or exactly one point).
inline constexpr bool IsSinglePoint(KernelResult code) { return code % 32 == 8 || code % 32 < 3; }

}  // namespace kernel
