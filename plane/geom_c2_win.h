#pragma once
// The plane step executors of movable points, intersections, centres, angles, perpendiculars,
// parallels, tangents, transformations, deletions, tangent circles, hyperbolic curves and conics.
// Each family of executors lives in a file of its own and follows engine/step_contract.h.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/real.h"
#include <vector>

#include "plane/geom_c1_win.h"
#include "plane/plane_file_pieces.h"

namespace plane {

class TGeomC2Win : public TGeomC1Win {
 public:
  TGeomC2Win(platform::FrameWindow* parent, std::string_view title);

  // A kind the plane windows cannot run (a kind of another window, or one read from a damaged
  // file): the step fails with 1 and leaves the placeholders of what it would have made
  // (unexecuted_steps.cpp). The step layer's own kinds run as there.
  int Unexecuted(int kind, std::string* out) override;

  // Kind 121: a free point, at the position waiting in the entry after the last point, named by
  // the label in operand 0 (point_executors.cpp).
  int DoMovablePoint(std::string* out) override;
  // Kind 122: the point at two typed coordinate expressions; 0 or the compiler's code.
  int DoKind122(std::string* out) override { return DoCoordinatePoint(out); }
  int DoCoordinatePoint(std::string* out);

  // --- Intersections (intersection_executors.cpp) -------------------------------------------
  // Other > Autoextend: intersections count on the whole line, not only on its drawn part.
  bool autoExtend = false;
  // Kind 103: the point where two lines (records or axes) meet; -1 when it lies outside the view,
  // -2 (hyperbolic, Autoextend on) when it lies beyond a drawn segment.
  int DoIntersection103(std::string* out) override;
  // Kind 104: the points of a line and a circle; kind 105: of two circles; kind 100: of a line and
  // a conic given by foci, focus and directrix, five points or an equation (operand 7).
  int DoLineCircleIntersection(std::string* out) override;
  int DoCircleCircleIntersection(std::string* out) override;
  int DoLineCurveIntersection(std::string* out) override;
  // Whether P lies on the drawn part of line record `line` (always with Autoextend on).
  bool PointOnLinePart(int line, const kernel::Point2& p) const;
  // Whether P lies on the drawn part (the arc) of circle record `circle`.
  bool PointOnCircleArc(int circle, const kernel::Point2& p) const;
  // The drawn-part test alone, whatever Autoextend says.
  bool OnDrawnLinePart(int line, const kernel::Point2& p) const;
  // A computed point this close to an existing one is that point: 0.001 of a pixel's width.
  kernel::Real ReuseTolerance() const;

  // --- Hyperbolic curve intersections (hyperbolic_curve_intersections.cpp) ----------------------
  // Kinds 171 to 177: the points where a line or circle meets a hypercycle or horocycle, or two of
  // those curves meet (operands 0 and 1; operand 2 a point the two already share). 2 when an
  // object is missing or the curves do not meet, 14 when a point could not be listed on them.
  int DoLineHypercycleIntersection(std::string* out) override;
  int DoCircleHypercycleIntersection(std::string* out) override;
  int DoHypercycleHypercycleIntersection(std::string* out) override;
  int DoHorocycleHorocycleIntersection(std::string* out) override;
  int DoLineHorocycleIntersection(std::string* out) override;
  int DoCircleHorocycleIntersection(std::string* out) override;
  int DoHypercycleHorocycleIntersection(std::string* out) override;
  enum class IntersectedCurve { kLine, kCircle, kHypercycle, kHorocycle };

