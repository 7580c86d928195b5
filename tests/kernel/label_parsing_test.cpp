#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/label_parsing.h"
#include "kernel/labels.h"

using namespace kernel;

namespace {

using Entries = std::vector<std::uint16_t>;

Entries Parse(std::string text, std::size_t room = 64) {
  Entries out(room, 0xEEEE);
  const int last = LabelToIndex(text, out);
  if (last < 0) return {};
  out.resize(static_cast<std::size_t>(last) + 1);
  return out;
}

TEST(LabelParsing, GroupsOfLabelsAndRanges) {
  struct Case {
    const char* text;
    const char* normalised;
    Entries entries;
  };
  const Case cases[] = {
      {"A", "A", {0}},
      {"ABC", "ABC", {0, 1, 2}},
      {"A-D", "A-D", {0, 1, 2, 3}},
      {"D-A", "D-A", {3, 2, 1, 0}},
      {"A-A", "A-A", {0}},
      {"A-C-B", "A-C-B", {0, 1, 2, 1}},
      {"A''", "A\"", {5252}},
      {"A'''", "A\"", {5252}},
      {"A12'", "A'_12", {2626 + 13 * 26}},
      {"A'1'", "A\"_1", {5252 + 2 * 26}},
      {"AB3", "AB_3", {0, 1 + 4 * 26}},
      {"A_05", "A_05", {6 * 26}},
      {"P'Q'", "P'Q'", {2626 + 15, 2626 + 16}},
      {"A'-C'", "A'-C'", {2626, 2627, 2628}},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    Entries out(16, 0xEEEE);
    const int last = LabelToIndex(text, out);
    EXPECT_EQ(text, c.normalised) << c.text;
    ASSERT_EQ(last, static_cast<int>(c.entries.size()) - 1) << c.text;
    EXPECT_EQ(Entries(out.begin(), out.begin() + last + 1), c.entries) << c.text;
  }
  // Ranges run over label numbers: A_0 to A_2 is every label from 26 to 78.
  const Entries range = Parse("A_0-A_2");
  ASSERT_EQ(range.size(), 53u);
  EXPECT_EQ(range.front(), 26);
  EXPECT_EQ(range.back(), 78);
}

TEST(LabelParsing, InvalidTextsAreRefused) {
  for (const char* bad : {"", "A--B", "A_", "A-", "a", "A__1", "-A", "'A", "_1", "1A", "A''''", "A\"'", "A_123",
                          "A B", "A-_1", "A_1B-", "A,B"}) {
    std::string text = bad;
    std::array<std::uint16_t, 8> out{};
    EXPECT_EQ(LabelToIndex(text, out), kInvalidLabelText) << bad;
  }
  std::string text = "A";
  EXPECT_EQ(LabelToIndex(text, std::span<std::uint16_t>()), kNoLabelInText);
}

TEST(LabelParsing, OutputThatIsTooShortKeepsTheLastEntryOfARange) {
  EXPECT_EQ(Parse("ABCD", 2), (Entries{0, 1}));
  // The range keeps overwriting the last place and ends on its last label.
  EXPECT_EQ(Parse("A-Z", 3), (Entries{0, 1, 25}));
  EXPECT_EQ(Parse("Z-A", 3), (Entries{25, 24, 0}));
}

TEST(LabelParsing, SubscriptMarksAreInsertedOutsideBrackets) {
  struct Case {
    const char* text;
    const char* marked;
  };
  const Case cases[] = {{"AB3", "AB_3"}, {"A'12", "A'_12"}, {"A_12", "A_12"}, {"[A1]B2", "[A1]B_2"}, {"A1B2", "A_1B_2"}};
  for (const Case& c : cases) {
    std::string text = c.text;
    InsertSubscriptMarks(text);
    EXPECT_EQ(text, c.marked);
  }
}

TEST(LabelParsing, LabelListsAreSplitIntoGroups) {
  std::string typed = "A B,C-D";
  NormalizeLabelList(typed);
  EXPECT_EQ(typed, "A/B/C-D/");
  std::string nothing = " ,;.";
  NormalizeLabelList(nothing);
  EXPECT_EQ(nothing, "");

  const auto parse_list = [](const std::string& text, std::size_t room, Entries& out) {
    out.assign(room, 0xEEEE);
    return ParseLabelList(text, out);
  };
  Entries out;
  ASSERT_EQ(parse_list("A-C/XY/", 20, out), 6);
  EXPECT_EQ(Entries(out.begin(), out.begin() + 7), (Entries{0, 1, 2, 10000, 23, 24, 10000}));

  // An invalid group leaves nothing; text after the last "/" is ignored.
  ASSERT_EQ(parse_list("A/a/B/C", 20, out), 3);
  EXPECT_EQ(Entries(out.begin(), out.begin() + 4), (Entries{0, 10000, 1, 10000}));
  EXPECT_EQ(parse_list("A", 20, out), -1);

  // Capacity 3 (five words): the second group is cut at position 3 and ends at position 4.
  ASSERT_EQ(parse_list("AB/CDEF/GH/", 5, out), 4);
  EXPECT_EQ(out, (Entries{0, 1, 10000, 2, 10000}));
  EXPECT_EQ(parse_list("A/", 1, out), -1);
}

TEST(LabelParsing, FaceItemsWithOptions) {
  struct Case {
    const char* item;
    int result;
    const char* label;
    const char* rest;
    std::uint16_t number, digit, flag;
  };
  const Case cases[] = {
      {"ABC#7D", kColourOption, "ABC", "D", 7, 1, 0},
      {"ABCD>@3#12EFG", kColourOption, "ABCD", "EFG", 12, 3, 1},
      {"AB", kNoColourOption, "AB", "", 0, 1, 0},
      {"AB>,x CD", kNoColourOption, "AB", "CD", 0, 1, 1},
      {"ABC#61", kColourOptionTooLarge, "ABC", "", 0, 1, 0},
      {"ABC#60", kColourOption, "ABC", "", 60, 1, 0},
      {"AB@0C", kBadLabelOption, "AB", "C", 0, 1, 0},
      {"AB#xC", kBadLabelOption, "AB", "C", 0, 1, 0},
      {"AB#123C", kBadLabelOption, "AB", "C", 12, 1, 0},
      {"AB>aC", kBadLabelOption, "AB", "C", 0, 1, 1},
  };
  for (const Case& c : cases) {
    std::string item = c.item;
    std::string label = "old";
    Short3 options{9, 9, 9};
    EXPECT_EQ(ParseLabelWithOptions(item, label, options), c.result) << c.item;
    EXPECT_EQ(label, c.label) << c.item;
    EXPECT_EQ(item, c.rest) << c.item;
    EXPECT_EQ(options.a, c.number) << c.item;
    EXPECT_EQ(options.b, c.digit) << c.item;
    EXPECT_EQ(options.c, c.flag) << c.item;
  }
}

TEST(LabelParsing, NumbersInText) {
  EXPECT_EQ(SkipToNumber("ab-12.5x", false, false), 3u);
  EXPECT_EQ(SkipToNumber("ab-12.5x", false, true), 2u);
  EXPECT_EQ(SkipToNumber("ab.", true, false), 2u);
  EXPECT_EQ(SkipToNumber("abc", true, true), std::string_view::npos);
  int digits = 0;
  EXPECT_EQ(ScanNumber("-12.5x", true, true, digits), 5u);
  EXPECT_EQ(digits, 3);
  EXPECT_EQ(ScanNumber("12.5x", false, false, digits), 2u);
  EXPECT_EQ(digits, 2);
}

}  // namespace
