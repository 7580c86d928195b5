#pragma once
// The plane object tables and their reservation, lattice-point mode and the Pick's theorem
// display, the mouse hit tests on lines, circles and hyperbolic curves, the per-point
// transformations, conics and the paint passes of the plane figure.

#include <cstdint>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "engine/selected_point_maps.h"
#include "kernel/conic_construction.h"
#include "kernel/conic_equation_records.h"
#include "kernel/line_circle_records.h"
#include "kernel/real.h"
#include "plane/geom_b_win.h"
#include "plane/moving_objects.h"
#include "view/figure_painter.h"

namespace plane {

inline constexpr int kCmdLatticeMode = 727;
inline constexpr int kCmdPickTheorem = 914;
// The colours a new window gives the Pick's theorem picture.
inline constexpr std::uint16_t kPickInteriorColor = 6;
inline constexpr std::uint16_t kPickBoundaryColor = 4;

class TGeomCWin : public TGeomBWin {
 public:
  TGeomCWin(platform::FrameWindow* parent, std::string_view title);

  // The copy of the point coordinates that the per-point transformations read (7878 entries).
  std::vector<kernel::Point2> backupPoints;
  std::uint8_t latticeMode = 0;
  // The Pick's theorem polygon (Btns > Pick's theorem): its vertices (none: no polygon), the text
  // they were typed as, and the colours of its lattice points inside and on the edges.
  std::vector<std::int16_t> pickVertices;
  std::string pickText;
  std::uint16_t pickInteriorColor = kPickInteriorColor;
  std::uint16_t pickBoundaryColor = kPickBoundaryColor;

  // While a drag paints its two layers: which layer the paint passes draw, and what moves.
  DrawLayer drawLayer = DrawLayer::kAll;
  MovingObjects moving;
  bool Draws(const std::vector<std::uint8_t>& flags, int i) const { return LayerDraws(drawLayer, flags, i); }
  // A fill moves with a point it lists or the circle it fills; a text with the point it is tied to,
  // and the measurement and evaluated texts with anything (their values may change).
  bool FillMoves(const kernel::FillRecord& record) const;
  bool TextMoves(const view::TextList& list, const view::TextItem& item) const;
  // A marking moves with any point it is drawn from and, on a segment, with the line it stands on
  // (whose colour it takes and without which it is not drawn).
  bool MarkingMoves(const engine::MarkingFields& marking) const;
  bool FillInPass(const kernel::FillRecord& record) const override;
  bool TextInPass(const view::TextList& list, const view::TextItem& item) const override;
  bool MarkingInPass(const engine::MarkingFields& marking) const override;
  // A conic moves with a point it is drawn through or from; one by equation whose coefficients are
  // not all plain numbers with anything (they may read the figure).
  bool ConicInPass(std::span<const int> points) const;
  bool EquationConicInPass(const kernel::EquationRecord& record) const;

  // --- Lattice-point mode and the Pick's theorem picture (lattice_mode.cpp) -------------------
  // Btns > Lattice-point mode: toggles the mode; turned on, the free points move to the nearest
  // lattice points and the figure is built again on them.
  void CmLatticeMode();
  // Btns > Pick's theorem: the polygon chosen in the dialog; none when the dialog is cancelled.
  void CmPickTheorem();
  // Whether the mode applies: it is on, in the Euclidean plane.
  bool LatticeSnapping() const;
  // In lattice-point mode: free point `point` (every free point for a negative argument) moved to
  // the nearest lattice point; the picture marked stale. Its argument.
  int SnapToLattice(int point) override;
  // The lattice point nearest to p (p itself outside lattice-point mode).
  kernel::Point2 LatticePoint(const kernel::Point2& p) const;
  // The Pick's theorem picture: the lattice points inside the polygon, those on its edges, and
  // its outline. 9 (nothing drawn) without a polygon of three vertices or outside the mode; else 0.
  int DrawPicks(view::FigurePainter& painter);
  // The polygon's vertices as they lie now.
  std::vector<kernel::Point2> PickPolygonPoints() const;
  // The pop-ups greyed while the figure lacks what their commands need.
  void UpdateMenu() override;

