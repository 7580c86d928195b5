#pragma once
// The frames a spherical figure keeps beside its lines and circles, as plain data: for each line
// the frame of the great circle through its two points, for each circle the frame of the circle
// about its pole. They are filled by the steps that make the lines and circles and emptied with
// the tables before a replay.

#include <array>
#include <cstdint>
#include <vector>

#include "kernel/real.h"

namespace engine {

// For a line through A and B: vectors A, P = N x A (the unit vector a quarter turn on from A along
// the great circle) and the pole N = A x B normalised; angle the arc length from A to B. The point
// at position t of the line is A cos t + P sin t. A line whose points are equal or antipodal has no
// pole: its record is cleared (framed 0).
// For a circle of pole C through B: vectors M = (C.B) C (the circle's centre in space), U = B - M
// and V = C x U; angle the latitude of B above the circle's equator (pi / 2 minus its angular
// radius). The point at position t is M + U cos t + V sin t.
struct SphereSideRecord {
  std::array<kernel::Point3, 3> vectors{};
  kernel::Real angle = 0;
  std::uint8_t framed = 0;
};

struct SphereFrames {
  std::vector<SphereSideRecord> lines;    // one per line, 9001 when allocated
  std::vector<SphereSideRecord> circles;  // one per circle, 1001 when allocated

  // Only the spherical windows keep frames; the tables of other windows stay empty.
  void Allocate();
  bool allocated() const { return !lines.empty(); }
  // Clears the records of lines 0..lastLine and circles 0..lastCircle.
  void Clear(int lastLine, int lastCircle);
};

// The frame of the great circle from A to B (the record cleared when A and B have no pole).
void FillLineFrame(const kernel::Point3& A, const kernel::Point3& B, SphereSideRecord& record);
// The frame of the circle about the unit pole C through B.
void FillCircleFrame(const kernel::Point3& C, const kernel::Point3& B, SphereSideRecord& record);

}  // namespace engine
