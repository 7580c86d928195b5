#pragma once
// The plane step executors of random figures and units, circles, arcs, magnified copies, vector
// sums, tessellation units and hyperbolic triangles from data.

#include <array>
#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>
#include <string_view>

#include "kernel/hyperbolic_tiling.h"
#include "kernel/real.h"
#include "plane/geom_c_win.h"

namespace plane {

class TGeomC1Win : public TGeomCWin {
 public:
  TGeomC1Win(platform::FrameWindow* parent, std::string_view title);

  // Circles and arcs from a centre and data, and vector sums (circle_arc_executors.cpp).
  int DoCircleCenterRadius(std::string* out) override;
  int DoArcCenter(std::string* out) override;
  int DoArcCenter2(std::string* out) override;
  int DoKind95(std::string* out) override;
  int DoVectorSum(std::string* out) override;
  // The magnified copy of a selection (transformation_executors.cpp), at the image positions drawn
  // when the step was made, or where its images were dragged since.
  int DoKind90(std::string* out) override;
  // Where the images of each magnified copy lie, by the copy's history position, in the order of
  // their sources. A copy read from a file has none: its images stay where the point table has them.
  std::map<int, std::vector<kernel::Point2>> magnifiedCopyPlaces;
  // After points were dragged (all of them with everything): the images of magnified copies among
  // them keep their new places on every later execution.
  void KeepMagnifiedCopyPlaces(std::span<const std::uint16_t> moved, bool everything);
  // --- Random figures (random_figure_executors.cpp) -----------------------------------------------
  // Kinds 54, 57, 59 to 62, 65, 71 to 73, 75: free vertices placed at random while the step is new
  // (building flag), kept where they are (or dragged) on every later execution.
  int DoRandomCircle(std::string* out) override;
  int DoRandomTrapezoid(std::string* out) override;
  int DoRandomParallelogram(std::string* out) override;
  int DoRandomTriangle(std::string* out) override;
  int DoRandomRightTriangle(std::string* out) override;
  int DoKind62(std::string* out) override;
  int DoRandomKite(std::string* out) override;
  int DoRandomIsoscelesTrapezoid(std::string* out) override;
  int DoRandomRectangle(std::string* out) override;
  int DoRandomIsoscelesTriangle(std::string* out) override;
  int DoRandomRhombus(std::string* out) override;
  // The Euclidean parallelogram, rhombus and kite, and the triangle from two angles and a side,
  // placed from the step's parameters.
  void RandomFigureHook(std::uint16_t kind) override;
  int SolveTriangleASA() override;
  // The Euclidean triangle from three sides (side-angle-side and hypotenuse-leg arrive so).
  int SolveTrianglePlane() override;
  // The hyperbolic triangles from three angles, two sides and their angle, or three sides,
  // placed in the window's model (hyperbolic_triangle_solvers.cpp).
  int SolveTriangleAAAHyperbolic() override;
  int SolveTriangleSASHyperbolic(bool quadrilateral) override;
  int SolveTriangleSSSHyperbolic() override;

  // --- Units (unit_executors.cpp) ---------------------------------------------------------------
  // Kind 55: a regular or star polygon of a typed side (or, hyperbolic, of a typed angle).
  int DoRegularPolygon(std::string* out) override;
  // Kind 64: a segment of typed length and direction from a free first point.
  int DoUnitSegment(std::string* out) override;
  // Kind 66: an m x n grid of points of typed width, height and inclination, with gridlines when
  // the flag byte asks; m and n from 2 to 50.
  int DoUnitGrid(std::string* out) override;