  // --- Hyperbolic construction dialogs (hyperbolic_step_creators.cpp) ---------------------------
  // A line typed as two of its points and a point: the parallel (kind 119), the equidistant curve
  // (130) and the horocycle (138); the two lines of a common perpendicular (139). 0, or 2 for a
  // point or line not named, 122 for a line named by one point twice, 135 for two points with no
  // line through them, or the executor's result (the step is then not kept).
  int DoParallelNonEuclidean(std::string& lineText, std::string& pointText) override;
  int DoEquidistantCurve(std::string& lineText, std::string& pointText) override;
  int DoHorocycleThrough(std::string& lineText, std::string& pointText) override;
  int DoCommonPerpendicular(std::string& firstText, std::string& secondText) override;
  // Point > on Segment (n = 1: for each typed pair AB a point at the coordinate on segment AB,
  // kind 101) and in Triangle (n = 2: a point at the two coordinates of triangle ABC, kind 106)
  // (relative_point_steps.cpp). 0, or 1, 2, 122 (a point twice), 135 (no segment) or the
  // executor's code; the steps made before a failure stay.
  int DoRelativePoint(int n, std::string& points, std::string& first, std::string& second,
                      std::string& third) override;
  int NewLinePointCurveStep(int kind, std::string& lineText, std::string& pointText);
  int DoCurveIntersection(IntersectedCurve first, IntersectedCurve second, std::string* out);

  // --- Conic inventory steps (conic_inventory_executors.cpp) ----------------------------------
  // Kind 203: a point at parameter t (text 1) on a conic by focus and directrix, by foci and a
  // point, or by foci and eccentricity (text 2).
  int DoConic(std::string* out) override;
  // Kind 211: the centre, a focus and its vertex, or the asymptotes of a conic through five points
  // or of a typed equation; 10 when the conic has no such feature.
  int DoKind211(std::string* out) override;
  // Kind 212: the asymptotes of a hyperbola by foci, by focus and directrix, or by foci and a point.
  int DoKind212(std::string* out) override;
  // The six coefficients from "a,b,c,d,e,f,", each evaluated in turn; the first error's code.
  int EvaluateConicEquation(const std::string& joined, std::array<kernel::Real, 6>& coef);
  // The step creators of the conic dialogs: each makes its step and runs it as a new step; the
  // executor's result (a step that fails is not kept).
  int NewConicFeatureStep(int feature, int points, int lines, std::string_view equation);
  int NewConicFeatureStepFromPoints(int feature, int points, int lines, std::span<const int, 5> five);
  int NewAsymptotesStep(int p0, int p1, int p2, int form, std::string_view eccentricity);
  // A point at the typed parameter on the conic at a position of the three-point list (inventory
  // 3) or of the two-foci list (any other inventory); 6 when the list has no such position.
  int NewConicPointStep(int position, std::string_view parameter, int inventory);

  // --- Lines and circles by equation (analytic_executors.cpp) ----------------------------------
  // Kind 205: the line of "a,b,c,d," (form 0 ax + by = c, the fourth field unread), "h,k,_,m,"
  // (form 1 y = k + m(x - h)) or "h,k,a,b," (form 2 (x,y) = (h,k) + t[a,b]) through two points
  // fixed along it by the step's parameters; 6 when the normal or direction is null.
  int DoAnalyticLine(std::string* out) override;
  // Kind 206: the circle of centre (x, y) and radius r (form 0; a negative r gives radius |r|) or
  // of xx + yy + ax + by = c (form 1; 6 when the radius squared is negative), its centre and a
  // point on it at the turn the step's parameter gives.
  int DoAnalyticCircle(std::string* out) override;
  // The creators of the analytic line and circle dialogs: the step in the colour of analytic
  // objects and the current thickness and style, with its random parameters; the executor's result.
  int NewAnalyticLineStep(std::string_view fields, int form);
  int NewAnalyticCircleStep(std::string_view x, std::string_view y, std::string_view r, int form);

