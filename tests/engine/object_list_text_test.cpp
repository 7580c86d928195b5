// The texts of the object lists: line equations and the table text that collects pasted text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/object_list_text.h"
#include "kernel/number_text.h"

namespace {

using engine::Point2;

TEST(ObjectListText, LineEquations) {
  struct Case {
    Point2 a, b;
    int decimals;
    std::string text;
  };
  const std::vector<Case> cases{
      {{0, 1}, {1, 3}, 0, "y - 2x = 1"},       {{0, 3}, {1, 5}, 2, "y - 2.00x = 3.00"},
      {{0, 4}, {1, 3}, 0, "y + x = 4"},        {{0, 4}, {2, 6}, 0, "y - x = 4"},
      {{-2, 0}, {-2, 5}, 0, "x = -2"},         {{0, 2}, {5, 2}, 1, "y - 0.0x = 2.0"},
      {{1, 0}, {0, 1.5L}, 1, "y + 1.5x = 1.5"},
  };
  for (const Case& c : cases) {
    const auto format = [&](engine::Real x) { return kernel::FormatLD(x, 0, c.decimals); };
    EXPECT_EQ(engine::LineEquationText(c.a, c.b, format), c.text);
  }
}

TEST(ObjectListText, PastedTextGoesOnALineOfItsOwn) {
  EXPECT_EQ(engine::AppendedTableText("", "1 2"), "1 2");
  EXPECT_EQ(engine::AppendedTableText("1 2", "1 2"), "1 2\r\n1 2");
  EXPECT_EQ(engine::AppendedTableText("1 2\r\n", "3"), "1 2\r\n3");
  EXPECT_EQ(engine::AppendedTableText("1 2\r", "3"), "1 2\r3");
}

TEST(ObjectListText, NumbersOfAPastedText) {
  EXPECT_EQ(engine::PastedNumbers("1 2 3 4 5"), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(engine::PastedNumbers("x = -1.5, y = 2;"), (std::vector<std::string>{"-1.5", "2"}));
  EXPECT_TRUE(engine::PastedNumbers("no numbers").empty());
}

}  // namespace
