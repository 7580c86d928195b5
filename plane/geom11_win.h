#pragma once
// The plane command layer: the plane menus and their commands, the history listing, taking back
// imported blocks, the reset of the figure, unit and random figures, the mouse picker and the plane
// transformations.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <span>
#include <string_view>
#include <vector>

#include "engine/windows/figure_file_pieces.h"
#include "engine/windows/geom10_win.h"
#include "engine/windows/macro_def_dlg.h"
#include "platform/drawing_types.h"
#include "kernel/line_circle_records.h"
#include "plane/graph_items.h"
#include "plane/meas_dlg.h"
#include "plane/transform_images.h"

namespace engine {
class TDoUndoDlg;
class TMarkDlg;
class TTraceDlg;
}

namespace shell {
class TPageWin;
}

namespace plane {

class TStepDlg;
class TGraphWin;
class TDelCircDlg;
class TSoddyDlg;
class TSoddy2Dlg;
class TLCIntDlg;
class TCurvCurvDlg;
class TCurvPtDlg;
class TCircAttrDlg;
class TLineAttrDlg;
class TCopyDlg;
class TRingDlg;
class TArcDlg;

// What the transformations remember between commands and how their images are made.
struct TransformSettings {
  // The angle (degrees) Rotate and the factor Dilate offer next.
  std::string angleText = "180.0";
  std::string factorText = "0.5";
  // Image lines and circles keep their source's attributes; when clear they take the current ones.
  std::uint8_t attributeCopy = 1;
  // Filled regions whose points were transformed get filled images.
  std::uint8_t fillCopy = 1;
};

// The marks by which an imported or macro-applied block of steps is taken back as a whole.
// What the window keeps of its measurement graph window between openings: the graph items, the
// cursor mode, the current measurement, the placement and view it was last shown with and its
// free texts.
struct GraphWindowState {
  GraphItems items;
  int cursorMode = 0;
  int measurement = 0;
  bool placed = false;
  platform::WindowRect placement;
  // The view box as last shown (or as the figure file gave it); the two scales are free.
  bool viewSet = false;
  kernel::Box2 box;
  view::TextList texts;
};

struct ImportMarks {
  // The sequence number of the last history step when each block began; the top is the last.
  std::vector<std::int16_t> steps;
  // Per curve list (the two lists of curve records and the conic list): the number of records
  // each block added.
  std::array<std::vector<int>, 3> curves;
};

class TGeom11Win : public engine::TGeom10Win {
 public:
  TGeom11Win(platform::FrameWindow* parent, std::string_view title);
  ~TGeom11Win() override;

  // The label offset (pixels, in x and y) new figures give their points: 0 after Edit > Labels >
  // Home, 10 after Offset.
  std::uint16_t defaultLabelOffset = 10;
  // The second label-offset setting of the figure file, which the program does not use: kept as
  // the file gave it, and set with the first by Home and Offset.
  std::uint16_t secondLabelOffset = 10;

  // Empties the figure: no history, undo marks, fills, texts, pictures, user-defined functions or
  // objects, every point's name record reset with the default label offset, the tool dialogs
  // hidden, the view about the origin with half extents 5, the header "untitled", nothing
  // modified.
  void ClearFigure() override;
  // Hides the window's modeless construction dialogs.
  void HideToolDialogs();
  // File > New (after the save question): a figure with points is cleared and the window takes
  // the name it was opened with, unsaved.
  void NewFigure() override;

  // The line attributes new sides and circles take (colour, thickness, style as records hold them).
  kernel::LinePen currentLinePen{0, 1, 0};

  // --- Unit and random figures (unit_commands.cpp) -----------------------------------------------
  // Units > Random > Triangle, Circle and the other random figures: one step of the kind, run at
  // once; a refusal is shown as its message. With `snap` (the triangle and the circle) the new
  // figure's free points then go to the lattice in lattice-point mode. The executor's result.
  int RandomFigure(int kind, bool snap = false);
  // Units > Random > Inscribed polygon (convex 0) and Convex polygon (1): asks the number of
  // vertices first.
  void RandomPolygon(int convex);
  // Edit > Randomize: runs the history again as new, so every random figure draws new vertices.
  void Randomize();
  // In lattice-point mode: free point `point` (every free point for a negative argument) moved to
  // the nearest lattice point. Its argument; the plane without the mode has nothing to do.
  virtual int SnapToLattice(int point) { return point; }
  // A new random figure on the lattice: the free points snapped, and the figure built again on
  // them when one moved.
  void SnapNewFigure();

