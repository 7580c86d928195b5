#pragma once
// The measurement graph window of a plane window: it plots one measurement of the plane figure
// against another while a control parameter of the figure (a slider, or a movable point's
// position parameter) runs through a range, and marks with a cursor the point of the parameter's
// current value. It keeps no figure of its own: every value is evaluated in the plane window,
// which also keeps the window's lasting state (the graph items, the cursor mode, the placement and
// view) and copies it in when the window opens and back when it hides.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/windows/geom10_win.h"
#include "plane/graph_items.h"

namespace plane {

class TGeom11Win;
class TGrTraceDlg;

// Commands of the graph window.
inline constexpr int kCmdGraphMarker = 1118;
inline constexpr int kCmdGraphInventory = 1122;
inline constexpr int kCmdNextGraph = 998;

// The frame exports' control of the animated values: the sliders named in the parameter text, or
// the position parameters of the points named there.
inline constexpr int kAnimateSliders = 3;
inline constexpr int kAnimatePoints = 4;
inline constexpr int kAnimatedPointCapacity = 50;
// The off-screen picture the window paints from.
inline constexpr int kGraphBitmapLevel = 2;

class TGraphWin : public engine::TGeom10Win {
 public:
  TGraphWin(TGeom11Win& plane, std::string_view title);
  ~TGraphWin() override;

  TGeom11Win& plane() const { return plane_; }

  // Copies of the plane window's measurement texts, in its order; the current one is the
  // horizontal measurement of the graphs shown.
  view::TextList measurements;
  int currentMeasurement = 0;
  // The point of the current graph at the parameter's current value.
  kernel::Point2 tracedPoint{0, 0};
  int markerSize = 7;

  // The graphs (kept by the plane window).
  GraphItems& graphs();
  const GraphItems& graphs() const;
  // The plane window's cursor mode, -1 (off) or 0 to 5.
  int& cursorMode();

  // The caption "graphs [name]" for the plane figure's file.
  void SetTitle(std::string_view fileName);
  // The text of the current measurement in its graph-record form ("" when there is none).
  std::string CurrentMeasurementName() const;
  // Makes measurement i the horizontal one (the current graph becomes none).
  void SelectMeasurement(int i);
  // Selects the first visible graph of the current measurement, or (next) the one after the
  // current graph.
  int SelectGraphOfMeasurement(bool next);
  // The cursor point for the parameter's current value: false without a current graph, when the
  // value lies outside the graph's range or when a measurement fails.
  bool EvaluateTracePoint();
  // After slider k moved: when the horizontal measurement is that slider's symbol, the x-range
  // follows the slider's range; true when it changed.
  bool FitRangeToGraph(int k);
  // Point names are those of the plane figure.
  int FindPointByName(std::string_view text) const override;
  int AppendPointName(std::string& text, int i) const override;
  // Evaluates a measurement in the plane window; true for a value.
  bool Evaluate(const std::string& text, Real& value);
  // The value cell of a graph's control parameter in the plane window (null for a point without
  // a parameter, one that does not exist, or a slider out of range).
  Real* ControlCell(const kernel::TraceRecord& record);
  // The points of the curve of graph i, one per parameter value, and whether each is drawn (in
  // view and both measurements evaluated). The plane window's parameter and figure are as they
  // were afterwards.
  void SampleGraph(int i, std::vector<kernel::Point2>& points, std::vector<std::uint8_t>& flags);

  // The picture: axes, every visible graph of the current measurement, the texts, the cursor.
  void DrawGraphScene(view::FigurePainter& painter, bool withAxes);
  void DrawTracing(view::FigurePainter& painter, int i);
  void DrawAllTracings(view::FigurePainter& painter);
  void DrawCursor(view::FigurePainter& painter);
  // The radius in device pixels of the cursor's dot on the device of the current pass.
  int CursorDotRadius() const;
  void DrawMeasurementName(view::FigurePainter& painter);
  // Draws the window at once.
  void RepaintNow();
  // The plane figure changed (a new step, undo, a drag, a slider): the x-range follows a slider
  // shown as the horizontal measurement, the curves are drawn anew and the cursor follows.
  void FigureChanged();
  // The axes and curves as drawn into the off-screen picture (level 2), made again when stale;
  // the count of times that happened.
  void RenderGraphPicture();
  int pictureRenders = 0;

  // The state the plane window keeps: placement, view, current measurement, texts.
  void SaveGraphState();
  void Hide() override;
  void ShowInventory();
  TGrTraceDlg* inventory() const { return inventory_.get(); }
  // After the graph items changed: the picture is drawn anew and the plane figure is modified.
  void GraphsChanged();
  void SetModified();

  // The frame exports.
  // The value each animated slider and point takes in the frames, and the points animated.
  std::array<engine::AnimationParameter, engine::kSliderCount> frameSliders{};
  std::array<bool, engine::kSliderCount> animatedSliders{};
  std::vector<int> animatedPoints;
  std::array<Real, kAnimatedPointCapacity> framePointValues{};
  // Parses a point list against the plane window's labels into animatedPoints: 4 when at least
  // one point was found, else 0.
  int ParsePointSelection(std::string text);
  int SetAnimationControl(std::string_view parameterText) override;
  bool PrepareExport(view::ExportKind kind) override;
  void ExportFileChosen(view::ExportKind kind) override;
  bool ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) override;
  bool PaintPicture(platform::DC& dc) override;
  bool PaintToBitmap(platform::DC& dc) override;
  void SetViewBox(const kernel::Point2& centre, Real halfWidth, Real halfHeight, bool unequal) override;
  void SetupMenuChecks(bool redraw) override;
  // The caption stays "graphs [name]".
  void UpdateCaption(bool saving, std::string_view extraText = {}) override;

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void EnableCommand(platform::CommandState& state) override;
  void Paint(platform::DC& dc) override;
  void OnDestroy() override;
  void OnCloseRequest() override { Hide(); }
  void OnMouseDown(const platform::MouseEvent& e) override;

 private:
  TGeom11Win& plane_;
  std::unique_ptr<TGrTraceDlg> inventory_;
  // While a multi-frame export runs: the plane's values that the frame's own replaced.
  struct FrameSave {
    bool active = false;
    std::array<Real, engine::kSliderCount> sliders{};
    std::vector<Real> points;
  };
  FrameSave frameSave_;
  int exportFrames_ = 1;
  void PushFrameValues();
  void PopFrameValues();
  // The frame's animated values for t from 0 to 1.
  void SetFrameValues(Real t);
  void NextMarkerMode();
  // Plain text in the font of the slot and the colour of the role.
  void SetSlotTextStyle(view::FigurePainter& painter, int slot, int colourRole) const;
};

}  // namespace plane
