// A point slides along a polygon only when the polygon turns one way at every vertex: the plane
// window refuses the others with "polygon too concave" and keeps the point's place.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/real.h"
#include "plane_window.h"
#include "support/isolated_folders.h"

namespace {

using kernel::Point2;
using kernel::Real;
using plane_test::PlaneWindow;

using ConvexityCheck = IsolatedFolders;

constexpr int kPolygonTooConcave = 144;

// A point on the polygon through the given vertices, as the point-on-polygon command makes it.
int PointOnPolygon(PlaneWindow& w, const std::vector<Point2>& vertices) {
  std::vector<int> ops;
  for (const Point2& v : vertices) ops.push_back(w.FreePoint(v.x, v.y));
  ops.push_back(-1);
  w.tables().attrs[w.tables().last_point + 1].value = 0.5L;
  return w.Step(204, ops, {"P"});
}

TEST_F(ConvexityCheck, OnlyStrictlyConvexPolygonsCarryASlidingPoint) {
  struct Case {
    const char* what;
    std::vector<Point2> vertices;
    int code;
  };
  std::vector<Point2> round;
  for (int i = 0; i < 24; ++i) round.push_back({3 * std::cos(i * kernel::Pi / 12), 3 * std::sin(i * kernel::Pi / 12)});
  std::vector<Point2> dentedRound = round;
  dentedRound[23] = {1, -0.2L};
  const std::vector<Case> cases{
      {"square", {{0, 0}, {2, 0}, {2, 2}, {0, 2}}, 0},
      {"square the other way round", {{0, 0}, {0, 2}, {2, 2}, {2, 0}}, 0},
      {"dented square", {{0, 0}, {2, 0}, {1, 0.5L}, {2, 2}, {0, 2}}, kPolygonTooConcave},
      {"square with a vertex on a side", {{0, 0}, {1, 0}, {2, 0}, {2, 2}, {0, 2}}, kPolygonTooConcave},
      {"a vertex twice", {{0, 0}, {2, 0}, {2, 0}, {2, 2}}, kPolygonTooConcave},
      {"24 vertices", round, 0},
      {"24 vertices, the last one dented", dentedRound, kPolygonTooConcave},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    PlaneWindow w(0);
    EXPECT_EQ(PointOnPolygon(w, c.vertices), c.code);
    // A refused step leaves the figure as it was.
    EXPECT_EQ(w.tables().last_point, static_cast<int>(c.vertices.size()) - (c.code == 0 ? 0 : 1));
  }
}

TEST_F(ConvexityCheck, ARefusedPolygonInTheHistoryHoldsThePointsPlace) {
  PlaneWindow w(0);
  ASSERT_EQ(PointOnPolygon(w, {{0, 0}, {2, 0}, {2, 2}, {0, 2}}), 0);
  const int later = w.FreePoint(5, 5);
  // The square dented by a drag: the point on it is refused, the later point keeps its index.
  w.tables().xy[2] = {1, 0.5L};
  w.ReplayConstruction(false);
  EXPECT_FALSE(w.tables().exists[4]);
  EXPECT_TRUE(w.tables().exists[later]);
  EXPECT_EQ(w.tables().last_point, later);
}

}  // namespace
