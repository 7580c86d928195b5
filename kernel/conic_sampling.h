#pragma once
// Conics drawn as chains of points: an ellipse or hyperbola sampled over one turn of its
// parameter, a parabola sampled along the part of its directrix across a box, and the pieces of
// such a chain that show in a box, each one run to draw as one polyline.

#include <cstdint>
#include <span>
#include <vector>

#include "kernel/conic_construction.h"
#include "kernel/plain_records.h"
#include "kernel/real.h"

namespace kernel {

// A point of a sampled curve; a break lifts the pen (its point means nothing).
struct CurveSample {
  Point2 p;
  bool brk = false;
};

inline constexpr int kCentralConicSteps = 150;
inline constexpr int kParabolaSteps = 300;

// One turn of the parameter in 150 steps (151 samples, the last at the first's parameter).
// Ellipse: centre + cos t A + sin t B. Hyperbola: centre + A / cos t + B tan t, both branches in
// the one turn: a break stands where cos t is below 1e-16 and wherever cos t changes sign, so
// that no chord joins the two branches across an asymptote.
void SampleCentralConic(const ConicAxes& axes, bool ellipse, std::vector<CurveSample>& out);

// The parabola of focus F and directrix D1 D2, over the part of the directrix from the foot of
// the box's centre on it out to each side as far as the farther of two adjacent corners of the
// box: for each of 301 directrix points D, the point where the perpendicular to the directrix at
// D meets the perpendicular bisector of F D. Nothing when D1 and D2 coincide or F lies on the
// directrix.
void SampleParabola(const Point2& focus, const Point2& d1, const Point2& d2, const Box2& box,
                    std::vector<CurveSample>& out);

// The visible runs of a sampled curve: each chain of consecutive samples (no break between)
// whose segments cross the box, cut to the box at its ends, as one polyline of at least two
// points. A curve that leaves the box and comes back gives one run per visible piece.
// A closed curve (its last sample repeats its first) that shows where it starts has its first and
// last runs joined into one.
void VisibleRuns(std::span<const CurveSample> samples, const Box2& box, std::vector<std::vector<Point2>>& runs,
                 bool closed = false);

}  // namespace kernel
