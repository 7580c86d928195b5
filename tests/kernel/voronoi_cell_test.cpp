#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "kernel/vector2.h"
#include "kernel/voronoi_cell.h"

using namespace kernel;

namespace {

const Box2 kBox{-10, 10, -8, 8};

Real Dist2Sq(const Point2& a, const Point2& b) { return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y); }

// Inside or on the edge of a counter-clockwise convex polygon.
bool Contains(const std::vector<Point2>& polygon, const Point2& x, Real slack) {
  if (polygon.size() < 3) return false;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point2& a = polygon[i];
    const Point2& b = polygon[(i + 1) % polygon.size()];
    const Real cross = (b.x - a.x) * (x.y - a.y) - (b.y - a.y) * (x.x - a.x);
    if (cross < -slack) return false;
  }
  return true;
}

Real Area(const std::vector<Point2>& polygon) {
  Real twice = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point2& a = polygon[i];
    const Point2& b = polygon[(i + 1) % polygon.size()];
    twice += a.x * b.y - a.y * b.x;
  }
  return twice / 2;
}

std::vector<Point2> RandomSites(int n, unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> x(-9.5, 9.5), y(-7.5, 7.5);
  std::vector<Point2> sites;
  for (int i = 0; i < n; ++i) sites.push_back({x(random), y(random)});
  return sites;
}

TEST(VoronoiCell, OneSiteTakesTheBoxAndTwoSplitAlongTheirBisector) {
  const std::vector<Point2> one{{1, 1}};
  EXPECT_NEAR(static_cast<double>(Area(VoronoiCell(one, 0, kBox))), 320.0, 1e-12);

  const std::vector<Point2> two{{-2, 0}, {4, 0}};  // bisector x = 1
  const std::vector<Point2> left = VoronoiCell(two, 0, kBox);
  const std::vector<Point2> right = VoronoiCell(two, 1, kBox);
  EXPECT_NEAR(static_cast<double>(Area(left)), 11.0 * 16, 1e-12);
  EXPECT_NEAR(static_cast<double>(Area(right)), 9.0 * 16, 1e-12);
  for (const Point2& corner : left) EXPECT_LE(static_cast<double>(corner.x), 1.0 + 1e-15);

  // A bisector that misses the box: the site nearer to it fills everything.
  const std::vector<Point2> far{{0, 0}, {60, 0}};
  EXPECT_NEAR(static_cast<double>(Area(VoronoiCell(far, 0, kBox))), 320.0, 1e-12);
  EXPECT_TRUE(VoronoiCell(far, 1, kBox).empty());
}

TEST(VoronoiCell, CoincidentSitesLeaveTheCellToTheFirst) {
  const std::vector<Point2> sites{{1, 2}, {-3, 0}, {1, 2}};
  const std::vector<Point2> first = VoronoiCell(sites, 0, kBox);
  EXPECT_FALSE(first.empty());
  EXPECT_TRUE(VoronoiCell(sites, 2, kBox).empty());
  EXPECT_NEAR(static_cast<double>(Area(first) + Area(VoronoiCell(sites, 1, kBox))), 320.0, 1e-9);
}

TEST(VoronoiCell, EveryPointLiesInTheCellOfItsNearestSite) {
  const std::vector<Point2> sites = RandomSites(60, 7);
  std::vector<std::vector<Point2>> cells;
  Real total = 0;
  for (std::size_t k = 0; k < sites.size(); ++k) {
    cells.push_back(VoronoiCell(sites, k, kBox));
    total += Area(cells.back());
  }
  EXPECT_NEAR(static_cast<double>(total), 320.0, 1e-9);  // the cells tile the box
  std::mt19937 random(11);
  std::uniform_real_distribution<double> x(-10, 10), y(-8, 8);
  for (int trial = 0; trial < 4000; ++trial) {
    const Point2 p{x(random), y(random)};
    std::vector<std::pair<Real, std::size_t>> order;
    for (std::size_t k = 0; k < sites.size(); ++k) order.push_back({Dist2Sq(p, sites[k]), k});
    std::sort(order.begin(), order.end());
    if (order[1].first - order[0].first < 1e-9) continue;  // on a bisector
    const std::size_t nearest = order[0].second;
    EXPECT_TRUE(Contains(cells[nearest], p, 1e-12L)) << "point " << trial;
    for (std::size_t k = 0; k < sites.size(); ++k) {
      if (k == nearest) continue;
      EXPECT_FALSE(Contains(cells[k], p, -1e-9L)) << "point " << trial << " cell " << k;
    }
  }
}

