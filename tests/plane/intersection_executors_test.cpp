// Intersections of lines and circles as steps: which computed points count (segments, rays, arcs,
// Autoextend), reuse of points already there, placeholders of failed steps, descriptions.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/construction_record.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/extended_expect.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using IntersectionSteps = IsolatedFolders;

constexpr int kXAxis = -10;
constexpr int kSegment = 111;
constexpr int kLine = 116;
constexpr int kRay = 117;
constexpr int kCircle = 91;

// A line record of the kind from a to b; its index.
int MakeLine(PlaneWindow& w, int kind, int a, int b) {
  EXPECT_EQ(w.Step(kind, {a, b}), 0);
  return w.tables().last_line;
}

int MakeCircle(PlaneWindow& w, int centre, int on) {
  EXPECT_EQ(w.Step(kCircle, {centre, on}), 0);
  return w.tables().last_circle;
}

bool Listed(const kernel::SegmentRecord& line, int p) {
  for (int i = 0; i < line.points.count; ++i) {
    if (line.points.entries[i] == p) return true;
  }
  return false;
}

void ExpectPoint(const PlaneWindow& w, int p, Point2 at) {
  ASSERT_TRUE(w.tables().PointExists(p));
  EXPECT_REAL_NEAR(w.tables().xy[p].x, at.x, 1e-12L);
  EXPECT_REAL_NEAR(w.tables().xy[p].y, at.y, 1e-12L);
}

TEST_F(IntersectionSteps, SegmentsMeetingOnlyOnTheirExtensionsNeedAutoextend) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(1, 0);
  const int c = w.FreePoint(3, -1);
  const int d = w.FreePoint(3, 1);
  const int ab = MakeLine(w, kSegment, a, b);
  const int cd = MakeLine(w, kSegment, c, d);
  const std::size_t steps = w.history().steps.size();

  EXPECT_EQ(w.Step(103, {a, b, c, d, ab, cd}), 138);
  EXPECT_EQ(w.tables().last_point, d);
  EXPECT_EQ(w.history().steps.size(), steps);

  w.autoExtend = true;
  ASSERT_EQ(w.Step(103, {a, b, c, d, ab, cd}), 0);
  const int x = w.tables().last_point;
  ExpectPoint(w, x, {3, 0});
  EXPECT_TRUE(Listed(w.tables().lines[ab], x));
  EXPECT_TRUE(Listed(w.tables().lines[cd], x));
  EXPECT_EQ(w.stepText, "E = AB intersect CD");

  // With the x axis, which is named as such; a point outside the view is a warning, and kept.
  EXPECT_EQ(w.Step(103, {c, d, 0, 0, cd, kXAxis}), 0);
  EXPECT_EQ(w.stepText, "F = CD intersect x axis");
  const int far = w.FreePoint(100, 2);
  const int farLine = MakeLine(w, kLine, d, far);
  EXPECT_EQ(w.Step(103, {d, far, 0, 0, farLine, kXAxis}), -1);
  EXPECT_EQ(w.history().steps.back().kind, 103);

  // Parallel lines and an unusable index.
  EXPECT_EQ(w.Step(103, {a, b, a, b, ab, kXAxis}), 138);
  EXPECT_EQ(w.Step(103, {a, b, c, d, ab, -1}), 135);
}

TEST_F(IntersectionSteps, ARaysStartIsOnTheRayAndAPointJustBehindItIsNot) {
  struct Case {
    Real crossingX;
    int expected;
  };
  for (const Case& k : {Case{0, 0}, Case{1e-15L, 0}, Case{-1e-6L, 138}, Case{5, 0}}) {
    PlaneWindow w(0);
    const int a = w.FreePoint(0, 0);
    const int b = w.FreePoint(1, 0);
    const int ray = MakeLine(w, kRay, a, b);
    const int c = w.FreePoint(k.crossingX, -1);
    const int d = w.FreePoint(k.crossingX, 1);
    const int cd = MakeLine(w, kLine, c, d);
    // Reversed: a ray that goes on past its first point only is a ray from b through a.
    kernel::SegmentRecord& r = w.tables().lines[ray];
    std::swap(r.extends_first, r.extends_second);
    EXPECT_EQ(w.PointOnLinePart(ray, {k.crossingX, 0}), k.crossingX <= 1) << static_cast<double>(k.crossingX);
    std::swap(r.extends_first, r.extends_second);

    EXPECT_EQ(w.Step(103, {a, b, c, d, ray, cd}), k.expected) << "crossing at x = " << static_cast<double>(k.crossingX);
  }
}

