// The lattice points of a Pick's theorem polygon: inside and on the edges, within the view, and
// bounded work on a view zoomed far out.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "kernel/pick_lattice.h"

namespace {

using kernel::Box2;
using kernel::Real;
using kernel::Point2;
using kernel::PickDots;

constexpr Box2 kWideView{-10, 10, -10, 10};

TEST(PickLattice, TheRightTriangleOfSideFourHasTwelveBoundaryAndThreeInteriorPoints) {
  const std::vector<Point2> triangle{{0, 0}, {4, 0}, {0, 4}};
  const kernel::PickLatticeDots dots = PickDots(triangle, kWideView);
  EXPECT_EQ(dots.boundary.size(), 12u);
  ASSERT_EQ(dots.interior.size(), 3u);
  // Top row first, left to right.
  EXPECT_EQ(dots.interior[0].x, 1);
  EXPECT_EQ(dots.interior[0].y, 2);
  EXPECT_EQ(dots.interior[1].x, 1);
  EXPECT_EQ(dots.interior[1].y, 1);
  EXPECT_EQ(dots.interior[2].x, 2);
  EXPECT_EQ(dots.interior[2].y, 1);
  // The second edge runs from (4, 0) to (0, 4) through (3, 1), (2, 2) and (1, 3).
  EXPECT_EQ(dots.boundary[4].x, 4);
  EXPECT_EQ(dots.boundary[5].x, 3);
  EXPECT_EQ(dots.boundary[5].y, 1);
}

TEST(PickLattice, EdgeCases) {
  struct Case {
    const char* what;
    std::vector<Point2> vertices;
    Box2 view;
    std::size_t interior;
    std::size_t boundary;
  };
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const std::vector<Case> cases{
      // A repeated vertex is an edge of no length: it marks its one point.
      {"repeated vertex", {{0, 0}, {0, 0}, {4, 0}, {0, 4}}, kWideView, 3, 13},
      {"two vertices", {{0, 0}, {4, 0}}, kWideView, 0, 0},
      // Only what lies in the view: the column x = 0 and the row y = 0 are left of and below it.
      {"part in view", {{0, 0}, {4, 0}, {0, 4}}, {0.5, 10, 0.5, 10}, 3, 3},
      {"out of view", {{0, 0}, {4, 0}, {0, 4}}, {20, 30, 20, 30}, 0, 0},
      {"not a number", {{0, 0}, {nan, 0}, {0, 4}}, kWideView, 0, 0},
      {"too far", {{0, 0}, {3e9, 0}, {0, 4}}, kWideView, 0, 0},
      // Far too many points to show: none, and no long scan.
      {"zoomed out", {{-9e8, -9e8}, {9e8, -9e8}, {0, 9e8}}, {-1e12, 1e12, -1e12, 1e12}, 0, 0},
  };
  for (const Case& c : cases) {
    const kernel::PickLatticeDots dots = PickDots(c.vertices, c.view);
    EXPECT_EQ(dots.interior.size(), c.interior) << c.what;
    EXPECT_EQ(dots.boundary.size(), c.boundary) << c.what;
  }
}

TEST(PickLattice, AVertexFarOutsideAZoomedInViewScansOnlyTheView) {
  // The polygon spans hundreds of millions of lattice points; the view holds 121 of them.
  const std::vector<Point2> triangle{{-5e8, -5e8}, {5e8, -5e8}, {0, 5e8}};
  const kernel::PickLatticeDots dots = PickDots(triangle, {-5, 5, -5, 5});
  EXPECT_EQ(dots.interior.size(), 121u);
  EXPECT_TRUE(dots.boundary.empty());
}

}  // namespace
