#include "kernel/text_utils.h"

#include <gtest/gtest.h>

#include <string>

using namespace kernel;

TEST(TextUtils, PadLeftAndPadRightFillOrCut) {
  struct Case {
    bool left;
    int width;
    const char* text;
    char fill;
    const char* expected;
  } cases[] = {
      {true, 2, "7", '0', "07"},     {true, 2, "123", '0', "12"}, {true, 3, "", '0', "000"},
      {true, 2, "42", '0', "42"},    {true, 0, "ab", '0', ""},    {false, 5, "ab", '*', "ab***"},
      {false, 2, "abcd", '*', "ab"}, {false, -1, "ab", '*', ""},
  };
  for (const Case& c : cases) {
    std::string s = c.text;
    if (c.left) {
      PadLeft(c.width, s, c.fill);
    } else {
      PadRight(c.width, s, c.fill);
    }
    EXPECT_EQ(s, c.expected) << (c.left ? "PadLeft " : "PadRight ") << c.width << " '" << c.text << "'";
  }
}

TEST(TextUtils, BuildersAppendInOrder) {
  std::string s = "x=";
  StrCat8(s, "1", "", ", y=", "2");
  EXPECT_EQ(s, "x=1, y=2");
  StrCat8(s, s, "!");  // a piece may be the text itself
  EXPECT_EQ(s, "x=1, y=2x=1, y=2!");

  std::string t;
  AppendChar(t, 'a');
  AppendChar(t, '\xB7');
  EXPECT_EQ(t, "a\xB7");

  struct {
    const char* in;
    const char* out;
  } folders[] = {{"", ""}, {"/home/u", "/home/u/"}, {"/home/u/", "/home/u/"}};
  for (const auto& f : folders) {
    std::string folder = f.in;
    AddBackslash(folder);
    EXPECT_EQ(folder, f.out) << f.in;
  }
}

TEST(TextUtils, CuttersAndReplacers) {
  std::string s = "   a b ";
  TrimLeadingBlanks(s);
  EXPECT_EQ(s, "a b ");
  std::string blanks = "   ";
  TrimLeadingBlanks(blanks);
  EXPECT_EQ(blanks, "");

  std::string labels = " A B  C ";
  DeleteChar(labels, ' ');
  EXPECT_EQ(labels, "ABC");

  std::string lines = "one\r\ntwo\n\rthree\r";
  DeleteCRLF(lines);
  EXPECT_EQ(lines, "onetwothree");

  EXPECT_EQ(BlanksToDashes(" a b "), "-a-b-");

  std::string minus = "-1 - -2";
  ReplaceMinus(minus, '\x96');
  EXPECT_EQ(minus,
            "\x96"
            "1 \x96 \x96"
            "2");
}

TEST(TextUtils, SplitCommaListTakesCommaEndedFields) {
  struct Case {
    const char* list;
    int n;
    std::vector<std::string> expected;
  } cases[] = {
      {"1,2,3,", 3, {"1", "2", "3"}},
      {"1,2,3,", 2, {"1", "2"}},
      {"1,2,3", 3, {"1", "2", ""}},              // the last field has no comma after it
      {"1,,x^2+1,", 4, {"1", "", "x^2+1", ""}},  // an empty field; fields past the end are empty
      {"a,b,c,d,e,f,", 6, {"a", "b", "c", "d", "e", "f"}},
      {"", 2, {"", ""}},
      {"1,", 0, {}},
  };
  for (const Case& c : cases) {
    const std::string list = c.list;
    EXPECT_EQ(SplitCommaList(list, c.n), c.expected) << c.list << " n=" << c.n;
    EXPECT_EQ(list, c.list);
  }
}
