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

#include "engine/curve_list_index.h"
#include "engine/curve_tables.h"
#include "engine/data_table.h"
#include "engine/solid_tables.h"
#include "engine/windows/dialog_actions.h"
#include "engine/windows/line_attributes.h"
#include "engine/windows/geom09_win.h"
#include "view/figure_painter.h"

namespace platform {
class Dialog;
}
namespace shell {
class TTextWin;
}

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

}  // namespace engine

namespace shell {
class TDataWin;
}  // namespace shell

namespace engine {

// The control modes of an animated export.
inline constexpr int kAnimateNothing = 0;
inline constexpr int kAnimateVTurn = 1;
inline constexpr int kAnimateUTurn = 2;
inline constexpr int kAnimateSliders = 3;
inline constexpr int kAnimatePoints = 4;
// The most points an animation text lists.
inline constexpr int kMaxAnimatedPoints = 50;

struct AnimationControl {
  int mode = kAnimateNothing;
  // The sliders named by their symbols "#", "$", "@", "&", "%", "?" and the time "[T]" / "[TIME]".
  std::array<std::uint8_t, kSliderCount> symbols{};
  // The axis of a U-turn (a unit vector; zero when none).
  kernel::Point3 axis{0, 0, 0};
  std::vector<std::uint16_t> selected;
  // While an export runs: the values the frames change, to be put back at its end.
  std::array<Real, kSliderCount> savedSliders{};
  std::vector<Real> savedParameters;
  bool saved = false;
};

class TDoUndoDlg;
class TToolDlg;
class TCTSDlg;
class TFuncDlg;
class TSlideDlg;

// Other > Colors > Fill mix modes: how the fills are laid over the picture on raster targets.
inline constexpr int kCmdFillOpaque = 901;
inline constexpr int kCmdFillNotXor = 902;
inline constexpr int kCmdFillXor = 903;
// Edit > Functions: the user-defined functions dialog.
inline constexpr int kCmdUserFunctions = 965;
// Other > Replay in slow motion.
inline constexpr int kCmdReplaySlowMotion = 1163;
// Other > Data > Zero: empties the data table.
inline constexpr int kCmdZeroData = 52;

// The six texts of the circle-and-arc dialog.
struct ArcDialogTexts {
  std::string centre;
  std::string point;   // circle through
  std::string radius;  // circle of a radius
  std::string first;   // arc starting at
  std::string second;  // arc ending at
  std::string angle;   // arc of an angular size
};

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
  // The pixels point i's marker and label cover on the screen, the label where it was last drawn
  // there (empty when neither is drawn).
  platform::Rect LabelBox(int i) const;
  // In the text mode a press on a label drags it: the label's offset from its point follows the
  // mouse until the button goes up. True when a label was hit.
  bool DragLabel(platform::PointI mouse);
  // While a drag paints its picture in layers: a point whose entry here equals labelLayerSkip is
  // left out of DrawLabels (empty: every point is drawn).
  std::span<const std::uint8_t> labelLayer;
  std::uint8_t labelLayerSkip = 1;