// Cells sharing an edge are exactly the Delaunay neighbours, found here the slow way: a pair is a
// Delaunay edge when some triangle on it has no other site inside its circumcircle.
TEST(VoronoiCell, AdjacentCellsAreTheDelaunayNeighbours) {
  const std::vector<Point2> sites = RandomSites(25, 3);
  const std::size_t n = sites.size();
  // A box so large that no Voronoi vertex is cut off.
  const Box2 huge{-1e4, 1e4, -1e4, 1e4};
  std::set<std::pair<std::size_t, std::size_t>> delaunay;
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = a + 1; b < n; ++b)
      for (std::size_t c = b + 1; c < n; ++c) {
        const Point2 &p = sites[a], &q = sites[b], &r = sites[c];
        const Real d = 2 * (p.x * (q.y - r.y) + q.x * (r.y - p.y) + r.x * (p.y - q.y));
        if (std::fabs(d) < 1e-12) continue;
        const Real pp = p.x * p.x + p.y * p.y, qq = q.x * q.x + q.y * q.y, rr = r.x * r.x + r.y * r.y;
        const Point2 o{(pp * (q.y - r.y) + qq * (r.y - p.y) + rr * (p.y - q.y)) / d,
                       (pp * (r.x - q.x) + qq * (p.x - r.x) + rr * (q.x - p.x)) / d};
        const Real radius = Dist2Sq(o, p);
        bool empty = true;
        for (std::size_t e = 0; e < n && empty; ++e)
          if (e != a && e != b && e != c && Dist2Sq(o, sites[e]) < radius) empty = false;
        if (empty) delaunay.insert({{a, b}, {a, c}, {b, c}});
      }
  std::set<std::pair<std::size_t, std::size_t>> adjacent;
  std::vector<std::vector<Point2>> cells;
  for (std::size_t k = 0; k < n; ++k) cells.push_back(VoronoiCell(sites, k, huge));
  for (std::size_t a = 0; a < n; ++a)
    for (std::size_t b = a + 1; b < n; ++b) {
      // Cells share an edge when two corners of one lie on the bisector, apart.
      std::vector<Point2> ends;
      for (const Point2& v : cells[a]) {
        if (std::fabs(static_cast<double>(Dist2Sq(v, sites[a]) - Dist2Sq(v, sites[b]))) < 1e-6) ends.push_back(v);
      }
      if (ends.size() >= 2 && Dist2Sq(ends.front(), ends.back()) > 1e-12) adjacent.insert({a, b});
    }
  EXPECT_EQ(adjacent, delaunay);
}

// The cells made all at once, with the sites bucketed, are the cells made one by one against
// every other site, for even, clustered, far-flung and repeated sites.
TEST(VoronoiCells, AllAtOnceMatchOneByOne) {
  std::vector<std::vector<Point2>> cases;
  cases.push_back(RandomSites(300, 5));
  std::vector<Point2> clustered = RandomSites(8, 9);
  for (const Point2& p : RandomSites(200, 13)) clustered.push_back({p.x * 1e-3L + 2, p.y * 1e-3L - 1});
  cases.push_back(clustered);
  std::vector<Point2> farFlung = RandomSites(40, 17);
  farFlung.push_back({500, 3});
  farFlung.push_back({-40, -900});
  cases.push_back(farFlung);
  std::vector<Point2> repeated = RandomSites(30, 19);
  repeated.push_back(repeated[4]);
  repeated.insert(repeated.begin(), repeated[10]);
  cases.push_back(repeated);
  cases.push_back({});
  cases.push_back({{0, 0}});
  for (std::size_t c = 0; c < cases.size(); ++c) {
    const std::vector<Point2>& sites = cases[c];
    const std::vector<std::vector<Point2>> all = VoronoiCells(sites, kBox);
    ASSERT_EQ(all.size(), sites.size());
    for (std::size_t k = 0; k < sites.size(); ++k) {
      const std::vector<Point2> one = VoronoiCell(sites, k, kBox);
      ASSERT_EQ(all[k].empty(), one.empty()) << "case " << c << " site " << k;
      EXPECT_NEAR(static_cast<double>(Area(all[k])), static_cast<double>(Area(one)), 1e-9) << "case " << c << " site " << k;
    }
  }
}

