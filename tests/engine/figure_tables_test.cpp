#include "engine/figure_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "kernel/labels.h"

namespace {

using engine::FigureTables;
using engine::kGroupEnd;

constexpr int kLabelA = 0, kLabelB = 1, kC = 2, kD = 3;

// Points 0.. labelled with the given label ids, all existing.
void AddLabelled(FigureTables& t, std::vector<int> labels) {
  for (int label : labels) {
    const int i = ++t.last_point;
    t.exists[i] = 1;
    t.names[i].label = static_cast<std::uint16_t>(label);
    t.label_map[label] = static_cast<std::int16_t>(i);
  }
}

std::vector<int> Entries(std::span<const std::uint16_t> out, int last) {
  return std::vector<int>(out.begin(), out.begin() + last + 1);
}

TEST(FigureTables, ParsesLabelGroupsIntoPointIndices) {
  FigureTables t;
  AddLabelled(t, {kD, kC, kLabelB, kLabelA});  // D is point 0, A point 3
  std::array<std::uint16_t, 11> out{};
  std::string text = "ab/cd";
  const int last = t.ParsePointList(text, out, 10);
  EXPECT_EQ(last, 5);
  EXPECT_EQ(Entries(out, last), (std::vector<int>{3, 2, kGroupEnd, 1, 0, kGroupEnd}));
  EXPECT_EQ(out[10], kGroupEnd);
  EXPECT_EQ(text, "AB/CD");  // the normalised list, without its trailing "/"
}

TEST(FigureTables, GroupsOfFreeLabelsVanish) {
  FigureTables t;
  AddLabelled(t, {kLabelA, kLabelB});
  std::array<std::uint16_t, 11> out{};
  std::string text = "AB/CD";
  const int last = t.ParsePointList(text, out, 10);
  EXPECT_EQ(last, 2);
  EXPECT_EQ(Entries(out, last), (std::vector<int>{0, 1, kGroupEnd}));

  std::string none = "XY";
  out.fill(7);
  EXPECT_EQ(t.ParsePointList(none, out, 4), -1);
  EXPECT_EQ(out[4], kGroupEnd);
}

TEST(FigureTables, ParsesPointNumbersAndRefusesNumbersOutOfRange) {
  FigureTables t;
  AddLabelled(t, {0, 1, 2, 3, 4});
  std::array<std::uint16_t, 21> out{};
  std::string text = "1 2 3\\4 5";
  const int last = t.ParsePointList(text, out, 20);
  EXPECT_EQ(Entries(out, last), (std::vector<int>{0, 1, 2, kGroupEnd, 3, 4, kGroupEnd}));
  EXPECT_EQ(text, "1 2 3\\4 5");
  for (std::string bad : {"0 1\\2", "1\\6"}) EXPECT_EQ(t.ParsePointList(bad, out, 20), -1) << bad;
  // A short list stops advancing at its last entry.
  std::array<std::uint16_t, 3> small{};
  std::string many = "1 2 3 4\\5";
  EXPECT_EQ(t.ParsePointNumbers(many, small, 2), 2);
}

TEST(FigureTables, ExistingPointsAndSelection) {
  FigureTables t;
  AddLabelled(t, {kLabelA, kLabelB, kC, kD});
  t.exists[1] = 0;
  std::array<std::uint16_t, 4> out{};
  std::string text = "ABC/D";
  EXPECT_EQ(t.ParseExistingPoints(text, out, 3), 3);
  EXPECT_EQ((std::vector<int>(out.begin(), out.end())), (std::vector<int>{0, 2, 3, engine::kPointListEnd}));

  t.SelectPoints("AB/D");
  EXPECT_EQ(t.selected[0], 1);
  EXPECT_EQ(t.selected[1], 0);  // deleted
  EXPECT_EQ(t.selected[2], 0);
  EXPECT_EQ(t.selected[3], 1);
  t.saved_selected[2] = 1;
  t.SelectPoints("");
  EXPECT_EQ(t.selected, t.saved_selected);
}

TEST(FigureTables, LabelsAndNames) {
  FigureTables t;
  AddLabelled(t, {kLabelA, kC});
  EXPECT_EQ(t.FindFreeLabel(), kLabelB);
  EXPECT_EQ(t.FindPointByName("C"), 1);
  EXPECT_EQ(t.FindPointByName("B"), -1);

  std::string name = "x";
  EXPECT_EQ(t.GetPointName(-1, name), 0);
  EXPECT_EQ(name, "");
  EXPECT_EQ(t.GetPointName(2, name), 0);
  t.exists[1] = 0;  // a deleted point keeps its name
  EXPECT_EQ(t.GetPointName(1, name), 1);
  EXPECT_EQ(name, "C");

  std::string range;
  EXPECT_EQ(t.PointNameRange(range), 1);
  EXPECT_EQ(range, "A-A");
  t.exists[0] = 0;
  EXPECT_EQ(t.PointNameRange(range), 0);
  EXPECT_EQ(range, "");
}

TEST(FigureTables, NameListsOfNewestPoints) {
  FigureTables t;
  std::vector<int> labels;
  for (int i = 0; i < 26; ++i) labels.push_back(i);
  AddLabelled(t, labels);
  std::string text;
  t.AppendNewPointNames(text, 20, 12);  // last-19 .. last-8
  EXPECT_EQ(text, "GHIJKLMNOPQR...");
  text.clear();
  t.AppendNewPointNames(text, 3, 12);
  EXPECT_EQ(text, "XYZ");
  const std::int16_t list[] = {0, 2, 1, -1, 5};
  EXPECT_EQ(t.PointListWithCommas(list, text), 3);
  EXPECT_EQ(text, "A,C,B");
  EXPECT_EQ(t.PointListNames(list, text), 3);
  EXPECT_EQ(text, "ACB");
}

TEST(FigureTables, AddPointsTakesFreeLabelsAndChecksRoom) {
  FigureTables t;
  AddLabelled(t, {kLabelB});
  ASSERT_TRUE(t.AddPoints(2, 7, true, 1, 2));
  EXPECT_EQ(t.last_point, 2);
  EXPECT_EQ(t.names[1].label, kLabelA);
  EXPECT_EQ(t.names[2].label, kC);
  EXPECT_EQ(t.attrs[2].tag, 7);
  EXPECT_EQ(t.names[2].marker, 2);
  t.last_point = engine::kLastPointLimit - 1;
  EXPECT_FALSE(t.AddPoints(2, 0, false, 0, 0));
  EXPECT_EQ(t.last_point, engine::kLastPointLimit - 1);
}

TEST(FigureTables, CommonTagOfPoints) {
  FigureTables t;
  AddLabelled(t, {0, 1, 2, 3});
  t.attrs[0].tag = t.attrs[1].tag = t.attrs[2].tag = 4;
  t.attrs[3].tag = 5;
  EXPECT_EQ(t.CommonPointTag(0, 1), 4);
  EXPECT_EQ(t.CommonPointTag(0, 1, 2, -1, 3), 4);  // a negative index ends the list
  EXPECT_EQ(t.CommonPointTag(0, 1, 3), -1);
  t.attrs[0].tag = t.attrs[1].tag = 0;
  EXPECT_EQ(t.CommonPointTag(0, 1), -1);
}

TEST(FigureTables, NameAndAttributeRecordImages) {
  engine::PointNameRecord name{513, 1, 3, -2, -3, 20, 12, 5, -6};
  kernel::ByteWriter w;
  engine::WritePointNameRecord(w, name);
  engine::PointAttrRecord attr{9, {1, -1, 7, 8}, 0.25L};
  engine::WritePointAttrRecord(w, attr);
  const kernel::Bytes bytes = w.Take();
  ASSERT_EQ(bytes.size(), engine::kPointNameRecordBytes + engine::kPointAttrRecordBytes);
  EXPECT_EQ(bytes[0], 0x01);
  EXPECT_EQ(bytes[1], 0x02);
  EXPECT_EQ(bytes[2], 1);
  kernel::ByteReader r(bytes.data(), bytes.size());
  const auto name2 = engine::ReadPointNameRecord(r);
  const auto attr2 = engine::ReadPointAttrRecord(r);
  ASSERT_TRUE(name2 && attr2);
  EXPECT_EQ(name2->label, 513);
  EXPECT_EQ(name2->dy, -6);
  EXPECT_EQ(attr2->words, attr.words);
  EXPECT_EQ(attr2->value, 0.25L);
  kernel::ByteReader short_reader(bytes.data(), 10);
  EXPECT_FALSE(engine::ReadPointNameRecord(short_reader));
}

}  // namespace