  // --- Tessellation units (tessellation_unit_executors.cpp) -------------------------------------
  // Kinds 11 to 21: a unit of regular polygons from its table (plane/tessellation_units.h), turned
  // by the inclination of text 1 while the step is new; its points and sides are numbered from the
  // first entries the unit takes. Kind 21 with the flag byte 1 is the left-handed unit.
  int DoTess33344(std::string* out) override { return DoTessellationUnit(11, out); }
  int DoTess3636(std::string* out) override { return DoTessellationUnit(12, out); }
  int DoTess333333(std::string* out) override { return DoTessellationUnit(13, out); }
  int DoHexagonTess(std::string* out) override { return DoTessellationUnit(14, out); }
  int DoTess488(std::string* out) override { return DoTessellationUnit(15, out); }
  int DoTess4444(std::string* out) override { return DoTessellationUnit(16, out); }
  int DoTess4612(std::string* out) override { return DoTessellationUnit(17, out); }
  int DoTess3464(std::string* out) override { return DoTessellationUnit(18, out); }
  int DoTess31212(std::string* out) override { return DoTessellationUnit(19, out); }
  int DoTess33434(std::string* out) override { return DoTessellationUnit(20, out); }
  int DoTess33336r(std::string* out) override { return DoTessellationUnit(21, out); }
  int DoTessellationUnit(int kind, std::string* out);
  // Kind 22: a random quadrilateral and the images of its first two vertices under the half-turn
  // about the midpoint of its third side, which follow the quadrilateral when it is dragged.
  int DoQuadTess(std::string* out) override;
  // Kind 30: the tessellation of the hyperbolic plane by the triangle group (p, q, r) of operands 0
  // to 2, grown by the layers of operand 3 (hyperbolic_tessellation_executor.cpp).
  int DoHyperbolicTessellation(std::string* out) override;

  // --- Points on objects (points_on_objects.cpp) -------------------------------------------------
  // Each adds a point at the parameter t on the object, tagged as the points that define it, and
  // lists it on the object: 0, else 4 when the point table is full (nothing added), 9 (segments) or
  // 14 (the other objects) when the object cannot list it (the point is made all the same).
  using engine::StepExecutors::PlacePointOnCircle;
  using engine::StepExecutors::PlacePointOnSegment;
  // The point A + t (B - A) on line `line`.
  int PlacePointOnSegment(int a, int b, int line, kernel::Real t);
  // The point at hyperbolic distance t d(A, B) from A towards B.
  int PlacePointOnSegmentHyperbolic(int a, int b, int line, kernel::Real t);
  // Q turned about the centre C by t radians.
  int PlacePointOnCircle(int centre, int q, int circle, kernel::Real t);
  // Q turned about the circle's centre by t radians in the hyperbolic plane.
  int PlacePointOnCircleHyperbolic(int circle, int q, kernel::Real t);
  // On hypercycle or horocycle h of the disk (kernel/points_on_curves.h).
  int PlacePointOnHypercycle(int h, kernel::Real t);
  int PlacePointOnHorocycle(int h, kernel::Real t);

  // Kinds 81 and 82: a sliding point at a random parameter on a segment or circle.
  int DoRandomPointOnSegment(std::string* out) override;
  int DoRandomPointOnCircle(std::string* out) override;

 private:
  // The last tiling built, for p, q, r, the layers and the room left for points and sides: the
  // executions after the first lay its sides again without building it anew.
  const kernel::HyperbolicTiling* TilingFor(const std::array<int, 6>& key);
  std::array<int, 6> tilingKey_{-1, -1, -1, -1, -1, -1};
  bool tilingBuilt_ = false;
  kernel::HyperbolicTiling tiling_;
  // Adds point p with the tag and lists it through list(); the codes of the Place operations.
  template <class ListFn>
  int AddListedPoint(const kernel::Point2& p, std::uint16_t tag, int failure, ListFn list);
  // The n vertices waiting after the last point, or an empty span when they do not fit.
  std::span<kernel::Point2> NewVertices(int n);
  // The end of every random polygon: room for n points and n sides checked first (message 4 and
  // placeholders otherwise), the vertices placed by place() while the step is new, the randomizable
  // flag, the sides in the step's attributes, the description.
  template <class Place>
  int RandomPolygonStep(int n, bool unitTag, std::int16_t word, std::string* out, Place place);
};

}  // namespace plane
