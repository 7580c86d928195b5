#pragma once
// The figure layer of the geometry windows. It owns the figure as plain data, the step engine with
// its tables (points, labels, lines, circles) and its history of steps, and the list of filled
// regions the undo marks cut back. A command builds a step and runs it (RunNewStep): the step's
// executor adds its objects and writes its one-line description, and EndStep commits it, after
// which the view follows the figure (Update) and the figure is repainted. Undo and Redo rebuild the
// figure by replaying the history. The geometry layers above fill the virtual operations, whose
// defaults here do nothing.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/slider_motion.h"
#include "engine/step_engine.h"
#include "engine/windows/arrow_drawing.h"
#include "engine/windows/func_win.h"
#include "engine/windows/markings.h"
#include "kernel/fill_trace_records.h"

namespace engine {

class TGeomWin : public TFuncWin {
 public:
  TGeomWin(platform::FrameWindow* parent, std::string_view title);

  // The figure: tables, history, the executors' shared state.
  StepEngine stepEngine;
  // The filled regions, in the order they were made.
  std::vector<kernel::FillRecord> fills;
  // The description the last step run by a command wrote.
  std::string stepText;

  FigureTables& tables() { return stepEngine.tables; }
  const FigureTables& tables() const { return stepEngine.tables; }
  StepHistory& history() { return stepEngine.history; }
  const StepHistory& history() const { return stepEngine.history; }

  // --- The figure tables -----------------------------------------------------------------
  // The first point the text names; -1 when it names none.
  virtual int FindPointByName(std::string_view text) const { return tables().FindPointByName(text); }
  // Appends the name of point i: 1, or 0 (nothing appended) outside the point table.
  virtual int AppendPointName(std::string& text, int i) const { return tables().AppendPointName(text, i); }

  // --- Steps -----------------------------------------------------------------------------
  // Runs the current step by its kind; the executor's result. Nothing here: the step layer above
  // dispatches.
  virtual int RedoStep(std::string* /*out*/) { return 0; }
  // Runs the step begun with history().BeginStep as a new step, its description into stepText.
  // A result above 0 (a message number) gives back what the step reserved in the tables and drops
  // it; otherwise EndStep commits it. The deletions of lines and circles answer with a count and
  // are always committed. The executor's result.
  int RunNewStep();
  // Links the begun step at the end of the history: the redo list is emptied, the figure counts
  // as modified and the menu checks are refreshed.
  void AppendStep();
  // Commits the begun step (AppendStep), lets the view follow the figure and repaints it; 1. When
  // cancelled the step is dropped; 0.
  int EndStep(bool cancelled);
  void ClearHistory();
  void ClearRedo() { history().ClearRedo(); }
  // The kind of the last step; -1 when the history is empty or holds only its first step.
  int LastStepType() const { return history().LastStepType(); }
  // Undo (type 0, or the kind the last step must have) or Redo (type -1): the history is replayed,
  // the view updated (with update) and the figure repainted. 1 when done, 0 when refused.
  int UndoRedo(int type, bool update);
  // The undo marks of the transformations: a mark holds the number of fills when it was pushed;
  // popping the mark of the kind cuts the fills back to it.
  void PushUndoMark(std::uint16_t kind);
  void PopUndoMark(std::uint16_t kind);
  void ClearUndoMarks() { history().ClearUndoMarks(); }
  // Drops the fills from position n on.
  void TruncateItemList(int n);
  // Replays the whole history and repaints.
  void RecomputeAndRepaint();
  void SetModified() { fileMsg.modified = 1; }
  // True when the figure has steps and was changed since it was last saved.
  bool IsModified() override;

  // --- Operations of the geometry layers (nothing here) ---------------------------------------
  // After a step, Undo and Redo: the view keeps (keepView) or is fitted to the figure.
  virtual void Update(bool /*keepView*/) {}
  // Adds the fills of the images of the last transformation.
  virtual void TransformFills() {}
  // Refreshes the object lists of the construction dialogs.
  virtual void RefreshDialogLists() {}
  virtual void RefreshFaceDialog() {}
  // The 3-D windows recompute their measurements from point `from` on (-1: all).
  virtual void RecomputeMeasurements(int /*from*/) {}

