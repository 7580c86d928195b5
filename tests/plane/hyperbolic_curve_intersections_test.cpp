// Lines, circles, hypercycles and horocycles of the hyperbolic window meeting one another (kinds
// 171 to 177), made through the window's step makers: points in the disk, placeholders for
// points outside it, touching curves, points the curves already share, missing objects.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "engine/hyperbolic_primitives.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/hyperbolic_test_support.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using HyperbolicCurveIntersections = IsolatedFolders;

constexpr int kSegment = 111;
constexpr int kLine = 116;
constexpr int kCircle = 91;

bool ListedOn(const kernel::IndexList& list, int p) {
  for (int i = 0; i < list.count; ++i) {
    if (list.entries[i] == p) return true;
  }
  return false;
}

// A figure with a curved base line, the hypercycle of that line through P(0, -0.2), and the whole
// x axis as a diameter.
struct HypercycleFigure {
  explicit HypercycleFigure(PlaneWindow& w) {
    const int a = w.FreePoint(-0.6L, 0.5L);
    const int b = w.FreePoint(0.6L, 0.5L);
    EXPECT_EQ(w.Step(kSegment, {a, b}), 0);
    base = w.tables().last_line;
    p = w.FreePoint(0, -0.2L);
    std::string lineText = "AB";
    std::string pointText = "C";
    EXPECT_EQ(w.DoEquidistantCurve(lineText, pointText), 0);
    hypercycle = w.tables().last_hypercycle;
    const int u = w.FreePoint(-0.1L, 0);
    const int v = w.FreePoint(0.1L, 0);
    EXPECT_EQ(w.Step(kLine, {u, v}), 0);
    diameter = w.tables().last_line;
  }
  int base = -1;
  int p = -1;
  int hypercycle = -1;
  int diameter = -1;
};

TEST_F(HyperbolicCurveIntersections, ADiameterCrossesACurvedHypercycleTwiceInsideTheDisk) {
  PlaneWindow w(1);
  HypercycleFigure f(w);
  const engine::FigureTables& t = w.tables();
  ASSERT_EQ(t.hypercycles[f.hypercycle].shape, 0);
  const Point2 centre = t.hypercycles[f.hypercycle].points[2];
  const Real radius = kernel::Dist2(centre, t.xy[f.p]);

  ASSERT_EQ(w.NewLineHypercycleIntersection(f.diameter, f.hypercycle), 0);
  for (int x = t.last_point - 1; x <= t.last_point; ++x) {
    ASSERT_TRUE(t.PointExists(x));
    EXPECT_REAL_NEAR(t.xy[x].y, 0, 1e-15L);
    EXPECT_LT(std::fabs(t.xy[x].x), 1);
    EXPECT_REAL_NEAR(kernel::Dist2(centre, t.xy[x]), radius, 1e-15L);
    EXPECT_TRUE(ListedOn(t.lines[f.diameter].points, x));
    EXPECT_TRUE(ListedOn(t.hypercycle_points[f.hypercycle].points, x));
  }
  EXPECT_REAL_NEAR(t.xy[t.last_point - 1].x, -t.xy[t.last_point].x, 1e-15L);
  EXPECT_EQ(w.stepText, "FG = line DE intersect equidistant curve (hypercycle) (AB,C)");
}

TEST_F(HyperbolicCurveIntersections, ACrossingOutsideTheDiskIsAPlaceholder) {
  PlaneWindow w(1);
  HypercycleFigure f(w);
  const engine::FigureTables& t = w.tables();
  // The vertical diameter meets the hypercycle's carrier at P's height and once more far below the
  // disk.
  const int u = w.FreePoint(0, 0.1L);
  const int v = w.FreePoint(0, 0.3L);
  ASSERT_EQ(w.Step(kLine, {u, v}), 0);
  const int vertical = t.last_line;
  const int before = t.last_point;
  ASSERT_EQ(w.NewLineHypercycleIntersection(vertical, f.hypercycle), 0);
  EXPECT_EQ(t.last_point, before + 2);
  const int made = t.PointExists(before + 1) ? before + 1 : before + 2;
  EXPECT_FALSE(t.PointExists(made == before + 1 ? before + 2 : before + 1));
  EXPECT_POINT2_NEAR(t.xy[made], t.xy[f.p], 1e-15L);
}

