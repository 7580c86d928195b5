// The tessellation units: every unit of regular polygons walked through its tables, the left- and
// right-handed unit, the quadrilateral's half-turn images, and the hyperbolic triangle-group
// tessellation with its star, mirror lines and fills.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "platform/scripted_responder.h"
#include "kernel/hyperbolic_tiling.h"
#include "kernel/vector2.h"
#include "plane/fill_dlg.h"
#include "plane/tessellation_units.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"
#include "support/source_paths.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using TessellationUnits = IsolatedFolders;

struct UnitCase {
  int kind;
  int cycle;
  int extra;
  int lastSide;
};
// The unit's vertices on its outline, its inner vertices and its last side.
const std::vector<UnitCase> kUnitCases{{11, 10, 0, 14}, {12, 12, 1, 17}, {13, 6, 0, 8},   {14, 18, 4, 26},
                                       {15, 8, 2, 10},  {16, 8, 1, 11},  {17, 30, 10, 50}, {18, 16, 5, 31},
                                       {19, 22, 2, 28}, {20, 12, 3, 25}, {21, 10, 2, 19}};

// Runs the walk over every unit, in a figure that already holds `before` free points.
void WalkUnits(int before) {
  for (const UnitCase& c : kUnitCases) {
    SCOPED_TRACE(c.kind);
    PlaneWindow w(0);
    for (int i = 0; i < before; ++i) w.FreePoint(-10 - i, -10);
    const int first = w.tables().last_point + 1;
    ASSERT_EQ(w.Step(c.kind, {}, {"0.3"}), 0);
    const auto& t = w.tables();
    EXPECT_EQ(t.last_point, first + c.cycle + c.extra - 1);
    EXPECT_EQ(t.last_line, c.lastSide);
    // The outline: side i joins vertices i and i + 1, the last back to the first.
    for (int i = 0; i < c.cycle; ++i) {
      EXPECT_EQ(t.lines[i].points.entries[0], first + i);
      EXPECT_EQ(t.lines[i].points.entries[1], first + (i + 1) % c.cycle);
    }
    // Every side exists, joins two of the unit's points and is one edge long.
    const Real edge = c.kind == 16 ? 1 : 2;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i <= c.lastSide; ++i) {
      const kernel::SegmentRecord& side = t.lines[i];
      ASSERT_TRUE(side.exists) << i;
      const int a = side.points.entries[0];
      const int b = side.points.entries[1];
      EXPECT_TRUE(a >= first && b >= first && a <= t.last_point && b <= t.last_point) << i;
      EXPECT_REAL_NEAR(kernel::Dist2(t.xy[a], t.xy[b]), edge, 1e-15L) << i;
      EXPECT_TRUE(seen.insert({std::min(a, b), std::max(a, b)}).second) << "side " << i << " repeats";
    }
    // No two vertices of a unit coincide.
    for (int i = first; i <= t.last_point; ++i) {
      for (int j = i + 1; j <= t.last_point; ++j) EXPECT_GT(kernel::Dist2(t.xy[i], t.xy[j]), 0.5L) << i << " " << j;
    }
  }
}

TEST_F(TessellationUnits, EveryUnitHasItsVerticesAndSidesOfOneLength) { WalkUnits(0); }

TEST_F(TessellationUnits, AUnitAfterOtherPointsNumbersFromItsFirstPoint) { WalkUnits(2); }

TEST_F(TessellationUnits, SquareUnitAndItsDescription) {
  PlaneWindow w(0);
  ASSERT_EQ(w.Step(16, {}, {"0"}), 0);
  const std::vector<Point2> grid{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}, {0, 1}, {1, 1}};
  for (std::size_t i = 0; i < grid.size(); ++i) {
    EXPECT_REAL_NEAR(w.tables().xy[i].x, grid[i].x, 1e-18L) << i;
    EXPECT_REAL_NEAR(w.tables().xy[i].y, grid[i].y, 1e-18L) << i;
  }
  EXPECT_EQ(w.stepText, "A-I initiates tess4444");
  // The unit stays where the user moved it when the figure is run again.
  w.tables().xy[8] = {1.25L, 0.75L};
  w.ReplayConstruction(false);
  EXPECT_REAL_NEAR(w.tables().xy[8].x, 1.25L, 1e-18L);
}

