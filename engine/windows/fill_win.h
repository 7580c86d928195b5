#pragma once
// The fill layer of the geometry windows: filled polygons, faces of the hyperbolic and spherical
// models, circles and sectors, the visible upper half-plane, and the circular arcs of the figure
// (split at the border of the view), on the screen, the printer and into every export; the Hide
// lines and Hide color switches and the Thicken print command.
//
// Everything is drawn through a FigurePainter. On the screen a region is filled as it is (the
// device ends at the client area); for the printer and the export files a region is first cut to
// the view shrunk by half a pixel, because those targets have no clipping of their own.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "engine/windows/pre_geom_win.h"
#include "kernel/arc_points.h"
#include "kernel/fill_trace_records.h"
#include "kernel/real.h"
#include "view/figure_painter.h"

namespace engine {

// Commands of the layer.
inline constexpr int kCmdThickenPrint = 829;
inline constexpr int kCmdHideLines = 877;
inline constexpr int kCmdHideColor = 878;

// Shape kinds: the word of the "begin ... fill" comment of the EPS file.
inline constexpr std::uint32_t kShapeSector = 5;
inline constexpr std::uint32_t kShapeBackground = 7;
// The word of a shape kind; empty for kinds without one.
std::string_view FillShapeWord(std::uint32_t kind);

struct FillSettings {
  std::uint8_t hideLines = 0;
  std::uint8_t hideColor = 0;
  // Set by the callers before a fill; the sector fill sets it to kShapeSector.
  std::uint32_t shapeKind = kShapeBackground;
};

// The clip box of the fills: the view box shrunk by half a pixel on every side.
kernel::Box2 FillClipBox(const view::ViewMapping& m);

class TFillWin : public TPreGeomWin {
 public:
  TFillWin(platform::FrameWindow* parent, std::string_view title);

  FillSettings fill;

  // --- Regions (fill_win_regions.cpp) ---
  // The polygon filled in the colour fillColor with hatch pattern outlineOption (0 solid), outlined
  // in outlineColor with width fillOption (negative: no outline). With clip the points are cut to
  // the clip box for the targets that need it. False when nothing was drawn (fewer than three
  // points, nothing left of them in view).
  bool FillPolygonShape(view::FigurePainter& painter, std::span<const kernel::Point2> points, bool clip,
                        int fillColor, int outlineColor, int fillOption, int outlineOption);
  // A face of the figure in the window's model, in the record's colour and pattern; false when a
  // vertex does not exist or nothing was drawn.
  bool FillFace(view::FigurePainter& painter, const kernel::FillRecord& face);
  bool FillHyperbolicFace(view::FigurePainter& painter, const kernel::FillRecord& face);
  // The disk about centre through point, or its sector of sweepDegrees counter-clockwise from the
  // point (a negative sweep covers the same sector from its other end; more than 359.9999 degrees
  // is the whole disk).
  void FillEllipseShape(view::FigurePainter& painter, const kernel::Point2& centre, const kernel::Point2& point,
                        kernel::Real sweepDegrees, int fillColor, int outlineOption);
  // The visible part of the upper half-plane, in the colour of colour role 10.
  void FillBackground(view::FigurePainter& painter);

  // --- Arcs (fill_win_arcs.cpp) ---
  // The arc about centre from start by sweep radians (2 pi, or within 1e-6 of it, is the whole
  // circle), split at the border of the view: only the pieces inside it are drawn.
  void DrawArcFigure(view::FigurePainter& painter, const kernel::Point2& centre, const kernel::Point2& start,
                     kernel::Real sweep, const view::LinePen& pen);
  // The shorter arc about centre between p and q (a half turn for opposite points), drawn
  // counter-clockwise.
  void DrawArcThrough(view::FigurePainter& painter, const kernel::Point2& centre, const kernel::Point2& p,
                      const kernel::Point2& q, const view::LinePen& pen);
  // The same with the point of larger x first.
  void DrawArcIfOpen(view::FigurePainter& painter, const kernel::Point2& centre, const kernel::Point2& p,
                     const kernel::Point2& q, const view::LinePen& pen);
  // One visible piece, from start by sweep radians.
  void DrawArc(view::FigurePainter& painter, const kernel::Point2& centre, const kernel::Point2& start,
               kernel::Real sweep, const view::LinePen& pen);

  // The check marks of Hide lines and Hide color, then those of the layers below.
  void SetupMenuChecks(bool redraw) override;

 protected:
  bool OnCommand(int id) override;

  // The plane position of point index i of the figure; false when there is no such point (the
  // figure layer above owns the points).
  virtual bool FacePoint(int /*index*/, kernel::Point2& /*p*/) const { return false; }
  // A face on the sphere (the spherical window); false here.
  virtual bool FillFaceSphere(view::FigurePainter& /*painter*/, const kernel::FillRecord& /*face*/) { return false; }

 private:
  void CmThickenPrint();
  // A display switch changed: check marks, picture stale, window repainted.
  void SwitchChanged();
  // The face's vertex coordinates into facePoints_; false when a vertex does not exist.
  bool FaceVertices(const kernel::FillRecord& face);

  std::vector<kernel::Point2> facePoints_;
  std::vector<kernel::Point2> regionPoints_;
  std::vector<kernel::Point2> clipped_;
  std::vector<kernel::Point2> arcPoints_;
  std::vector<kernel::ArcPiece> arcPieces_;
};

}  // namespace engine