  // --- The cached pictures (picture_levels.cpp) -------------------------------------------------
  // The window keeps its picture in three off-screen levels, each with its valid flag: the
  // background (colour, background bitmap, axes, grid, pasted pictures), the figure picture (the
  // background with PaintFigure over it) and the whole picture (the figure picture with PaintAll
  // over it). A new or changed step clears the figure picture (wing.pictureValid), a changed text
  // the whole picture, a view change the background; a level drawn for another view, size or
  // colours counts as stale too. In a hyperbolic window the background is stale at every paint.
  // The window's paint: the view follows the client size, the stale levels are drawn again from
  // the first stale one up, each marked valid, and the whole picture is copied onto dc.
  void DrawFigure(platform::DC& dc);
  // When the client size changed: the view is fitted to it, the saved views dropped, the texts
  // rescaled (unless holdTextScale is set), the levels made anew and the figure redrawn; the hold
  // flag is cleared either way.
  void RefreshView();
  std::uint8_t holdTextScale = 0;
  // The background level, drawn first when it is stale.
  const platform::Bitmap& BackgroundPicture();
  // What each level draws over the one below it.
  virtual void PaintBackgroundPicture(platform::DC& dc);
  // What else the background level shows depends on (the spherical ball: the observer); a level
  // drawn for other values is stale. Nothing here.
  virtual std::array<kernel::Real, 3> BackgroundScene() const { return {}; }
  virtual void PaintFigure(view::FigurePainter& /*painter*/) {}
  virtual void PaintAll(view::FigurePainter& painter);
  void TextPictureChanged() override;
  // The picture of a bitmap copy or export: the cached whole picture, its stale levels drawn first.
  bool PaintToBitmap(platform::DC& dc) override;

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
  // The panel of slider k (0 to 6), made on first use and shown; each existing panel sets its
  // scroll bar up again after a calibration.
  void ShowSliderDialog(int k);
  // The panel of slider k, made when it is first shown: the full panel here.
  virtual std::unique_ptr<TSlideDlg> MakeSliderDialog(int k);
  TSlideDlg* sliderDialog(int k) { return k >= 0 && k < kSliderCount ? sliderDialogs_[static_cast<std::size_t>(k)].get() : nullptr; }
  void SetupSliderDialogs();
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
  // The right button on a point's label in text mode: asks the point's new label and relabels it
  // (kind 120). -1 when no label lies under the mouse, -2 when cancelled or left as it was, else 0
  // or the code, already shown.
  int RelabelPoint(platform::PointI mouse);
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
  // The arc through two typed points orthogonal to circle `circle` (kind 118); 0 or the code,
  // already shown.
  int NewOrthogonalArcStep(int circle, std::string text);
  // The intersections of a line, circle, hypercycle or horocycle with a hypercycle or horocycle,
  // by object index (kinds 171 to 177); a point the two already share alone is written into the
  // step and not made again. 0, or the executor's code (not shown).
  int NewLineHypercycleIntersection(int line, int hypercycle);
  int NewCircleHypercycleIntersection(int circle, int hypercycle);
  int NewHypercycleHypercycleIntersection(int hypercycle1, int hypercycle2);
  int NewHorocycleHorocycleIntersection(int horocycle1, int horocycle2);
  int NewLineHorocycleIntersection(int line, int horocycle);
  int NewCircleHorocycleIntersection(int circle, int horocycle);
  int NewHypercycleHorocycleIntersection(int horocycle, int hypercycle);
  int NewCurveIntersection(int kind, int first, int second);
  static constexpr int kLineHypercycleKind = 171;
  static constexpr int kHypercycleHorocycleKind = 177;
  // Units > Triangle (type 0 AAA, 1 ASA, 2 SAS, 3 SSS, 4 HL): asks the three measures and makes the
  // triangle; its code, already shown (-1 when cancelled).
  int TriangleUnitCommand(int type);
  // The triangle of the step kind (50 to 53, 67) from the typed measures; 0 or the code.
  int NewTriangleUnitStep(int kind, const std::array<std::string, 3>& texts);
  // True when id is one of the Units > Triangle commands, which it then runs.
  bool TriangleUnitMenuCommand(int id);
  // A new free point at the place of point p (kind 121), for a slider: 1 when it was made; a full
  // point table or no free label shows "no more room" and makes nothing.
  int NewPointStep(int p) override;

  static constexpr int kSegmentKind = 111;

