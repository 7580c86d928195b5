// Other > Bounce and the path of the ball: the command that sets it and its drawing.
#include <cmath>
#include <algorithm>
#include <cctype>
#include <string>

#include "kernel/conic_construction.h"
#include "kernel/vector2.h"
#include "platform/message_box.h"
#include "plane/conic_inventories.h"
#include "plane/geom_e_win.h"
#include "shell/generic_dialogs.h"

namespace plane {

namespace {

constexpr int kMsgCannotUnderstand = 1;
constexpr int kMsgPositiveValue = 14;
constexpr int kMsgDuplicateLabel = 122;
constexpr int kBounceTextChars = 40;
// The colour role of the path: the current drawing colour.
constexpr int kBounceColorRole = 7;
constexpr std::uint16_t kPointEnd = 0x8000;

}  // namespace

void TGeomEWin::Bounce() {
  const engine::FigureTables& t = tables();
  std::string points;
  t.AppendPointName(points, bounce.start);
  t.AppendPointName(points, bounce.aim);
  std::string impacts = std::to_string(bounce.impacts);
  int choice = 2;
  shell::TRadBtDlg dialog(this, "BNCE", &choice, kBounceTextChars, &points, &impacts);
  if (dialog.Execute() != platform::IDOK) return;
  if (choice == 2) {
    if (bounce.shown) {
      bounce.shown = 0;
      SetModified();
    }
    wing.pictureValid = 0;
    Invalidate(false);
    return;
  }
  for (char& c : points) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  std::vector<std::uint16_t> list(4, 0);
  const int last = t.ParsePointList(points, list, 3);
  if (last < 1 || !t.PointExists(list[0]) || !t.PointExists(list[1])) {
    Msg(kMsgCannotUnderstand);
    return;
  }
  if (list[0] == list[1]) {
    Msg(kMsgDuplicateLabel);
    return;
  }
  kernel::Real count = 0;
  if (ParseNumber(impacts, count) != 0) {
    Msg(kMsgCannotUnderstand);
    return;
  }
  if (!(count >= 1)) {
    Msg(kMsgPositiveValue);
    return;
  }
  bounce.start = static_cast<std::int16_t>(list[0]);
  bounce.aim = static_cast<std::int16_t>(list[1]);
  bounce.impacts = static_cast<std::int16_t>(std::min<kernel::Real>(std::floor(count), 32767));
  bounce.shown = 1;
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
}

kernel::BounceWalls TGeomEWin::CollectBounceWalls() {
  const engine::FigureTables& t = tables();
  kernel::BounceWalls walls;
  walls.lines.resize(static_cast<std::size_t>(t.last_line + 1));
  for (int i = 0; i <= t.last_line; ++i) {
    const kernel::SegmentRecord& line = t.lines[i];
    if (!line.exists || line.points.count < 2) continue;
    const int first = line.points.entries[0];
    const int last = line.points.entries[line.points.count - 1];
    if (!t.PointExists(first) || !t.PointExists(last)) continue;
    // As drawn: the first extension byte carries the line on past its last point, the second
    // past its first.
    walls.lines[static_cast<std::size_t>(i)] = {true, t.xy[first], t.xy[last], line.extends_second != 0,
                                                line.extends_first != 0};
  }
  walls.circles.resize(static_cast<std::size_t>(t.last_circle + 1));
  for (int i = 0; i <= t.last_circle; ++i) {
    const kernel::CircleRecord& circle = t.circles[i];
    if (!circle.exists || circle.count < 1 || !t.PointExists(circle.centre) || !t.PointExists(circle.points[0])) continue;
    walls.circles[static_cast<std::size_t>(i)] = {true, t.xy[circle.centre], t.xy[circle.points[0]]};
  }
  const auto addConics = [&](const std::vector<ConicDefinition>& list, std::vector<kernel::BounceConicWall>& out) {
    for (const ConicDefinition& node : list) {
      const ConicDefinitionFields f = ReadDefinition(node);
      kernel::BounceConicWall wall;
      if (t.PointExists(f.points[0]) && t.PointExists(f.points[1]) && t.PointExists(f.points[2])) {
        const kernel::Point2 a = t.xy[f.points[0]];
        const kernel::Point2 b = t.xy[f.points[1]];
        const kernel::Point2 c = t.xy[f.points[2]];
        kernel::Real e = f.value;
        // A conic by its foci and a point has the eccentricity of its present shape.
        if (f.code == 0 || f.code == 2) {
          kernel::ConicAxes shape;
          kernel::Real found = 0;
          if (kernel::ConicFromFociPoint({a, b, c}, f.code == 0, shape, found)) e = found;
          else if (kernel::Dist2(a, b) < kernel::NullTolerance) e = 0;
        }
        wall = kernel::ConicBounceWall(f.code, a, b, c, e);
      }
      out.push_back(wall);
    }
  };
  addConics(conics.threePoint, walls.threePointConics);
  addConics(conics.twoFoci, walls.twoFociConics);
  return walls;
}

int TGeomEWin::ComputeBouncePath(std::vector<kernel::Point2>& points) {
  points.clear();
  const engine::FigureTables& t = tables();
  if (!bounce.shown || !t.PointExists(bounce.start) || !t.PointExists(bounce.aim)) return 0;
  kernel::BounceRun run;
  run.start = t.xy[bounce.start];
  run.aim = t.xy[bounce.aim];
  run.maxBounces = bounce.impacts;
  const view::ViewMapping& m = mapping;
  run.tolerance = static_cast<kernel::Real>(0.01) * m.unitsPerPixelX;
  run.reach = (m.box.xmax - m.box.xmin) + (m.box.ymax - m.box.ymin);
  // The wall the ball starts on: a line that lists the start point, or (overriding) a circle.
  for (int i = 0; i <= t.last_line; ++i) {
    const kernel::SegmentRecord& line = t.lines[i];
    if (!line.exists) continue;
    for (int k = 0; k < line.points.count; ++k) {
      if (line.points.entries[k] == bounce.start) run.startWall = {0, i};
    }
  }
  for (int i = 0; i <= t.last_circle; ++i) {
    const kernel::CircleRecord& circle = t.circles[i];
    if (!circle.exists) continue;
    for (int k = 0; k < circle.count && k < kernel::kCirclePointCapacity; ++k) {
      if (circle.points[k] == bounce.start) run.startWall = {1, i};
    }
  }
  return kernel::ComputeBouncePath(CollectBounceWalls(), run, points);
}

void TGeomEWin::DrawBouncePath(view::FigurePainter& painter) {
  std::vector<kernel::Point2> points;
  if (ComputeBouncePath(points) < 1) return;
  painter.Save();
  painter.SetPen({view::InkColor::Index(preWin.roles[kBounceColorRole]), 1, view::kLineSolid});
  for (std::size_t i = 0; i + 1 < points.size(); ++i) painter.Segment(points[i], points[i + 1], true);
  painter.Restore();
}

}  // namespace plane
