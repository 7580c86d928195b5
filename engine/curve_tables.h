#pragma once
// The look-ups and additions on the figure's line, circle, hypercycle and horocycle tables: an
// existing curve found by the points on it, a newly made point listed on a curve (on a line at its
// place in order along the line), and the triangle a step names by its first three operands.
// Searches run from index 0 upward and return the first match; none of them changes the tables.

#include <array>
#include <cstdint>
#include <string>

#include "engine/figure_tables.h"
#include "engine/geometry_model.h"
#include "kernel/construction_record.h"

namespace engine {

// The most points a curve lists.
inline constexpr int kCurvePointLimit = 50;
inline constexpr int kMsgDuplicateLabel = 122;

// The first existing line listing both p and q; -1 when none, or at once when p or q lies outside
// 0..last point or p equals q.
int FindLineThrough(const FigureTables& t, int p, int q);
// The first existing circle of centre c listing p; with angle (degrees) 0 or more its arc angle
// must lie within 0.5 of it. -1 when none.
int FindCircle(const FigureTables& t, int c, int p, Real angle);
// The first existing circle whose centre lies within 1e-5 of centre and whose radius differs by
// less than 1e-5 from the distance centre to onCircle, in the window's geometry; -1 when none.
int FindEqualCircle(const FigureTables& t, const GeometryModel& model, const Point2& centre, const Point2& onCircle);
// The first existing hypercycle (horocycle) whose side record names line l and which lists p; -1
// when none, or at once when p or l is outside its table.
int FindHypercycleThrough(const FigureTables& t, int l, int p);
int FindHorocycleThrough(const FigureTables& t, int l, int p);

// Lists p on line i at its place along the line (in a 3-D window right after the first point);
// false when the line does not exist or lists 50 points.
bool AddPointToLine(FigureTables& t, const GeometryModel& model, int dimension, int p, int i);
// Appends p to the list of circle (hypercycle, horocycle) i; false when i is outside the table,
// the curve does not exist or lists 50 points.
bool AddPointToCircle(FigureTables& t, int p, int i);
bool AddPointToHypercycle(FigureTables& t, int p, int i);
bool AddPointToHorocycle(FigureTables& t, int p, int i);

// The triangle of operands 0 to 2 of the step: 2 when a vertex does not exist (the names of the
// vertices before it are in text), 122 when two are the same point, else 0 with the names of the
// three in text and their common tag (or -1) in tag.
int StepTriangle(const FigureTables& t, const kernel::ConstructionRecord& step, std::array<int, 3>& vertices,
                 std::string& text, int& tag);

}  // namespace engine
