// Searching, sectioning and paging the texts of the text windows.

#include <gtest/gtest.h>

#include <string>

#include "kernel/line_ends.h"
#include "kernel/printed_lines.h"
#include "kernel/text_search.h"
#include "kernel/text_sections.h"

using namespace kernel;

TEST(TextSearch, FindsFromTheCaretAndMovesOnPastTheLastHit) {
  const std::string text = "abc xabc ABC";
  // The first search tests the caret position itself; a whole-text match is found.
  EXPECT_EQ(FindTextFrom(text, "abc", 0, true, false), 0u);
  EXPECT_EQ(FindTextFrom(text, text, 0, true, false), 0u);
  // Next moves on by one character first.
  EXPECT_EQ(FindTextFrom(text, "abc", 0, false, false), 5u);
  EXPECT_EQ(FindTextFrom(text, "abc", 5, false, false), 9u);
  EXPECT_EQ(FindTextFrom(text, "abc", 9, false, false), std::nullopt);
  // Case matters only when asked.
  EXPECT_EQ(FindTextFrom(text, "ABC", 0, true, false), 0u);
  EXPECT_EQ(FindTextFrom(text, "ABC", 0, true, true), 9u);
  EXPECT_EQ(FindTextFrom(text, "", 0, true, false), std::nullopt);
  EXPECT_EQ(FindTextFrom("ab", "abc", 0, true, false), std::nullopt);
  EXPECT_EQ(FindTextFrom("ab", "b", 5, true, false), std::nullopt);  // a caret beyond the text
  // Windows-1252 letters fold too: "Ä" finds "ä".
  EXPECT_TRUE(EqualIgnoringCase("\xC4", "\xE4"));
  EXPECT_FALSE(EqualIgnoringCase("\xD7", "\xF7"));  // multiplication and division signs
}

TEST(TextSections, LongTextsAreCutAfterALineFeed) {
  EXPECT_EQ(SplitSections(std::string(32000, 'a')), (std::vector<std::size_t>{0}));
  EXPECT_EQ(SplitSections(""), (std::vector<std::size_t>{0}));

  std::string text(32001, 'a');
  text[100] = '\n';
  EXPECT_EQ(SplitSections(text), (std::vector<std::size_t>{0, 101}));

  // Without any line feed a section is cut at its full length; any number of sections.
  EXPECT_EQ(SplitSections(std::string(100001, 'a')), (std::vector<std::size_t>{0, 32000, 64000, 96000}));
  std::string lines;
  while (lines.size() < 60 * 32000) lines += "0123456789012345678\r\n";
  const std::vector<std::size_t> starts = SplitSections(lines);
  EXPECT_GT(starts.size(), 51u);
  for (std::size_t i = 1; i < starts.size(); ++i) {
    EXPECT_LE(starts[i] - starts[i - 1], 32000u);
    EXPECT_EQ(lines[starts[i] - 1], '\n');
  }
}

TEST(LineEnds, LoneLineFeedsBecomeCrLf) {
  EXPECT_EQ(WithCrLfLineEnds("a\nb\r\nc\n\n"), "a\r\nb\r\nc\r\n\r\n");
  EXPECT_EQ(WithCrLfLineEnds("\r"), "\r");
}

namespace {
std::size_t AllFit(std::string_view line) { return line.size(); }
}  // namespace

TEST(PrintedLines, LineEndsFormFeedsAndTheEndOfTheText) {
  struct Case {
    std::string text;
    int maxLines;
    std::vector<std::string> lines;
    std::size_t next;
  };
  const std::vector<Case> cases = {
      {"one\r\ntwo\r\n", 10, {"one", "two", ""}, 10},
      {"one\ntwo", 10, {"one", "two"}, 7},               // lone LF ends a line
      {"one\rtwo", 10, {"one", "two"}, 7},               // lone CR too
      {"one\r\n\ftwo", 10, {"one", ""}, 6},              // a form feed ends the page
      {"one\r\ntwo\r\nthree", 2, {"one", "two"}, 10},    // a full page
      {"one\r", 10, {"one", ""}, 4},                     // a CR at the very end: no read past it
      {"ab\0cd", 10, {"ab"}, 2},                         // a NUL ends the text
      {"one\r\ntwo", 0, {"one"}, 5},                     // at least one line per page
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const PrintedPage page = TakePrintedPage(c.text, 0, c.maxLines, AllFit);
    EXPECT_EQ(page.lines, c.lines);
    EXPECT_EQ(page.next, c.next);
  }
  const std::string withNul("ab\0cd", 5);
  EXPECT_EQ(TakePrintedPage(withNul, 0, 10, AllFit).lines, (std::vector<std::string>{"ab"}));
  EXPECT_FALSE(HasTextFrom(withNul, 2));
  EXPECT_FALSE(HasTextFrom("one\r", 4));
  EXPECT_TRUE(HasTextFrom("one\r\ntwo", 5));
}

TEST(PrintedLines, LongLinesWrapAndGoOnOnTheNextPage) {
  const auto fourFit = [](std::string_view line) -> std::size_t { return std::min<std::size_t>(line.size(), 4); };
  const std::string text = "abcdefghij\r\nxy";
  PrintedPage page = TakePrintedPage(text, 0, 2, fourFit);
  EXPECT_EQ(page.lines, (std::vector<std::string>{"abcd", "efgh"}));
  page = TakePrintedPage(text, page.next, 2, fourFit);
  EXPECT_EQ(page.lines, (std::vector<std::string>{"ij", "xy"}));
  EXPECT_FALSE(HasTextFrom(text, page.next));
  // Words are kept whole where a blank allows.
  EXPECT_EQ(TakePrintedPage("ab cdef", 0, 5, fourFit).lines, (std::vector<std::string>{"ab ", "cdef"}));
  // A fit of nothing still prints one character per line.
  const auto noneFit = [](std::string_view) -> std::size_t { return 0; };
  EXPECT_EQ(TakePrintedPage("ab", 0, 5, noneFit).lines, (std::vector<std::string>{"a", "b"}));
}