TEST_F(IntersectionSteps, AnArcHoldsThePointsWithinItsAngleFromItsFirstPoint) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int p = w.FreePoint(1, 0);
  const int circle = MakeCircle(w, o, p);
  const Real h = std::sqrt(Real{0.5});
  struct Case {
    Real arc;
    Real degrees;
    bool on;
  };
  for (const Case& k : {Case{90, 45, true}, Case{90, -45, false}, Case{-90, -45, true}, Case{-90, 45, false},
                        Case{90, 135, false}, Case{360, -45, true}, Case{360, 180, true}}) {
    kernel::SetArcAngle(w.tables().circles[circle], k.arc);
    const Real r = k.degrees * std::numbers::pi_v<Real> / 180;
    EXPECT_EQ(w.PointOnCircleArc(circle, {std::cos(r), std::sin(r)}), k.on)
        << static_cast<double>(k.arc) << " " << static_cast<double>(k.degrees);
  }

  // The vertical line through the points at +45 and -45 degrees meets the +90 arc once: the point
  // at -45 is a placeholder.
  kernel::SetArcAngle(w.tables().circles[circle], 90);
  const int a = w.FreePoint(h, -2);
  const int b = w.FreePoint(h, 2);
  const int ab = MakeLine(w, kLine, a, b);
  ASSERT_EQ(w.Step(104, {a, b, o, p, ab, circle, -1}), 0);
  const int last = w.tables().last_point;
  EXPECT_EQ(last, b + 2);
  const int made = w.tables().exists[b + 1] ? b + 1 : b + 2;
  EXPECT_FALSE(w.tables().exists[made == b + 1 ? b + 2 : b + 1]);
  ExpectPoint(w, made, {h, h});
  EXPECT_EQ(w.tables().circles[circle].points[w.tables().circles[circle].count - 1], made);
  EXPECT_TRUE(Listed(w.tables().lines[ab], made));
}

TEST_F(IntersectionSteps, ALineAndACircleGiveTheirPointsOrNothing) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int p = w.FreePoint(2, 0);
  const int circle = MakeCircle(w, o, p);
  const int a = w.FreePoint(-1, 0);
  const int b = w.FreePoint(1, 0);
  const int inside = MakeLine(w, kSegment, a, b);
  const int before = w.tables().last_point;
  EXPECT_EQ(w.Step(104, {a, b, o, p, inside, circle, -1}), 2);
  EXPECT_EQ(w.tables().last_point, before);

  // The whole line meets the circle at p again: with p named as known, p is reused.
  const int line = MakeLine(w, kLine, a, b);
  ASSERT_EQ(w.Step(104, {a, b, o, p, line, circle, p}), 0);
  ASSERT_EQ(w.tables().last_point, before + 2);
  EXPECT_FALSE(w.tables().exists[before + 1]);
  ExpectPoint(w, before + 2, {-2, 0});
  EXPECT_EQ(w.stepText, "BF = CD intersect circle AB");
  EXPECT_TRUE(Listed(w.tables().lines[line], before + 2));
}

TEST_F(IntersectionSteps, CirclesSharingAPointAddOnlyTheOtherAndThenNothing) {
  PlaneWindow w(0);
  const int o = w.FreePoint(0, 0);
  const int p = w.FreePoint(1, 0);
  const int q = w.FreePoint(1, 1);
  const int c1 = MakeCircle(w, o, p);
  const int c2 = MakeCircle(w, q, p);
  ASSERT_EQ(w.Step(105, {o, p, q, p, c1, c2}), 0);
  ASSERT_EQ(w.tables().last_point, q + 2);
  const int made = w.tables().exists[q + 1] ? q + 1 : q + 2;
  ExpectPoint(w, made, {0, 1});
  EXPECT_NE(w.stepText.find("B"), std::string::npos);
  EXPECT_EQ(w.stepText.substr(w.stepText.find(" =")), " = circle AB intersect circle CB");

  // Now they share two listed points: nothing to construct, and the step is not kept.
  const std::size_t steps = w.history().steps.size();
  EXPECT_EQ(w.Step(105, {o, p, q, p, c1, c2}), 2);
  EXPECT_EQ(w.tables().last_point, q + 2);
  EXPECT_EQ(w.history().steps.size(), steps);

  // Apart: nothing.
  const int far = w.FreePoint(10, 0);
  const int farOn = w.FreePoint(10.5L, 0);
  const int c3 = MakeCircle(w, far, farOn);
  EXPECT_EQ(w.Step(105, {o, p, far, farOn, c1, c3}), 2);
}