TEST_F(TessellationUnits, TheLeftHandedUnitIsTheMirrorImage) {
  PlaneWindow right(0);
  PlaneWindow left(0);
  ASSERT_EQ(right.Step(21, {}, {"0.4"}), 0);
  kernel::ConstructionRecord& step = left.history().BeginStep(21);
  step.flag = 1;
  step.text[0] = "0.4";
  ASSERT_EQ(left.RunNewStep(), 0);
  for (int i = 0; i < 12; ++i) {
    EXPECT_REAL_NEAR(left.tables().xy[i].x, -right.tables().xy[i].x, 1e-17L) << i;
    EXPECT_REAL_NEAR(left.tables().xy[i].y, right.tables().xy[i].y, 1e-17L) << i;
  }
  EXPECT_EQ(right.stepText, "A-L initiates tess33336r");
  EXPECT_EQ(left.stepText, "A-L initiates tess33336l");
}

TEST_F(TessellationUnits, TheQuadrilateralsImagesFollowItsVertices) {
  PlaneWindow w(0);
  ASSERT_EQ(w.Step(22, {}), 0);
  auto& xy = w.tables().xy;
  EXPECT_EQ(w.tables().last_point, 5);
  EXPECT_EQ(w.tables().last_line, 6);
  EXPECT_GT(xy[2].y, 12.7L);
  // Dragging a vertex carries the half-turn images along.
  for (int moved : {0, 2}) {
    xy[moved] = xy[moved] + Point2{0.5L, -0.25L};
    w.ReplayConstruction(false);
    const Point2 m2 = xy[2] + xy[3];
    EXPECT_REAL_NEAR(xy[4].x, m2.x - xy[0].x, 1e-17L);
    EXPECT_REAL_NEAR(xy[5].y, m2.y - xy[1].y, 1e-17L);
  }
  const std::vector<std::pair<int, int>> sides{{2, 4}, {4, 5}, {5, 3}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.tables().lines[4 + i].points.entries[0], sides[i].first);
    EXPECT_EQ(w.tables().lines[4 + i].points.entries[1], sides[i].second);
  }
  EXPECT_EQ(w.stepText, "A-F initiates quadtess");
}

// The kind-30 step as the hyperbolic tessellation window makes it.
int Tessellate(PlaneWindow& w, int p, int q, int r, int layers) {
  return w.Step(30, {p, q, r, layers, -1, -1}, {"hyperbolic tesselation(2,3,7)"});
}

