#pragma once
// The shared-commands layer of the geometry windows: the construction commands, object lists,
// figure-file pieces, fills, tracing and animation that the plane, hyperbolic, spherical and 3-D
// windows have in common; and the point markers and labels every drawing pass ends with.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/curve_tables.h"
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

class TGeom10Win : public TGeom09Win {
 public:
  TGeom10Win(platform::FrameWindow* parent, std::string_view title);

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

 private:
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