  // --- Units and Circle commands with a dialog (unit_dialog_commands.cpp) ----------------------
  // Units > Segment: asks the length and (but in a spherical window) the angle in degrees, then
  // makes the segment; refused with "could not find" when there is no room for two points.
  void AskUnitSegment();
  // The segment of the typed length and angle (kind 64); 0 or the message number (not shown).
  int UnitSegmentStep(const std::string& length, const std::string& angle);
  // What a polygon of RegularPolygonStep is: a star with its offset (every offset-th vertex
  // joined), or for the hyperbolic window the mode (1 the side length typed, 2 the angle); all
  // clear for a Euclidean regular polygon.
  struct PolygonShape {
    bool star = false;
    int offset = 0;
    int mode = 0;
  };
  // Units > Polygon > Regular (707): the number of sides and the length of a side in REGPOLY.
  virtual void RegularPolygon();
  // Units > Polygon > Regular of the hyperbolic window (876): HREGPOLY, the side length or the
  // interior angle.
  void HypRegularPolygon();
  // Units > Polygon > Star (711): sides, offset and side length in STARPOLY.
  void StarPolygon();
  // The polygon (kind 55) of the typed number of sides: "out of bounds" (17) when there are fewer
  // than 3 sides, a star's offset is below 1 or not below the count, or the lines would pass
  // 9000; "could not find" (2) when the points would pass 7877; else the executor's result, the
  // menu checks refreshed after a success. The message is not shown.
  int RegularPolygonStep(const std::string& sides, const PolygonShape& shape, const std::string& length,
                         const std::string& angle);
  // Units > Polygon > Parallelogram, Kite, Isosceles trapezoid: side, angle, side in a dialog.
  void AskSideAngleSide(int command);
  // The quadrilateral of the kind (56, 58 or 63) from the typed side, angle and side; 0 or the
  // message number (not shown).
  int SideAngleSideQuadrilateral(int kind, const std::array<std::string, 3>& texts);
  // Units > Polygon > Attach > Regular: the modeless dialog (number of sides, chain of points).
  void ShowAttachRegularDialog();
  engine::TDoUndoDlg* attachRegularDialog() const { return attachRegularDialog_.get(); }
  // A regular polygon of the typed number of sides on each segment of the chain, one step each;
  // 0 or the message of the first step refused.
  int DoAttachRegular(std::string& sides, std::string& chain) override;
  // Circle > Apollonian: the points P with PA:PB the typed ratio; 0 or the message number.
  void AskApollonianCircle();
  int ApollonianStep(const std::string& a, const std::string& b, const std::string& ratio);
  // Circle > Tangent circles: three touching circles centred at the three typed points.
  void AskTangentCircles();
  int TangentCirclesStep(const std::string& centres);

  // --- Animation, measurement, graph and macro commands (anim_meas_commands.cpp) ----------------
  // The entry the measurements dialog selects first (-1: none).
  int measurementIndex = -1;
  // Anim > Calibrate scrollbars: the small and medium steps of the slider scroll bars.
  void CalibrateScrollbars();
  // Anim > Autopilot link: the sliders named in a typed text move together.
  void AutopilotLink();
  // Meas: the measurements dialog.
  virtual void ShowMeasurements();
  // The characters the label font shows for pi, square, root and phi.
  virtual MeasurementSymbols Symbols() const { return {}; }
  // The measurement texts changed: the picture is drawn anew and the figure counts as modified.
  void MeasurementsChanged();
  // Anim > Graph window: opens (or shows again) the window that plots one measurement against
  // another, so it needs two; 0, or the message shown (141 for fewer measurements, 4 when no
  // window can be made). A figure read from a file opens its graph window through this too.
  int OpenGraphWindow();
  GraphWindowState graphState;
  // The linked graph window (null until first opened; it lives as long as this window).
  TGraphWin* graphWindow() const { return graphWindow_; }
  bool GraphWindowShown() const;
  // The graph window hides, keeping its state here.
  void HideGraphWindow();
  // The graph follows the figure: its cursor, its range when its horizontal measurement is a
  // slider, and its picture.
  void DrawGraphs() override;
  // The graph window's caption follows the figure's file name.
  void RetitleGraphWindow();
  // The graphs, cursor mode and free texts of the graph window in the figure file's graph block,
  // and taken from it.
  void CollectGraphBlock(engine::PlotSettingsPiece& plot);
  void TakeGraphBlock(const engine::PlotSettingsPiece& plot);
  // Called by the graph window when it is destroyed.
  void GraphWindowGone() { graphWindow_ = nullptr; }
  // Edit > Macro > Define: the steps and the points of the figure's macro.
  void DefineMacro();
  // The input and output points of the macro (at most 20 each), its caption, its range of steps.
  std::vector<std::uint16_t> macroInputs;
  std::vector<std::uint16_t> macroOutputs;
  std::string macroCaption;
  // The caption of the macro from its input and output points; false (the caption empty) when
  // an input point is missing.
  bool RebuildMacroCaption();
  engine::MacroRange macroRange;

