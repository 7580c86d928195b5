#pragma once
// The points whose place follows the parameter kept in their attribute record: points that slide
// on a segment, line, circle, hypercycle, horocycle or polygon. Each replay places such a point
// from that parameter, so a trace or a graph can run it through a range. Every other point (a
// free point, a point at a typed ratio or angle, a constructed point) is placed by its step alone.

namespace engine {

class StepEngine;

bool PointHasParameter(const StepEngine& engine, int point);

}  // namespace engine
