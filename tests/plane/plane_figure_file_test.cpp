// The 2-D figure file read without a window: a file assembled by hand from its layout reads and
// is written back byte for byte; older versions are converted; damaged files are refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "plane/plane_figure_file.h"
#include "view/settings_files.h"

namespace {

using kernel::Bytes;

// Bytes put down by hand, field by field as the layout lists them.
struct Hand {
  Bytes b;
  void u8(int v) { b.push_back(static_cast<std::uint8_t>(v)); }
  void u16(int v) {
    u8(v & 0xFF);
    u8((v >> 8) & 0xFF);
  }
  void i32(std::int32_t v) {
    for (int i = 0; i < 4; ++i) u8(static_cast<int>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF));
  }
  // An x87 image: eight mantissa bytes (the top one given), then the sign and exponent word.
  void real(int topMantissa, int exponentWord) {
    for (int i = 0; i < 7; ++i) u8(0);
    u8(topMantissa);
    u16(exponentWord);
  }
  void zero() { real(0, 0); }
  void zeros(std::size_t n) { b.insert(b.end(), n, 0); }
  void text(const std::string& s, std::size_t field) {
    b.insert(b.end(), s.begin(), s.end());
    zeros(field - s.size());
  }
};

// 1.0, 2.0, 1.5, 10 and 100 as x87 images.
void One(Hand& h) { h.real(0x80, 0x3FFF); }
void Two(Hand& h) { h.real(0x80, 0x4000); }

// A point name record: label, shown, marker, the label box and its offset.
void Name(Hand& h, int label) {
  h.u16(label);
  h.u8(1);
  h.u16(2);
  for (int v : {0, 0, 0, 0, 10, 10}) h.u16(v);
}

// A free point step (kind 121) with the label as operand 0; the rest of its operands unused.
void FreePointStep(Hand& h, int sequence, int label) {
  h.u16(sequence);
  h.u16(121);
  h.u16(label);
  for (int i = 1; i < 40; ++i) h.u16(0xFFFF);  // unused operands
  for (int i = 0; i < 6; ++i) h.zero();
  for (int i = 0; i < 3; ++i) h.u16(0xFFFF);
  h.zeros(1 + 3 * 41 + 4);
}

struct FixtureOptions {
  std::int32_t version = 63;
  bool withPointLists = true;  // version 40 on
};

