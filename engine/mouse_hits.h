#pragma once
// Which lines, circles, hypercycles and horocycles pass near a mouse click, in the Euclidean plane
// or in a hyperbolic model. Each search walks its table from index 0 up, skips deleted entries and
// stops at the second hit (no ranking by distance). Every single-object test that hits moves the
// click onto the object, so the next object of the same search is tested against that point.
// Also two small questions about points: whether a point defines a circle or a two-point line,
// and whether a point coincides with one of a typed list.

#include <string>

#include "engine/figure_tables.h"
#include "engine/geometry_model.h"

namespace engine {

// The objects a search found: first and second in table order, -1 for none, and the position of
// the click on the last object hit.
struct ObjectsAtClick {
  int first = -1;
  int second = -1;
  Real parameter = 0;
  Point2 snapped;  // the click moved onto the last object hit
  bool Any() const { return first >= 0; }
};

// The Euclidean line test, for the line through A (t = 0) and B (t = 1): the foot of the
// perpendicular from P must lie in the square box of half side `tolerance` about P; then P becomes
// the foot and t its parameter, and the hit counts when the foot lies between A and B or on a side
// where the line goes on.
bool LineHit(const Point2& a, const Point2& b, Point2& p, Real& t, Real tolerance, bool continuesBefore,
             bool continuesAfter);
// The Euclidean circle test about C through Q over arc angle w (degrees, signed; its fraction at
// the click comes back through arcAngle, -1 for a null arc): the click must lie within tolerance
// of the rim; P then moves onto the rim. A hit lies strictly inside the arc.
bool CircleHit(const Point2& c, const Point2& q, Real& arcAngle, Real tolerance, Point2& p);
// The same about the hyperbolic centre C, measured in the disk centred at C; the arc's ends count.
bool HyperbolicCircleHit(const GeometryModel& model, const Point2& c, const Point2& q, Real& arcAngle,
                         Real tolerance, Point2& p);
// -1 when P lies before the first listed point of hyperbolic line `line` where the line does not
// go on, 1 when beyond its last point where it does not go on, else 0.
int SegmentSide(const FigureTables& tables, const GeometryModel& model, int line, const Point2& p);
// The position of P on hyperbolic line `line` as a ratio of hyperbolic distances: 0 at point
// `first`, 1 at point `last`.
Real HyperbolicLineParameter(const FigureTables& tables, const GeometryModel& model, int line, const Point2& p,
                             int first, int last);
// The hyperbolic line test: the foot of the perpendicular from P within a taxicab distance of
// tolerance, on the drawn part of the line.
bool HyperbolicLineHit(const FigureTables& tables, const GeometryModel& model, int line, Point2& p, Real tolerance,
                       Real& t);

// The searches (tolerance in world units). FindCirclesAt's parameter is the fraction of the arc,
// 0.5 when nothing was hit; the curve searches give no parameter.
ObjectsAtClick FindLinesAt(const FigureTables& tables, const GeometryModel& model, Point2 p, Real tolerance);
ObjectsAtClick FindCirclesAt(const FigureTables& tables, const GeometryModel& model, Point2 p, Real tolerance);
ObjectsAtClick FindHypercyclesAt(const FigureTables& tables, Point2 p, Real tolerance);
ObjectsAtClick FindHorocyclesAt(const FigureTables& tables, Point2 p, Real tolerance);

// Messages of FindObjectOfPoint.
inline constexpr int kMsgDefinesLine = 133;
inline constexpr int kMsgDefinesCircle = 134;
// 134 when point i is the centre of an existing circle or the only point listed on one; else 133
// when it is one of the two points of an existing line that lists only two; else 0.
int FindObjectOfPoint(const FigureTables& tables, int i);
// False when a point of the typed list lies within a taxicab distance of 1e-13 of P.
bool IsDistinctFromList(FigureTables& tables, const std::string& listText, const Point2& p);

}  // namespace engine
