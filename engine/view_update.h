#pragma once
// The view after a step: every point and circle of the figure inside the view rectangle, the view
// widened with a margin when something sticks out (or fitted to the figure and the origin). The
// tables are only read.

#include "engine/figure_tables.h"
#include "engine/geometry_model.h"

namespace engine {

// A view as its centre and half extents.
struct ViewExtent {
  Point2 centre;
  Real half_width = 0;
  Real half_height = 0;
};

struct ViewUpdate {
  bool redraw_only = false;  // the Poincare disk: the view never changes, the figure is redrawn
  ViewExtent view;           // otherwise the new view
};

// The Euclidean radius of circle i: the distance from its centre to its first point; 0 outside
// the table or for a squared distance up to 1e-31.
Real CircleRadius(const FigureTables& tables, int i);

// The largest coordinate a view reaches: every view value, and its square, stays a finite double
// for the drawing layers. A point or circle beyond it is left out of any fit.
inline constexpr Real kViewCoordinateLimit = static_cast<Real>(1e100L);
// True when p is finite and within kViewCoordinateLimit on both axes.
bool WithinViewLimit(const Point2& p);
// True when some existing point of the figure is not WithinViewLimit: no view can show it.
bool FigureBeyondViewLimit(const FigureTables& tables);

// keep_view: keep the view (lower-left and upper-right corners) unless something sticks out, then
// widen it to 1.2 times the box of the old view and the figure; otherwise fit the view to 1.3
// times the box of the figure and the origin.
ViewUpdate UpdateView(const FigureTables& tables, const GeometryModel& model, const Point2& lower_left,
                      const Point2& upper_right, bool keep_view);

}  // namespace engine