  // --- Filled regions (fill_regions.cpp) -----------------------------------------------------
  // The mix mode of the fills: kCmdFillOpaque, kCmdFillNotXor or kCmdFillXor.
  int fillMixMode = kCmdFillOpaque;
  // Every fill in list order under the mix mode (nothing while Hide color is on). Targets
  // without raster operations (printer pages, export files) get plain fills.
  void DrawFillsXor(view::FigurePainter& painter);
  // Whether the paint pass under way draws the fill (a drag paints in layers).
  virtual bool FillInPass(const kernel::FillRecord& /*record*/) const { return true; }
  // One fill: a polygon through its listed points, the inside of its circle, or the region of
  // its conic. A fill whose points or circle no longer exist, or whose conic cannot be built,
  // draws nothing.
  void DrawFill(view::FigurePainter& painter, const kernel::FillRecord& record);
  // The mix mode from its command: stored, checked in the menu, the figure marked changed and
  // the fills repainted; nothing when it is the mode already set.
  void SetFillMixMode(int id);
  // The inside of the fill's circle: the disc or, for an arc, its sector (in the hyperbolic
  // window about the circle's drawn centre).
  virtual void DrawGeometryModel(view::FigurePainter& painter, const kernel::FillRecord& record);

  // --- The data table (data_table_win.cpp) ----------------------------------------------------
  // The rows recorded while a slider moves, in recording order.
  std::vector<DataRow> dataRows;
  // A row of the first measurements' values, unless it equals a stored row, no measurement gives
  // a value, or the user has edited the data window's text; 1 when a row was added.
  virtual int RecordDataRow();
  // The data window's text: the whole table (row kWholeListing), or the new last row appended.
  void ListingText(int row) override;
  // Other > Data > Zero: after the question, the table is emptied; 1 when it was.
  int CmZeroData();
  // The measurements that give the columns.
  std::vector<DataColumnItem> DataTableColumns();
  // The data window, made hidden on first use.
  shell::TDataWin* dataWindow();
  // The data window when it was made, else null.
  const shell::TDataWin* dataWindowIfMade() const { return dataWindow_; }
  // The data window's caption: "data" and the figure file's name.
  void UpdateDataCaption();

  // --- User-defined functions (func_dlg.cpp) --------------------------------------------------
  // Edit > Functions: the modeless dialog, made on first use.
  void ShowFunctionDialog();
  TFuncDlg* functionDialog() { return functionDialog_.get(); }
  // The dialog's list follows the window's functions (after a file is read or the figure cleared).
  void RefreshFunctionDialog();

  // --- Object lists and the table text (object_lists.cpp) -----------------------------------------
  enum class ListKind { kPoints, kLines, kCircles, kTable, kCount };
  // Other > Lists > Points, Lines, Circles: the objects as text in a companion text window.
  void CmListPoints();
  void CmListLines();
  void CmListCircles();
  // The companion text window of the list, made hidden on first use.
  shell::TTextWin* ListWindow(ListKind kind);
  // Text pasted into the table; shown in the table window and saved with the figure.
  std::string tableText;
  int AppendTableText(std::string_view text);
  void ShowTableText();
  // The clipboard's text as points (mode 0) or appended to the table text (1); 0 or a message.
  int PasteClipboardText(int mode);
  void CmTablePaste();

  // --- Deleting lines and circles, pasting coordinates (deletion_paste_commands.cpp) ----------------
  // Edit > Delete > Line: the lines through neighbours of a typed point list, as steps of 13
  // (point, point, line) triples each. 0, or 1 when the list names fewer than two points.
  void CmDeleteLines();
  int DeleteLines(std::string text);
  std::vector<std::array<int, 3>> LinesToDelete(std::string text) const;
  void CmDeleteAllLines();
  // A step deleting circle `circle`; 0, or 2 when it does not exist.
  int NewCircleDeletionStep(int circle);
  // Point > Paste coordinates: a point for each pair of numbers of the clipboard's text.
  void CmPasteCoordinates();
  // Points from the numbers of a text, two (three in space) to a point; the last point's code.
  virtual int ImportPointsText(std::string_view text);
  // "[AB]" becomes "AB"; 2 (the text unchanged) when there is no closing bracket.
  static int StripBrackets(std::string& text);

