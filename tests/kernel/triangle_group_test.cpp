// The triangle groups the tessellation window draws, how deep it grows each tessellation, and
// the orders as typed.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "kernel/triangle_group_checks.h"

using kernel::TriangleGroupFault;

TEST(TriangleGroup, TheFirstFaultInOrderAndTheDepth) {
  struct Case {
    int p, q, r;
    TriangleGroupFault fault;
    int depth;
  } cases[] = {
      {2, 3, 7, TriangleGroupFault::kNone, 4},
      {2, 4, 5, TriangleGroupFault::kNone, 4},
      {2, 9, 3, TriangleGroupFault::kNone, 4},    // q + r = 12
      {2, 9, 4, TriangleGroupFault::kNone, 2},    // q + r = 13: no longer the deepest
      {3, 3, 4, TriangleGroupFault::kNone, 4},    // q + r = 7
      {3, 4, 5, TriangleGroupFault::kNone, 2},    // q + r = 9
      {4, 3, 4, TriangleGroupFault::kNone, 3},    // q + r = 7 with p < 7
      {6, 4, 4, TriangleGroupFault::kNone, 2},
      {7, 6, 7, TriangleGroupFault::kNone, 2},    // q + r = 13, the most for p = 7
      {6, 7, 7, TriangleGroupFault::kNone, 2},    // 14, the most for p = 6
      {5, 9, 6, TriangleGroupFault::kNone, 2},    // 15, the most for smaller p
      {8, 6, 6, TriangleGroupFault::kNone, 2},    // 12, the most for p = 8
      {3, 3, 3, TriangleGroupFault::kNotHyperbolic, 0},
      {2, 3, 6, TriangleGroupFault::kNotHyperbolic, 0},
      {2, 4, 4, TriangleGroupFault::kNotHyperbolic, 0},
      {2, 2, 9, TriangleGroupFault::kNotHyperbolic, 0},  // spherical
      {7, 7, 7, TriangleGroupFault::kTooLargeToDraw, 0},
      {6, 8, 7, TriangleGroupFault::kTooLargeToDraw, 0},
      {5, 9, 7, TriangleGroupFault::kTooLargeToDraw, 0},
      {9, 6, 7, TriangleGroupFault::kTooLargeToDraw, 0},
      {10, 3, 3, TriangleGroupFault::kOrderOutOfBounds, 0},
      {1, 5, 5, TriangleGroupFault::kOrderOutOfBounds, 0},
      {3, 3, 1, TriangleGroupFault::kOrderOutOfBounds, 0},  // before the group is looked at
      {2, 3, 32767, TriangleGroupFault::kOrderOutOfBounds, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.p << "," << c.q << "," << c.r);
    EXPECT_EQ(kernel::CheckTriangleGroup(c.p, c.q, c.r), c.fault);
    if (c.fault == TriangleGroupFault::kNone) {
      EXPECT_EQ(kernel::TriangleGroupTessellationDepth(c.p, c.q, c.r), c.depth);
    }
  }
}

TEST(TriangleGroup, ReadWholeNumberTakesOnlyAWholeNumberAsTyped) {
  struct Case {
    std::string_view text;
    bool read;
    int value;
  } cases[] = {
      {"7", true, 7},           {"  12 ", true, 12},        {"+3", true, 3},
      {"-5", true, -5},         {"007", true, 7},           {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"2147483648", false, 0}, {"99999999999999999999", false, 0},
      {"", false, 0},           {"  ", false, 0},           {"-", false, 0},
      {"abc", false, 0},        {"4.5", false, 0},          {"3x", false, 0},
      {"1 2", false, 0},        {"1e1", false, 0},          {"0x10", false, 0},
  };
  for (const Case& c : cases) {
    int value = -99;
    EXPECT_EQ(kernel::ReadWholeNumber(c.text, value), c.read) << c.text;
    EXPECT_EQ(value, c.read ? c.value : -99) << c.text;
  }
  // Only the view is read.
  const std::string buffer = "123456";
  int value = 0;
  ASSERT_TRUE(kernel::ReadWholeNumber(std::string_view(buffer).substr(0, 2), value));
  EXPECT_EQ(value, 12);
}