// A Euclidean figure of two free points A (1, 2) and B (2, 1) and one of each list the file
// carries beyond the figure itself.
Bytes HandFixture(const FixtureOptions& o = {}) {
  kernel::ByteWriter common;
  view::CommonBlock block;
  block.fileKind = view::kPlaneFileKind;
  block.formatVersion = o.version;
  view::WriteCommonBlock(common, block);
  Hand h;
  h.b = common.bytes();
  const bool oldTokens = o.version < 24;
  // Header words.
  const int header[30] = {5, 120, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 7, 3, 0, 0, 15, 0,
                          2, 3, 0, 0, 0, 902, 0, 3, 0, 0, 5};
  for (int w : header) h.u16(w);
  // Flag bytes: no notebook (24), no background bitmap (27).
  for (int i = 0; i < 30; ++i) h.u8(i == 24 || i == 27 ? 1 : 0);
  // Reals: zoom 1.5 (6), magnification 1 and 1 (7, 8; written 0 from version 24 on), counts 100 and 10.
  for (int i = 0; i < 20; ++i) {
    if (i == 6) h.real(0xC0, 0x3FFF);
    else if ((i == 7 || i == 8) && oldTokens) One(h);
    else if (i == 9) h.real(0xC8, 0x4005);
    else if (i == 10) h.real(0xA0, 0x4002);
    else h.zero();
  }
  for (int i = 0; i < 30; ++i) h.u16(i < 8 ? 253 - i : (i < 10 ? 10 : 0));  // marker block
  h.i32(50);  // tool window position
  h.i32(60);
  for (int v : {1, 2, 3, 4}) h.u16(v);
  h.zeros(8);
  for (int t = 0; t < (oldTokens ? 6 : 7); ++t) {
    h.u8(t + 1);
    h.zeros((oldTokens ? 30 : 40) - 1);
  }
  h.zeros(42);
  h.text("A,B", 42);  // macro input
  h.zeros(42);
  h.zeros(60);
  h.text("", 256);
  // Points: coordinates, names, attributes.
  One(h);
  Two(h);
  Two(h);
  One(h);
  Name(h, 0);
  Name(h, 1);
  for (int p = 0; p < 2; ++p) {
    h.u16(0xFFFF);
    for (int w = 0; w < 4; ++w) h.u16(0xFFFF);
    h.zero();
  }
  h.u16(2);  // history
  FreePointStep(h, 0, 0);
  FreePointStep(h, 1, 1);
  if (o.withPointLists) {
    h.u16(1);  // one attached list of one point at (2, 2) that takes label 5
    h.u16(1);
    Two(h);
    Two(h);
    Name(h, 5);
  }
  h.u16(0);  // frame texts
  h.u16(0);  // trace records
  if (o.version < 58) {
    h.u16(1);  // one old fill: inside circle 3
    h.zeros(2);
    h.u16(0xFFFF);
    h.zeros(200);
    h.u16(3);
    h.u16(4);
    h.u16(5);
    h.zeros(4);
  } else {
    h.u16(0);
  }
  h.u16(1);  // one marking
  for (int v : {1, 2}) h.u16(v);
  h.zeros(2);
  h.u16(7);
  h.u16(320);
  h.zeros(4);
  h.u16(1);  // one three-point conic
  for (int v : {0, 1, 2, 0, 1}) h.u16(v);
  h.text("0.5", 41);
  h.real(0x80, 0x3FFE);
  h.zeros(4);
  h.u16(0);  // figure texts
  if (o.version >= 50) h.u16(0);  // evaluated texts
  h.u16(1);  // one user function
  h.text("x*x", 61);
  h.text("sq", 10);
  h.zeros(4);
  h.u16(0);  // pictures: the count negated
  // Plot settings: words, values, placement, flag, view box, pair, scales, colours, attributes.
  h.u16(15);
  h.zeros(18 + 100 + 17);
  if (o.version < 59) {
    h.zeros(1);
    h.u8(1);
    h.u16(0);  // the text items of the two trace names
    h.u16(0);
    h.zeros(208);
    h.u8(0);  // no trace
    h.zeros(37);
    h.u8(0);  // the texts are not kept
    h.u16(0);
  } else {
    h.u8(1);
    h.zeros(208);
    h.u16(0);  // traces, companions, texts
    h.u16(0);
    h.u16(0);
  }
  h.u16(0);  // five-point conics
  h.u16(0);  // two-foci conics
  if (o.version >= 30) {
    h.u16(1);  // one equation
    h.u16(7);
    h.text("1,0,1,0,0,4,", 128);
  }
  return h.b;
}

int Read(const Bytes& bytes, plane::PlaneFigureFile& file, std::int32_t kind = view::kPlaneFileKind) {
  kernel::ByteReader in(bytes);
  return plane::ReadPlaneFigureFile(in, kind, 0, file);
}

// The first offset where two images differ, or their common size when one is the other's start.
std::size_t FirstDifference(const Bytes& a, const Bytes& b) {
  const auto [ia, ib] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return static_cast<std::size_t>(ia - a.begin());
}

Bytes Write(const plane::PlaneFigureFile& file) {
  kernel::ByteWriter out;
  EXPECT_TRUE(plane::WritePlaneFigureFile(out, view::kPlaneFileKind, file));
  return out.Take();
}

TEST(PlaneFigureFile, AHandAssembledFileReadsAndIsWrittenBackByteForByte) {
  const Bytes fixture = HandFixture();
  plane::PlaneFigureFile file;
  ASSERT_EQ(Read(fixture, file), 0);
  EXPECT_EQ(file.version, 63);
  ASSERT_EQ(file.points.size(), 2u);
  EXPECT_EQ(file.points[0].x, 1.0L);
  EXPECT_EQ(file.points[0].y, 2.0L);
  EXPECT_EQ(file.names[1].label, 1);
  ASSERT_EQ(file.history.size(), 2u);
  EXPECT_EQ(file.history[1].kind, 121);
  ASSERT_EQ(file.pointLists.size(), 1u);
  EXPECT_EQ(file.pointLists[0].names[0].label, 5);
  EXPECT_EQ(file.reals[plane::kRealZoom], 1.5L);
  EXPECT_EQ(file.toolX, 50);
  ASSERT_EQ(file.equations.size(), 1u);
  EXPECT_EQ(file.equations[0].coefficient_texts[5], "4");
  ASSERT_EQ(file.userFunctions.size(), 1u);
  EXPECT_STREQ(reinterpret_cast<const char*>(&file.userFunctions[0][61]), "sq");
  EXPECT_EQ(file.threePointConics.size(), 1u);
  EXPECT_EQ(file.markings.size(), 1u);
  const Bytes written = Write(file);
  EXPECT_EQ(written.size(), fixture.size());
  EXPECT_EQ(FirstDifference(written, fixture), fixture.size());
}