TEST_F(TessellationUnits, HyperbolicTessellationStarSidesAndFills) {
  PlaneWindow w(1);
  ASSERT_EQ(Tessellate(w, 2, 3, 7, 2), 0);
  const auto& t = w.tables();
  const kernel::ConstructionRecord& step = w.history().steps.back();
  EXPECT_EQ(step.operands[3], 2);
  EXPECT_EQ(step.operands[4], t.last_point);
  EXPECT_EQ(step.operands[5], t.last_line);
  EXPECT_GT(t.last_point, 100);
  // Point 0 at the centre; the star's vertices at the disk radii of the fundamental triangle.
  const Real pi = kernel::Pi;
  const Real toB = std::acosh(std::cos(pi / 7) / std::sin(pi / 3));
  const Real toC = std::acosh(std::cos(pi / 3) / std::sin(pi / 7));
  EXPECT_REAL_NEAR(std::hypot(t.xy[0].x, t.xy[0].y), 0, 1e-18L);
  for (int k = 1; k <= 4; ++k) {
    EXPECT_REAL_NEAR(std::hypot(t.xy[k].x, t.xy[k].y), std::tanh((k % 2 ? toB : toC) / 2), 1e-15L) << k;
  }
  EXPECT_REAL_NEAR(step.parameters[0], t.xy[1].x, 0);
  // Every side runs along one mirror line: its listed vertices lie in order on the geodesic, one
  // triangle side apart.
  const Real toA = std::acosh((std::cos(pi / 2) + std::cos(pi / 3) * std::cos(pi / 7)) / (std::sin(pi / 3) * std::sin(pi / 7)));
  for (int i = 0; i <= t.last_line; ++i) {
    const kernel::SegmentRecord& side = t.lines[i];
    ASSERT_TRUE(side.exists);
    const int n = side.points.count;
    ASSERT_GE(n, 2);
    const Real whole = engine::HyperbolicDistance(w.model(), t.xy[side.points.entries[0]], t.xy[side.points.entries[n - 1]]);
    Real sum = 0;
    for (int k = 0; k + 1 < n; ++k) {
      const Real d = engine::HyperbolicDistance(w.model(), t.xy[side.points.entries[k]], t.xy[side.points.entries[k + 1]]);
      EXPECT_TRUE(std::fabs(d - toA) < 1e-9L || std::fabs(d - toB) < 1e-9L || std::fabs(d - toC) < 1e-9L) << i << ": " << d;
      sum += d;
    }
    EXPECT_REAL_NEAR(sum, whole, 1e-9L) << i;
  }
  // Every point once: one label each, none on another.
  std::set<int> labels;
  for (int i = 0; i <= t.last_point; ++i) labels.insert(t.names[i].label);
  EXPECT_EQ(static_cast<int>(labels.size()), t.last_point + 1);
  // Every second triangle of the star is filled, in the fill colour, once however often the
  // figure is built.
  ASSERT_EQ(w.fills.size(), 2u);
  EXPECT_EQ(w.fills[1].vertices[0], 0);
  EXPECT_EQ(w.fills[1].vertices[1], 3);
  EXPECT_EQ(w.fills[1].vertices[2], 4);
  EXPECT_EQ(w.fills[1].mode, kernel::kFillPolygon);
  EXPECT_EQ(w.fills[1].style, w.preWin.roles[plane::kFillColorRole]);
  w.Randomize();
  EXPECT_EQ(w.fills.size(), 2u);

  // Run again (as after reading the figure back, whose file holds no sides), the tessellation
  // keeps its points where they are and lays the same sides over them.
  const int lastLine = t.last_line;
  const kernel::SegmentRecord side = t.lines[lastLine];
  w.tables().xy[5] = w.tables().xy[5] * static_cast<Real>(0.99);
  w.ReplayConstruction(false);
  EXPECT_EQ(t.last_line, lastLine);
  EXPECT_EQ(t.lines[lastLine].points.count, side.points.count);
  EXPECT_EQ(t.lines[lastLine].points.entries[1], side.points.entries[1]);
  EXPECT_REAL_NEAR(t.xy[5].x * 100, w.tables().xy[5].x * 100, 0);
}

TEST_F(TessellationUnits, ATessellationReadBackLaysItsSidesAgain) {
  const std::string path = (SettingsFolderPath() / "tess.kvh").string();
  std::vector<kernel::SegmentRecord> sides;
  Point2 moved;
  {
    PlaneWindow w(1);
    ASSERT_EQ(Tessellate(w, 2, 4, 5, 2), 0);
    w.tables().xy[7] = w.tables().xy[7] * static_cast<Real>(0.98);
    moved = w.tables().xy[7];
    sides.assign(w.tables().lines.begin(), w.tables().lines.begin() + w.tables().last_line + 1);
    w.qelWin.writeSettings = 0;
    w.fileMsg.fileName = path;
    w.fileMsg.named = 1;
    platform::ScriptedResponder script;
    ASSERT_TRUE(w.Save());
  }
  PlaneWindow reader(1);
  reader.qelWin.writeSettings = 0;
  reader.fileMsg.fileName = path;
  ASSERT_EQ(reader.LoadFile(), 0);
  const auto& t = reader.tables();
  ASSERT_EQ(t.last_line + 1, static_cast<int>(sides.size()));
  for (std::size_t i = 0; i < sides.size(); ++i) {
    ASSERT_EQ(t.lines[i].points.count, sides[i].points.count) << i;
    EXPECT_EQ(t.lines[i].points.entries[0], sides[i].points.entries[0]) << i;
  }
  EXPECT_EQ(t.xy[7].x, moved.x);
  EXPECT_EQ(reader.fills.size(), 2u);
}

