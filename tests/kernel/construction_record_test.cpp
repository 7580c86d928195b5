#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "support/record_images.h"
#include "kernel/construction_record.h"

using namespace kernel;

namespace {

using std::uint8_t;

Bytes ImageOf(const ConstructionRecord& record) { return ::ImageOf(record, WriteConstructionRecord); }

void PutText(Bytes& image, std::size_t offset, const std::string& text) {
  for (char c : text) image[offset++] = static_cast<uint8_t>(c);
}

// The image of a record fresh from InitConstruction with every operand and further word 0xFFFF.
Bytes FreshImage() {
  Bytes image(kConstructionRecordBytes, 0);
  Put(image, 0, {0xFF, 0xFF});
  for (std::size_t offset = 4; offset < 84; ++offset) image[offset] = 0xFF;
  for (std::size_t offset = 144; offset < 150; ++offset) image[offset] = 0xFF;
  return image;
}

TEST(ConstructionRecord, GoldenImageOfAFilledRecord) {
  ConstructionRecord record;
  ConstructionRecord other;
  record.next = &other;
  InitConstruction(record, 0x0123, 5, -1, 7, 0, -1, 0x0102, static_cast<Real>(1.5), 0, -2, 0, 0, 1);
  EXPECT_EQ(record.next, nullptr);
  record.sequence = 9;
  record.extra_words[0] = 0x0A0B;
  record.flag = 3;
  SplitConstructionText(record, std::string(40, 'x') + "y" + std::string(39, 'z') + "AB");
  record.next = &other;  // never stored

  Bytes expected = FreshImage();
  Put(expected, 0, {0x09, 0x00});
  Put(expected, 2, {0x23, 0x01});
  Put(expected, 4, {0x05, 0x00, 0xFF, 0xFF, 0x07, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x02, 0x01});
  Put(expected, 84, {0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F});        // 1.5
  Put(expected, 104, {0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0});       // -2
  Put(expected, 134, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F});       // 1
  Put(expected, 144, {0x0B, 0x0A});
  Put(expected, 150, {0x03});
  PutText(expected, 151, std::string(40, 'x'));
  PutText(expected, 192, "y" + std::string(39, 'z'));
  PutText(expected, 233, "AB");
  EXPECT_EQ(ImageOf(record), expected);

  ByteReader reader(expected);
  const auto back = ReadConstructionRecord(reader);
  ASSERT_TRUE(back.has_value());
  EXPECT_TRUE(reader.AtEnd());
  EXPECT_EQ(ImageOf(*back), expected);
  EXPECT_EQ(back->parameters[0], static_cast<Real>(1.5));
  EXPECT_EQ(back->next, nullptr);
}

TEST(ConstructionRecord, DefaultRecordIsAFreshOne) {
  ConstructionRecord fresh;
  InitConstruction(fresh, 0, -1, -1, -1, -1, -1, -1, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(ImageOf(fresh), FreshImage());
  EXPECT_EQ(ImageOf(ConstructionRecord{}), FreshImage());
}

TEST(ConstructionRecord, ReadingIgnoresTheStoredLinkAndFailsOnShortInput) {
  Bytes image = FreshImage();
  Put(image, 274, {0x12, 0x34, 0x56, 0x78});
  // A text field with no NUL at all is read as its first 40 characters.
  PutText(image, 151, std::string(41, 'q'));
  ByteReader reader(image);
  const auto record = ReadConstructionRecord(reader);
  ASSERT_TRUE(record.has_value());
  EXPECT_EQ(record->next, nullptr);
  EXPECT_EQ(record->text[0], std::string(40, 'q'));

  image.pop_back();
  ByteReader short_reader(image);
  EXPECT_FALSE(ReadConstructionRecord(short_reader).has_value());
}

TEST(ConstructionRecord, OperandTriplesBecomeZeroBasedIndices) {
  ConstructionRecord record;
  SetConstructionOperands3(record, 4, {3, 1, 0});
  EXPECT_EQ(record.operands[4], 2);
  EXPECT_EQ(record.operands[5], 0);
  EXPECT_EQ(record.operands[6], kNoOperand);

  // Slots beyond the forty are not written.
  SetConstructionOperands3(record, 38, {5, 6, 7});
  EXPECT_EQ(record.operands[38], 4);
  EXPECT_EQ(record.operands[39], 5);
  SetConstructionOperands3(record, -2, {5, 6, 7});
  EXPECT_EQ(record.operands[0], 6);
  EXPECT_EQ(ImageOf(record).size(), kConstructionRecordBytes);
  EXPECT_EQ(record.parameters[0], 0);
}

TEST(ConstructionRecord, TextIsSplitIntoFortyCharacterFieldsAndJoinedBack) {
  struct Case {
    std::size_t length;
    std::size_t field1, field2, field3;
  };
  const Case cases[] = {{0, 0, 0, 0}, {40, 40, 0, 0}, {41, 40, 1, 0}, {80, 40, 40, 0}, {81, 40, 40, 1}, {130, 40, 40, 40}};
  for (const Case& c : cases) {
    std::string text;
    for (std::size_t i = 0; i < c.length; ++i) text += static_cast<char>('a' + i % 26);
    ConstructionRecord record;
    // A longer text before: its tails must not survive the new split.
    SplitConstructionText(record, std::string(120, '#'));
    SplitConstructionText(record, text);
    EXPECT_EQ(record.text[0].size(), c.field1) << c.length;
    EXPECT_EQ(record.text[1].size(), c.field2) << c.length;
    EXPECT_EQ(record.text[2].size(), c.field3) << c.length;
    EXPECT_EQ(JoinConstructionText(record), text.substr(0, 120)) << c.length;
  }
  ConstructionRecord record;
  SplitConstructionText(record, std::string(41, 'k'));
  EXPECT_EQ(record.text[1], "k");
  // A Windows-1252 byte survives; a NUL ends the text.
  SplitConstructionText(record, std::string("caf\xE9\0tail", 9));
  EXPECT_EQ(JoinConstructionText(record), "caf\xE9");
}

TEST(ConstructionRecord, CopyAndHistoryList) {
  ConstructionRecord a;
  ConstructionRecord b;
  ConstructionRecord c;
  InitConstruction(a, 120, 1, 2, 3, -1, -1, -1, 1, 2, 3, 4, 5, 6);
  a.sequence = 4;
  a.flag = 1;
  a.extra_words[2] = 9;
  SplitConstructionText(a, "circle through ABC");
  a.next = &b;
  b.next = &c;

  ConstructionRecord copy;
  CopyConstruction(copy, a);
  EXPECT_EQ(copy.next, nullptr);
  EXPECT_EQ(ImageOf(copy), ImageOf(a));
  EXPECT_EQ(JoinConstructionText(copy), "circle through ABC");

  EXPECT_EQ(ConstructionListLast(&a), &c);
  EXPECT_EQ(CountConstructions(&a), 3);
  EXPECT_EQ(ConstructionListLast(static_cast<ConstructionRecord*>(nullptr)), nullptr);
  EXPECT_EQ(CountConstructions(nullptr), 0);
}

}  // namespace