TEST(PlaneFigureFile, OlderVersionsReadAsTheirLayoutSays) {
  {
    // Version 23: six 30-byte tokens, magnification from reals 7 and 8, no equations, old fills.
    plane::PlaneFigureFile file;
    ASSERT_EQ(Read(HandFixture({23, false}), file), 0);
    EXPECT_EQ(file.tokens.size(), 7u);
    EXPECT_EQ(file.tokens[5][0], 6);
    EXPECT_EQ(file.tokens[6][0], 0);
    EXPECT_EQ(file.magnification[0], 1.0L);
    EXPECT_EQ(file.magnification[1], 2.0L);
    EXPECT_TRUE(file.pointLists.empty());
    EXPECT_TRUE(file.equations.empty());
    ASSERT_EQ(file.fills.size(), 1u);
    EXPECT_EQ(file.fills[0].mode, kernel::kFillInsideCircle);
    EXPECT_EQ(file.fills[0].circle, 3);
    EXPECT_EQ(file.fills[0].style, 4);
    EXPECT_EQ(file.fills[0].word214, 5);
    // Written back in the current form, it reads again with the same figure.
    plane::PlaneFigureFile again;
    ASSERT_EQ(Read(Write(file), again), 0);
    EXPECT_EQ(again.fills[0].circle, 3);
    EXPECT_EQ(again.tokens, file.tokens);
  }
  {
    // Version 39: no point-list block, no evaluated texts.
    plane::PlaneFigureFile file;
    ASSERT_EQ(Read(HandFixture({39, false}), file), 0);
    EXPECT_TRUE(file.pointLists.empty());
    EXPECT_EQ(file.history.size(), 2u);
    EXPECT_EQ(file.equations.size(), 1u);
  }
}

TEST(PlaneFigureFile, AttachedPointListsRoundTripExactly) {
  plane::PlaneFigureFile file;
  ASSERT_EQ(Read(HandFixture(), file), 0);
  // Reals no short double could hold, and the smallest and largest ones.
  const kernel::Real odd[5] = {1.0L / 3, std::numeric_limits<kernel::Real>::denorm_min(),
                               std::numeric_limits<kernel::Real>::max(), -0.0L, 0.1L};
  file.pointLists.assign(3, {});
  file.pointLists[0].points = {{odd[0], odd[4]}};
  file.pointLists[0].names.resize(1);
  file.pointLists[0].names[0].label = 0xFFFF;
  for (int i = 0; i < 5; ++i) {
    file.pointLists[2].points.push_back({odd[i], odd[4 - i]});
    engine::PointNameRecord name;
    name.label = static_cast<std::uint16_t>(i + 3);
    name.marker = static_cast<std::uint16_t>(i);
    name.dy = static_cast<std::int16_t>(-i);
    file.pointLists[2].names.push_back(name);
  }
  const Bytes bytes = Write(file);
  plane::PlaneFigureFile back;
  ASSERT_EQ(Read(bytes, back), 0);
  ASSERT_EQ(back.pointLists.size(), 3u);
  EXPECT_TRUE(back.pointLists[1].points.empty());
  for (int l : {0, 2}) {
    const auto& a = file.pointLists[static_cast<std::size_t>(l)];
    const auto& b = back.pointLists[static_cast<std::size_t>(l)];
    ASSERT_EQ(a.points.size(), b.points.size());
    for (std::size_t i = 0; i < a.points.size(); ++i) {
      EXPECT_EQ(std::memcmp(&a.points[i].x, &b.points[i].x, kernel::kRealBytes), 0);
      EXPECT_EQ(std::memcmp(&a.points[i].y, &b.points[i].y, kernel::kRealBytes), 0);
      EXPECT_EQ(b.names[i].label, a.names[i].label);
      EXPECT_EQ(b.names[i].dy, a.names[i].dy);
    }
  }
  const Bytes again = Write(back);
  EXPECT_EQ(FirstDifference(again, bytes), bytes.size());
}

