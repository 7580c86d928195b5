#pragma once
// The shared-commands layer of the geometry windows: the construction commands, object lists,
// figure-file pieces, fills, tracing and animation that the plane, hyperbolic, spherical and 3-D
// windows have in common; and the point markers and labels every drawing pass ends with.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "engine/curve_tables.h"
#include "engine/windows/dialog_actions.h"
#include "engine/windows/line_attributes.h"
#include "engine/windows/geom09_win.h"
#include "view/figure_painter.h"

namespace engine {

// How the points of the figure are marked and labelled.
struct LabelDisplay {
  // 0: the labels of points whose shown flag is set; 1: all labels; any other value: none.
  int labelMode = 1;
  // 0: each point's own marker style; 1 to 4 every point's.
  int globalMarker = 0;
  // The marker's half size, pixels.
  int markerSize = 3;
  // Colour indices: marker style 1, marker style 2, the labels.
  int markerColor = 0;
  int secondMarkerColor = 4;
  int labelColor = 0;
};

// Marker styles of a point: 0 none, 1 a dot, 2 a dot in the second colour, 3 a diagonal cross,
// 4 an upright cross.
inline constexpr int kMarkerStyles = 5;

class TDoUndoDlg;
class TCTSDlg;

class TGeom10Win : public TGeom09Win, public DialogActions {
 public:
  TGeom10Win(platform::FrameWindow* parent, std::string_view title);
  ~TGeom10Win() override;

  LabelDisplay labelDisplay;

  // --- The line, circle, hypercycle and horocycle tables (engine/curve_tables.h) -----------------
  int FindLineThrough(int p, int q) const { return engine::FindLineThrough(tables(), p, q); }
  int FindCircle(int c, int p, Real angle) const { return engine::FindCircle(tables(), c, p, angle); }
  int FindEqualCircle(const Point2& centre, const Point2& onCircle) const {
    return engine::FindEqualCircle(tables(), model(), centre, onCircle);
  }
  int FindHypercycleThrough(int l, int p) const { return engine::FindHypercycleThrough(tables(), l, p); }
  int FindHorocycleThrough(int l, int p) const { return engine::FindHorocycleThrough(tables(), l, p); }
  bool AddPointToLine(int p, int i) { return engine::AddPointToLine(tables(), model(), dimension(), p, i); }
  bool AddPointToCircle(int p, int i) { return engine::AddPointToCircle(tables(), p, i); }
  bool AddPointToHypercycle(int p, int i) { return engine::AddPointToHypercycle(tables(), p, i); }
  bool AddPointToHorocycle(int p, int i) { return engine::AddPointToHorocycle(tables(), p, i); }
  // The triangle of the pending step's first three operands (see engine::StepTriangle).
  int StepTriangle(std::array<int, 3>& vertices, std::string& text, int& tag) {
    return engine::StepTriangle(tables(), *history().current, vertices, text, tag);
  }
  // Commits the pending step, keeps the figure in view and repaints; 1.
  int AppendStepAndUpdate() { return EndStep(false); }

  // Draws the marker and the label of point `point` (-1: of every point) that exists, lies in the
  // view and is visible; with `emphasised` in the second label font. On the screen each label's
  // box is kept for the label hit test.
  void DrawLabels(view::FigurePainter& painter, int point, bool emphasised);
  // While a drag paints its picture in layers: a point whose entry here equals labelLayerSkip is
  // left out of DrawLabels (empty: every point is drawn).
  std::span<const std::uint8_t> labelLayer;
  std::uint8_t labelLayerSkip = 1;

