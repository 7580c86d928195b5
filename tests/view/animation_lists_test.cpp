// Frame file names and the animation lists of multi-frame exports.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "view/animation_lists.h"

using namespace view;

namespace {

TEST(AnimationLists, FrameNumbersArePaddedToTheDigitsOfTheFrameCount) {
  const struct {
    int count;
    int digits;
  } cases[] = {{1, 1}, {9, 1}, {10, 2}, {99, 2}, {100, 3}, {1000, 4}, {10000, 5}, {100000, 6}, {999999, 6}};
  for (const auto& c : cases) EXPECT_EQ(FrameDigits(c.count), c.digits) << c.count;
  EXPECT_EQ(FrameNumber(0, 9), "0");
  EXPECT_EQ(FrameNumber(8, 9), "8");
  EXPECT_EQ(FrameNumber(0, 10), "00");
  EXPECT_EQ(FrameNumber(9, 10), "09");
  EXPECT_EQ(FrameNumber(11, 12), "11");
  EXPECT_EQ(FrameNumber(7, 1000), "0007");
  EXPECT_EQ(FrameFileName("/d/pic", 7, 12, "tex"), "/d/pic07.tex");
  EXPECT_EQ(FrameFileName("/d/pic", 0, 1, "tex"), "/d/pic.tex");  // a single frame has no number
}

TEST(AnimationLists, TheTeXListOfThreeFrames) {
  EXPECT_EQ(AnimationTeXList("/home/u/pic", 3),
            "\\begin{animateinline}[poster=first,controls]{1}\r\n"
            "\\input{pic0}\r\n\\newframe\r\n"
            "\\input{pic1}\r\n\\newframe\r\n"
            "\\input{pic2}\r\n"
            "\\end{animateinline}\r\n");
  EXPECT_EQ(AnimationListPath("/home/u/pic", AnimationList::TeX), "/home/u/picANIM.tex");
}

TEST(AnimationLists, TwelveFramesGiveTwelveNamesAndElevenNewFrames) {
  const std::string text = AnimationTextList("/x/pic", 12);
  std::string expected;
  for (int i = 0; i < 12; ++i) expected += "pic" + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\r\n";
  EXPECT_EQ(text, expected);
  const std::string tex = AnimationTeXList("/x/pic", 12);
  std::size_t inputs = 0;
  std::size_t frames = 0;
  for (std::size_t at = tex.find("\\input{"); at != std::string::npos; at = tex.find("\\input{", at + 1)) ++inputs;
  for (std::size_t at = tex.find("\\newframe"); at != std::string::npos; at = tex.find("\\newframe", at + 1)) ++frames;
  EXPECT_EQ(inputs, 12u);
  EXPECT_EQ(frames, 11u);
  EXPECT_NE(tex.find("\\input{pic11}"), std::string::npos);
  EXPECT_EQ(AnimationListPath("/x/pic", AnimationList::Text), "/x/picANIM.txt");
}

TEST(AnimationLists, NamesWithDotsAreListedWhole) {
  // The frame files are my.fig0.tex ...: the list names exactly them.
  EXPECT_EQ(AnimationTextList("/x/my.fig", 2), "my.fig0\r\nmy.fig1\r\n");
  EXPECT_NE(AnimationTeXList("/x/v1.2/my.fig", 2).find("\\input{my.fig1}\r\n"), std::string::npos);
}

TEST(AnimationLists, ListsAreWrittenBesideTheFrames) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("kvanim" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const std::string base = (folder / "pic").string();
  ASSERT_TRUE(WriteAnimationList(base, 3, AnimationList::TeX));
  std::ifstream in(base + "ANIM.tex", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()),
            AnimationTeXList(base, 3));
  // A folder in the list's place: the list cannot be written.
  std::filesystem::create_directories(base + "ANIM.txt/x");
  EXPECT_FALSE(WriteAnimationList(base, 3, AnimationList::Text));
  std::filesystem::remove_all(folder);
}

}  // namespace
