// Tracing: the path of a point, or the whole figure repeated, while a slider or the parameter of
// a movable point runs from a start to an end value.
#include <algorithm>
#include <string>

#include "engine/point_parameter.h"
#include "engine/windows/geom_win.h"
#include "resources/resource_library.h"
#include "view/view_mapping.h"

namespace engine {

namespace {

constexpr int kStringControl = 143;
constexpr int kStringWholeFigure = 144;
constexpr int kStringPenOn = 145;
constexpr int kStringColor = 146;
// Kinds from here on are switched off.
constexpr int kTraceOff = 1000;
constexpr int kTracePath = 1;
constexpr int kTraceFigureWithLabels = 3;
// The buffers hold this many positions more than the steps of a trace.
constexpr int kTraceSpare = 10;
// Traces of more steps than this may be stopped with Q.
constexpr int kLongTrace = 1000;
// The caption's "press Q to quit".
constexpr int kStatusQuit = 1;
// Only the pieces between visible positions are drawn.
constexpr int kVisiblePiecesOnly = 2;
constexpr int kTimeSlider = kSliderCount - 1;
constexpr const char* kSliderNames[] = {"#", "$", "@", "&", "%", "?"};

}  // namespace

void TGeomWin::SetTraceCapacity(int n) {
  n = std::max(n, 0);
  traceCapacity = n;
  tracePoints.assign(static_cast<std::size_t>(n + kTraceSpare), Point2{});
  traceFlags.assign(static_cast<std::size_t>(n + kTraceSpare), 0);
}

bool TGeomWin::TraceControl(const kernel::TraceRecord& record, Real*& value) {
  const int control = static_cast<std::int16_t>(record.word5);
  if (control < 0) return false;
  if (record.byte4 != 0) {
    value = &sliderValues()[static_cast<std::size_t>(std::min(control, kTimeSlider))].value;
    return true;
  }
  // A point its step places from nothing but its operands would stand still while the trace runs.
  if (!PointHasParameter(stepEngine, control)) return false;
  value = &tables().attrs[static_cast<std::size_t>(control)].value;
  return true;
}

bool TGeomWin::DrawTracing(view::FigurePainter& painter, const kernel::TraceRecord& record) {
  const int kind = record.word2;
  // A trace of no steps is skipped, and a path never runs past the buffers.
  const int n = static_cast<std::int16_t>(record.word9);
  if (kind >= kTraceOff || n < 1) return false;
  if (kind == kTracePath && n + 1 > static_cast<int>(tracePoints.size())) return false;
  Real* control = nullptr;
  if (!TraceControl(record, control)) return false;
  const int traced = static_cast<std::int16_t>(record.word7);

  painter.Comment("begin tracing");
  const Real saved = *control;
  const Real start = record.value17;
  const Real step = (record.value27 - start) / n;
  bool stopped = false;
  int count = 0;
  traceRunning = true;
  for (int j = 0; j <= n; ++j) {
    *control = start + step * j;
    ReplayConstruction(true);
    if (kind == kTracePath) {
      const bool exists = tables().PointExists(traced);
      const Point2 p = exists ? tables().xy[static_cast<std::size_t>(traced)] : Point2{};
      tracePoints[static_cast<std::size_t>(count)] = p;
      traceFlags[static_cast<std::size_t>(count)] = exists && view::InView(painter.mapping(), p) ? 1 : 0;
      ++count;
    } else {
      DrawTracedFigure(painter, kind == kTraceFigureWithLabels);
    }
    if (n > kLongTrace && !LongOperationRunning() && PollKey() == shell::kStopKey) {
      stopped = true;
      break;
    }
  }
  traceRunning = false;
  if (kind == kTracePath && count > 1) {
    painter.Save();
    painter.SetPen({view::InkColor::Index(record.low11), std::max<int>(record.high11, 1), view::kLineSolid});
    painter.FlaggedPolyline(std::span<const Point2>(tracePoints.data(), static_cast<std::size_t>(count)),
                            std::span<const std::uint8_t>(traceFlags.data(), static_cast<std::size_t>(count)),
                            kVisiblePiecesOnly);
    painter.Restore();
  }
  painter.Comment("end tracing");
  *control = saved;
  ReplayConstruction(true);
  return stopped;
}

void TGeomWin::DrawAllTracings(view::FigurePainter& painter) {
  // A paint that comes while a trace runs (a long one polls the keyboard) draws no traces.
  if (traceRunning || traces.empty()) return;
  // Buffers for long traces mean one of them may take a while: the caption says how to stop it,
  // unless an animation or an export is running the show. The window does not pull itself to the
  // front for it: a paint comes while the user types into a dialog, whose keys would then stop the
  // trace.
  const bool announce = traceCapacity > kLongTrace && !LongOperationRunning();
  if (announce) CaptionStatus(kStatusQuit);
  for (const kernel::TraceRecord& record : traces)
    if (DrawTracing(painter, record)) break;
  if (announce && !IsDestroyed()) UpdateCaption(false);
}

std::string TGeomWin::TraceItemText(const kernel::TraceRecord& record) const {
  std::string text = resources::LoadString(kStringControl) + " ";
  const int control = static_cast<std::int16_t>(record.word5);
  if (record.byte4 == 0) {
    tables().AppendPointName(text, control);
  } else if (control >= 0 && control < kTimeSlider) {
    text += kSliderNames[control];
  } else {
    text += "[t]";
  }
  if ((record.word2 % kTraceOff) < 2) {
    text += "; " + resources::LoadString(kStringPenOn) + " ";
    tables().AppendPointName(text, static_cast<std::int16_t>(record.word7));
  } else {
    text += "; " + resources::LoadString(kStringWholeFigure);
  }
  text += "; " + resources::LoadString(kStringColor) + " " + RgbText(record.low11);
  return text;
}

void TGeomWin::ClearTraceLists() {
  traces.clear();
  wing.pictureValid = 0;
}

void TGeomWin::DeleteTrace(int k) {
  if (k < 0 || static_cast<std::size_t>(k) >= traces.size()) return;
  traces.erase(traces.begin() + k);
  for (std::size_t i = 0; i < traces.size(); ++i) traces[i].word0 = static_cast<std::uint16_t>(i);
}

}  // namespace engine
