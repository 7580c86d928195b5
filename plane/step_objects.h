#pragma once
// The objects the construction executors of centres, tangents and touching circles add, shared by
// their families: a new point with the tag of its inputs, a line or full circle with the pen of
// a step's attribute operands, and the points of a step triangle.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

#include "engine/step_engine.h"
#include "kernel/construction_record.h"
#include "kernel/line_circle_records.h"
#include "plane/step_operands.h"

namespace plane {

// A new point at p with the tag (-1 for none) and the next free label; its index, -1 when the
// point table is full.
int AddTaggedPoint(engine::StepEngine& e, const kernel::Point2& p, int tag);

// A new full circle about centre listing the points in order; its radius in the window's
// geometry is the distance from the centre to the first listed point. Its index, -1 when the
// circle table is full.
int AddFullCircle(engine::StepEngine& e, int centre, std::initializer_list<int> listed,
                  const kernel::LinePen& pen);

// A new line from a to b with the pen (its geodesic filled in a hyperbolic window); its index,
// -1 when the line table is full.
int AddStepLine(engine::StepEngine& e, int a, int b, const kernel::LinePen& pen);

// "<new point> = <word>(<text 1>)": the description of a centre of the step's triangle.
void DescribeTriangleCentre(engine::StepEngine& e, std::string* out, int word);

// The foot of the perpendicular from p on the line ab in the window's geometry; false when a and
// b coincide.
bool FootInModel(const engine::GeometryModel& model, const kernel::Point2& p, const kernel::Point2& a,
                 const kernel::Point2& b, kernel::Point2& foot);

// The coordinates of three points.
std::array<kernel::Point2, 3> TrianglePoints(const engine::FigureTables& t, const std::array<int, 3>& v);

}  // namespace plane
