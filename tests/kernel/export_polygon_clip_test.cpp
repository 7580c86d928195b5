#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "kernel/export_polygon_clip.h"

using namespace kernel;

namespace {

const Box2 kBox{0, 10, 0, 10};

// Winding number of the closed polygon about p.
int Winding(const std::vector<Point2>& polygon, const Point2& p) {
  int w = 0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point2& a = polygon[i];
    const Point2& b = polygon[(i + 1) % polygon.size()];
    const Real side = (b.x - a.x) * (p.y - a.y) - (p.x - a.x) * (b.y - a.y);
    if (a.y <= p.y) {
      if (b.y > p.y && side > 0) ++w;
    } else if (b.y <= p.y && side < 0) {
      --w;
    }
  }
  return w;
}

// Whether the two lists hold the same points in the same cyclic order.
bool SameCycle(const std::vector<Point2>& a, const std::vector<Point2>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t shift = 0; shift < a.size(); ++shift) {
    bool same = true;
    for (std::size_t i = 0; i < a.size() && same; ++i) {
      const Point2& p = a[(i + shift) % a.size()];
      same = std::fabs(p.x - b[i].x) < 1e-12L && std::fabs(p.y - b[i].y) < 1e-12L;
    }
    if (same) return true;
  }
  return false;
}

std::vector<Point2> Reversed(std::vector<Point2> v) { return {v.rbegin(), v.rend()}; }

std::vector<Point2> Clip(const std::vector<Point2>& polygon) {
  std::vector<Point2> out;
  ClipPolygonToBox(polygon, kBox, out);
  return out;
}

TEST(ExportPolygonClip, WalksTheCornersBetweenLeavingAndComingBack) {
  // Out on the right, back on the top: the top right corner is inserted.
  const std::vector<Point2> rightTop{{5, 5}, {15, 5}, {15, 15}, {5, 15}};
  EXPECT_TRUE(SameCycle(Clip(rightTop), {{10, 5}, {10, 10}, {5, 10}, {5, 5}}));
  // Out on the right, back on the left: top right and top left.
  const std::vector<Point2> rightLeft{{5, 5}, {15, 5}, {15, 15}, {-5, 15}, {-5, 5}};
  EXPECT_TRUE(SameCycle(Clip(rightLeft), {{10, 5}, {10, 10}, {0, 10}, {0, 5}, {5, 5}}));
  // Out and back on the same side, the way round the whole box outside: all four corners (the box
  // with a slot cut into it from the right).
  const std::vector<Point2> slotted{{-10, -10}, {20, -10}, {20, 4}, {5, 4}, {5, 6}, {20, 6}, {20, 20}, {-10, 20}};
  EXPECT_TRUE(SameCycle(Clip(slotted), {{10, 4}, {5, 4}, {5, 6}, {10, 6}, {10, 10}, {0, 10}, {0, 0}, {10, 0}}));
}

TEST(ExportPolygonClip, AClockwisePolygonComesOutCounterClockwise) {
  const std::vector<Point2> rightTop{{5, 5}, {15, 5}, {15, 15}, {5, 15}};
  const std::vector<Point2> out = Clip(Reversed(rightTop));
  EXPECT_TRUE(SameCycle(out, {{10, 5}, {10, 10}, {5, 10}, {5, 5}}));
  EXPECT_GT(SignedArea2x(out), 0);
}

TEST(ExportPolygonClip, PolygonsThatNeverCrossTheBorder) {
  // Inside: itself; around the box: the box; beside it: nothing.
  const std::vector<Point2> inside{{1, 1}, {4, 1}, {2, 3}};
  EXPECT_TRUE(SameCycle(Clip(inside), inside));
  const std::vector<Point2> around{{-100, -100}, {100, -100}, {100, 100}, {-100, 100}};
  EXPECT_TRUE(SameCycle(Clip(around), {{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
  EXPECT_TRUE(SameCycle(Clip(Reversed(around)), {{0, 0}, {10, 0}, {10, 10}, {0, 10}}));
  EXPECT_TRUE(Clip({{20, 20}, {30, 20}, {25, 30}}).empty());
  // Degenerate input.
  EXPECT_TRUE(Clip({{1, 1}, {2, 2}}).empty());
  EXPECT_TRUE(Clip({{1, 1}, {2, NAN}, {3, 1}}).empty());
}

// The cut region covers exactly the points of the box that the polygon covers (nonzero rule), for
// shapes that cross the border many times: stars with their points far outside, spikes, a comb,
// and a zigzag that winds round the box.
TEST(ExportPolygonClip, TheCutCoversWhatThePolygonCoversInsideTheBox) {
  std::vector<std::vector<Point2>> shapes;
  // Stars {5/2}, {7/3} and {25/12}: every edge passes through the box.
  for (const int n : {5, 7, 25}) {
    std::vector<Point2> star;
    for (int k = 0; k < n; ++k) {
      const Real a = 0.3L + 2 * Pi * ((k * (n / 2)) % n) / n;
      star.push_back({5 + 19 * std::cos(a), 5 + 19 * std::sin(a)});
    }
    shapes.push_back(star);
  }
  std::vector<Point2> spiky;  // spikes alternately inside and far outside
  for (int k = 0; k < 24; ++k) {
    const Real a = 2 * Pi * k / 24;
    const Real r = k % 2 == 0 ? 3 : 40;
    spiky.push_back({5 + r * std::cos(a), 5 + r * std::sin(a)});
  }
  shapes.push_back(spiky);
  std::vector<Point2> comb{{-5, -5}, {15, -5}, {15, 2}};
  for (int k = 0; k < 5; ++k) {
    const Real x = 13 - 2.5L * k;
    comb.insert(comb.end(), {{x, 2}, {x, 12}, {x - 1, 12}, {x - 1, 2}});
  }
  comb.insert(comb.end(), {{-5, 2}});
  shapes.push_back(comb);
  std::vector<Point2> zigzag;  // back and forth across the box, drifting down
  for (int k = 0; k < 20; ++k) zigzag.push_back({k % 2 == 0 ? -20.0L : 30.0L, 8 - 0.3L * k});
  shapes.push_back(zigzag);

  for (std::size_t s = 0; s < shapes.size(); ++s) {
    for (const bool reverse : {false, true}) {
      const std::vector<Point2> polygon = reverse ? Reversed(shapes[s]) : shapes[s];
      const std::vector<Point2> out = Clip(polygon);
      for (const Point2& p : out) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 10);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 10);
      }
      int wrong = 0;
      for (int i = 0; i < 40; ++i)
        for (int j = 0; j < 40; ++j) {
          const Point2 p{0.125L + 0.25L * i + 0.0001L, 0.125L + 0.25L * j + 0.0003L};
          wrong += (Winding(polygon, p) != 0) != (Winding(out, p) != 0);
        }
      EXPECT_EQ(wrong, 0) << "shape " << s << (reverse ? " reversed" : "");
    }
  }
  // A star can give far more points than twice its own count.
  // The cut of a star holds more than twice its own points.
  EXPECT_GT(Clip(shapes[2]).size(), 2 * shapes[2].size());
}

}  // namespace