TEST(PlaneFigureFile, EveryTruncationIsRefused) {
  const Bytes fixture = HandFixture();
  for (std::size_t size = 0; size < fixture.size(); ++size) {
    const Bytes cut(fixture.begin(), fixture.begin() + static_cast<std::ptrdiff_t>(size));
    plane::PlaneFigureFile file;
    ASSERT_EQ(Read(cut, file), 11) << "cut at " << size;
  }
}

TEST(PlaneFigureFile, OtherKindsNewerVersionsAndImpossibleCountsAreRefused) {
  plane::PlaneFigureFile file;
  EXPECT_EQ(Read(HandFixture(), file, view::kHyperbolicFileKind), 11);
  plane::PlaneFigureFile newer;
  EXPECT_EQ(Read(HandFixture({64}), newer), 8);
  // A last point index beyond the table, and a list count beyond the 26 lists.
  const std::size_t lastPointAt = view::kCommonBlockBytes + 2 * plane::kHeaderLastPoint;
  for (int bad : {7878, -2}) {
    Bytes bytes = HandFixture();
    bytes[lastPointAt] = static_cast<std::uint8_t>(bad & 0xFF);
    bytes[lastPointAt + 1] = static_cast<std::uint8_t>((bad >> 8) & 0xFF);
    plane::PlaneFigureFile damaged;
    EXPECT_EQ(Read(bytes, damaged), 11) << bad;
  }
}

TEST(PlaneFigureFile, OutOfRangeSettingsAreSetRight) {
  Bytes bytes = HandFixture();
  const std::size_t headerAt = view::kCommonBlockBytes;
  bytes[headerAt + 2 * plane::kHeaderGridFirst] = 21;    // gridline setting above 20
  bytes[headerAt + 2 * plane::kHeaderFillMix] = 0;       // fill mix below 901
  bytes[headerAt + 2 * plane::kHeaderFillMix + 1] = 0;
  const std::size_t zoomAt = headerAt + 60 + 30 + 10 * plane::kRealZoom;
  std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(zoomAt), 10, 0);  // zoom 0
  plane::PlaneFigureFile file;
  ASSERT_EQ(Read(bytes, file), 0);
  EXPECT_EQ(file.header[plane::kHeaderGridFirst], 1);
  EXPECT_EQ(file.header[plane::kHeaderGridSecond], 3);
  EXPECT_EQ(file.header[plane::kHeaderFillMix], 901);
  EXPECT_EQ(file.reals[plane::kRealZoom], 1.01L);
}

TEST(PlaneFigureFile, AnEquationThatDoesNotFitItsFieldIsNotWritten) {
  plane::PlaneFigureFile file;
  kernel::EquationRecord equation;
  kernel::AllocCoefTexts(equation);
  equation.coefficient_texts[0] = std::string(122, '1');  // 122 + 6 commas = 128: no room for the end
  file.equations.push_back(equation);
  kernel::ByteWriter out;
  EXPECT_FALSE(plane::WritePlaneFigureFile(out, view::kPlaneFileKind, file));
  file.equations[0].coefficient_texts[0].pop_back();
  EXPECT_TRUE(plane::WritePlaneFigureFile(out, view::kPlaneFileKind, file));
}

TEST(PlaneFigureFile, TheAuthorPieceFollowsAPositiveProtectionWordOnly) {
  plane::PlaneFigureFile file;
  ASSERT_EQ(Read(HandFixture(), file), 0);
  file.author.password = "abc";
  file.author.lines[0] = "someone";
  for (int word : {0, 3, 0x8001}) {
    SCOPED_TRACE(word);
    file.header[plane::kHeaderProtection] = static_cast<std::uint16_t>(word);
    plane::PlaneFigureFile back;
    ASSERT_EQ(Read(Write(file), back), 0);
    EXPECT_EQ(back.author.lines[0], word == 3 ? "someone" : "");
    EXPECT_EQ(back.author.unlocked, word == 3 ? 0 : 1);
    EXPECT_EQ(back.history.size(), 2u);
  }
}

}  // namespace
