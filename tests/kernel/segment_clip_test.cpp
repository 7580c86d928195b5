#include <gtest/gtest.h>

#include "kernel/segment_clip.h"
#include "support/extended_expect.h"

using namespace kernel;

namespace {

constexpr Real kClipClose = static_cast<Real>(1e-15);

TEST(SegmentClip, CasesAgainstTheBoxZeroToTen) {
  struct Case {
    const char* what;
    Point2 p, q;
    bool force;
    bool result;
    Point2 p2, q2;  // P and Q afterwards
  };
  const Case cases[] = {
      {"inside, unchanged", {2, 3}, {7, 8}, false, true, {2, 3}, {7, 8}},
      {"inside forced: the chord of the whole line", {2, 3}, {7, 8}, true, true, {0, 1}, {9, 10}},
      {"P inside, Q beyond the right side", {5, 5}, {15, 10}, false, true, {5, 5}, {10, 7.5}},
      {"P beyond the left side, Q inside", {-10, 5}, {5, 5}, false, true, {0, 5}, {5, 5}},
      {"crossing through, ordered from P", {12, 6}, {-2, 6}, false, true, {10, 6}, {0, 6}},
      {"crossing diagonally", {-5, -5}, {15, 15}, false, true, {0, 0}, {10, 10}},
      {"vertical: only the top and bottom cut it", {4, -3}, {4, 30}, false, true, {4, 0}, {4, 10}},
      {"vertical beside the box", {11, -3}, {11, 30}, false, false, {11, -3}, {11, 30}},
      {"horizontal below the box", {-5, -1}, {15, -1}, false, false, {-5, -1}, {15, -1}},
      {"short of the box", {12, 12}, {20, 20}, false, false, {12, 12}, {20, 20}},
      {"short of the box but forced: still ordered along PQ", {12, 12}, {20, 20}, true, true, {0, 0}, {10, 10}},
      {"touching a corner only: two equal points", {5, 15}, {15, 5}, false, true, {10, 10}, {10, 10}},
  };
  for (const Case& c : cases) {
    Point2 p = c.p;
    Point2 q = c.q;
    EXPECT_EQ(ClipSegment(0, 10, 0, 10, p, q, c.force), c.result) << c.what;
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.x, c.p2.x, kClipClose) << c.what;
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, p.y, c.p2.y, kClipClose) << c.what;
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, q.x, c.q2.x, kClipClose) << c.what;
    EXPECT_PRED_FORMAT3(kernel_test::RealsClose, q.y, c.q2.y, kClipClose) << c.what;
  }
}

}  // namespace