  // --- Labels, display settings and the object dialogs (object_commands.cpp) ---------------------
  // The dialogs that make steps register here; they follow the history and the figure's objects.
  void AddStepDialog(TStepDlg* dialog) { stepDialogs_.push_back(dialog); }
  void RemoveStepDialog(TStepDlg* dialog);
  void RefreshDialogLists() override;
  void SetupMenuChecks(bool redraw) override;
  // Edit > Labels > Dot mode (-1 no markers, 0 each point's own, 1 to 4 every point's) and Letters
  // (-1 none, 0 the shown ones, 1 all): the next mode.
  void NextDotMode();
  void NextLettersMode();
  // Edit > Labels > Home (0) and Offset (10): every label's offset.
  void SetLabelOffsets(std::uint16_t offset);
  // Edit > Labels > Bullet size.
  void AskBulletSize();
  // Edit > Delete > Point: the listed points, one step each; 0 or the message shown.
  void CmDeletePoints();
  int DeletePoints(std::string text);
  // Why point p may not be deleted: 134 when it is a circle's centre or its only point, 133 when it
  // is one of the two points of a line; 0 when it may.
  int PointDeletionRefusal(int p) const;
  // The Soddy circles of three touching circles, or of two touching circles and a line touching
  // both (typed as two points, or "XX"/"YY"); the executor's result.
  int NewSoddyStep(const std::array<int, 3>& circles);
  int NewSoddyLineStep(int circle1, int circle2, const std::string& lineText);
  // The dialogs, made on first use (null before).
  TDelCircDlg* deleteCircleDialog() const { return deleteCircleDialog_.get(); }
  TSoddyDlg* soddyDialog() const { return soddyDialog_.get(); }
  TSoddy2Dlg* soddy2Dialog() const { return soddy2Dialog_.get(); }
  TLCIntDlg* lineCircleDialog() const { return lineCircleDialog_.get(); }
  TCurvCurvDlg* circleCircleDialog() const { return circleCircleDialog_.get(); }
  TCurvCurvDlg* commonTangentDialog() const { return commonTangentDialog_.get(); }
  TCurvPtDlg* tangentDialog() const { return tangentDialog_.get(); }
  TLCIntDlg* lineConicDialog() const { return lineConicDialog_.get(); }
  TCurvPtDlg* conicTangentDialog() const { return conicTangentDialog_.get(); }
  TCircAttrDlg* circleAttributeDialog() const { return circleAttributeDialog_.get(); }
  TLineAttrDlg* lineAttributeStepDialog() const { return lineAttributeDialog_.get(); }
  TCopyDlg* copyDialog() const { return copyDialog_.get(); }
  TRingDlg* ringDialog() const { return ringDialog_.get(); }
  TArcDlg* arcDialog() const { return arcDialog_.get(); }
  engine::TDoUndoDlg* swapDialog() const { return swapDialog_.get(); }
  // Line > Tangents: other window kinds open their own dialogs.
  virtual void TangentsCircleCircle();
  virtual void TangentsPointCircle();
  virtual void TangentsPointConic();
  // The points of line l (or an axis) on entry `curve` of the window's conic lists, in the order
  // the candidate dialogs number them (kind 100); 0 or the code (not shown). Windows without
  // conic lists find no curve.
  virtual int NewLineCurveIntersection(int /*line*/, int /*curve*/) { return engine::kMsgCouldNotFind; }

  // --- Marking sizes (marking_sizes.cpp) -------------------------------------------------------
  // Edit > Highlights > Tick length (k = 0), Arc radius (1), Bracket length (2) and Arrow length
  // (3): asks the size as a percentage of the screen width, shown with three decimals.
  void AskMarkingSize(int k);
  // A typed size v with 0.2 <= v <= 99.8 is stored as the nearest whole number of tenths of a
  // per cent and the picture redrawn; any other text is ignored. True when it was stored.
  bool SetMarkingSize(int k, const std::string& text);
  // View > Window: the view the figure is seen in again (nothing here).
  virtual void RestoreView() {}