  // --- Arc dialog, duplication and element lists (arc_copy_steps.cpp) -----------------------------
  // A circle through a point (mode 1), of a radius (2), an arc between two points (3) or of an
  // angle (4) about the named centre; 1 when a step was made, else 0 (the reason shown).
  int CmArcDialogOk(int mode, const ArcDialogTexts& texts, bool counterClockwise);
  // A copy of the listed points magnified by the factor (and turned at random with rotate); 0 or
  // the message shown.
  int NewListFactorStep(std::string listText, std::string factorText, bool rotate);
  // The circles (mode 0), the curves (1) or both (4), one text each, in the order the dialogs'
  // lists number them.
  std::vector<std::string> ElementTexts(int mode) const;
  virtual int ElementText(platform::Dialog& dialog, int listId, int mode);
  // The curve lists' entries (the layers that keep conic lists add them).
  virtual void AppendCurveTexts(std::vector<std::string>& /*lines*/) const {}

  // The pen (thickness, style, colour) of drawn lines or circles as one step (kind 160); the text
  // names them in the history. 0, or 1 for more objects than a step holds.
  int NewColorStep(bool lines, const std::string& text, const std::vector<int>& objects, int thickness, int style,
                   int colour);

  // --- Dialog openers, perpendicular bisectors, triangle centres (dialog_openers.cpp) -----------
  bool DialogOpenerCommand(int id);
  // The first line's two points and the first point off it; "XX" and the first point without a
  // line; empty texts without points.
  DialogTexts SuggestLineTexts() const;
  void ShowPerpendicularDialog(bool altitude);
  TDoUndoDlg* perpendicularDialog(bool altitude) const {
    return altitude ? altitudeDialog_.get() : perpendicularDialog_.get();
  }
  TDoUndoDlg* divideCirclesDialog() const { return divideCirclesDialog_.get(); }
  virtual void ShowDivideCirclesDialog();
  // Line > Perpendiculars > Perpendicular bisectors: for each typed segment its midpoint and the
  // perpendicular there.
  void CmPerpendicularBisectors();
  int PerpendicularBisectors(std::string text);
  // One step of the kind per typed triangle ("ABC/DEF"); the first failure's code.
  void TriangleCentreCommand(int kind, int stringId, int flag);
  int TriangleCentres(int kind, std::string text, int flag);
  int DoCircleChain(std::string& inner, std::string& radius, int count, int mode) override;

