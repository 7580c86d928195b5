#pragma once
// The graph items of a plane window's measurement graph as plain data: each graph pairs a
// horizontal measurement with a vertical one (the texts of its companion record) and is drawn
// while a control parameter (a slider or a movable point's position parameter) runs from low to
// high in a number of steps. The lists are kept newest first; a graph is addressed by its index.
//
// Measurement texts are kept in the companion's 61-byte fields: cut to 60 characters, and always
// compared in that form.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/windows/figure_file_pieces.h"
#include "kernel/fill_trace_records.h"
#include "kernel/real.h"

namespace plane {

using kernel::Real;

inline constexpr std::size_t kGraphNameChars = 60;
// A graph is hidden and shown as a trace record is (the thousands of its byte-2 word).
// The controls: a slider (any kind but 0) or the position parameter of a point.
inline constexpr std::uint8_t kControlPoint = 0;
inline constexpr std::uint8_t kControlSlider = 1;
// The symbols of the seven sliders, index 0 to 6.
inline constexpr std::string_view kGraphSliderSymbols = "#$@&%?t";
// Cursor modes: off, or 0 to 5.
inline constexpr int kCursorOff = -1;
inline constexpr int kCursorModes = 6;

// The form a measurement text takes in a graph record.
std::string GraphName(std::string_view text);

// The horizontal (0) and vertical (1) measurement of a companion, and setting both.
std::string CompanionText(const engine::TraceCompanion& companion, int which);
void SetCompanionTexts(engine::TraceCompanion& companion, std::string_view horizontal, std::string_view vertical);


// A new graph's record: slider "#" from 0 to 1 in 100 steps, pen colour 4.
kernel::TraceRecord DefaultGraphRecord();
// Colour index and thickness of a graph's pen (a thickness of 0 counts as 1).
int GraphColour(const kernel::TraceRecord& record);
int GraphThickness(const kernel::TraceRecord& record);
int GraphSteps(const kernel::TraceRecord& record);

// The graphs of a window and the one the cursor follows.
struct GraphItems {
  std::vector<kernel::TraceRecord> records;
  std::vector<engine::TraceCompanion> companions;
  int current = -1;

  int Count() const { return static_cast<int>(records.size()); }
  bool HasCurrent() const { return current >= 0 && current < Count(); }
  // Adds a graph at the head of the lists; it becomes the current graph.
  void AddFirst(const kernel::TraceRecord& record, const engine::TraceCompanion& companion);
  // Removes graph i (the current graph then is none when it was i, and keeps its place otherwise).
  void Remove(int i);
  void Clear();
  // Selects the first graph of the horizontal measurement `name` that is not hidden, searching
  // from the head, or (next) from the graph after the current one, round the lists once. None
  // found: no current graph. The graph chosen, -1 for none.
  int Select(std::string_view name, bool next);
};

// The slider a measurement text stands for: a one-character text that is a slider symbol; else -1.
int SliderSymbolIndex(std::string_view text);

// The parameter values of a graph: steps + 1 values from low to high, the last exactly high.
// Nothing when steps is 0 or less.
std::vector<Real> GraphParameterValues(Real low, Real high, int steps);

// The x-range a slider's graph wants: [start - 5d, end + d] with d = 0.02 (end - start). True, and
// the range in xmin and xmax, when either end differs from the current one by more than 1e-13.
bool GraphRangeForSlider(Real start, Real end, Real& xmin, Real& xmax);

}  // namespace plane
