// What the graph window draws, on the screen, the printer, the clipboard and in every export: the
// axes, one curve per visible graph of the horizontal measurement, the texts and the cursor; and
// the values the frames of an animated export give the cursor.
#include <algorithm>
#include <memory>
#include <optional>

#include "engine/windows/trace_dlg.h"
#include "kernel/number_text.h"
#include "plane/geom11_win.h"
#include "plane/graph_win.h"
#include "platform/dc.h"
#include "shell/file_msg_win.h"
#include "view/dc_figure_painter.h"

namespace plane {

namespace {

constexpr int kMarkerColourRole = 12;
constexpr int kAxisColourRole = 3;
constexpr int kAxisFontSlot = 1;
constexpr std::uint32_t kCursorMarkerStyle = 9;
constexpr int kCursorDotRadius = 2;
constexpr int kLabelGap = 3;
// Segments join only two drawn points: a point left out leaves a gap.
constexpr int kGapsMode = 2;
constexpr int kAnimatedSliders = 6;  // "t" keeps the plane window's value in the frames

}  // namespace

void TGraphWin::SampleGraph(int i, std::vector<kernel::Point2>& points, std::vector<std::uint8_t>& flags) {
  points.clear();
  flags.clear();
  GraphItems& items = graphs();
  if (i < 0 || i >= items.Count() || i >= static_cast<int>(items.companions.size())) return;
  const kernel::TraceRecord record = items.records[static_cast<std::size_t>(i)];
  const std::string horizontal = CompanionText(items.companions[static_cast<std::size_t>(i)], 0);
  const std::string vertical = CompanionText(items.companions[static_cast<std::size_t>(i)], 1);
  Real* cell = ControlCell(record);
  if (cell == nullptr) return;
  const std::vector<Real> values = GraphParameterValues(record.value17, record.value27, GraphSteps(record));
  if (values.empty()) return;
  points.reserve(values.size());
  flags.reserve(values.size());
  const Real saved = *cell;
  for (const Real v : values) {
    *cell = v;
    plane_.ReplayConstruction(true);
    Real x = 0;
    Real y = 0;
    const bool evaluated = Evaluate(horizontal, x) && Evaluate(vertical, y);
    const kernel::Point2 p = evaluated ? kernel::Point2{x, y} : kernel::Point2{0, 0};
    points.push_back(p);
    flags.push_back(evaluated && InView(p) ? 1 : 0);
  }
  // Back through the same cell: the point may not exist at the last value of the sweep.
  *cell = saved;
  plane_.ReplayConstruction(true);
}

void TGraphWin::DrawTracing(view::FigurePainter& painter, int i) {
  const GraphItems& items = graphs();
  if (i < 0 || i >= items.Count() || i >= static_cast<int>(items.companions.size())) return;
  const kernel::TraceRecord& record = items.records[static_cast<std::size_t>(i)];
  if (engine::TraceHidden(record) || CompanionText(items.companions[static_cast<std::size_t>(i)], 0) != CurrentMeasurementName())
    return;
  std::vector<kernel::Point2> points;
  std::vector<std::uint8_t> flags;
  SampleGraph(i, points, flags);
  painter.Save();
  painter.SetPen({view::InkColor::Index(GraphColour(record)), GraphThickness(record), view::kLineSolid});
  painter.Comment("begin tracing");
  painter.FlaggedPolyline(points, flags, kGapsMode);
  painter.Comment("end tracing");
  painter.Restore();
}

void TGraphWin::DrawAllTracings(view::FigurePainter& painter) {
  for (int i = 0; i < graphs().Count(); ++i) DrawTracing(painter, i);
}

void TGraphWin::SetSlotTextStyle(view::FigurePainter& painter, int slot, int colourRole) const {
  view::TextStyle style = painter.state().text;
  style.font = SlotFont(slot);
  style.pointSize = fontWin.pointSizes[static_cast<std::size_t>(slot)];
  style.color = view::InkColor::Index(preWin.roles[static_cast<std::size_t>(colourRole)]);
  style.formula = false;
  painter.SetTextStyle(style);
}

int TGraphWin::CursorDotRadius() const {
  // Pens are widened by the painter; the dot is a size in pixels and is widened here, like the
  // printed pen width, by the magnifier of a metafile drawn at a higher resolution.
  if (device.metafileRunning) return kCursorDotRadius * std::max(1, device.magnifier);
  if (qelWin.printing) return std::max(1, kernel::RoundLD(kCursorDotRadius * device.printFactor));
  return kCursorDotRadius;
}

void TGraphWin::DrawCursor(view::FigurePainter& painter) {
  const int mode = cursorMode();
  if (mode < 0 || mode >= kCursorModes || !EvaluateTracePoint() || !InView(tracedPoint)) return;
  const view::InkColor colour = view::InkColor::Index(preWin.roles[kMarkerColourRole]);
  const kernel::Point2 p = tracedPoint;
  painter.Save();
  painter.Comment("begin cursor");
  if (mode == 0) {
    painter.SetPen({colour, 1, view::kLineSolid});
    painter.SetBrush({});
    painter.Marker(p, kCursorMarkerStyle, markerSize);
  } else {
    if (mode % 2 == 1) {
      painter.SetPen({colour, 1, view::kLineSolid});
      painter.SetBrush({true, colour, 0});
      painter.PixelCircle({XToScreen(p.x), YToScreen(p.y)}, CursorDotRadius());
    }
    if (mode != 1) {
      painter.SetPen({colour, 1, view::kLineDot});
      painter.Segment({0, p.y}, p, true);
      painter.Segment({p.x, 0}, p, true);
    }
    if (mode >= 4) {
      SetSlotTextStyle(painter, kAxisFontSlot, kAxisColourRole);
      painter.Text({XToScreen(p.x), YToScreen(0) + kLabelGap}, plane_.FormatNumber(p.x, true), 0, -1, std::nullopt);
      painter.Text({XToScreen(0) - kLabelGap, YToScreen(p.y)}, plane_.FormatNumber(p.y, true), -1, 0, std::nullopt);
    }
  }
  painter.Comment("end cursor");
  painter.Restore();
}

void TGraphWin::DrawMeasurementName(view::FigurePainter& painter) {
  DrawAxisNameText(painter, CurrentMeasurementName());
}

void TGraphWin::DrawGraphScene(view::FigurePainter& painter, bool withAxes) {
  if (withAxes) {
    DrawAxes(painter);
    DrawScaleLabels(painter);
  }
  DrawAllTracings(painter);
  PushFrameValues();
  DrawCursor(painter);
  PopFrameValues();
  DrawMeasurementName(painter);
}

void TGraphWin::RepaintNow() {
  if (!IsCreated() || IsDestroyed()) return;
  Invalidate(false);
  UpdateNow();
}

void TGraphWin::RenderGraphPicture() {
  std::optional<platform::Bitmap>& picture = preWin.buffers[kGraphBitmapLevel];
  if (!picture || picture->width() != preWin.width || picture->height() != preWin.height) {
    // The window was resized: the views saved for "last window" were of the old size.
    ViewStack(0);
    RebuildBitmaps(kGraphBitmapLevel);
    wing.pictureValid = 0;
  }
  if (wing.pictureValid && preWin.bufferValid[kGraphBitmapLevel]) return;
  {
    std::unique_ptr<platform::DC> dc = picture->CreateDC();
    TPreWin::Paint(*dc);
    view::DcFigurePainter painter(*dc, mapping, DcRules());
    DrawAxes(painter);
    DrawScaleLabels(painter);
    DrawAllTracings(painter);
  }
  ++pictureRenders;
  wing.pictureValid = 1;
  preWin.bufferValid[kGraphBitmapLevel] = 1;
}

void TGraphWin::Paint(platform::DC& dc) {
  // The axes and curves come from the off-screen picture, drawn again only when it is stale; the
  // texts and the cursor, which move on their own, are drawn over it.
  RenderGraphPicture();
  BlitBuffer(kGraphBitmapLevel, dc);
  {
    view::DcFigurePainter painter(dc, mapping, DcRules());
    DrawTexts(painter);
    PushFrameValues();
    DrawCursor(painter);
    PopFrameValues();
    DrawMeasurementName(painter);
  }
  DrawPictures(dc);
}

bool TGraphWin::PaintPicture(platform::DC& dc) {
  UpdateScale();
  SetPrinterScale(dc);
  ScaleFonts(true, PrintedTextDpi());
  {
    view::DcFigurePainter painter(dc, mapping, DcRules());
    DrawGraphScene(painter, true);
    DrawTexts(painter);
  }
  ScaleFonts(false, PrintedTextDpi());
  return true;
}

bool TGraphWin::PaintToBitmap(platform::DC& dc) {
  view::DcFigurePainter painter(dc, mapping, DcRules());
  DrawGraphScene(painter, true);
  DrawTexts(painter);
  return true;
}

void TGraphWin::UpdateCaption(bool /*saving*/, std::string_view /*extraText*/) { SetTitle(fileMsg.fileName); }

// --- Animated exports ---------------------------------------------------------------------

void TGraphWin::ExportFileChosen(view::ExportKind kind) {
  // The frames are driven by a parameter text: slider symbols or point names.
  exports.animationMode = 1;
  TGeom10Win::ExportFileChosen(kind);
}

bool TGraphWin::PrepareExport(view::ExportKind kind) {
  const int control = exports.animationControl;
  if (control == 1 || control == 2) return false;
  if (control == kAnimateSliders) frameSliders = plane_.sliderValues();
  if (control == kAnimatePoints) {
    engine::FigureTables& t = plane_.tables();
    for (std::size_t j = 0; j < animatedPoints.size() && j < framePointValues.size(); ++j)
      framePointValues[j] = t.attrs[static_cast<std::size_t>(animatedPoints[j])].value;
  }
  return TGeom10Win::PrepareExport(kind);
}

void TGraphWin::SetFrameValues(Real t) {
  if (exports.animationControl == kAnimateSliders) {
    for (std::size_t k = 0; k < frameSliders.size(); ++k) {
      if (!animatedSliders[k]) continue;
      engine::AnimationParameter& s = frameSliders[k];
      s.value = s.low + t * (s.high - s.low);
    }
  } else if (exports.animationControl == kAnimatePoints) {
    for (std::size_t j = 0; j < animatedPoints.size() && j < framePointValues.size(); ++j) framePointValues[j] = t;
  }
}

void TGraphWin::PushFrameValues() {
  frameSave_.active = false;
  if (exportFrames_ <= 1) return;
  const int control = exports.animationControl;
  if (control == kAnimateSliders) {
    engine::SliderValues& values = plane_.sliderValues();
    for (std::size_t k = 0; k < kAnimatedSliders; ++k) {
      frameSave_.sliders[k] = values[k].value;
      values[k].value = frameSliders[k].value;
    }
  } else if (control == kAnimatePoints) {
    engine::FigureTables& t = plane_.tables();
    frameSave_.points.clear();
    for (std::size_t j = 0; j < animatedPoints.size() && j < framePointValues.size(); ++j) {
      Real& cell = t.attrs[static_cast<std::size_t>(animatedPoints[j])].value;
      frameSave_.points.push_back(cell);
      cell = framePointValues[j];
    }
  } else {
    return;
  }
  frameSave_.active = true;
  plane_.ReplayConstruction(true);
}

void TGraphWin::PopFrameValues() {
  if (!frameSave_.active) return;
  frameSave_.active = false;
  if (exports.animationControl == kAnimateSliders) {
    engine::SliderValues& values = plane_.sliderValues();
    for (std::size_t k = 0; k < kAnimatedSliders; ++k) values[k].value = frameSave_.sliders[k];
  } else {
    engine::FigureTables& t = plane_.tables();
    for (std::size_t j = 0; j < frameSave_.points.size(); ++j)
      t.attrs[static_cast<std::size_t>(animatedPoints[j])].value = frameSave_.points[j];
  }
  plane_.ReplayConstruction(true);
}

bool TGraphWin::ExportPicture(view::FigurePainter& painter, const view::ExportFrame& frame) {
  if (frame.frames > 1) {
    if (frame.frame == 0) {
      CaptionStatus(1);
      BringToFront();
    } else {
      if (PollKey() == shell::kStopKey) return false;
      SetFrameValues(static_cast<Real>(frame.frame) / static_cast<Real>(frame.frames - 1));
    }
  }
  exportFrames_ = frame.frames;
  const bool drawn = TGeom10Win::ExportPicture(painter, frame);
  DrawGraphScene(painter, false);
  exportFrames_ = 1;
  return drawn;
}

}  // namespace plane