TEST_F(HyperbolicCurveIntersections, ALineTouchingAHorocycleGivesOnePointOrReusesTheSharedOne) {
  PlaneWindow w(1);
  const engine::FigureTables& t = w.tables();
  const int a = w.FreePoint(0.5L, 0);
  const int c = w.FreePoint(0, 0);
  ASSERT_EQ(w.Step(kSegment, {a, c}), 0);
  const int line = t.last_line;
  std::string lineText = "AB";
  std::string pointText = "B";
  ASSERT_EQ(w.DoHorocycleThrough(lineText, pointText), 0);
  const int horocycle = t.last_horocycle;
  EXPECT_POINT2_NEAR(t.horocycles[horocycle].points[1], (Point2{0, -0.5L}), 1e-18L);

  // The step maker sees B on both and writes it into the step: the touching point is B itself,
  // so nothing new is made and the step stands.
  const int before = t.last_point;
  ASSERT_EQ(w.NewLineHorocycleIntersection(line, horocycle), 0);
  EXPECT_EQ(w.history().steps.back().operands[2], c);
  EXPECT_EQ(t.last_point, before + 2);
  EXPECT_FALSE(t.PointExists(before + 1));
  EXPECT_FALSE(t.PointExists(before + 2));

  // Without a shared point a coincident intersection is a new point; the second is a placeholder.
  ASSERT_EQ(w.Step(175, {line, horocycle, -1}), 0);
  ASSERT_TRUE(t.PointExists(t.last_point - 1));
  EXPECT_POINT2_NEAR(t.xy[t.last_point - 1], (Point2{0, 0}), 1e-18L);
  EXPECT_FALSE(t.PointExists(t.last_point));
}

TEST_F(HyperbolicCurveIntersections, CirclesAndCurvesMeetOnBothCarriers) {
  PlaneWindow w(1);
  HypercycleFigure f(w);
  const engine::FigureTables& t = w.tables();
  // A hyperbolic circle about the disk's centre through a point of the x axis; a horocycle
  // touching the x axis at E from below.
  const int o = w.FreePoint(0, 0);
  const int q = w.FreePoint(0.4L, 0);
  ASSERT_EQ(w.Step(kCircle, {o, q}), 0);
  const int circle = t.last_circle;
  std::string lineText = "ED";
  std::string pointText = "E";
  ASSERT_EQ(w.DoHorocycleThrough(lineText, pointText), 0);
  const int horocycle = t.last_horocycle;

  struct Case {
    int kind;
    int first;
    int second;
  };
  const Case cases[] = {{172, circle, f.hypercycle}, {176, circle, horocycle}, {177, horocycle, f.hypercycle}};
  for (const Case& k : cases) {
    const int before = t.last_point;
    ASSERT_EQ(w.NewCurveIntersection(k.kind, k.first, k.second), 0) << k.kind;
    int made = 0;
    for (int x = before + 1; x <= t.last_point; ++x) {
      if (!t.PointExists(x)) continue;
      ++made;
      EXPECT_LT(t.xy[x].x * t.xy[x].x + t.xy[x].y * t.xy[x].y, 1);
      if (k.kind != 177) {
        EXPECT_REAL_NEAR(engine::Distance(w.model(), t.xy[o], t.xy[x]), engine::Distance(w.model(), t.xy[o], t.xy[q]),
                         1e-9L);
      }
    }
    EXPECT_EQ(made, 2) << k.kind;
  }
}

TEST_F(HyperbolicCurveIntersections, MissingObjectsOrCurvesThatDoNotMeetLeaveNothing) {
  PlaneWindow w(1);
  HypercycleFigure f(w);
  const engine::FigureTables& t = w.tables();
  const int points = t.last_point;
  const std::size_t steps = w.history().steps.size();
  EXPECT_EQ(w.NewLineHypercycleIntersection(f.diameter, 7), 2);
  EXPECT_EQ(w.NewHypercycleHypercycleIntersection(f.hypercycle, f.hypercycle), 2);
  // The base line's own hypercycle never meets it.
  EXPECT_EQ(w.NewLineHypercycleIntersection(f.base, f.hypercycle), 2);
  EXPECT_EQ(t.last_point, points);
  EXPECT_EQ(w.history().steps.size(), steps);
}

