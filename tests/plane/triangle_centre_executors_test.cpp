// The centres of a triangle and the circles that touch its sides: where they land for known
// triangles, what a degenerate triangle gives, what they list on the sides, and that they follow
// the figure when it is executed again, in the plane and in the Poincare disk.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/hyperbolic_primitives.h"
#include "engine/step_engine.h"
#include "kernel/line_circle_records.h"
#include "kernel/vector2.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using TriangleCentres = IsolatedFolders;

constexpr Real kTolerance = static_cast<Real>(1e-12);

void ExpectAt(const Point2& actual, const Point2& expected, Real tolerance = kTolerance) {
  EXPECT_NEAR(static_cast<double>(actual.x), static_cast<double>(expected.x), static_cast<double>(tolerance));
  EXPECT_NEAR(static_cast<double>(actual.y), static_cast<double>(expected.y), static_cast<double>(tolerance));
}

// Three free points, then the sides P0P1, P1P2, P2P0 as segments.
struct Triangle {
  std::array<int, 3> v{};
  std::array<int, 3> sides{};
};
Triangle MakeTriangle(PlaneWindow& w, const std::array<Point2, 3>& p, bool withSides = true) {
  Triangle t;
  for (int i = 0; i < 3; ++i) t.v[i] = w.FreePoint(p[i].x, p[i].y);
  if (withSides) {
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(w.Step(111, {t.v[i], t.v[(i + 1) % 3], -1, 0, 0, 0}), 0);
      t.sides[i] = w.tables().last_line;
    }
  }
  return t;
}

// The oriented angle from direction a to direction b.
Real AngleBetween(const Point2& a, const Point2& b) {
  return std::atan2(kernel::Cross2(a, b), kernel::Dot2(a, b));
}