// Sites a damaged figure file can hold: an infinite or undefined coordinate stands nowhere, and
// sites as far apart as reals go still share the box between them.
TEST(VoronoiCells, SitesBeyondTheRealsHaveNoCellAndCutNone) {
  const Real inf = std::numeric_limits<Real>::infinity();
  const Real huge = std::numeric_limits<Real>::max();
  const std::vector<Point2> sites = {{-5, 0}, {inf, 0}, {5, 0}, {std::nanl(""), 1}, {0, -inf}};
  const std::vector<std::vector<Point2>> cells = VoronoiCells(sites, kBox);
  ASSERT_EQ(cells.size(), sites.size());
  for (const std::size_t k : {1u, 3u, 4u}) EXPECT_TRUE(cells[k].empty()) << k;
  EXPECT_NEAR(static_cast<double>(Area(cells[0])), 160, 1e-9);  // the left half of the 20 x 16 box
  EXPECT_NEAR(static_cast<double>(Area(cells[2])), 160, 1e-9);

  const std::vector<Point2> farApart = {{-huge, -huge}, {huge, huge}, {1, 1}};
  const std::vector<std::vector<Point2>> far = VoronoiCells(farApart, kBox);
  EXPECT_NEAR(static_cast<double>(Area(far[2])), 320, 1e-9);  // the whole box is nearest to (1, 1)
}

// A point lies in the frame when some piece holds it.
bool InFrame(const std::vector<std::vector<Point2>>& pieces, const Point2& x) {
  for (const std::vector<Point2>& piece : pieces) {
    if (Contains(piece, x, 1e-12L)) return true;
  }
  return false;
}

// The winding number of a closed polygon about x.
int Winding(const std::vector<Point2>& polygon, const Point2& x) {
  int winding = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point2& a = polygon[i];
    const Point2& b = polygon[(i + 1) % polygon.size()];
    const Real cross = (b.x - a.x) * (x.y - a.y) - (b.y - a.y) * (x.x - a.x);
    if (a.y <= x.y && b.y > x.y && cross > 0) ++winding;
    if (a.y > x.y && b.y <= x.y && cross < 0) --winding;
  }
  return winding;
}

// As pieces and as one ring filled by the winding rule.
TEST(ConvexFrame, HoldsThePointsWithinTheWidthOfTheEdges) {
  // A 10 x 6 rectangle and a triangle, each framed 1 wide.
  const std::vector<Point2> rectangle{{0, 0}, {10, 0}, {10, 6}, {0, 6}};
  const std::vector<Point2> triangle{{0, 0}, {12, 0}, {0, 9}};
  std::vector<std::vector<Point2>> pieces;
  std::vector<Point2> ring;
  for (const std::vector<Point2>* polygon : {&rectangle, &triangle}) {
    ConvexFramePieces(*polygon, 1, pieces);
    ASSERT_EQ(pieces.size(), polygon->size());
    ConvexFrameRing(*polygon, 1, ring);
    for (int iy = 0; iy <= 90; ++iy) {
      for (int ix = 0; ix <= 120; ++ix) {
        const Point2 x{ix / Real{10}, iy / Real{10}};
        // The signed distance to the nearest edge line, negative outside.
        Real nearest = 1e300L;
        for (std::size_t i = 0; i < polygon->size(); ++i) {
          const Point2& a = (*polygon)[i];
          const Point2& b = (*polygon)[(i + 1) % polygon->size()];
          const Real cross = (b.x - a.x) * (x.y - a.y) - (b.y - a.y) * (x.x - a.x);
          nearest = std::min(nearest, cross / std::hypot(b.x - a.x, b.y - a.y));
        }
        // Points on the polygon's edge or the frame's inner edge go either way.
        if (std::abs(static_cast<double>(nearest)) < 1e-9 || std::abs(static_cast<double>(nearest) - 1) < 1e-9) continue;
        EXPECT_EQ(InFrame(pieces, x), nearest > 0 && nearest < 1) << ix << "," << iy;
        EXPECT_EQ(Winding(ring, x) != 0, nearest > 0 && nearest < 1) << ix << "," << iy;
      }
    }
  }
}

TEST(ConvexFrame, ANarrowPolygonIsItsOwnFrameAndNoWidthFramesNothing) {
  const std::vector<Point2> sliver{{0, 0}, {10, 0}, {10, 1.5L}, {0, 1.5L}};
  std::vector<std::vector<Point2>> pieces;
  std::vector<Point2> ring;
  ConvexFramePieces(sliver, 1, pieces);
  ASSERT_EQ(pieces.size(), 1u);
  EXPECT_EQ(pieces[0], sliver);
  ConvexFrameRing(sliver, 1, ring);
  EXPECT_EQ(ring, sliver);
  ConvexFramePieces(sliver, 0, pieces);
  EXPECT_TRUE(pieces.empty());
  ConvexFrameRing(sliver, 0, ring);
  EXPECT_TRUE(ring.empty());
  ConvexFramePieces(std::vector<Point2>{{0, 0}, {1, 0}}, 1, pieces);
  EXPECT_TRUE(pieces.empty());
}

}  // namespace
