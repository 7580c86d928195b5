#include "kernel/colour_table.h"

#include <gtest/gtest.h>

using namespace kernel;

TEST(ColourTable, DefaultsEntryByEntry) {
  // Index, red, green, blue.
  constexpr int kExpected[kColorCount][4] = {
      {0, 0, 0, 0},        {1, 255, 255, 255},  {2, 255, 0, 255},    {3, 255, 255, 0},    {4, 255, 0, 0},
      {5, 0, 191, 63},     {6, 0, 0, 255},      {7, 0, 127, 127},    {8, 255, 127, 0},    {9, 255, 0, 127},
      {10, 160, 47, 0},    {11, 0, 255, 255},   {12, 191, 191, 127}, {13, 127, 0, 127},   {14, 32, 255, 0},
      {15, 255, 127, 127}, {16, 135, 135, 0},   {17, 0, 60, 160},    {18, 224, 224, 224}, {19, 192, 192, 192},
      {20, 160, 160, 160}, {21, 128, 128, 128}, {22, 96, 96, 96},    {23, 64, 64, 64},    {24, 191, 0, 63},
      {25, 126, 222, 255}, {26, 255, 204, 204}, {27, 255, 126, 222}, {28, 255, 222, 126}, {29, 222, 255, 126},
      {30, 126, 255, 222}, {31, 255, 255, 191}, {32, 255, 191, 255}, {33, 191, 255, 255}, {34, 255, 255, 222},
      {35, 255, 222, 255}, {36, 222, 255, 255}, {37, 177, 222, 212}, {38, 177, 212, 222}, {39, 212, 177, 222},
      {40, 212, 222, 177}, {41, 222, 177, 212}, {42, 222, 212, 177}, {43, 191, 241, 222}, {44, 191, 222, 241},
      {45, 222, 241, 191}, {46, 222, 191, 241}, {47, 241, 222, 191}, {48, 241, 191, 222}, {49, 255, 150, 234},
      {50, 150, 234, 255}, {51, 204, 204, 204}, {52, 200, 112, 0},   {53, 222, 205, 0},   {54, 222, 104, 32},
      {55, 20, 130, 40},   {56, 192, 0, 160},   {57, 212, 40, 40},   {58, 80, 132, 176},  {59, 100, 160, 200},
      {60, 20, 100, 20},
  };
  const ColorArray& table = DefaultColorTable();
  for (const auto& e : kExpected) {
    const ColorRef c = table[e[0]];
    EXPECT_EQ(RedOf(c), e[1]) << "index " << e[0];
    EXPECT_EQ(GreenOf(c), e[2]) << "index " << e[0];
    EXPECT_EQ(BlueOf(c), e[3]) << "index " << e[0];
    EXPECT_EQ(c >> 24, 0u) << "index " << e[0];
  }
}

TEST(ColourTable, GreysOfBlackWhiteAndTheColoursBetween) {
  GreyArray greys{};
  FillArray fills{};
  ComputeGreys(DefaultColorTable(), greys, fills);
  EXPECT_EQ(greys[0], 0);
  EXPECT_EQ(fills[0], 64);
  EXPECT_EQ(greys[1], 255);
  EXPECT_EQ(fills[1], 0);
  // Pure red (4): L = 76.5, grey 180 + 22.5 -> 202, fill 53 * 32 / 75 = 22.
  EXPECT_EQ(greys[4], 202);
  EXPECT_EQ(fills[4], 22);
  // Dark grey 64 (23): grey 198, fill 24.
  EXPECT_EQ(greys[23], 198);
  EXPECT_EQ(fills[23], 24);
  for (int i = 2; i < kColorCount; ++i) {
    EXPECT_GE(greys[i], 180) << i;
    EXPECT_LE(greys[i], 255) << i;
    EXPECT_LE(fills[i], 32) << i;
  }
}