  // --- Transformations (transform_commands.cpp) ---------------------------------------------------
  TransformSettings transform;
  // The image of each point under the last transformation run.
  TransformImages transformImages;
  // Transf > Rotate and Dilate: the rotation-dilation dialog with the remembered angle and factor
  // 1.0, or with the angle 0.0 and the remembered factor.
  virtual void Rotate();
  virtual void Dilate();
  // The dialog, then a kind-146 step; 0, a message number (already shown), or -1 when cancelled.
  int RotateDilate(std::string factorText, std::string angleText);
  // Transf > Mirror: the modeless mirror dialog (text 1 the mirror line, text 2 the objects).
  virtual void Mirror();
  int DoReflect(std::string& line, std::string& objects) override;
  engine::TDoUndoDlg* mirrorDialog() { return mirrorDialog_.get(); }
  // Transf > Translate: the vector as two points or typed "[x,y]" (Euclidean), or the axis
  // (hyperbolic), and the points to move.
  virtual void Translate();
  // Transf > Glide-reflect: a translation along the line AB (times a factor in the Euclidean
  // plane), then the reflection in that line.
  virtual void GlideReflect();
  // Transf > Invert: the inversion in the circle given by its centre and a point on it.
  virtual void Invert();
  // The steps of these commands from the dialogs' texts: 0, or the message number (not shown).
  int TranslateStep(const std::string& multiple, std::string vector, std::string objects);
  int GlideReflectStep(const std::string& multiple, std::string axis, std::string objects);
  int InvertStep(std::string circle, std::string objects);
  // The circle a dialog offers: the centre and a point of the first circle, else the first two
  // points; empty when there are fewer.
  std::string SuggestCircleInput() const;
  // Transf > Last repeat: a last translation, rotation or glide reflection again on its images.
  virtual void LastRepeat();
  // Copies every fill whose points the last transformation moved onto their images.
  void TransformFills() override;
  // Removes each polygon fill from position `from` on whose vertex set an earlier one of them
  // already has; the number of fills left.
  int RemoveDuplicateFills(int from);
  // Called after a transformation was made by a command.
  virtual void AfterTransform() {}

  // --- History listing, undo and imported blocks (history_commands.cpp) ------------------------
  // The header the history listing starts with (at most 59 characters).
  std::string historyHeader;
  // Other > Lists > History: the listing in the companion page window.
  void ShowHistoryList();
  // The listing's text and the number of steps it lists.
  std::string HistoryListing(int& steps);
  // Edit > Header.
  void EditHeader();
  shell::TPageWin* historyWindow() const { return historyWindow_; }

  ImportMarks importMarks;
  // An imported or macro-applied block begins: its mark holds the last step's sequence number.
  void PushImportMark();
  // The curve lists' counts before the block (and an undo mark of kind 157); EndCurveMarks turns
  // them into the numbers the block added.
  void PushCurveMarks();
  void EndCurveMarks();
  // Takes back the steps of the last block: 9 when there is no mark, 106 when steps were made or
  // taken back since; 0 when done.
  int UndoImport();
  // Each frees the records the last block added to its curve list (at most as many as it holds).
  void PopCurveList1() { PopCurveList(0); }
  void PopCurveList2() { PopCurveList(1); }
  void PopCurveList3() { PopCurveList(2); }
  // The number of records in curve list k (0 to 3), from the lists' counts; dropping n of them
  // from its head is for the layer that owns the lists.
  int CurveListCount(int k) const {
    return k >= 0 && k < 4 ? CountCurveLists()[static_cast<std::size_t>(k)] : 0;
  }
  virtual void DropCurveListHead(int /*k*/, int /*n*/) {}

  // --- The mouse picker and the mouse deletions (mouse_picker.cpp) ------------------------------
  // Set while the picker runs: the mouse buttons build nothing meanwhile.
  std::uint8_t pickerActive = 0;
  // Btns > Enable deletion by redrawing: a right click on a point deletes it, and drawing an
  // existing segment or circle again deletes it.
  std::uint8_t deletionByRedrawing = 0;
  // Collects n points clicked with the left button into out (room for n + 1 entries; a -1 follows
  // the last point picked), the prompt of string `stringId` and the names asked for in the
  // caption, until n were picked or 15 seconds pass without a pick. 0, or 136 when fewer were
  // picked.
  int PickPoints(std::span<std::int16_t> out, int n, std::string_view names, int stringId);
  // Appends the label of the point under the mouse to the first field of the construction dialog
  // shown last.
  virtual void PickPointIntoDialog(platform::PointI pixel);
  // Deletes point i as a step (kind 141): 0, -1 when deletion by the mouse is off, or 133 or 134
  // when the point defines a line or a circle (it is then not deleted).
  int DeletePointStep(int i);
  // Deletes line l through points a and b as a step (kind 142).
  void DeleteLineStep(int a, int b, int l);

