// The text item record and the list piece of the figure files: exact bytes, a round trip, and
// damaged pieces refused with the list kept. The hit test of a turned text box.
#include "view/text_item.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "kernel/byte_io.h"
#include "view/text_hit.h"

using namespace view;
using kernel::Bytes;

namespace {

TextItem Sample(int n) {
  TextItem item;
  item.number = static_cast<std::int16_t>(n);
  item.transparent = 0;
  item.text = "a-b = " + std::to_string(n);
  item.color = kernel::Rgb(10, 20, 30);
  item.x = 1.25L;
  item.x2 = 2.5L;
  item.y2 = -0.75L;
  item.y = -0.5L;
  item.font.faceName = "Times New Roman";
  item.font.height = -16;
  item.font.escapement = -300;
  item.sizeWord = 112;  // 12 points, hidden with its object
  item.tie = 7;
  item.shown = 0;
  item.evalCode = 5003;
  return item;
}

Bytes Written(const TextList& list) {
  kernel::ByteWriter out;
  WriteTextList(out, list);
  return out.bytes();
}

}  // namespace

TEST(TextItemRecord, FieldsLieAtTheirOffsetsAndRoundTrip) {
  kernel::ByteWriter out;
  WriteTextItem(out, Sample(3));
  const Bytes& b = out.bytes();
  ASSERT_EQ(b.size(), kTextItemBytes);
  EXPECT_EQ(b[0], 3);
  EXPECT_EQ(b[2], 0);  // opaque
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[3])), "a-b = 3");
  EXPECT_EQ(b[64], 10);                                       // colour, red first
  EXPECT_EQ(kernel::RealFromBytes(&b[68]), 1.25L);            // x
  EXPECT_EQ(kernel::RealFromBytes(&b[98]), -0.5L);            // y
  EXPECT_EQ(b[116], static_cast<std::uint8_t>(-300 & 0xFF));  // the font's escapement
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&b[136])), "Times New Roman");
  EXPECT_EQ(b[168], 112);
  for (int i = 170; i < 174; ++i) EXPECT_EQ(b[static_cast<std::size_t>(i)], 0) << "pointer placeholder";
  EXPECT_EQ(b[174], 7);
  EXPECT_EQ(b[176], 0);
  EXPECT_EQ(b[177] | (b[178] << 8), 5003);

  kernel::ByteReader in(b);
  TextItem back;
  ASSERT_TRUE(ReadTextItem(in, back));
  EXPECT_EQ(back, Sample(3));
  EXPECT_TRUE(in.AtEnd());
}

TEST(TextListPiece, RoundTripsByteForByteAndRenumbers) {
  TextList list{Sample(5), Sample(9)};
  const Bytes bytes = Written(list);
  ASSERT_EQ(bytes.size(), 2 + 2 * kTextItemBytes);

  TextList kept;
  kernel::ByteReader in(bytes);
  ASSERT_TRUE(ReadTextList(in, true, kept));
  EXPECT_TRUE(in.AtEnd());
  ASSERT_EQ(kept.size(), 2u);
  EXPECT_EQ(kept[0].number, 0);
  EXPECT_EQ(kept[1].number, 1);
  EXPECT_EQ(kept[1].shown, 0) << "stored flags kept";
  // Apart from the numbers the lists read write the same bytes again.
  TextListRenumber(list, 0);
  EXPECT_EQ(Written(kept), Written(list));

  TextList shown;
  kernel::ByteReader again(bytes);
  ASSERT_TRUE(ReadTextList(again, false, shown));
  EXPECT_EQ(shown[0].shown, 1);
  EXPECT_EQ(shown[1].shown, 1);
}

TEST(TextListPiece, DamagedPiecesAreRefusedAndTheListKept) {
  const Bytes good = Written({Sample(0), Sample(1)});
  struct Case {
    const char* what;
    Bytes bytes;
  };
  std::vector<Case> cases;
  cases.push_back({"empty", {}});
  Bytes bigCount = good;
  bigCount[0] = 3;  // three records announced, two there
  cases.push_back({"count beyond the bytes", bigCount});
  Bytes hugeCount = good;
  hugeCount[0] = hugeCount[1] = 0xFF;
  cases.push_back({"count of 65535", hugeCount});
  cases.push_back({"cut short", Bytes(good.begin(), good.end() - 1)});
  Bytes nan = good;
  kernel::RealToBytes(std::numeric_limits<kernel::Real>::quiet_NaN(), &nan[2 + kTextItemBytes + 68]);
  cases.push_back({"position not a number", nan});
  Bytes inf = good;
  kernel::RealToBytes(std::numeric_limits<kernel::Real>::infinity(), &inf[2 + 98]);
  cases.push_back({"position infinite", inf});

  for (const Case& c : cases) {
    TextList list{Sample(42)};
    kernel::ByteReader in(c.bytes);
    EXPECT_FALSE(ReadTextList(in, false, list)) << c.what;
    EXPECT_FALSE(in.ok()) << c.what;
    ASSERT_EQ(list.size(), 1u) << c.what;
    EXPECT_EQ(list[0], Sample(42)) << c.what;
  }
}

