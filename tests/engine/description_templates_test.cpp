#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/step_engine.h"
#include "step_engine_fixture.h"

namespace {

using Items = std::vector<std::int16_t>;

class TemplateTest : public engine_test::StepFixture {
 protected:
  TemplateTest() {
    for (int i = 0; i < 26; ++i) engine.AddPoint({static_cast<kernel::Real>(i), 0}, 0, -1);
    step = &engine.history.BeginStep(60, 5, 6, 7, 2, 1, 1);  // attributes: colour 3, thickness 2, style 2
  }
  std::string Expand(Items items, std::size_t limit = 0, const kernel::Real* values = nullptr) {
    std::string out = "old";
    engine.ExpandTemplate(&out, items, limit, values);
    return out;
  }
  kernel::ConstructionRecord* step = nullptr;
};

TEST_F(TemplateTest, Items) {
  const struct {
    Items items;
    std::string text;
  } cases[] = {
      {{-1}, ""},
      {{0, 'A'}, ""},
      {{4, 3, ' ', '=', ' ', 5, 185, -1}, "XYZ = random triangle"},
      {{25, 20, 12, -1}, "GHIJKLMNOPQR..."},
      {{10, 11, 12, ':', 7, 8, 9, 16, -1}, "FGH:XYZW"},
      {{6, 0, 6, -5, 6, 26, 6, 2, -1}, "AC"},        // names outside the table add nothing
      {{5, 0, 'x', 23, -7, 17, -1}, "x-7\r\n"},      // an argument of 0 or below is no end
      {{'A', ' ', 26, -1}, "A-Z"},                    // the range discards what came before
      {{19, 20, 99, 260, 'B', -1}, "B"},             // codes without meaning are skipped
      {{22, 2, ' ', 22, 9, '|', -1}, "dashed |"},
  };
  for (const auto& c : cases) EXPECT_EQ(Expand(c.items), c.text);
}

TEST_F(TemplateTest, AttributeTripleNumbersAndLimits) {
  EXPECT_EQ(Expand({30, 3, -1}), "(" + engine.RgbText(3) + ", thickness 2, style dashed)");
  engine.number_width = 8;
  engine.number_decimals = 2;
  const kernel::Real values[] = {0.5L, -12.126L};
  EXPECT_EQ(Expand({31, 0, '|', 31, 1, -1}, 0, values), "    0.50|  -12.13");
  engine.tables.attrs[engine.tables.last_point].value = 0.5L;
  EXPECT_EQ(Expand({24, -1}), "    0.50");
  // A text of the limit or longer becomes "no more room".
  Items long_text{5, 185, 5, 185, 5, 185, -1};  // 45 characters
  EXPECT_EQ(Expand(long_text, 41), "no more room");
  EXPECT_EQ(Expand(long_text, 46).size(), 45u);
  EXPECT_EQ(Expand(long_text, 3), "no ");
}

TEST_F(TemplateTest, StepTextsByTheLongTextMarker) {
  kernel::SplitConstructionText(*step, "3,4,");
  step->operands[8] = 2007;
  EXPECT_EQ(Expand({1, '|', 2, '|', 3, -1}), "3|4|");
  kernel::SplitConstructionText(*step, std::string(40, 'a') + "b,c,d,");
  step->operands[8] = 2006;
  EXPECT_EQ(Expand({2, 3, -1}), "cd");
  step->operands[8] = 2008;
  EXPECT_EQ(Expand({1, -1}).size(), 46u);
  step->operands[8] = kernel::kNoOperand;
  step->text = {"one", "two", "three"};
  EXPECT_EQ(Expand({3, 2, 1, 29, -1}), "threetwooneonetwothree");
}

TEST_F(TemplateTest, TheWorkTextNeverGrowsPastItsLimit) {
  Items items;
  for (int i = 0; i < 300; ++i) {
    items.push_back(25);
    items.push_back(26);
    items.push_back(26);
  }
  items.push_back(-1);
  const std::string out = Expand(items);
  EXPECT_EQ(out.size(), engine::kTemplateWorkLimit);
  EXPECT_EQ(Expand(items, 100), "no more room");
}

TEST_F(TemplateTest, BoxAndCircleTexts) {
  std::string box;
  engine.BoxText(box, "2", "3;1", "4;-2");
  EXPECT_EQ(box, "box[2,3,4] @ (0.0,1,-2)");
  box.clear();
  engine.BoxText(box, "2", "3", "4");
  EXPECT_EQ(box, "box[2,3,4]");

  engine.number_width = 0;
  engine.number_decimals = 1;
  engine.tables.xy[0] = {1, -2};
  engine.tables.xy[1] = {4, 2};
  engine.tables.last_circle = 0;
  kernel::InitCircleRecord(engine.tables.circles[0], 0, 1, 360, 2, -1);
  engine.tables.circle_radius[0] = 5;
  std::string text;
  EXPECT_EQ(engine.CircleText(0, text, false, true, true), 1);
  EXPECT_EQ(text, "center A(1.0,-2.0); through BC; radius 5.0; xx + yy - 2.0x + 4.0y = 20.0");
  EXPECT_EQ(engine.CircleText(0, text, true, false, false), 1);
  EXPECT_EQ(text, "center A; through B");
}

}  // namespace