  // --- Curve lists, 3-D face and surface searches, centre and width (upper_hooks.cpp) -------------
  // The lengths of the window's four curve lists (list A, list B, the conics, list D); the layers
  // that keep such lists report them, this one has none.
  virtual std::array<int, 4> CountCurveLists() const { return {}; }
  // Where entry `index` of the running index over the four lists lies (see engine/curve_list_index.h).
  CurveListPlace LocateInCurveLists(int index) const { return engine::LocateInCurveLists(CountCurveLists(), index); }
  // The faces and curved objects of a 3-D figure (allocated by the 3-D window only).
  SolidTables& solid() { return stepEngine.solid; }
  const SolidTables& solid() const { return stepEngine.solid; }
  int FindSphereThrough(int centre, int p) const {
    return engine::FindSphereThrough(solid(), tables().last_point, centre, p);
  }
  int FindDiskRecord(int a, int b, int c) const { return engine::FindDiskRecord(solid(), tables().last_point, a, b, c); }
  int FindFaceByVertices(std::span<const std::uint16_t> list, int n) const {
    return engine::FindFaceByVertices(solid(), list, n);
  }
  int FindEqualFace(const kernel::FaceRecord& face, int lastFace) const {
    return engine::FindEqualFace(solid(), face, lastFace);
  }
  // Asks for a view centre and width ("CENWID", preset with the given centre and twice the
  // half-width). On OK each text is evaluated in turn; a text that does not evaluate returns its
  // message number (nothing changed). Otherwise the centre takes the first two values and the
  // half-width half the third: 0, or 14 when that half-width is below 1e-16 (stored all the same).
  // -1 when cancelled.
  int AskCentreWidth(kernel::Point2& centre, Real& halfWidth);
  // Evaluates the text of every measurement again and stores its state (engine::MeasurementState),
  // keeping whether the item shows its value alone; the figure is marked changed.
  void CheckTextItems();
  // The same without marking the figure changed (a figure just read).
  void RefreshTextItemStates();
  // The toolbar of the mouse modes, made on first use and shown: the 3-D window's ("TOOLS3") in
  // a window of space, the plane one ("TOOLS2") in the plane and sphere windows.
  void ShowToolbar();
  TToolDlg* toolbar() { return toolbar_.get(); }
  // --- Point, common-perpendicular and angle dialogs (point_dialog_openers.cpp) ------------------
  // Point > on Segment, in Triangle (n = 1, 2; 3 in space), on Polygon, Line > Perpendiculars >
  // Common, Line > Angles > New angles: each dialog made on first use with texts from the figure
  // and shown again later with the texts typed last. True when id was one of them.
  bool PointDialogOpenerCommand(int id);
  void ShowRelativePointDialog(int n);
  void ShowPolygonPointDialog();
  void ShowCommonPerpendicularDialog();
  void ShowNewAngleDialog();
  TDoUndoDlg* relativePointDialog(int n) const {
    return n >= 1 && n <= 3 ? relativePointDialogs_[static_cast<std::size_t>(n - 1)].get() : nullptr;
  }
  TDoUndoDlg* polygonPointDialog() const { return polygonPointDialog_.get(); }
  TDoUndoDlg* commonPerpendicularDialog() const { return commonPerpendicularDialog_.get(); }
  TDoUndoDlg* newAngleDialog() const { return newAngleDialog_.get(); }
  // A point on the typed polygon (kind 204): at a random place along it that can be dragged
  // (choice 1), or at the typed parameter (choice 2). 0 or the code.
  int DoPointOnPolygon(std::string& vertices, std::string& parameter, int choice) override;
  // --- Animation control of exports (animation_control.cpp) -------------------------------------
  // What changes from frame to frame of an animated export: the parsed animation text.
  AnimationControl animation;
  // Parses the export dialog's animation text (upper-cased first): the control mode.
  int SetAnimationControl(std::string_view parameterText) override;
  // The listed points whose parameters run from 0 to 1 over the frames: 4 when at least one
  // exists, else 0.
  virtual int ParsePointSelection(std::string text);
  void PrepareExportFrame(const view::ExportFrame& frame) override;
  void FinishExport(view::ExportKind kind) override;

  // --- Replay in slow motion (slow_replay.cpp) -------------------------------------------------
  // Other > Replay in slow motion: the figure is built again one step at a time, the picture shown
  // after each step until space (next), Z (back one step) or Q (the rest unseen); then its fills
  // one at a time. The figure is complete afterwards.
  void CmReplaySlowMotion();
  // Waits for space (32), Q (81; an accelerator key or the window closing count as Q) or, with
  // allowBack, Z (90); that code.
  int WaitReplayKey(bool allowBack);
  // Set while the slow replay runs: the paint passes leave out fills, tracings, conics and
  // markings; the one fill of the fill phase (its index, -1 none) is drawn instead.
  std::uint8_t slowReplay = 0;
  int slowReplayFill = -1;

  // The history one line a step: its number padded with zeros to the width the last step's
  // number needs, ": " and its description (with " [save labels]" after a transformation that
  // keeps labels), appended to out while out is shorter than capacity. The steps of a starting
  // figure are walked but not listed. The history is replayed to describe each step. The number of
  // steps walked.
  int HistoryText(std::string& out, std::size_t capacity);