  // --- Tangents to conics (conic_tangent_executor.cpp) -----------------------------------------
  // Kind 210: the tangents from a point to a conic by two foci, three points, five points or an
  // equation: their points of contact and the lines; 9 when the point lies inside the conic. A
  // point on the conic gives its one tangent, and the step keeps room for the second.
  int DoTangentToConic(std::string* out) override;
  // Curve class 0: tangents to a circle (the shared command). Any other class: tangents from the
  // named point to the conic at the running index over the conic lists (kind 210); the code,
  // already shown.
  int NewTangentStep(int curve, std::string pointText, int curveClass) override;
  // --- The conic lists in the candidate dialogs (line_conic_commands.cpp) ----------------------
  // Kind 100 of line l (or an axis) and the conic at the running index: 0 or the code (not shown).
  int NewLineCurveIntersection(int line, int curve) override;
  // One text per conic, in running-index order (the two-foci, three-point, five-point and
  // equation lists).
  void AppendCurveTexts(std::vector<std::string>& lines) const override;
  // Centres, centroids and the nine-point circle of a triangle (centre_executors.cpp).
  int DoNinePointCircle(std::string* out) override;
  int DoPointInTriangle(std::string* out) override;
  int DoIncenter(std::string* out) override;
  int DoCentroid(std::string* out) override;
  int DoCircumcenter(std::string* out) override;
  int DoFermatPoint(std::string* out) override;
  int DoCircumcenter131(std::string* out) override;  // the circumcircle
  // Brocard point, orthocentre, incircle and excircle (triangle_centre_executors.cpp).
  int DoFermatPoint126(std::string* out) override;  // the Brocard point
  int DoOrthocenter(std::string* out) override;
  int DoIncenter132(std::string* out) override;
  int DoExcenter(std::string* out) override;
  // Tangents from a point, at a point and common to two circles (tangent_executors.cpp).
  int DoTangentToCircle(std::string* out) override;
  int DoTangentToCircle2(std::string* out) override;
  int DoCommonTangents(std::string* out) override;
  // Three touching circles about a triangle's vertices and the Soddy circles (soddy_executors.cpp).
  int DoTangentCircles(std::string* out) override;
  int DoKind127(std::string* out) override;  // the Soddy circles
  // Rays at an angle (angle_executors.cpp).
  int DoAngleBisector(std::string* out) override;
  int DoAngle(std::string* out) override;
  // Perpendiculars, parallels and feet (perpendicular_executors.cpp).
  int DoPerpendicularParallel(std::string* out) override;
  int DoPerpendicular(std::string* out) override;
  int DoParallel(std::string* out) override;
  // Orthogonal arcs, hypercycles and horocycles (orthogonal_curve_executors.cpp).
  int DoOrthogonalArc(std::string* out) override;
  int DoHypercycle(std::string* out) override;
  int DoHorocycle(std::string* out) override;
  // Point deletion and the regular polygon on a side (deletion_executors.cpp).
  int DoDeletePoint(std::string* out) override;
  int DoKind149(std::string* out) override;
  // Translations, rotations with dilation, reflections, inversions, glide reflections and attached
  // copies (transformation_executors.cpp).
  int DoTranslate(std::string* out) override;
  int DoTransform146(std::string* out) override;
  int DoTransform147(std::string* out) override;
  int DoInvert(std::string* out) override;
  int DoGlideReflect(std::string* out) override;
  int DoKind155(std::string* out) override;

  // --- Figures attached from a source window (attached_points.cpp) ----------------------------
  // The window's attached-point lists (none below the window class that keeps them).
  virtual std::vector<AttachedPointList>* attachedLists() { return nullptr; }
  // The images of the last similarity map, by source index.
  std::vector<kernel::Point2> imagePoints;
  // Maps points 0 to n by the direct similarity carrying a[0] onto b[0] and a[1] onto b[1] into
  // imagePoints: 0, or 123 (nothing changed) when a[0] and a[1] coincide.
  int MapPointsBySimilarity(const std::array<kernel::Point2, 2>& a, const std::array<kernel::Point2, 2>& b, int n,
                            std::span<const kernel::Point2> points);
  // For each image point 0 to n, the window point that stands for it (an existing point there
  // when "Save labels" is on, else the next new index) and, for a new one, the label it will
  // take (0xFFFF otherwise). The number of new points; nothing is added.
  int FindPointAt(int n, std::span<std::uint16_t> index, std::span<std::uint16_t> label);
  // Kind 157: the points of an attached-point list carried onto two window points.
  int DoKind157(std::string* out) override;
  // Arrays of touching circles: rectangular (kind 167) and triangular (168) (circle_array_executors.cpp).
  int DoKind167(std::string* out) override;
  int DoKind168(std::string* out) override;
  // A point may slide along a polygon only when the polygon turns one way at every vertex
  // (convexity_check.cpp): 0, else 144.
  int CheckConvexPolygon(std::span<const std::uint16_t> list) override;
};

}  // namespace plane