  // Copies the coordinates of points 0 to the last point index into the backup table.
  void SavePoints();

  // --- Per-point transformations (point_transforms.cpp) ---------------------------------------
  // Each moves, in place, the backup entries 0 to the last point index whose selection flag is
  // set; the points themselves stay until the images are made.
  // Rotation about point `centre` by angle (radians) with the dilation by factor.
  void RotateDilatePoint(int centre, kernel::Real factor, kernel::Real angle);
  // The reflection in the line through points a and b: Euclidean, hyperbolic in the half-plane
  // (an inversion in the circle carrying the line) and in the disk; ReflectInModelLine picks the
  // one of the window's geometry.
  void ReflectPoint(int a, int b);
  void InvertPoint(int a, int b);
  void DiskReflectPoint(int a, int b);
  void ReflectInModelLine(int a, int b);
  // Adds v to the selected backup entries 0 to last (none when last is negative).
  void TranslateSelected(const kernel::Point2& v, int last);
  // The hyperbolic translation carrying point a to point b.
  void TranslateSelectedHyperbolic(int a, int b);
  // Selects the points a transformation moves (the typed objects, or the images of the last
  // transformation) and copies every point into the backup table.
  void SelectTransformed(const std::string& objects, bool previousImages);
  // The pen of image lines and circles: null when they copy their source's (attribute copy on),
  // else the current line attributes.
  const kernel::LinePen* ImagePen();

  // --- Paint passes (plane_paint.cpp) ----------------------------------------------------------
  // The full picture: the figure, then the markers and labels of every point.
  virtual void DrawScene(view::FigurePainter& painter);
  // Lines and circles only, for quick redraws.
  virtual void DrawScene2(view::FigurePainter& painter);
  // One picture of a trace of the whole figure: its lines, circles and conics (and labels).
  void DrawTracedFigure(view::FigurePainter& painter, bool labels) override;
  // The geometric layer: lines and circles (nothing for a figure without history).
  void PaintFigure(view::FigurePainter& painter) override;
  // Over the figure: the texts, then the markers and labels of the points and the Pick's theorem
  // picture.
  void PaintAll(view::FigurePainter& painter) override;
  void DrawSegments(view::FigurePainter& painter);
  void DrawSegmentRecord(view::FigurePainter& painter, int i);
  // The line from A to B, continued past A and past B as asked; in a hyperbolic window along the
  // geodesic that `side` describes.
  void DrawLine(view::FigurePainter& painter, const kernel::Point2& a, const kernel::Point2& b, bool continuesBefore,
                bool continuesAfter, const kernel::LinePen& pen, const kernel::HypCurveRecord* side);
  void DrawCircles(view::FigurePainter& painter);
  void DrawCircleRecord(view::FigurePainter& painter, int i);

  // --- Conics of the window's conic lists (conic_drawing.cpp) ----------------------------------
  // Draws the conics by two foci, by three points, through five points and by equation, in this
  // order; a conic whose points are gone or whose texts do not evaluate is left out.
  void DrawConics(view::FigurePainter& painter);
  // An ellipse or both branches of a hyperbola, in one pass, as a polyline per visible piece.
  void DrawEllipseHyperbola(view::FigurePainter& painter, bool isEllipse, const kernel::ConicAxes& shape);
  // The parabola of focus F and directrix D1 D2 across the view.
  void DrawParabola(view::FigurePainter& painter, const kernel::Point2& d1, const kernel::Point2& d2,
                    const kernel::Point2& focus);
  // A conic record after ClassifyConic and RotateConicShape, by its kind: the curve, or the lines
  // of a degenerate conic.
  void DrawClassifiedConic(view::FigurePainter& painter, const kernel::ConicRecord& conic);

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

 private:
  kernel::LinePen imagePen_{};
};

// The painter's pen of a line or circle record's attributes.
view::LinePen PenOfRecord(const kernel::LinePen& pen);
// Line style 5 of a record: never drawn.
inline constexpr std::uint16_t kInvisibleStyle = 5;

}  // namespace plane