TEST_F(IntersectionSteps, AFailedIntersectionKeepsTheIndicesOfLaterPoints) {
  PlaneWindow w(0);
  const int a = w.FreePoint(0, 0);
  const int b = w.FreePoint(2, 0);
  const int c = w.FreePoint(1, -1);
  const int d = w.FreePoint(1, 1);
  const int ab = MakeLine(w, kSegment, a, b);
  const int cd = MakeLine(w, kSegment, c, d);
  ASSERT_EQ(w.Step(103, {a, b, c, d, ab, cd}), 0);
  const int x = w.tables().last_point;
  const int after = w.FreePoint(5, 5);

  w.tables().xy[c] = {7, -1};  // dragged: the segments no longer cross
  w.tables().xy[d] = {7, 1};
  w.ReplayConstruction(false);
  EXPECT_FALSE(w.tables().exists[x]);
  EXPECT_EQ(w.tables().last_point, after);
  EXPECT_EQ(w.tables().xy[after].x, 5);
}

TEST_F(IntersectionSteps, HyperbolicSegmentsMeetInTheDiskOrWarnBeyondTheirEnds) {
  PlaneWindow w(1);
  const int a = w.FreePoint(-0.5L, 0);
  const int b = w.FreePoint(0.5L, 0);
  const int c = w.FreePoint(0, -0.5L);
  const int d = w.FreePoint(0, 0.5L);
  const int ab = MakeLine(w, kSegment, a, b);
  const int cd = MakeLine(w, kSegment, c, d);
  ASSERT_EQ(w.Step(103, {a, b, c, d, ab, cd}), 0);
  ExpectPoint(w, w.tables().last_point, {0, 0});

  // A short segment on a geodesic arc that the other one would reach beyond its end.
  const int e = w.FreePoint(0.3L, 0.1L);
  const int f = w.FreePoint(0.4L, 0.3L);
  const int ef = MakeLine(w, kSegment, e, f);
  EXPECT_EQ(w.Step(103, {a, b, e, f, ab, ef}), 138);
  w.autoExtend = true;
  EXPECT_EQ(w.Step(103, {a, b, e, f, ab, ef}), -2);
}


