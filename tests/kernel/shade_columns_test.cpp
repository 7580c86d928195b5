#include <gtest/gtest.h>

#include <vector>

#include "kernel/shade_columns.h"

using namespace kernel;

namespace {

struct Col {
  Real x, lower, upper;
  bool breakAfter;
};

void ExpectColumns(const std::vector<Point2>& outline, const std::vector<Col>& expected, const char* what) {
  std::vector<ShadeColumn> columns;
  ASSERT_TRUE(ShadeColumns(outline, columns)) << what;
  ASSERT_EQ(columns.size(), expected.size()) << what;
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(columns[i].x, expected[i].x) << what << " column " << i;
    EXPECT_EQ(columns[i].lower, expected[i].lower) << what << " column " << i;
    EXPECT_EQ(columns[i].upper, expected[i].upper) << what << " column " << i;
    EXPECT_EQ(columns[i].breakAfter, expected[i].breakAfter) << what << " column " << i;
  }
}

TEST(ShadeColumns, MonotoneRegionsInEitherOrientationAndFromAnyStart) {
  ExpectColumns({{0, 0}, {2, 0}, {1, 1}}, {{0, 0, 0, false}, {1, 0, 1, false}, {2, 0, 0, false}}, "triangle");
  ExpectColumns({{1, 1}, {2, 0}, {0, 0}}, {{0, 0, 0, false}, {1, 0, 1, false}, {2, 0, 0, false}},
                "the triangle clockwise");
  // The vertical sides of the square are trimmed away.
  ExpectColumns({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, {{0, 0, 1, false}, {1, 0, 1, false}}, "unit square");
  ExpectColumns({{0, 1}, {0, 0}, {1, 0}, {1, 1}}, {{0, 0, 1, false}, {1, 0, 1, false}},
                "unit square from its upper left corner");
  // Both edges leave the left vertex downwards: the chains are told apart by the turning sense.
  ExpectColumns({{0, 0}, {2, -4}, {2, -1}}, {{0, 0, 0, false}, {2, -4, -1, false}}, "left tip above both sides");
  // The upper boundary's vertex at x = 1 cuts the lower edge there.
  ExpectColumns({{0, 0}, {4, 0}, {4, 2}, {1, 3}, {0, 2}},
                {{0, 0, 2, false}, {1, 0, 3, false}, {4, 0, 2, false}}, "pentagon");
}

TEST(ShadeColumns, AVerticalStepInsideTheRegionBreaksTheColumns) {
  // The lower boundary steps down at x = 1.
  ExpectColumns({{0, 0}, {1, 0}, {1, -1}, {2, -1}, {2, 2}, {0, 2}},
                {{0, 0, 2, false}, {1, 0, 2, true}, {1, -1, 2, false}, {2, -1, 2, false}}, "step");
}

TEST(ShadeColumns, RegionsThatCannotBeShadedInX) {
  std::vector<ShadeColumn> columns;
  const std::vector<std::vector<Point2>> refused = {
      {{0, 0}, {1, 1}},                                           // too few points
      {{1, 0}, {1, 1}, {1, 2}},                                   // no width
      {{0, 0}, {2, 0}, {2, 2}, {1, 1}, {0, 2}, {0.5L, 1}},        // a notch from the left: not monotone
      {{0, 0}, {3, 0}, {3, 1}, {1, 1}, {1, 2}, {3, 2}, {3, 3}, {0, 3}},  // C-shape open to the right
  };
  for (const auto& outline : refused) {
    EXPECT_FALSE(ShadeColumns(outline, columns));
    EXPECT_TRUE(columns.empty());
  }
}

}  // namespace