TEST_F(TriangleCentres, KnownTrianglesPutTheirCentresWhereExpected) {
  struct Case {
    const char* name;
    int kind;
    std::array<Point2, 3> triangle;
    Point2 expected;
  };
  const std::vector<Case> cases{
      {"orthocentre", 128, {{{0, 0}, {4, 0}, {1, 3}}}, {1, 1}},
      {"orthocentre at a right angle", 128, {{{0, 0}, {4, 0}, {0, 3}}}, {0, 0}},
      {"incentre", 107, {{{0, 0}, {4, 0}, {0, 3}}}, {1, 1}},
      {"circumcentre", 124, {{{0, 0}, {4, 0}, {0, 3}}}, {2, 1.5}},
      {"Fermat point beyond 120 degrees",
       125,
       {{{-2, 0}, {0, 0}, {2 * std::cos(kernel::Pi / 6), 2 * std::sin(kernel::Pi / 6)}}},
       {0, 0}},
      {"Fermat point of an equilateral triangle",
       125,
       {{{0, 0}, {2, 0}, {1, std::sqrt(Real{3})}}},
       {1, std::sqrt(Real{3}) / 3}},
      {"Brocard point of an equilateral triangle",
       126,
       {{{0, 0}, {2, 0}, {1, std::sqrt(Real{3})}}},
       {1, std::sqrt(Real{3}) / 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaneWindow w(0);
    const Triangle t = MakeTriangle(w, c.triangle, false);
    ASSERT_EQ(w.Step(c.kind, {t.v[0], t.v[1], t.v[2]}), 0);
    ExpectAt(w.tables().xy[w.tables().last_point], c.expected);
  }
}

TEST_F(TriangleCentres, TheFermatPointIsTheSameForBothOrientations) {
  const std::array<Point2, 3> p{{{0, 0}, {5, 1}, {2, 4}}};
  PlaneWindow w(0);
  const Triangle t = MakeTriangle(w, p, false);
  ASSERT_EQ(w.Step(125, {t.v[0], t.v[1], t.v[2]}), 0);
  const Point2 forward = w.tables().xy[w.tables().last_point];
  ASSERT_EQ(w.Step(125, {t.v[0], t.v[2], t.v[1]}), 0);
  ExpectAt(w.tables().xy[w.tables().last_point], forward);
  // Every side is seen from the Fermat point under 120 degrees.
  for (int i = 0; i < 3; ++i) {
    const Real angle = AngleBetween(p[i] - forward, p[(i + 1) % 3] - forward);
    EXPECT_NEAR(static_cast<double>(std::fabs(angle)), 2 * static_cast<double>(kernel::Pi) / 3, 1e-12);
  }
}

TEST_F(TriangleCentres, TheBrocardPointMakesEqualAnglesAndTheOtherOrderGivesTheOtherPoint) {
  const std::array<Point2, 3> p{{{0, 0}, {6, 0}, {1, 4}}};
  PlaneWindow w(0);
  const Triangle t = MakeTriangle(w, p, false);
  ASSERT_EQ(w.Step(126, {t.v[0], t.v[1], t.v[2]}), 0);
  const Point2 first = w.tables().xy[w.tables().last_point];
  ASSERT_EQ(w.Step(126, {t.v[0], t.v[2], t.v[1]}), 0);
  const Point2 second = w.tables().xy[w.tables().last_point];

  Real cotSum = 0;
  for (int i = 0; i < 3; ++i) {
    const Point2 a = p[(i + 1) % 3] - p[i];
    const Point2 b = p[(i + 2) % 3] - p[i];
    cotSum += kernel::Dot2(a, b) / std::fabs(kernel::Cross2(a, b));
  }
  const double omega = std::atan(1 / static_cast<double>(cotSum));
  for (int i = 0; i < 3; ++i) {
    // From each vertex, the side to the next vertex turns by omega onto the first point, and the
    // side to the previous vertex by omega onto the second.
    const Point2& at = p[i];
    EXPECT_NEAR(static_cast<double>(std::fabs(AngleBetween(p[(i + 1) % 3] - at, first - at))), omega, 1e-12);
    EXPECT_NEAR(static_cast<double>(std::fabs(AngleBetween(p[(i + 2) % 3] - at, second - at))), omega, 1e-12);
  }
  EXPECT_GT(kernel::Dist2(first, second), 0.1);
}

TEST_F(TriangleCentres, DegenerateTrianglesAreRefusedWithTheirMessage) {
  struct Case {
    const char* name;
    int kind;
    std::array<Point2, 3> triangle;
    bool repeatVertex;
    int code;
  };
  const std::vector<Case> cases{
      {"orthocentre of collinear vertices", 128, {{{0, 0}, {1, 1}, {3, 3}}}, false, 129},
      {"circumcentre of collinear vertices", 124, {{{0, 0}, {1, 1}, {3, 3}}}, false, 129},
      {"Brocard point of coincident vertices", 126, {{{0, 0}, {0, 0}, {3, 1}}}, false, 127},
      {"orthocentre naming one vertex twice", 128, {{{0, 0}, {4, 0}, {1, 3}}}, true, 122},
      {"incentre naming one vertex twice", 107, {{{0, 0}, {4, 0}, {1, 3}}}, true, 122},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaneWindow w(0);
    const Triangle t = MakeTriangle(w, c.triangle, false);
    const int third = c.repeatVertex ? t.v[0] : t.v[2];
    EXPECT_EQ(w.Step(c.kind, {t.v[0], t.v[1], third}), c.code);
    EXPECT_EQ(w.tables().last_point, 2);
    EXPECT_EQ(w.history().steps.size(), 3u);
  }
}

TEST_F(TriangleCentres, ACentreThatFailsOnReplayLeavesOnePlaceholderAndLaterStepsKeepTheirPoints) {
  PlaneWindow w(0);
  const Triangle t = MakeTriangle(w, {{{0, 0}, {4, 0}, {1, 3}}}, false);
  ASSERT_EQ(w.Step(128, {t.v[0], t.v[1], t.v[2]}), 0);
  ASSERT_EQ(w.Step(124, {t.v[0], t.v[1], t.v[2]}), 0);
  ASSERT_EQ(w.Step(131, {t.v[0], t.v[1], t.v[2], -1, 0, 0, 0}), 0);
  ASSERT_EQ(w.Step(107, {t.v[0], t.v[1], t.v[2]}), 0);
  const int incentre = w.tables().last_point;
  // The third vertex dragged onto the line of the other two.
  w.tables().xy[t.v[2]] = {2, 0};
  w.ReplayConstruction(true);
  EXPECT_EQ(w.tables().last_point, incentre);
  EXPECT_EQ(w.tables().last_circle, 0);
  for (const int placeholder : {3, 4, 5}) EXPECT_FALSE(w.tables().PointExists(placeholder)) << placeholder;
  EXPECT_FALSE(w.tables().circles[0].exists);
  EXPECT_TRUE(w.tables().PointExists(incentre));
}

TEST_F(TriangleCentres, IncircleAndExcircleTouchTheSidesAndListTheirTouchPoints) {
  PlaneWindow w(0);
  const Triangle t = MakeTriangle(w, {{{0, 0}, {4, 0}, {0, 3}}});
  struct Case {
    const char* name;
    int kind;
    Point2 centre;
    Real radius;
    std::array<Point2, 3> touches;  // on P0P1, P1P2, P2P0
  };
  const std::vector<Case> cases{
      {"incircle", 132, {1, 1}, 1, {{{1, 0}, {Real{4} - Real{3} * 4 / 5, Real{3} * 3 / 5}, {0, 1}}}},
      {"excircle opposite the first vertex",
       134,
       {6, 6},
       6,
       {{{6, 0}, {Real{4} - Real{2} * 4 / 5, Real{2} * 3 / 5}, {0, 6}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(w.Step(c.kind, {t.v[0], t.v[1], t.v[2], t.sides[0], t.sides[1], t.sides[2], 0, 0, 0}), 0);
    const int centre = w.tables().last_point - 3;
    ExpectAt(w.tables().xy[centre], c.centre);
    const kernel::CircleRecord& circle = w.tables().circles[w.tables().last_circle];
    EXPECT_EQ(circle.centre, centre);
    EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[w.tables().last_circle]),
                static_cast<double>(c.radius), 1e-12);
    ASSERT_EQ(circle.count, 3);
    for (int i = 0; i < 3; ++i) {
      const int touch = centre + 1 + i;
      EXPECT_EQ(circle.points[i], touch);
      ExpectAt(w.tables().xy[touch], c.touches[i]);
      EXPECT_GE(kernel::IndexListFind(w.tables().lines[t.sides[i]].points, static_cast<std::uint16_t>(touch)),
                0);
    }
  }
  EXPECT_TRUE(w.stepText.starts_with("H = excenter(ABC); tangency I, J, K")) << w.stepText;
  // The sides through the first vertex now reach the excircle.
  EXPECT_TRUE(w.tables().lines[t.sides[0]].extends_first || w.tables().lines[t.sides[0]].extends_second);
  EXPECT_TRUE(w.tables().lines[t.sides[2]].extends_first || w.tables().lines[t.sides[2]].extends_second);
  EXPECT_FALSE(w.tables().lines[t.sides[1]].extends_first || w.tables().lines[t.sides[1]].extends_second);
}

TEST_F(TriangleCentres, TouchingCirclesNeedTheirSideLinesAndThreeDifferentVertices) {
  for (const int kind : {132, 134, 99}) {
    SCOPED_TRACE(kind);
    PlaneWindow w(0);
    const Triangle t = MakeTriangle(w, {{{0, 0}, {4, 0}, {1, 3}}});
    EXPECT_EQ(w.Step(kind, {t.v[0], t.v[1], t.v[2], t.sides[0], 8000, t.sides[2], 0, 0, 0}), 105);
    EXPECT_EQ(w.Step(kind, {t.v[0], t.v[1], t.v[0], t.sides[0], t.sides[1], t.sides[2], 0, 0, 0}), 122);
    EXPECT_EQ(w.tables().last_point, 2);
    EXPECT_EQ(w.tables().last_circle, -1);
  }
}

TEST_F(TriangleCentres, TheNinePointCircleHasHalfTheCircumradiusAndListsTheFeet) {
  PlaneWindow w(0);
  const std::array<Point2, 3> p{{{0, 0}, {6, 0}, {1, 4}}};
  const Triangle t = MakeTriangle(w, p);
  ASSERT_EQ(w.Step(131, {t.v[0], t.v[1], t.v[2], -1, 0, 0, 0}), 0);
  const Real circumradius = w.tables().circle_radius[w.tables().last_circle];
  // Side operand 3 + i lies opposite vertex i.
  ASSERT_EQ(w.Step(99, {t.v[0], t.v[1], t.v[2], t.sides[1], t.sides[2], t.sides[0], 0, 0, 0}), 0);
  const int centre = w.tables().last_point;
  const kernel::CircleRecord& circle = w.tables().circles[w.tables().last_circle];
  EXPECT_EQ(circle.centre, centre);
  EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[w.tables().last_circle]),
              static_cast<double>(circumradius) / 2, 1e-12);
  ASSERT_EQ(circle.count, 3);
  const std::array<int, 3> opposite{t.sides[1], t.sides[2], t.sides[0]};
  for (int i = 0; i < 3; ++i) {
    const int foot = centre - 3 + i;
    EXPECT_EQ(circle.points[i], foot);
    EXPECT_GE(kernel::IndexListFind(w.tables().lines[opposite[i]].points, static_cast<std::uint16_t>(foot)),
              0);
    // The foot sees its vertex at a right angle to the opposite side.
    const Point2 side = p[(i + 2) % 3] - p[(i + 1) % 3];
    EXPECT_NEAR(static_cast<double>(kernel::Dot2(side, p[i] - w.tables().xy[foot])), 0, 1e-12);
  }
  EXPECT_TRUE(w.stepText.starts_with("HGFE = nine-point circle(ABC)")) << w.stepText;
}

TEST_F(TriangleCentres, CentroidsAndAffinePoints) {
  PlaneWindow w(0);
  for (const Point2& q : {Point2{0, 0}, Point2{2, 0}, Point2{2, 2}, Point2{0, 2}}) w.FreePoint(q.x, q.y);
  ASSERT_EQ(w.Step(108, {0}, {"", "ABCD"}), 0);
  ExpectAt(w.tables().xy[w.tables().last_point], {1, 1});
  EXPECT_EQ(w.stepText, "E = point centroid(ABCD)");
  ASSERT_EQ(w.Step(108, {2}, {"", "ABCD"}), 0);
  ExpectAt(w.tables().xy[w.tables().last_point], {1, 1});
  EXPECT_EQ(w.Step(108, {0}, {"", "AB"}), 9);
  // s = t = 1/2 is the midpoint of BC.
  ASSERT_EQ(w.Step(106, {-1, 0, 1, 3}, {"1/2", "0.5"}), 0);
  ExpectAt(w.tables().xy[w.tables().last_point], {1, 1});
  EXPECT_EQ(w.stepText, "G on triangle ABD at (1/2,0.5)");
  EXPECT_EQ(w.Step(106, {-1, 0, 1, 3}, {"1/", "0.5"}), 1);
}

// An equilateral triangle about the centre of the disk (vertices at Euclidean radius 1/2) has
// every centre there, circumradius ln 3 and, since tanh(inradius) = tanh(circumradius) cos 60
// degrees, inradius artanh(2/5); its incircle and nine-point circle touch the sides at their
// midpoints. In the half-plane the same triangle carried over by the Cayley map has them at i.
// A right angle at a vertex puts the orthocentre on that vertex.
TEST_F(TriangleCentres, KnownHyperbolicTrianglesPutTheirCentresWhereExpected) {
  const Real circumradius = std::log(Real{3});
  const Real inradius = std::atanh(Real{2} / 5);
  const auto polar = [](Real r, Real degrees) {
    const Real a = degrees * kernel::Pi / 180;
    return Point2{r * std::cos(a), r * std::sin(a)};
  };
  const std::array<Point2, 3> equilateral{polar(0.5L, 90), polar(0.5L, 210), polar(0.5L, 330)};
  // The touch point on side P(i)P(i+1) lies towards its midpoint, opposite vertex i + 2.
  std::array<Point2, 3> midpoints{};
  for (int i = 0; i < 3; ++i) midpoints[i] = polar(std::tanh(inradius / 2), 90 + 120 * ((i + 2) % 3) + 180);
  const std::array<Point2, 3> rightAngled{{{0, 0}, {0.5L, 0}, {0, 0.5L}}};

  for (const bool halfPlane : {false, true}) {
    SCOPED_TRACE(halfPlane ? "half-plane" : "disk");
    const auto inModel = [&](Point2 p) {
      if (halfPlane) engine::DiskToHalfPlane(p);
      return p;
    };
    const auto triangleInModel = [&](const std::array<Point2, 3>& p) {
      return std::array<Point2, 3>{inModel(p[0]), inModel(p[1]), inModel(p[2])};
    };
    const Point2 centre = inModel({0, 0});
    constexpr Real kLoose = static_cast<Real>(1e-10);

    struct Case {
      const char* name;
      int kind;
      int centreFromLast;  // the centre's index counted back from the last point
      Real radius;         // 0 for a step without a circle
    };
    const std::vector<Case> cases{
        {"circumcentre", 124, 0, 0}, {"incentre", 107, 0, 0},  {"orthocentre", 128, 0, 0},
        {"circumcircle", 131, 0, circumradius}, {"incircle", 132, 3, inradius}, {"nine-point circle", 99, 0, inradius},
    };
    // Each centre is a step of its own on the same triangle.
    PlaneWindow w(1);
    w.stepEngine.model.HalfPlane = halfPlane;
    const Triangle t = MakeTriangle(w, triangleInModel(equilateral));
    for (const Case& c : cases) {
      SCOPED_TRACE(c.name);
      const std::array<int, 3> sides = c.kind == 99 ? std::array<int, 3>{t.sides[1], t.sides[2], t.sides[0]} : t.sides;
      const int pointsBefore = w.tables().last_point;
      const int circlesBefore = w.tables().last_circle;
      ASSERT_EQ(w.Step(c.kind, {t.v[0], t.v[1], t.v[2], sides[0], sides[1], sides[2], 0, 0, 0}), 0);
      const int at = w.tables().last_point - c.centreFromLast;
      ASSERT_GT(at, pointsBefore);  // the step's own centre, not one an earlier step made there
      ExpectAt(w.tables().xy[at], centre, kLoose);
      if (c.radius == 0) continue;
      ASSERT_EQ(w.tables().last_circle, circlesBefore + 1);
      EXPECT_NEAR(static_cast<double>(w.tables().circle_radius[w.tables().last_circle]), static_cast<double>(c.radius),
                  1e-10);
      if (c.kind == 132) {
        for (int i = 0; i < 3; ++i) ExpectAt(w.tables().xy[at + 1 + i], inModel(midpoints[i]), kLoose);
      }
    }

    PlaneWindow right(1);
    right.stepEngine.model.HalfPlane = halfPlane;
    const Triangle r = MakeTriangle(right, triangleInModel(rightAngled), false);
    ASSERT_EQ(right.Step(128, {r.v[0], r.v[1], r.v[2]}), 0);
    ExpectAt(right.tables().xy[right.tables().last_point], centre, kLoose);
  }
}

// Three vertices on rays from the centre of the disk 120 degrees apart have their Fermat point at
// the centre, whatever their distances; a hyperbolic motion taking the centre to c carries the
// point to c (the Euclidean construction on the moved vertices lands elsewhere). A vertex whose
// angle exceeds 120 degrees is the point itself. From the point every side is seen under 120
// degrees, even when a vertex's angle is just under 120, and the vertices' order does not matter.
TEST_F(TriangleCentres, InAHyperbolicWindowTheFermatPointMinimisesHyperbolicDistances) {
  const auto polar = [](Real r, Real degrees) {
    const Real a = degrees * kernel::Pi / 180;
    return Point2{r * std::cos(a), r * std::sin(a)};
  };
  const Point2 c{0.25L, -0.3L};
  struct Case {
    const char* name;
    std::array<Point2, 3> triangle;  // in the disk centred at c
    Point2 expected;                 // likewise
  };
  const std::vector<Case> cases{
      {"vertices on rays 120 degrees apart", {polar(0.3L, 90), polar(0.5L, 210), polar(0.7L, 330)}, {0, 0}},
      {"a vertex of 130 degrees", {polar(0.6L, 130), {0, 0}, polar(0.6L, 0)}, {0, 0}},
  };
  for (const bool halfPlane : {false, true}) {
    const engine::GeometryModel model{true, halfPlane, false};
    // A point of the disk centred at c, in the window's model.
    const auto placed = [&](Point2 p) {
      engine::TranslateFromOrigin(engine::kPoincareDisk, c, p, false);
      if (halfPlane) engine::DiskToHalfPlane(p);
      return p;
    };
    for (const Case& k : cases) {
      SCOPED_TRACE(std::string(k.name) + (halfPlane ? " in the half-plane" : " in the disk"));
      PlaneWindow w(1);
      w.stepEngine.model.HalfPlane = halfPlane;
      const Triangle t =
          MakeTriangle(w, {placed(k.triangle[0]), placed(k.triangle[1]), placed(k.triangle[2])}, false);
      ASSERT_EQ(w.Step(125, {t.v[0], t.v[1], t.v[2]}), 0);
      ExpectAt(w.tables().xy[w.tables().last_point], placed(k.expected), 1e-15L);
      EXPECT_TRUE(w.stepText.ends_with("= Fermat point(ABC)")) << w.stepText;
    }

    // A scalene triangle, and one whose third angle is 119.5 degrees: its point lies close to
    // that vertex but not on it.
    const std::array<std::array<Point2, 3>, 2> triangles{{
        {{{-0.3L, -0.2L}, {0.5L, -0.1L}, {0.05L, 0.6L}}},
        {{{0.857372L, -0.287363L}, {-0.424622L, -0.101639L}, {0.089747L, -0.360602L}}},
    }};
    for (const auto& triangle : triangles) {
      PlaneWindow w(1);
      w.stepEngine.model.HalfPlane = halfPlane;
      const std::array<Point2, 3> p{placed(triangle[0]), placed(triangle[1]), placed(triangle[2])};
      const Triangle t = MakeTriangle(w, p, false);
      ASSERT_EQ(w.Step(125, {t.v[0], t.v[1], t.v[2]}), 0);
      const Point2 fermat = w.tables().xy[w.tables().last_point];
      EXPECT_GT(engine::HyperbolicDistance(model, fermat, p[2]), 1e-4L);
      for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(static_cast<double>(std::fabs(engine::AngleAt(model, p[i], fermat, p[(i + 1) % 3]))),
                    2 * static_cast<double>(kernel::Pi) / 3, 1e-14);
      }
      ASSERT_EQ(w.Step(125, {t.v[2], t.v[1], t.v[0]}), 0);
      ExpectAt(w.tables().xy[w.tables().last_point], fermat, 1e-15L);
    }
  }
}