  // --- Colours, help, points on the screen (figure_layer_setup.cpp) -------------------------------
  // Colour roles the figure layers use: the labels, the contrast colour derived from them and the
  // label colour it was derived for, the texts.
  static constexpr int kLabelColorRole = 1;
  static constexpr int kContrastColorRole = 2;
  static constexpr int kContrastSourceRole = 8;
  static constexpr int kTextColorRole = 13;
  // The contrast colour follows the label colour: 4 for labels of colour 5 or 14, else 5.
  void UpdateContrastColor();
  // Moves role i off the background's colour (up by one, or down from the last colour).
  void AvoidBackgroundColor(int i);
  // The help topics of the menus, plane or solid by the window's dimension.
  void HelpTopics();
  // Clicking a point (within 3 pixels): its label shows or hides; a hidden label gives the point
  // the next of the five marker styles first. True when a point was hit.
  bool CycleLabelPosition(platform::PointI mouse);
  // The pixel of point i: false when it does not exist, else whether the pixel lies in the view.
  bool PointToScreen(int i, platform::PointI& pixel) const;
  // A text tied to point i stands beside it.
  kernel::Point2 ObjectPosition(int i) override;
  // The list of the objects a text can be tied to: the names of the existing points in index
  // order (textItems.objectMap gets each row's point), the row of point `tie` selected.
  void ObjectName(platform::Dialog& dialog, int listId, int tie) override;
  // The point within tolerance (world units) of the mouse; -1 when none.
  int PointAtMouse(platform::PointI mouse, Real tolerance) const;
  // A direction drawn uniformly from the sphere.
  static Point3 RandomUnitVector3D();

  // --- Segments and arrows between world points (arrow_drawing.h) --------------------------------
  bool DrawPointChain(view::FigurePainter& painter, const Point2& p, const Point2& q, const view::LinePen& pen,
                      bool asLine) {
    return engine::DrawPointChain(painter, p, q, pen, asLine);
  }
  void DrawArrow(view::FigurePainter& painter, const Point2& p, const Point2& q, bool clip, bool shaft, Real headSize,
                 const view::LinePen& pen) {
    engine::DrawArrow(painter, p, q, clip, shaft, headSize, wing.solidArrowheads != 0, pen);
  }

  // --- Measurements (measurement_texts.cpp) -----------------------------------------------------
  // Adds a measurement text below the last shown one (at the top left for the first, at the top
  // centre when the last one is near the bottom), tied to the frame. resultCode is what compiling
  // the expression gave: a point and the other non-numbers keep the kind in the item's code.
  void AddTextItem(const std::string& text, int resultCode, bool shown);
  // A measurement shows its expression and value (from code 1000 on its value alone); the other
  // texts as the lower layer shows them.
  std::string GetItemText(const view::TextItem& item) override;
  // A measurement goes into a PiCTeX picture as one put from the top-left corner of its box, its
  // text and value in math mode.
  bool SetFromCorner(const view::TextItem& item) const override;
  // The measurements tied to the frame keep their place in the window when the view changes, as
  // the plain texts do.
  void RescaleTexts(kernel::Real newHalfWidth, kernel::Real newHalfHeight, kernel::Real oldHalfWidth,
                    kernel::Real oldHalfHeight) override;
  // The text at the right end of the x axis, just above it, in the measurements font and the
  // axes' colour (the graph window names its current measurement so). It is drawn wherever it
  // falls, in the picture or not.
  void DrawAxisNameText(view::FigurePainter& painter, const std::string& text);

  // --- The coordinates under the mouse (coordinate_tracking.cpp) ------------------------------
  // While the left button is held: the coordinates of the point within 5 pixels of the mouse, in
  // parentheses, drawn at the mouse; nothing when no point is there. The text goes when the
  // button comes up.
  void TrackPointCoordinates(platform::PointI mouse);

  // --- Evaluated texts (evaluated_texts.cpp) -----------------------------------------------------
  // The entry of an evaluated text's code: 1, or 0 for a code below 5000.
  int GetEvalTextEntry(view::EvalTextEntry& entry, int code) override;
  // check: the first error of the switched-on expressions, -12 when there is no first
  // expression; else the entry stored (a new text takes the next free entry): 0, or 4 when the
  // table is full.
  int FormatEvalText(view::EvalTextEntry& entry, std::uint16_t& code, bool check) override;
  // Parts separated by "~", plain texts and expressions by turns (an expression first with
  // expressionFirst); each expression's value with the decimals, "?" when it fails.
  std::string ExpandEvalText(const std::string& text, bool expressionFirst, int decimals);
  // The caption, then the values, in parentheses when there are several, with their expressions
  // as names when asked.
  std::string EvaluatedItemText(const view::TextItem& item);