TEST_F(HyperbolicCurveIntersections, AReplayedStepWhoseHypercycleIsGoneKeepsLaterIndices) {
  PlaneWindow w(1);
  HypercycleFigure f(w);
  const engine::FigureTables& t = w.tables();
  ASSERT_EQ(w.NewLineHypercycleIntersection(f.diameter, f.hypercycle), 0);
  const int later = w.FreePoint(0.2L, 0.3L);
  // The hypercycle is lost in the history (its step names a line that is gone).
  for (kernel::ConstructionRecord& step : w.history().steps) {
    if (step.kind == 130) step.operands[0] = 40;
  }
  w.ReplayConstruction(false);
  EXPECT_EQ(t.last_point, later);
  EXPECT_FALSE(t.PointExists(later - 1));
  EXPECT_FALSE(t.PointExists(later - 2));
  EXPECT_TRUE(t.PointExists(later));
}

}  // namespace

namespace {

TEST_F(HyperbolicCurveIntersections, TheHalfPlaneFindsTheSamePointsAsTheDisk) {
  std::array<Point2, 2> inDisk{};
  for (bool halfPlane : {false, true}) {
    PlaneWindow w(1);
    if (halfPlane) w.ToggleHalfPlane();
    // The figure is given in the disk and placed in the window's model.
    const auto at = [&](Real x, Real y) {
      Point2 p{x, y};
      if (halfPlane) engine::DiskToHalfPlane(p);
      return w.FreePoint(p.x, p.y);
    };
    const int a = at(-0.6L, 0.5L);
    const int b = at(0.6L, 0.5L);
    ASSERT_EQ(w.Step(kSegment, {a, b}), 0);
    at(0, -0.2L);
    std::string lineText = "AB";
    std::string pointText = "C";
    ASSERT_EQ(w.DoEquidistantCurve(lineText, pointText), 0);
    const int u = at(-0.1L, 0);
    const int v = at(0.1L, 0);
    ASSERT_EQ(w.Step(kLine, {u, v}), 0);
    ASSERT_EQ(w.NewLineHypercycleIntersection(w.tables().last_line, w.tables().last_hypercycle), 0);
    const engine::FigureTables& t = w.tables();
    std::array<Point2, 2> found{};
    for (int k = 0; k < 2; ++k) {
      const int x = t.last_point - 1 + k;
      ASSERT_TRUE(t.PointExists(x));
      found[k] = t.xy[x];
      if (halfPlane) engine::HalfPlaneToDisk(found[k]);
    }
    // The two models may meet the points in either order.
    if (found[0].x > found[1].x) std::swap(found[0], found[1]);
    if (!halfPlane) {
      inDisk = found;
      continue;
    }
    for (int k = 0; k < 2; ++k) EXPECT_POINT2_NEAR(found[k], inDisk[k], 1e-12L);
  }
}

TEST_F(HyperbolicCurveIntersections, APointOnAHypercycleOrHorocycleSitsAtItsParameterInBothModels) {
  for (bool halfPlane : {false, true}) {
    PlaneWindow w(1);
    if (halfPlane) w.ToggleHalfPlane();
    const auto at = [&](Real x, Real y) {
      Point2 p{x, y};
      if (halfPlane) engine::DiskToHalfPlane(p);
      return w.FreePoint(p.x, p.y);
    };
    const int a = at(-0.6L, 0.5L);
    const int b = at(0.6L, 0.5L);
    ASSERT_EQ(w.Step(kSegment, {a, b}), 0);
    at(0, -0.2L);
    std::string lineText = "AB";
    std::string pointText = "C";
    ASSERT_EQ(w.DoEquidistantCurve(lineText, pointText), 0);
    pointText = "A";
    ASSERT_EQ(w.DoHorocycleThrough(lineText, pointText), 0);
    engine::FigureTables& t = w.tables();
    // Half way along the hypercycle lies the point of it nearest the disk's centre: on the y axis,
    // as far from AB as C.
    t.attrs[t.last_point + 1].value = 0.5L;
    ASSERT_EQ(w.Step(207, {0}), 0);
    Point2 p = t.xy[t.last_point];
    if (halfPlane) engine::HalfPlaneToDisk(p);
    EXPECT_REAL_NEAR(p.x, 0, 1e-12L);
    EXPECT_REAL_NEAR(p.y, -0.2L, 1e-12L);
    // A quarter turn on the horocycle stays on its circle, away from the point it was built at.
    t.attrs[t.last_point + 1].value = 0.25L;
    ASSERT_EQ(w.Step(209, {0}), 0);
    const kernel::HypCurveRecord& h = t.horocycles[0];
    EXPECT_REAL_NEAR(kernel::Dist2(t.xy[t.last_point], h.points[1]), kernel::Dist2(h.points[0], h.points[1]), 1e-12L);
    EXPECT_GT(kernel::Dist2(t.xy[t.last_point], h.points[0]), 0.01L);
  }
}

}  // namespace