TEST(TextListPiece, TextsAndFaceNamesEndWithinTheirFields) {
  Bytes bytes = Written({Sample(0)});
  for (std::size_t i = 0; i < kTextFieldBytes; ++i) bytes[2 + 3 + i] = 'T';
  for (std::size_t i = 0; i < kernel::kFaceNameBytes; ++i) bytes[2 + 136 + i] = 'F';
  TextList list;
  kernel::ByteReader in(bytes);
  ASSERT_TRUE(ReadTextList(in, false, list));
  EXPECT_EQ(list[0].text, std::string(kTextFieldBytes - 1, 'T'));
  EXPECT_EQ(list[0].font.faceName, std::string(kernel::kFaceNameBytes - 1, 'F'));
  // Written again, both fields end with their NUL.
  const Bytes again = Written(list);
  EXPECT_EQ(again[2 + 3 + kTextFieldBytes - 1], 0);
  EXPECT_EQ(again[2 + 136 + kernel::kFaceNameBytes - 1], 0);
}

TEST(TextItemFields, SizeFlagAnglesAndDeletion) {
  TextItem item;
  item.sizeWord = 112;
  TextItemSetSize(item, 145);
  EXPECT_EQ(item.sizeWord, 114) << "the hide flag stays";
  TextItemSetHideFlag(item, false);
  EXPECT_EQ(item.sizeWord, 14);
  // Degrees typed become tenths modulo a turn, the sign kept.
  EXPECT_EQ(TextAngleTenths(400), 400);
  EXPECT_EQ(TextAngleTenths(-30), -300);
  EXPECT_EQ(TextAngleTenths(720), 0);

  // Copying an evaluated text's settings recounts its switched-on expressions, strings stay.
  EvalTextEntry from;
  from.switches = {1, 0, 1, 1, 0};
  from.expressionCount = 7;
  from.places = {1, 2, 15};
  from.strings[0] = "AB";
  EvalTextEntry to;
  to.strings[0] = "CD";
  CopyEvalTextEntry(to, from);
  EXPECT_EQ(to.expressionCount, 2);
  EXPECT_EQ(to.places, from.places);
  EXPECT_EQ(to.strings[0], "CD");

  TextList list{Sample(0), Sample(1), Sample(2)};
  EXPECT_TRUE(DeleteTextItem(list, 1));
  EXPECT_FALSE(DeleteTextItem(list, 7));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[1].number, 1);
  EXPECT_EQ(list[1].text, "a-b = 2");
}

TEST(TextHit, BoxesTurnedAboutTheirTopLeftCorner) {
  // A box 100 x 20 pixels. Unturned, a point 50 along and 10 down is inside.
  EXPECT_TRUE(HitsTextBox({50, 10}, 100, 20, 0));
  EXPECT_FALSE(HitsTextBox({50, 25}, 100, 20, 0));
  EXPECT_FALSE(HitsTextBox({0, 10}, 100, 20, 0)) << "the edge is outside";
  // Turned by 30 degrees counter-clockwise the box rises to the right (screen y grows downwards):
  // its middle lies at 50 along (43, -25) and 10 down (5, 9).
  const int angle = 300;
  EXPECT_TRUE(HitsTextBox({48, -16}, 100, 20, angle));
  EXPECT_TRUE(HitsTextBox({85, -45}, 100, 20, angle));
  EXPECT_FALSE(HitsTextBox({50, 10}, 100, 20, angle)) << "inside the unturned box only";
  EXPECT_FALSE(HitsTextBox({-5, 8}, 100, 20, angle));
  const auto outline = TextBoxOutline({10, 10}, 100, 20, angle);
  EXPECT_EQ(outline[1], (platform::PointI{10 + 87, 10 - 50}));
  EXPECT_EQ(outline[3], (platform::PointI{10 + 10, 10 + 17}));
}