TEST_F(TessellationUnits, TessellationsNeedAHyperbolicGroupAndWindow) {
  PlaneWindow h(1);
  EXPECT_EQ(Tessellate(h, 3, 3, 3, 2), 6);
  EXPECT_EQ(Tessellate(h, 2, 3, 6, 2), 6);
  EXPECT_EQ(h.tables().last_point, -1);
  PlaneWindow e(0);
  EXPECT_EQ(Tessellate(e, 2, 3, 7, 2), 6);
  // More layers never pass the tables' room: the last layer that does not fit is left out.
  ASSERT_EQ(Tessellate(h, 7, 6, 7, 6), 0);
  EXPECT_LE(h.tables().last_point, 7877);
  EXPECT_LE(h.tables().last_line, 9000);
}

// Hostile step records as a figure file's history holds them: byte 0 bit 0 the hyperbolic
// window, then four free points, then 278-byte records. Tessellations with orders far beyond the
// bounds fail at once with "out of bounds" and leave their placeholders.
TEST_F(TessellationUnits, HugeOrdersFailBeforeAnyWork) {
  for (const char* name : {"replay-hyperbolic-tessellation-orders-3900-32767-32767", "replay-hyperbolic-tessellation-timeout",
                           "replay-fuzzer-found-tessellation-361-256-10274"}) {
    SCOPED_TRACE(name);
    std::ifstream file(test_support::SourceRoot() + "/tests/plane/data/untrusted/" + name, std::ios::binary);
    ASSERT_TRUE(file);
    const kernel::Bytes bytes(std::istreambuf_iterator<char>(file), {});
    kernel::ByteReader in(bytes);
    PlaneWindow w(in.U8() & 1);
    ASSERT_TRUE(w.model().Hyperbolic);
    for (int i = 0; i < 4; ++i) {
      const Real x = in.Real80();
      w.FreePoint(x, in.Real80());
    }
    const int points = w.tables().last_point;
    int steps = 0;
    while (std::optional<kernel::ConstructionRecord> record = kernel::ReadConstructionRecord(in)) {
      ASSERT_EQ(record->kind, 30);
      kernel::ConstructionRecord& step = w.history().BeginStep(record->kind);
      const std::int16_t sequence = step.sequence;
      kernel::CopyConstruction(step, *record);
      step.sequence = sequence;
      EXPECT_EQ(w.RunNewStep(), engine::kMsgOutOfBounds);
      ++steps;
    }
    EXPECT_GT(steps, 0);
    EXPECT_EQ(w.tables().last_point, points);
    w.ReplayConstruction(false);
    EXPECT_EQ(w.tables().last_point, points);
  }
  // The bounds of the tessellation command: orders from 2 to 9, and not too fine to draw.
  PlaneWindow h(1);
  EXPECT_EQ(Tessellate(h, 10, 3, 3, 2), engine::kMsgOutOfBounds);
  EXPECT_EQ(Tessellate(h, 7, 7, 7, 2), engine::kMsgOutOfBounds);
  EXPECT_EQ(Tessellate(h, 2, 3, 6, 2), engine::kMsgInconsistentData);
  EXPECT_EQ(h.tables().last_point, -1);
}

}  // namespace