  // --- Construction dialogs and the shared construction commands (construction_commands*.cpp) ----
  // The colour, thickness and style new lines and circles receive.
  LineAttributes lineAttributes;
  // Copies the current line attributes into operands first to first + 2 of the pending step.
  void SetStepAttributes(int first);
  // Runs the operation of a construction dialog's action kind; a positive code is shown as its
  // message. 1 when the operation succeeded, else 0.
  int DoDialogAction(int actionKind, DialogTexts& texts, int choice, int extra);
  // The construction dialogs of the window register themselves; their Undo buttons follow the
  // history.
  void AddConstructionDialog(TDoUndoDlg* dialog);
  void RemoveConstructionDialog(TDoUndoDlg* dialog);
  void RefreshConstructionDialogs();
  const std::vector<TDoUndoDlg*>& constructionDialogs() const { return constructionDialogs_; }
  void SetupMenuChecks(bool redraw) override;
  // The line attribute dialog, made on first use and shown beside the window.
  void ShowLineAttributes();
  TCTSDlg* lineAttributeDialog() { return attributeDialog_.get(); }
  // The intersection dialog, null until first used.
  TDoUndoDlg* intersectionDialog() { return intersectionDialog_.get(); }

  // Line > Segments (the 3-D window has its own).
  virtual int NewSegments() { return NewSegmentLineRay(kSegmentKind); }
  // Segments, lines (116) or rays (117) between neighbours of a typed point list; the code of the
  // last pair handled (0 when every step was made), already shown.
  int NewSegmentLineRay(int kind);
  // The same with the list given: no question is asked and nothing is shown.
  int SegmentsLinesRays(int kind, std::string text);
  // Point > Special > centroids: mode 2 of the polygon, 0 of its vertices.
  int NewCentroidStep(int mode);
  int CentroidStep(int mode, std::string text);
  // A line typed as two of its points, or as "XX" or "YY" (the axes, lines -10 and -20, in the
  // Euclidean plane only): 0 with its index in line, else 1.
  int ParseLineText(std::string text, int& line) const;
  // Point > Intersection > Line-Line.
  virtual void ShowLineIntersectionDialog();
  int DoLineIntersection(std::string& line1, std::string& line2) override;
  int DoParallelPerpendicular(std::string& line, std::string& point, int mode) override;
  int DoDrawAngle(std::string& points, std::string& value) override;
  int DoDivideCircles(std::string& circles, std::string& count) override;
  int DoRelabelOrSwap(std::string& t1, std::string& t2) override;
  // Point > Coordinates: a point at two typed coordinate expressions (kind 122).
  void ShowCoordinateDialog();
  int DoPointFromCoordinates(std::string& x, std::string& y) override;
  // The intersections of line l (or an axis) with circle c (kind 104) and of two circles (105).
  int NewLineCircleIntersection(int line, int circle);
  int NewCircleCircleIntersection(int circle1, int circle2);
  // Tangents from a point to circle `curve` (kind 135), or at a point listed on it (136); 0 or
  // the code, already shown. curveClass 0 names a circle.
  virtual int NewTangentStep(int curve, std::string pointText, int curveClass);
  // The common tangents of two circles (kind 137 only).
  virtual int NewCommonTangentStep(int circle1, int circle2, int flag, int kind);
  // The arc through two typed points orthogonal to the model's boundary (kind 118).
  int NewOrthogonalArcStep(std::string text);

  static constexpr int kSegmentKind = 111;

 protected:
  bool OnCommand(int id) override;

 private:
  // Runs the pending step as a new step; a result of -1 or -2 (the step stands) counts as 0.
  int RunBuiltStep();
  std::vector<TDoUndoDlg*> constructionDialogs_;
  std::unique_ptr<TDoUndoDlg> intersectionDialog_;
  std::unique_ptr<TDoUndoDlg> coordinateDialog_;
  std::unique_ptr<TCTSDlg> attributeDialog_;

  // The fonts of a labelling pass and their measures.
  struct LabelFonts {
    view::TextStyle font;
    view::TextStyle subscript;
    int height = 0;
    int subscriptWidth = 0;
    bool keepBoxes = false;
  };
  void DrawPointLabel(view::FigurePainter& painter, int i, const LabelFonts& fonts);
};

}  // namespace engine