  // --- Markings and tracing (plane/tracing_commands.cpp) -------------------------------------
  // Edit > Highlights > Markings and Anim > Tracing: the dialog made on first use, then shown.
  void ShowMarkingsDialog();
  void ShowTracingDialog();
  engine::TMarkDlg* markingsDialog() const { return markingsDialog_.get(); }
  engine::TTraceDlg* tracingDialog() const { return tracingDialog_.get(); }

 protected:
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  bool ObjectDialogCommand(int id);

 private:
  std::string defaultFileName_;
  std::vector<TStepDlg*> stepDialogs_;
  std::unique_ptr<TDelCircDlg> deleteCircleDialog_;
  std::unique_ptr<TSoddyDlg> soddyDialog_;
  std::unique_ptr<TSoddy2Dlg> soddy2Dialog_;
  std::unique_ptr<TLCIntDlg> lineCircleDialog_;
  std::unique_ptr<TCurvCurvDlg> circleCircleDialog_;
  std::unique_ptr<TCurvCurvDlg> commonTangentDialog_;
  std::unique_ptr<TCurvPtDlg> tangentDialog_;
  std::unique_ptr<TLCIntDlg> lineConicDialog_;
  std::unique_ptr<TCurvPtDlg> conicTangentDialog_;
  std::unique_ptr<TCircAttrDlg> circleAttributeDialog_;
  std::unique_ptr<TLineAttrDlg> lineAttributeDialog_;
  std::unique_ptr<TCopyDlg> copyDialog_;
  std::unique_ptr<TRingDlg> ringDialog_;
  std::unique_ptr<TArcDlg> arcDialog_;
  std::unique_ptr<engine::TDoUndoDlg> swapDialog_;
  // Makes the dialog on first use and shows it.
  template <class Dialog, class... Args>
  Dialog* ShowStepDialog(std::unique_ptr<Dialog>& dialog, Args... args);

  std::unique_ptr<engine::TDoUndoDlg> mirrorDialog_;
  std::unique_ptr<engine::TDoUndoDlg> attachRegularDialog_;
  // The commands of unit_dialog_commands.cpp; false for any other id.
  bool UnitDialogCommand(int id);
  bool EnableUnitDialogCommand(platform::CommandState& state);
  shell::TPageWin* historyWindow_ = nullptr;  // a child window, made on first use
  TGraphWin* graphWindow_ = nullptr;           // a child window, made on first use
  void PopCurveList(int k);
  // After a transformation command's step was committed: its undo mark, the fill images, the view;
  // with activate the window comes to the front (the mirror dialog stays in front instead).
  void FinishTransform(int kind, bool activate);
  // Runs a transformation step of the kind with operands 0 to 2, the three texts (the points of
  // text 2 upper-cased) and operand 39 by Save labels; when committed, FinishTransform. 0, or the
  // executor's message number.
  int RunTransformStep(int kind, std::array<std::uint16_t, 3> operands, std::array<std::string, 3> texts,
                       bool activate);
  bool TransformCommand(int id);
  bool HistoryCommand(int id);
  // Undo and Redo are offered while there is a step to take back or to restore; true for them.
  bool EnableHistoryCommand(platform::CommandState& state);
  // Begins a step of the kind with the current line attributes in operands 3 to 5.
  kernel::ConstructionRecord& BeginUnitStep(int kind);
  // Runs the begun step as a new one; a refusal is shown as its message. The executor's result.
  int RunUnitStep();
  // The commands of anim_meas_commands.cpp; false for any other id.
  bool AnimMeasCommand(int id);
  bool EnableAnimMeasCommand(platform::CommandState& state);
  // The commands of tracing_commands.cpp; false for any other id.
  bool TracingCommand(int id);
  bool EnableTracingCommand(platform::CommandState& state);
  std::unique_ptr<engine::TMarkDlg> markingsDialog_;
  std::unique_ptr<engine::TTraceDlg> tracingDialog_;
};

}  // namespace plane
