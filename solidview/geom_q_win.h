#pragma once
// The 3-D viewing layer: observer, rotation and display commands, hidden lines, the scene passes
// and faces in painter's order, the ray-traced display, the model box, and the 3-D figure update.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "kernel/index_heap_sort.h"
#include "solid/edge_list.h"
#include "solid/geom_ps_win.h"
#include "solidview/face_outlines.h"
#include "solidview/solid_display_options.h"

namespace solidview {

class TGeomQWin : public solid::TGeomPSWin {
 public:
  // The 3-D or the spherical personality: menu, help, file kind, settings file, extension and
  // filter of the figure files (see view_personality.h).
  TGeomQWin(platform::FrameWindow* parent, std::string_view title, bool spherical);

  // The menu and accelerator table the window shows.
  std::string menuName;
  SolidDisplayOptions display;

  // 0.0001 of the model box's diagonal.
  kernel::Real modelEpsilon = 0;

  // The box of the model (points, curved elements, the fixed axes, the origin) widened by 1 %;
  // the observer looks at its middle and is kept within reach of it.
  void ComputeModelBox();
  // The 2-D view around the model box as the observer sees it, with a margin; the texts tied to
  // the frame keep their place. A window with no client area keeps its view.
  void FitViewToModel();
  // The observer brought back within reach of the model (halved while too far, doubled while too
  // close); the observer dialog shows where it went.
  void KeepObserverInRange();
  // After a new step, Undo and replay: a figure in space is measured again and fitted into the
  // window; the spherical ball keeps its view. Then repainted.
  void Update(bool keepView) override;
  // The view from the observer as it stands, without refitting: the frame from the observer (kept
  // when there is none), mark sizes, every point projected again, the picture repainted.
  void Redraw(int flag) override;
  int ReplayConstruction(bool replaying) override;
  // --- The View menu (view_menu_commands.cpp) ---------------------------------------------
  // Observer In, Out, Far out and Isometric; Turn (sign 1) and Back (-1); Up and Down.
  void ObserverIn();
  void ObserverOut();
  void ObserverFarOut();
  void IsometricObserver();
  void TurnObserver(int sign);
  void TiltObserver(bool up);
  // Asks the angle of a turn in degrees (an expression); message 1 for a text that is not a
  // finite number.
  void AskRotationStep();
  // Asks the arrowhead size as a percentage of the screen width; message 17 outside 2 to 200
  // pixels.
  void AskArrowheadSize();
  // The axis-length dialog: "freeze" fixes the typed lengths (message 1 for one that is no number
  // or below 1e-13), "cancel" lets the axes follow the model.
  void AskAxisLengths();
  // A new display mode repaints and marks the figure changed; the mode in use changes nothing.
  void SetDisplayMode(int mode);
  void ToggleOutlines();
  void ToggleDisplayFlag(std::uint8_t& flag, bool modifies);

  // The check marks of the display options, then those of the lower layers.
  void SetupMenuChecks(bool redraw) override;

  // Clearing the figure also empties the model: every point and label free, no face or surface,
  // the solid numbers from the start.
  void ClearFigure() override;
  void ClearLabels();
  // Moves point i to p: a free point alone, a vertex of a solid with its whole solid, a point that
  // belongs to no solid (negative tag) with every point. Then the figure is replayed and
  // repainted. 2 when point i does not exist, else 0.
  int MovePointXYZ(int i, const kernel::Point3& p);

  // --- Hidden points and hidden lines (hidden_points.cpp) ------------------------------------
  // Whether the observer sees p: false when an opaque face (or curved element) lies between. The
  // point is first moved a thousandth of the model's size towards the observer, so the faces it
  // lies on do not hide it. In Show hidden lines every point is seen. Reads the face outlines of
  // the last DrawAllFaces.
  virtual bool IsPointVisible(const kernel::Point3& p);
  // Whether face i hides the test point q, whose pixel is (px, py): an opaque face of three or
  // more vertices whose plane separates q from the observer and whose outline covers the pixel
  // within the client area.
  bool FaceHidesPoint(int i, const kernel::Point3& q, int px, int py) const;
  // Whether curved element i hides q.
  bool SurfaceHidesPoint(int i, const kernel::Point3& q) const;
  // The segment AB in one pen. While a PiCTeX export runs in the Painted mode a dotted segment is
  // left out of the file.
  void DrawSegment3D(view::FigurePainter& painter, const kernel::Point3& a, const kernel::Point3& b,
                     const view::LinePen& pen, bool dotted);
  // The segment AB with its seen runs in the first pen and, in Dot hidden lines and Painted and
  // dotted, its hidden runs in the second. The segment is sampled at 40 points per half width of
  // the view (at least 2); one that reaches out of the view is first cut to the view widened by a
  // pixel. With convexity assumed only its ends and middle are tested.
  void DrawSegmentHidden(view::FigurePainter& painter, const kernel::Point3& a, const kernel::Point3& b,
                         const view::LinePen& visiblePen, const view::LinePen& hiddenPen);