// A line and a conic of each form: the points found on the line's drawn part, in either order.
TEST_F(IntersectionSteps, ALineMeetsAConicOfEachForm) {
  const Real r3 = std::sqrt(Real{3});
  const Real r2 = std::sqrt(Real{2});
  struct Case {
    const char* what;
    int form;
    std::vector<Point2> defining;
    std::vector<std::string> texts;
    Point2 a, b;  // the line's points; a == b names the x axis instead
    int lineKind;
    int expected;
    std::vector<Point2> points;
  };
  const std::vector<Case> cases{
      {"foci and eccentricity, x axis", 4, {{-1, 0}, {1, 0}}, {"0.5"}, {0, 0}, {0, 0}, 0, 0, {{2, 0}, {-2, 0}}},
      {"eccentricity exactly 1", 4, {{-1, 0}, {1, 0}}, {"1"}, {0, 0}, {0, 0}, 0, 30, {}},
      {"ellipse by foci and a point, segment", 0, {{-1, 0}, {1, 0}, {2, 0}}, {}, {0, -1}, {0, 5}, kSegment, 0,
       {{0, r3}}},
      {"hyperbola by foci and a point", 2, {{-2, 0}, {2, 0}, {1, 0}}, {}, {0, 0}, {0, 0}, 0, 0, {{1, 0}, {-1, 0}}},
      {"focus and directrix, eccentricity 1", 1, {{0, 1}, {-1, -1}, {1, -1}}, {"1"}, {-5, 1}, {5, 1}, kLine, 0,
       {{2, 1}, {-2, 1}}},
      {"parabola by focus and directrix", 3, {{0, 1}, {-1, -1}, {1, -1}}, {}, {-5, 1}, {5, 1}, kLine, 0,
       {{2, 1}, {-2, 1}}},
      {"five points", 5, {{2, 0}, {0, 2}, {-2, 0}, {0, -2}, {r2, r2}}, {}, {-5, 0}, {5, 0}, kLine, 0,
       {{2, 0}, {-2, 0}}},
      {"equation", 6, {}, {"1,0,1,0,0,0-4,"}, {0, -5}, {0, 5}, kLine, 0, {{0, 2}, {0, -2}}},
      {"missing the line's part", 6, {}, {"1,0,1,0,0,0-4,"}, {0, -1}, {0, 1}, kSegment, 2, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    PlaneWindow w(0);
    std::vector<int> ops(9, -1);
    const bool axis = k.a.x == k.b.x && k.a.y == k.b.y;
    if (!axis) {
      ops[0] = w.FreePoint(k.a.x, k.a.y);
      ops[1] = w.FreePoint(k.b.x, k.b.y);
      ops[8] = MakeLine(w, k.lineKind, ops[0], ops[1]);
    } else {
      ops[0] = ops[1] = 0;
      ops[8] = kXAxis;
    }
    for (std::size_t i = 0; i < k.defining.size(); ++i) ops[2 + i] = w.FreePoint(k.defining[i].x, k.defining[i].y);
    ops[7] = k.form;
    const int before = w.tables().last_point;
    ASSERT_EQ(w.Step(100, ops, k.texts), k.expected);
    if (k.expected > 0) {
      EXPECT_EQ(w.tables().last_point, before);
      continue;
    }
    ASSERT_EQ(w.tables().last_point, before + 2);
    std::vector<Point2> made;
    for (int p = before + 1; p <= before + 2; ++p) {
      if (w.tables().exists[p]) made.push_back(w.tables().xy[p]);
    }
    ASSERT_EQ(made.size(), k.points.size());
    for (const Point2& want : k.points) {
      bool seen = false;
      for (const Point2& got : made) seen = seen || kernel::TaxiDist2(got, want) < 1e-12L;
      EXPECT_TRUE(seen) << static_cast<double>(want.x) << ", " << static_cast<double>(want.y);
    }
    if (k.form == 6) {
      EXPECT_EQ(kernel::JoinConstructionText(w.history().steps.back()), k.texts[0]);
      EXPECT_EQ(w.stepText.substr(w.stepText.find(" =")), " = AB intersect conic (1)xx+(0)xy+(1)yy+(0)x+(0)y+(0-4)=0");
    }
  }
}

TEST_F(IntersectionSteps, HyperbolicCirclesAndLinesMeetAtTheirHyperbolicDistances) {
  PlaneWindow w(1);
  const engine::GeometryModel& model = w.model();
  const engine::FigureTables& t = w.tables();
  const int o = w.FreePoint(0, 0);
  const int p = w.FreePoint(0.5L, 0);
  const int q = w.FreePoint(0.4L, 0.1L);
  const int s = w.FreePoint(0.4L, 0.5L);
  const int c1 = MakeCircle(w, o, p);
  const int c2 = MakeCircle(w, q, s);
  ASSERT_EQ(w.Step(105, {o, p, q, s, c1, c2}), 0);
  for (int x = t.last_point - 1; x <= t.last_point; ++x) {
    ASSERT_TRUE(t.PointExists(x));
    EXPECT_REAL_NEAR(engine::Distance(model, t.xy[o], t.xy[x]), engine::Distance(model, t.xy[o], t.xy[p]), 1e-9L);
    EXPECT_REAL_NEAR(engine::Distance(model, t.xy[q], t.xy[x]), engine::Distance(model, t.xy[q], t.xy[s]), 1e-9L);
  }

  // A whole line through the first circle's centre meets it at its radius on both sides.
  const int line = MakeLine(w, kLine, o, q);
  ASSERT_EQ(w.Step(104, {o, q, o, p, line, c1, -1}), 0);
  for (int x = t.last_point - 1; x <= t.last_point; ++x) {
    ASSERT_TRUE(t.PointExists(x));
    EXPECT_REAL_NEAR(engine::Distance(model, t.xy[o], t.xy[x]), engine::Distance(model, t.xy[o], t.xy[p]), 1e-9L);
  }
}

}  // namespace
