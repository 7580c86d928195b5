#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/label_parsing.h"
#include "kernel/labels.h"

using namespace kernel;

namespace {

TEST(Labels, IndexToTextAcrossTheWholeScheme) {
  struct Case {
    int index;
    const char* label;
    const char* tex;
  };
  const Case cases[] = {
      {0, "A", "A"},          {25, "Z", "Z"},       {26, "A_0", "A_{0}"},           {27, "B_0", "B_{0}"},
      {52, "A_1", "A_{1}"},   {2600, "A_99", "A_{99}"}, {2625, "Z_99", "Z_{99}"},   {2626, "A'", "A'"},
      {2652, "A'_0", "A'_{0}"}, {5252, "A\"", "A''"}, {7877, "Z\"_99", "Z''_{99}"},
  };
  for (const Case& c : cases) {
    std::string label;
    std::string tex;
    EXPECT_TRUE(FormatLabel(c.index, label));
    EXPECT_TRUE(IndexToTeXLabel(c.index, tex));
    EXPECT_EQ(label, c.label) << c.index;
    EXPECT_EQ(tex, c.tex) << c.index;
  }
  for (int bad : {7878, -1, 0xFFFF}) {
    std::string label = "old";
    std::string tex = "old";
    EXPECT_FALSE(FormatLabel(bad, label));
    EXPECT_FALSE(IndexToTeXLabel(bad, tex));
    EXPECT_EQ(label, "");
    EXPECT_EQ(tex, "");
  }
}

TEST(Labels, SplitFormOutsideTheRangeKeepsTheSubscript) {
  std::string letter = "x";
  std::string subscript = "keep";
  EXPECT_TRUE(IndexToLabel(2652, letter, subscript));
  EXPECT_EQ(letter, "A'");
  EXPECT_EQ(subscript, "0");
  EXPECT_TRUE(IndexToLabel(1, letter, subscript));
  EXPECT_EQ(subscript, "");
  subscript = "keep";
  EXPECT_FALSE(IndexToLabel(7878, letter, subscript));
  EXPECT_EQ(letter, "");
  EXPECT_EQ(subscript, "keep");
}

TEST(Labels, ListsOfLabelsAndSearch) {
  const std::vector<std::uint16_t> abc = {0, 1, 2};
  const std::vector<std::uint16_t> subscripted = {52, 53};
  EXPECT_EQ(FormatLabelList(abc), "ABC");
  EXPECT_EQ(FormatLabelList(subscripted), "A_1B_1");
  EXPECT_EQ(IndexArrayFind(abc, 2), 2);
  EXPECT_EQ(IndexArrayFind(abc, 7), -1);
}

TEST(Labels, EveryLabelReadsBackAsItsIndex) {
  for (int index = 0; index < kLabelCount; ++index) {
    std::string text;
    ASSERT_TRUE(FormatLabel(index, text));
    std::array<std::uint16_t, 4> out{};
    ASSERT_EQ(LabelToIndex(text, out), 0) << text;
    ASSERT_EQ(out[0], index) << text;
  }
}

TEST(Labels, CharacterClasses) {
  for (char c : std::string("AZaz09'\"_-")) EXPECT_TRUE(IsLabelChar(c)) << c;
  for (char c : std::string("/ ,#@>[\xC4")) EXPECT_FALSE(IsLabelChar(c)) << c;
  EXPECT_TRUE(IsLabelCharUpper('_'));
  EXPECT_FALSE(IsLabelCharUpper('a'));
  EXPECT_FALSE(IsLabelCharUpper('-'));
  EXPECT_TRUE(IsLetterAt("a1", 0));
  EXPECT_FALSE(IsLetterAt("a1", 1));
  EXPECT_TRUE(IsDigitAt("a1", 1));
  EXPECT_FALSE(IsDigitAt("a1", 2));
}

}  // namespace
