#include "engine/relabel_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(RelabelTexts, ReplacesWholeLabelsOutsideKeywords) {
  const struct {
    const char* text;
    const char* old_label;
    const char* new_label;
    const char* expected;
  } cases[] = {
      {"[SEG](AB)", "A", "P", "[SEG](PB)"},
      {"[SEG](AB)+A", "S", "T", "[SEG](AB)+A"},          // inside the keyword
      {"[SEG](AB)+S", "S", "T", "[SEG](AB)+T"},
      {"A'+A_1+A1+A\"+A", "A", "P", "A'+A_1+A1+A\"+P"},  // other labels that start with A
      {"A_1+A_12", "A_1", "B_2", "B_2+A_12"},
      {"A+A", "A", "AA", "AA+AA"},                       // the search goes on behind the new text
      {"B", "A", "P", "B"},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    EXPECT_TRUE(engine::RelabelText(text, c.old_label, c.new_label)) << c.text;
    EXPECT_EQ(text, c.expected) << c.text;
  }
}

TEST(RelabelTexts, TooLongTextsStayAsTheyAreAndAreCounted) {
  const std::string fits = std::string(53, 'x') + "A+A";       // 60 characters after
  const std::string overflows = std::string(54, 'x') + "A+A";  // 61 characters after
  std::vector<std::string> texts = {fits, overflows, "A"};
  EXPECT_EQ(engine::RelabelTextItems(texts, "A", "A_1"), 1);
  EXPECT_EQ(texts[0], std::string(53, 'x') + "A_1+A_1");
  EXPECT_EQ(texts[1], overflows);
  EXPECT_EQ(texts[2], "A_1");
}

}  // namespace