TEST_F(TriangleCentres, InBothHyperbolicModelsTheCentresFollowHyperbolicDistances) {
  struct Case {
    const char* name;
    bool halfPlane;
    std::array<Point2, 3> triangle;
    Point2 dragged;  // where the third vertex goes
  };
  const std::vector<Case> cases{
      {"disk", false, {{{-0.3, -0.2}, {0.5, -0.1}, {0.1, 0.6}}}, {0.2, 0.5}},
      {"half-plane", true, {{{-0.3, 1}, {0.5, 1.2}, {0.1, 2.5}}}, {0.3, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PlaneWindow w(1);
    ASSERT_TRUE(w.stepEngine.model.Hyperbolic);
    w.stepEngine.model.HalfPlane = c.halfPlane;
    const engine::GeometryModel& model = w.stepEngine.model;
    const Triangle t = MakeTriangle(w, c.triangle);
    const auto at = [&](int i) { return w.tables().xy[i]; };
    const auto expectDistance = [&](int from, int to, Real expected) {
      EXPECT_NEAR(static_cast<double>(engine::Distance(model, at(from), at(to))),
                  static_cast<double>(expected), 1e-9);
    };

    ASSERT_EQ(w.Step(124, {t.v[0], t.v[1], t.v[2]}), 0);
    const int circumcentre = w.tables().last_point;
    const Real r = engine::Distance(model, at(circumcentre), at(t.v[0]));
    for (int i = 1; i < 3; ++i) expectDistance(circumcentre, t.v[i], r);

    ASSERT_EQ(w.Step(132, {t.v[0], t.v[1], t.v[2], t.sides[0], t.sides[1], t.sides[2], 0, 0, 0}), 0);
    const int incentre = w.tables().last_point - 3;
    const Real inradius = w.tables().circle_radius[w.tables().last_circle];
    for (int i = 1; i <= 3; ++i) expectDistance(incentre, incentre + i, inradius);

    ASSERT_EQ(w.Step(128, {t.v[0], t.v[1], t.v[2]}), 0);
    ASSERT_EQ(w.Step(108, {0}, {"", "ABC"}), 0);
    EXPECT_EQ(w.Step(108, {0}, {"", "ABCD"}), 9);

    // Moving a vertex and executing the figure again moves the centres with it.
    const Point2 before = at(circumcentre);
    w.tables().xy[t.v[2]] = c.dragged;
    w.ReplayConstruction(true);
    EXPECT_GT(kernel::Dist2(at(circumcentre), before), 1e-3);
    expectDistance(circumcentre, t.v[2], engine::Distance(model, at(circumcentre), at(t.v[0])));
  }
}

}  // namespace