  // --- Painted faces and edge passes (painted_solids.cpp) ------------------------------------
  // The picture of the figure level: the face outlines and the seen points, then the passes of
  // the display mode (faces farthest first, edges with their hidden parts dotted, haloed edges)
  // and the outlines.
  void PaintFigure(view::FigurePainter& painter) override;
  // The labels over the figure level.
  void PaintAll(view::FigurePainter& painter) override;
  // The pixel outline of every face.
  void DrawAllFaces();
  // Which points are seen: every point in Show hidden lines, and with labels in the dotted modes.
  void ComputePointVisibility();
  // One face: filled in its colour (hollow when transparent), outlined in black with Outlines on,
  // else in its colour. The screen takes the pixel outline, other targets the view-plane outline.
  void DrawFace(view::FigurePainter& painter, int face);
  // Faces and curved elements farthest first. With convexity assumed, one solid and no curved
  // element, a face is drawn only when its centroid is seen. In a PiCTeX file: the hidden-line
  // edges and the faces shaded instead.
  void PaintDepthSorted(view::FigurePainter& painter);
  // Every edge in black, seen parts solid, hidden parts dotted (each part tested).
  void DrawEdgesHiddenDotted(view::FigurePainter& painter);
  // Every edge in colour 0, seen parts solid, hidden parts dotted; Q stops the pass after the
  // edge it is on ("press Q to quit" in the caption meanwhile).
  void DrawEdgesHidden(view::FigurePainter& painter);
  // Every edge farthest first over a band in the background colour, so nearer edges cut gaps
  // into farther ones; plain segments in a PiCTeX file.
  void DrawEdgesHaloed(view::FigurePainter& painter);
  void DrawHaloEdge(view::FigurePainter& painter, int edge, const view::LinePen& haloPen,
                    const view::LinePen& edgePen);
  // A PiCTeX file's shading of the opaque coloured faces whose vertices are all seen and in view.
  void TeXShadeFaces(view::FigurePainter& painter);
  // A curved element in the painter's order; the curved-element drawers fill this in.
  virtual void DrawSurface(view::FigurePainter& /*painter*/, int /*surface*/) {}

  // Per point: 1 when it is drawn as seen (ComputePointVisibility).
  std::vector<std::uint8_t> pointVisible;
  // The pixel outline of each face (DrawAllFaces).
  FaceOutlines faceOutlines;
  // The width of the background band of a haloed edge, in pixels.
  std::int16_t haloWidth = 4;

  // --- Arcs in space (arc_drawing.cpp) ------------------------------------------------------
  // While fillPass is set, DrawArc fills a whole turn as a region without outline instead of
  // drawing its line; while forceVisible is set, every point of an arc counts as visible. After
  // each arc, arcInView tells whether all of its points lay in the view.
  std::uint8_t fillPass = 0;
  std::uint8_t forceVisible = 0;
  std::uint8_t arcInView = 0;
  // The arc C + U cos t + V sin t for t from t0 to t1 in |n| steps (n <= 0 walks from t1 back to
  // t0), projected through the view and drawn with the pen: solid between visible points, the
  // hidden parts as the display mode shows hidden lines; in the fill pass a whole turn is filled
  // in the fill colour and a part of one draws nothing. The same pass for every target.
  void DrawArc(view::FigurePainter& painter, const kernel::Point3& C, const kernel::Point3& U,
               const kernel::Point3& V, kernel::Real t0, kernel::Real t1, int n, const view::LinePen& pen,
               view::InkColor fillColour);
  // Whether a point of the model is drawn as visible: every point here.
  virtual bool IsVisible(const kernel::Point3& p) const;
  // How the flagged polylines of the display mode show hidden parts (kernel/flag_runs.h): only
  // the visible segments (-1), dotted (1) or all (0).
  int HiddenLineRule() const;

 protected:
  void SetupWindow() override;
  // The observer dialog is closed before the settings are written.
  void OnDestroy() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;

  // After the observer moved: the dialog shows it, the view is computed from it and repainted
  // without refitting, the figure marked changed. An observer with no view (straight above or
  // below the centre) goes back to `previous`.
  void ObserverMoved(const kernel::Point3& previous);

  // Every point projected to its pixel, the picture repainted.
  void ShowProjectedModel();
  // The figure and the labels of its points over the picture of the lower layers.
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& exportFrame) override;

 private:
  // The highest solid number among the points (0 when every point is free).
  int HighestPointTag() const;
  // The export running, if any.
  bool Exporting(view::ExportKind kind) const { return exports.running == kind; }

  // Work space of the passes, kept between paints.
  solid::EdgeListScratch edgeScratch_;
  kernel::SortKeys sortKeys_;
  std::vector<kernel::Real> keys_;
  std::vector<std::uint32_t> order_;
  std::vector<kernel::Point3> centroids_;
  std::vector<kernel::Point2> outline_;

  // The points and flags of the arc being drawn, kept from arc to arc.
  std::vector<kernel::Point2> arcPoints_;
  std::vector<std::uint8_t> arcFlags_;
  std::vector<kernel::Point2> arcClipped_;
};

}  // namespace solidview