  // --- Temporary tracing and the vector sum (temporary_tracing.cpp) ----------------------------
  // The points whose positions leave dots while the figure moves (at most 20), and the dots,
  // oldest first. Not part of the figure, never saved.
  std::vector<std::int16_t> trailPoints;
  std::vector<Point2> trail;
  // Anim > Temporary tracing: asks for the traced points; the trail starts afresh.
  void CmTemporaryTracing();
  // Keeps the traced points of the typed labels that exist (at most 20, in order).
  void SetTrailPoints(std::string text);
  // After each move of the figure: a dot for each traced point that exists and lies in the view.
  void RecordTrailSample() override;
  virtual void FreeTrail() { trail.clear(); }
  // The dots of the trail, in the marker colour and size.
  void DrawMarkList(view::FigurePainter& painter);
  // Line > Vector sum: asks for the vectors ("AB CD; E") and adds their sum at the base vertex,
  // as a step; 0, -1 when cancelled, or the message shown.
  int CmVectorSum();
  int VectorSum(const std::string& text);
  // Two comma-separated expressions (three in the 3-D window) into a vector: 0, 6 without the
  // commas, or the first evaluation's error.
  int ParseVectorText(const std::string& text, Point3& out);

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void Paint(platform::DC& dc) override { DrawFigure(dc); }
  void OnDestroy() override;

 private:
  // The view, size and colours a background was drawn for.
  struct BackgroundKey {
    std::array<kernel::Real, 4> box{};
    int width = 0;
    int height = 0;
    std::array<std::uint16_t, shell::kColorRoleCount> roles{};
    kernel::ColorArray colors{};
    std::array<kernel::Real, 3> scene{};
    bool operator==(const BackgroundKey&) const = default;
  };
  BackgroundKey CurrentBackgroundKey() const;
  BackgroundKey backgroundKey_;
  // Makes the three levels anew when their size is not the client size.
  void EnsurePictureLevels();
  // Runs the pending step as a new step; a result of -1 or -2 (the step stands) counts as 0.
  int RunBuiltStep();
  std::vector<TDoUndoDlg*> constructionDialogs_;
  std::array<std::unique_ptr<TDoUndoDlg>, 3> relativePointDialogs_;
  std::unique_ptr<TDoUndoDlg> polygonPointDialog_;
  std::unique_ptr<TDoUndoDlg> commonPerpendicularDialog_;
  std::unique_ptr<TDoUndoDlg> newAngleDialog_;
  std::unique_ptr<TDoUndoDlg> intersectionDialog_;
  std::unique_ptr<TDoUndoDlg> coordinateDialog_;
  std::unique_ptr<TCTSDlg> attributeDialog_;
  std::unique_ptr<TFuncDlg> functionDialog_;
  std::unique_ptr<TToolDlg> toolbar_;
  shell::TDataWin* dataWindow_ = nullptr;
  // The conic regions of the fills (fill_regions.cpp).
  void FillConicFociEcc(view::FigurePainter& painter, const kernel::FillRecord& record);
  void FillConicFocusDirectrix(view::FigurePainter& painter, const kernel::FillRecord& record);
  void FillFivePointConic(view::FigurePainter& painter, const kernel::FillRecord& record);
  void FillEquationConic(view::FigurePainter& painter, const kernel::FillRecord& record);
  void FillCentralConic(view::FigurePainter& painter, const kernel::FillRecord& record,
                        const std::array<kernel::Point2, 3>& shape, bool ellipse);
  void FillConicByCoefficients(view::FigurePainter& painter, const kernel::FillRecord& record,
                               const std::array<Real, 6>& coefficients);
  void FillOutline(view::FigurePainter& painter, const kernel::FillRecord& record,
                   std::span<const kernel::Point2> points);
  std::array<std::unique_ptr<TSlideDlg>, kSliderCount> sliderDialogs_;

  std::unique_ptr<TDoUndoDlg> perpendicularDialog_;
  std::unique_ptr<TDoUndoDlg> altitudeDialog_;
  std::unique_ptr<TDoUndoDlg> divideCirclesDialog_;
  std::array<shell::TTextWin*, static_cast<std::size_t>(ListKind::kCount)> listWindows_{};
  // Numbers of the lists: the window's decimals, no padding.
  std::string ListNumber(Real x) const;
  std::string ListFileName() const;
  void ShowList(ListKind kind, const std::string& text, const std::string& caption, int wordId);
  // Commands of the object lists, deletions and pasting.
  bool ObjectCommand(int id);

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
