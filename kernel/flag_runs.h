#pragma once
// Which segments of a flagged polyline are drawn. Each point has a flag; the run value of a point
// is -1 when it is flagged, else it counts 0, 1, 0, 1 ... from the last flagged point (or from the
// start). Segment i joins points i - 1 and i.

#include <cstdint>

namespace kernel {

// The run value of a point from that of the point before it (the first point: previous = -1).
inline int NextFlagRun(int previous, bool flagged) { return flagged ? -1 : (previous + 1) % 2; }

// Mode 0 draws every segment; every mode draws a segment between two flagged points; mode 1 also
// draws every other segment of an unflagged run (a dashed look).
inline bool FlaggedSegmentDrawn(int runBefore, int runAfter, int mode) {
  return mode == 0 || (runBefore < 0 && runAfter < 0) || (mode == 1 && runBefore == 0 && runAfter == 1);
}

}  // namespace kernel