  // --- Sliders (slider_animation.cpp) ---------------------------------------------------------
  SliderSettings sliders;
  // Minimum, value and maximum of each slider, as the expressions read them.
  SliderValues& sliderValues() { return compiler.settings.parameters; }
  // Runs slider k (and the sliders linked to it) in the mode until Q, an accelerator key or the
  // stop value ends it, or the window closes: each pass moves the values, replays the history and
  // draws the frame. The keys P (pause), F (faster), S (slower) and, in reverse and cycle mode,
  // the space bar (turn round) steer it. False when nothing ran.
  bool AnimateSlider(int k, SliderMode mode, bool stop, Real stopValue);
  // After a slider changed: the figure follows and is drawn at once.
  void RefreshAfterSliderChange();
  // The clock of time mode, hundredths of a second since midnight.
  std::function<long()> clockCentiseconds;
  // What follows a replay after a slider changed; the graphs of the measurements (also after a
  // new step, undo and redo); one row of the data table; whether the figure may be animated.
  // Nothing, nothing, 0 and true here.
  virtual void AfterSliderReplay() {}
  virtual void DrawGraphs() {}
  virtual int RecordDataRow() { return 0; }
  virtual bool MayAnimate() { return true; }
  // A new movable point where point p is (the slider panel's "vert at"): 1 when the step was
  // appended; nothing here.
  virtual int NewPointStep(int /*p*/) { return 0; }

  // --- Markings (figure_markings.cpp) -------------------------------------------------------
  // The markings in the order they were made, as their file records.
  std::vector<Marking> markings;
  MarkingSettings markingSizes;
  // Reads the points of a marking from the typed labels (two for ticks, arrows, rays and
  // segments; three for angle marks, the vertex in the middle) and appends it: 0, or the message
  // to show (nothing is added then).
  virtual int AddMarking(const std::string& where, std::uint16_t type, std::int16_t value);
  // The list of the markings dialog: one line per marking.
  std::vector<std::string> MarkingLines() const;
  // Removes marking k (all of them) and repaints.
  void DeleteMarking(int k);
  void FreeMarkings();

  // --- Tracing (tracing.cpp) ---------------------------------------------------------------
  // The trace records in list order.
  std::vector<kernel::TraceRecord> traces;
  // The trace of the points of a path holds at most this many steps.
  int traceCapacity = 0;
  std::vector<Point2> tracePoints;
  std::vector<std::uint8_t> traceFlags;
  // Sizes the buffers for paths of n steps (n + 10 positions).
  void SetTraceCapacity(int n);
  // Draws one trace: the control runs from its start to its end value in n steps, the figure
  // is replayed at each, and the traced point's path (or the whole figure) is drawn; the control
  // and the figure are then as they were. True when Q stopped it.
  bool DrawTracing(view::FigurePainter& painter, const kernel::TraceRecord& record);
  // Every trace, until one is stopped.
  void DrawAllTracings(view::FigurePainter& painter);
  // The one-line description of a trace (the control, the pen or "whole fig", the colour).
  std::string TraceItemText(const kernel::TraceRecord& record) const;
  void ClearTraceLists();
  void DeleteTrace(int k);
  // Set while a long trace may be stopped with Q.
  bool traceRunning = false;
  // A slider animation or an export runs: it owns the caption and the keyboard, so a long trace
  // neither announces Q nor polls for it.
  bool LongOperationRunning() const { return sliders.animating != 0 || exports.running != view::ExportKind::None; }
  // The control value of a trace: a slider's value or a movable point's parameter; false when
  // the control names neither.
  bool TraceControl(const kernel::TraceRecord& record, Real*& value);
  // The figure for a trace of the whole figure (with labels): nothing here.
  virtual void DrawTracedFigure(view::FigurePainter& /*painter*/, bool /*labels*/) {}
  // After each move of the figure (a drag, a slider): the temporary trace's dots; nothing here.
  virtual void RecordTrailSample() {}
  // A trace record was made or edited: nothing here.
  virtual void SelectTraceByName(int /*k*/) {}

 protected:
  void GeometryChanged() override;
  // A colour role changed in the colour window: the background rebuilds the window's background
  // and the contrast colour, the labels their contrast colour, the texts keep off the background.
  void ColorChanged(int roleKind) override;
  // The faces are filled from the figure's points.
  bool FacePoint(int index, kernel::Point2& p) const override {
    if (!tables().PointExists(index)) return false;
    p = tables().xy[static_cast<std::size_t>(index)];
    return true;
  }
  // Gives the step engine the window's number form and view before it runs steps.
  void PrepareStepEngine();

 private:
  // What the history asks of the window during Undo and Redo.
  class Hooks : public HistoryHooks {
   public:
    explicit Hooks(TGeomWin& window) : window_(window) {}
    bool CheckEditLock() override;
    void RenameLabelInTexts(const std::string& oldName, const std::string& newName) override;
    int FillCount() const override;
    void TruncateFills(int count) override;
    void TransformFills() override;
    void ReplayConstruction() override;
    void AfterUndoRedo(bool update) override;
    void UpdateMenuChecks() override;

   private:
    TGeomWin& window_;
  };

  Hooks hooks_{*this};
};

}  // namespace engine
