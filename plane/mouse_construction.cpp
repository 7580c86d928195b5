// The mouse buttons of the plane windows by toolbar mode: new points at the mouse (free, bound to
// the object under it, or at the crossing of two objects), segments, rays, lines and circles
// dragged from point to point over a rubber band, and the coordinate editor or the deletion of
// the point under the right button.
#include <cmath>
#include <memory>
#include <string>

#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"
#include "plane/geom_d_win.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "platform/modal_loop.h"
#include "view/dc_figure_painter.h"

namespace plane {

namespace {

using kernel::Point2;
using kernel::Real;
using platform::PointI;

constexpr Real kModelEdge = 1e-16L;
constexpr Real kSquareFloor = 1e-31L;
constexpr int kDragDone = 1;
// The rubber band's pen: colour 0, width 1, solid.
constexpr kernel::LinePen kRubberBandPen{0, 1, 0};

constexpr int kSegmentKind = 111;
constexpr int kRayKind = 117;
constexpr int kLineKind = 116;
constexpr int kToggleExtensionKind = 112;
constexpr int kCircleKind = 91;
constexpr int kMovablePointKind = 121;
constexpr int kCircleDeletionKind = 143;
constexpr int kPointOnSegmentKind = 201;
constexpr int kPointOnCircleKind = 202;
constexpr int kPointOnHypercycleKind = 207;
constexpr int kPointOnHorocycleKind = 209;
constexpr std::uint16_t kBeyondLast = 1;
constexpr std::uint16_t kBeforeFirst = 0xFFFF;

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

Point2 TGeomDWin::WorldOf(PointI pixel) const {
  Point2 p;
  PixelToWorld(pixel, p);
  return p;
}

int TGeomDWin::PointNearPixel(PointI pixel, int pixels) const {
  const Point2 p = WorldOf(pixel);
  return tables().FindPointNear(p.x, p.y, PixelTolerance(pixels));
}

engine::ObjectsAtClick TGeomDWin::FindLinesAt(const Point2& p) const {
  return engine::FindLinesAt(tables(), model(), p, PixelTolerance(kPressPixels));
}

engine::ObjectsAtClick TGeomDWin::FindCirclesAt(const Point2& p) const {
  return engine::FindCirclesAt(tables(), model(), p, PixelTolerance(kPressPixels));
}

engine::ObjectsAtClick TGeomDWin::FindHypercyclesAt(const Point2& p) const {
  if (!model().Hyperbolic) return {};
  return engine::FindHypercyclesAt(tables(), p, PixelTolerance(kPressPixels));
}

engine::ObjectsAtClick TGeomDWin::FindHorocyclesAt(const Point2& p) const {
  if (!model().Hyperbolic) return {};
  return engine::FindHorocyclesAt(tables(), p, PixelTolerance(kPressPixels));
}

void TGeomDWin::OnMouseDown(const platform::MouseEvent& e) {
  if (pickerActive) return;
  const int mode = ToolbarMode();
  const PointI pixel{e.x, e.y};
  const bool left = e.button == platform::MouseButton::Left;
  if (!left && e.button != platform::MouseButton::Right) return;
  switch (mode) {
    case kModeSegments:
    case kModeCircles:
    case kModeRays:
    case kModeLines:
      if (left) {
        DragLineOrCircle(pixel);
      } else if (const int r = AddPointAtMouse(pixel); r >= kPointUnderMouse) {
        DeleteOrEditPoint(r - kPointUnderMouse);
      } else if (r > 0) {
        Msg(r);
      }
      return;
    case kModeDragVertices:
      if (left) DragVertices(pixel);
      else CycleLabelPosition(pixel);
      return;
    case kModeCoordinates:
      if (left) TrackPointCoordinates(pixel);
      else RecenterAtPoint(pixel);
      return;
    case kModeRotation:
      if (left) DragRotation(pixel);
      else SetRotationCentre(pixel);
      return;
    case kModeText:
      // The right button on a point's label relabels the point; elsewhere it edits a text.
      if (!left && RelabelPoint(pixel) != -1) return;
      // A label under the mouse goes before the texts beneath it.
      if (left && DragLabel(pixel)) return;
      TGeomC2Win::OnMouseDown(e);
      return;
    case kModePaste:
    case kModeEvaluatedText:
      TGeomC2Win::OnMouseDown(e);
      return;
    default:
      return;
  }
}

void TGeomDWin::DeleteOrEditPoint(int i) {
  int r = 0;
  bool handled = false;
  if (deletionByRedrawing) {
    r = DeletePointStep(i);
    handled = r == 0;
  }
  if (r == 0 && !handled) r = EditCoordinates(i);
  if (r > 0) Msg(r);
}

int TGeomDWin::AddPointAtMouse(PointI pixel) {
  const Point2 p = WorldOf(pixel);
  if (model().Hyperbolic) {
    // Points of the model's boundary and beyond are no points of the plane.
    if (model().HalfPlane) {
      if (p.y < kModelEdge) return 0;
    } else {
      const Real square = p.x * p.x + p.y * p.y;
      const Real radius = square >= kSquareFloor ? std::sqrt(square) : 0;
      if (radius + kModelEdge > 1) return 0;
    }
  }
  const engine::FigureTables& t = tables();
  const int near = t.FindPointNear(p.x, p.y, PixelTolerance(kNewPointPixels));
  if (near >= 0) return near + kPointUnderMouse;
  const int label = t.FindFreeLabel();
  if (label < 0) return kMsgOutOfLabels;
  if (t.last_point >= engine::kLastPointLimit) return engine::kMsgNoMoreRoom;
  const int onObject = PointOnObjectAtMouse(p);
  if (onObject > 0) return onObject;
  if (onObject < 0) {
    // In lattice-point mode a new free point takes the lattice point nearest to the click; where a
    // point is there already nothing is made.
    const Point2 placed = LatticePoint(p);
    if (LatticeSnapping() && t.FindPointNear(placed.x, placed.y, PixelTolerance(1)) >= 0) return 0;
    tables().xy[t.last_point + 1] = placed;
    history().BeginStep(kMovablePointKind, Op(label));
    if (const int r = RunMouseStep(); r > 0) return r;
  }
  SetupMenuChecks(true);
  return 0;
}

int TGeomDWin::PointOnObjectAtMouse(const Point2& p) {
  const engine::ObjectsAtClick lines = FindLinesAt(p);
  const engine::ObjectsAtClick circles = FindCirclesAt(p);
  const engine::ObjectsAtClick hypercycles = FindHypercyclesAt(p);
  const engine::ObjectsAtClick horocycles = FindHorocyclesAt(p);
  engine::FigureTables& t = tables();
  committingMouseStep_ = true;
  int result = -1;
  if (lines.second >= 0) {
    std::string first;
    std::string second;
    t.LineName(lines.first, first);
    t.LineName(lines.second, second);
    result = DoLineIntersection(first, second);
  } else if (lines.Any() && circles.Any()) {
    result = NewLineCircleIntersection(lines.first, circles.first);
  } else if (circles.second >= 0) {
    // The circle-circle step maker shows its own refusal.
    NewCircleCircleIntersection(circles.first, circles.second);
    result = 0;
  } else if (hypercycles.second >= 0) {
    result = NewHypercycleHypercycleIntersection(hypercycles.first, hypercycles.second);
  } else if (horocycles.second >= 0) {
    result = NewHorocycleHorocycleIntersection(horocycles.first, horocycles.second);
  } else if (lines.Any() && hypercycles.Any()) {
    result = NewLineHypercycleIntersection(lines.first, hypercycles.first);
  } else if (circles.Any() && hypercycles.Any()) {
    result = NewCircleHypercycleIntersection(circles.first, hypercycles.first);
  } else if (lines.Any() && horocycles.Any()) {
    result = NewLineHorocycleIntersection(lines.first, horocycles.first);
  } else if (circles.Any() && horocycles.Any()) {
    result = NewCircleHorocycleIntersection(circles.first, horocycles.first);
  } else if (hypercycles.Any() && horocycles.Any()) {
    result = NewHypercycleHorocycleIntersection(horocycles.first, hypercycles.first);
  } else {
    const int next = t.last_point + 1;
    if (lines.Any()) {
      const kernel::SegmentRecord& line = t.lines[lines.first];
      t.attrs[next].value = lines.parameter;
      history().BeginStep(kPointOnSegmentKind, Op(line.points.entries[0]),
                          Op(line.points.entries[line.points.count - 1]), Op(lines.first));
    } else if (circles.Any()) {
      const kernel::CircleRecord& circle = t.circles[circles.first];
      t.attrs[next].value = circles.parameter;
      history().BeginStep(kPointOnCircleKind, Op(circle.centre), Op(circle.points[0]), Op(circles.first));
    } else if (hypercycles.Any()) {
      t.xy[next] = hypercycles.snapped;
      history().BeginStep(kPointOnHypercycleKind, Op(hypercycles.first));
    } else if (horocycles.Any()) {
      t.xy[next] = horocycles.snapped;
      history().BeginStep(kPointOnHorocycleKind, Op(horocycles.first));
    }
    if (history().pending() != nullptr) {
      // A step that fails has given back its placeholder point; a free point is made instead.
      result = RunMouseStep() > 0 ? -1 : 0;
    }
  }
  committingMouseStep_ = false;
  if (result == 0) SetupMenuChecks(true);
  return result;
}

int TGeomDWin::RunMouseStep() {
  committingMouseStep_ = true;
  const int result = RunNewStep();
  committingMouseStep_ = false;
  return result;
}

void TGeomDWin::CommitDragStep() {
  committingMouseStep_ = true;
  EndStep(false);
  committingMouseStep_ = false;
}

void TGeomDWin::Update(bool keepView) {
  // Steps made with the mouse leave the view where the user is working.
  if (committingMouseStep_) return;
  TGeomC2Win::Update(keepView);
}

void TGeomDWin::DrawRubberBand(platform::DC& dc, int s, const Point2& q, int mode) {
  const Point2 start = tables().xy[s];
  view::DcFigurePainter painter(dc, mapping, DcRules());
  if (mode == kModeCircles) {
    Point2 centre = start;
    if (model().Hyperbolic && !engine::CircleModelCentre(model(), start, q, centre)) return;
    painter.SetPen(PenOfRecord(kRubberBandPen));
    painter.SetBrush({});
    painter.Circle(centre, kernel::Dist2(q, centre));
    return;
  }
  const bool ray = mode == kModeRays || mode == kModeLines;
  const bool line = mode == kModeLines;
  if (!model().Hyperbolic) {
    DrawLine(painter, start, q, line, ray, kRubberBandPen, nullptr);
    return;
  }
  engine::GeodesicEnds ends{};
  bool straight = false;
  if (engine::Geodesic(model(), start, q, ends, straight) != engine::kGeometryOk) return;
  kernel::HypCurveRecord side;
  side.shape = straight ? 1 : 0;
  side.points = ends;
  DrawLine(painter, start, q, line, ray, kRubberBandPen, &side);
}

void TGeomDWin::DragLineOrCircle(PointI pixel) {
  const int s = PointNearPixel(pixel, kPressPixels);
  if (s < 0) return;
  const int mode = ToolbarMode();
  // The picture as it stands; each mouse move puts it back and draws the band over it.
  platform::Bitmap still(ClientWidth(), ClientHeight());
  {
    const std::unique_ptr<platform::DC> dc = still.CreateDC();
    PaintInto(*dc);
  }
  Point2 q = tables().xy[s];
  platform::ModalLoop loop(*this);
  auto follow = [&](const platform::MouseEvent& e) {
    q = WorldOf({e.x, e.y});
    const std::unique_ptr<platform::DC> dc = GetDC();
    if (!dc) return;
    dc->DrawBitmap({0, 0, still.width(), still.height()}, still, {0, 0}, platform::RasterOp::Copy);
    if (!IsOutsideDomain(q)) DrawRubberBand(*dc, s, q, mode);
  };
  loop.onMouseMove = follow;
  loop.onMouseUp = [&](const platform::MouseEvent& e) {
    if (e.button != platform::MouseButton::Left) return;
    follow(e);
    loop.End(kDragDone);
  };
  CaptureMouse();
  const int result = loop.Run();
  ReleaseMouse();
  if (IsDestroyed()) return;
  if (result == kDragDone) {
    const int e = tables().FindPointNear(q.x, q.y, PixelTolerance(kPressPixels));
    if (mode == kModeCircles) {
      if (e != s && !IsOutsideDomain(q)) CircleDragSteps(s, e, q);
    } else if (e >= 0 && e != s) {
      LineDragSteps(s, e, mode);
    }
  }
  wing.pictureValid = 0;
  Invalidate(false);
}

int TGeomDWin::LineDragSteps(int s, int e, int mode) {
  const int l = FindLineThrough(s, e);
  if (l < 0) {
    const int kind = mode == kModeRays ? kRayKind : mode == kModeLines ? kLineKind : kSegmentKind;
    history().BeginStep(static_cast<kernel::StepKind>(kind), Op(s), Op(e), -1);
    SetStepAttributes(3);
    return RunMouseStep();
  }
  const kernel::SegmentRecord& line = tables().lines[l];
  const bool far = line.extends_first != 0;    // goes on past the last listed point
  const bool near = line.extends_second != 0;  // goes on before the first
  bool toggleFar = false;
  bool toggleNear = false;
  if (mode == kModeSegments) {
    // Drawing a segment again takes its extensions away.
    toggleFar = far;
    toggleNear = near;
  } else if (mode == kModeRays) {
    // The ray runs from S through E and on.
    const bool forward = kernel::IndexListFind(line.points, static_cast<std::uint16_t>(s)) <
                         kernel::IndexListFind(line.points, static_cast<std::uint16_t>(e));
    toggleFar = forward ? !far : far;
    toggleNear = forward ? near : !near;
  } else {
    toggleFar = !far;
    toggleNear = !near;
  }
  int result = 0;
  for (const auto& [toggle, end] : {std::pair{toggleFar, kBeyondLast}, std::pair{toggleNear, kBeforeFirst}}) {
    if (!toggle) continue;
    history().BeginStep(static_cast<kernel::StepKind>(kToggleExtensionKind), Op(end), Op(l));
    result = RunMouseStep();
  }
  if (!toggleFar && !toggleNear && deletionByRedrawing) DeleteLineStep(s, e, l);
  return result;
}

int TGeomDWin::CircleDragSteps(int s, int e, const Point2& q) {
  if (e < 0) {
    // Released in empty space: a new point there, named with the next free label.
    tables().xy[tables().last_point + 1] = q;
    history().BeginStep(static_cast<kernel::StepKind>(kMovablePointKind));
    if (const int r = RunMouseStep(); r > 0) {
      Msg(r);
      return r;
    }
    e = tables().last_point;
  }
  const int c = FindCircle(s, e, -1.0L);
  int result = 0;
  if (c < 0) {
    history().BeginStep(static_cast<kernel::StepKind>(kCircleKind), Op(s), Op(e), -1);
    SetStepAttributes(3);
    result = RunMouseStep();
    if (result > 0) Msg(result);
  } else if (deletionByRedrawing) {
    kernel::ConstructionRecord& step =
        history().BeginStep(static_cast<kernel::StepKind>(kCircleDeletionKind), Op(s), Op(e), Op(c));
    for (int k = 3; k < 6; ++k) step.operands[k] = kernel::kNoOperand;
    RunMouseStep();  // answers with the number of circles it deleted
  }
  RefreshDialogLists();
  return result;
}

}  // namespace plane
