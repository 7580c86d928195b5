// The 3-D figure file read from bytes assembled field by field, written back byte for byte; older
// versions brought to the present form; damaged and newer files refused; old face and reflection
// steps repaired.
#include <gtest/gtest.h>

#include <string>

#include "kernel/byte_io.h"
#include "kernel/construction_record.h"
#include "solid/loaded_step_repair.h"
#include "solid/solid_figure_file.h"
#include "view/settings_files.h"

namespace {

using solid::SolidFigureFile;

constexpr std::size_t kCommon = view::kCommonBlockBytes;
constexpr std::size_t kHeaderAt = kCommon;
constexpr std::size_t kFlagsAt = kHeaderAt + 60;
constexpr std::size_t kRealsAt = kFlagsAt + 30;
constexpr std::size_t kPlaneBlockAt = kRealsAt + 200;
constexpr std::size_t kAnimationAt = kPlaneBlockAt + 8;

// What the hand-made file varies with its version.
struct FixtureShape {
  std::int32_t version = 63;
  std::uint16_t recordWord = 3;  // header word 15
  std::uint16_t curvedSerial = 5;
  std::uint16_t markSize = 9;
  bool withPointLists = true;
  bool withEvalTexts = true;
  bool withTableText = true;
  int points = 2;
};

void Reals(kernel::ByteWriter& out, std::initializer_list<kernel::Real> values) {
  for (kernel::Real v : values) out.Real80(v);
}

// A small figure written from the file's tables, field after field: two points A and B, one
// reflection step, the table text "TABLE".
kernel::Bytes HandMadeFile(const FixtureShape& s) {
  kernel::ByteWriter out;
  view::CommonBlock common;
  common.fileKind = view::kSolidFileKind;
  common.formatVersion = s.version;
  view::WriteCommonBlock(out, common);
  // Header words 0 to 29.
  const std::uint16_t header[30] = {4, 2, 3, 100, 1, 0, static_cast<std::uint16_t>(s.points - 1), 2, 10, 0, 0,
                                    77, 0, 12, 10, s.recordWord, 0, s.curvedSerial, 1, 0xFFFF, s.markSize};
  for (std::uint16_t w : header) out.U16(w);
  // Flag bytes 0 to 29.
  const std::uint8_t flags[30] = {1, 1, 0, 1, 1, 0, 1, 1, 0, 1, 0, 0, 0, 0, 1,
                                  1, 0, 1, 1, 1, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1};
  for (std::uint8_t f : flags) out.U8(f);
  Reals(out, {0.5L, 0.25L, 3, 0.125L, 0.0872664625997164788L, 2.5L, 1.1L});
  out.Zeros(13 * kernel::kRealBytes);
  for (std::uint8_t b = 1; b <= 8; ++b) out.U8(b);
  // Animation records: low, value, high (and a fourth real from version 24).
  const bool oldRecords = s.version < 24;
  const int records = s.recordWord + (oldRecords ? 3 : 4);
  for (int k = 0; k < records; ++k) {
    Reals(out, {-1.0L * k, 0.5L, 2.0L + k});
    if (!oldRecords) Reals(out, {0.75L});
  }
  Reals(out, {3, 4, 5});     // axis lengths
  Reals(out, {25, 32, 18});  // observer
  out.Zeros(8);
  for (int list = 0; list < 2; ++list) {  // macro input (A) and output (B)
    out.I16(static_cast<std::int16_t>(list));
    for (int k = 1; k < 21; ++k) out.I16(-1);
  }
  for (std::uint16_t k = 0; k < 30; ++k) out.U16(k < 15 ? static_cast<std::uint16_t>(k + 2) : 0);
  out.FixedText("last.kv3", 256);
  for (int i = 0; i < s.points; ++i) Reals(out, {kernel::Real(i), 0, 1});
  for (int i = 0; i < s.points; ++i) {
    engine::PointNameRecord name;
    name.label = static_cast<std::uint16_t>(i);
    name.shown = 1;
    engine::WritePointNameRecord(out, name);
  }
  for (int i = 0; i < s.points; ++i) out.I16(static_cast<std::int16_t>(i));
  // History: one reflection step.
  out.I16(1);
  kernel::ConstructionRecord step;
  step.sequence = 0;
  step.kind = 447;
  step.text = {"1,0,0,0", "AB", ""};
  kernel::WriteConstructionRecord(out, step);
  if (s.withPointLists) out.U16(0);
  out.U16(0);  // traces
  out.U16(0);  // frame texts
  out.U16(0);  // figure texts
  if (s.withEvalTexts) out.U16(0);
  out.I16(0);  // user functions
  out.I16(0);  // pictures
  out.U16(0);  // markings
  if (s.withTableText) {
    out.I32(6);
    out.FixedText("TABLE", 6);
  }
  return out.Take();
}

kernel::Bytes Written(const SolidFigureFile& file) {
  kernel::ByteWriter out;
  solid::WriteSolidFigureFile(out, view::kSolidFileKind, file);
  return out.Take();
}

int Read(const kernel::Bytes& bytes, SolidFigureFile& file) {
  kernel::ByteReader in(bytes);
  return solid::ReadSolidFigureFile(in, view::kSolidFileKind, 0, file);
}

std::uint16_t WordAt(const kernel::Bytes& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(SolidFigureFile, AHandMadeFileReadsAndIsWrittenBackByteForByte) {
  const kernel::Bytes bytes = HandMadeFile({});
  SolidFigureFile file;
  ASSERT_EQ(Read(bytes, file), 0);
  EXPECT_EQ(file.version, 63);
  EXPECT_EQ(file.header[solid::kWordDecimals], 4);
  EXPECT_EQ(file.header[solid::kWordDisplayMode], 2);
  EXPECT_EQ(file.header[11], 77);
  EXPECT_EQ(file.flags[solid::kFlagAxes], 1);
  EXPECT_EQ(file.reals[3], 0.125L);
  EXPECT_EQ(file.reals[5], 2.5L);
  EXPECT_EQ(file.planeLayerBlock[7], 8);
  EXPECT_EQ(file.animation[6][0], -6);
  EXPECT_EQ(file.animation[6][3], 0.75L);
  EXPECT_EQ(file.axisLengths.z, 5);
  EXPECT_EQ(file.observer.y, 32);
  EXPECT_EQ(file.colourIndices[14], 16);
  ASSERT_EQ(file.points.size(), 2u);
  EXPECT_EQ(file.points[1].x, 1);
  EXPECT_EQ(file.labelMap[1], 1);
  ASSERT_EQ(file.history.size(), 1u);
  EXPECT_EQ(file.history[0].kind, 447);
  EXPECT_TRUE(file.hasTableText);
  EXPECT_EQ(file.tableText, "TABLE");
  EXPECT_EQ(Written(file), bytes);
}

TEST(SolidFigureFile, FieldsLandAtTheirOffsets) {
  SolidFigureFile file;
  file.header[solid::kWordDisplayMode] = 4;
  file.header[solid::kWordDotMode] = 3;
  file.flags[solid::kFlagAxisArrows] = 1;
  file.reals[solid::kRealRotationStep] = 0.25L;
  file.observer = {7, 8, 9};
  file.hasTableText = false;
  const kernel::Bytes b = Written(file);
  EXPECT_EQ(WordAt(b, kHeaderAt + 2 * solid::kWordLastPoint), 0xFFFF);  // no points
  EXPECT_EQ(WordAt(b, kHeaderAt + 2 * solid::kWordDisplayMode), 4);
  EXPECT_EQ(WordAt(b, kHeaderAt + 2 * solid::kWordDotMode), 3);
  EXPECT_EQ(WordAt(b, kHeaderAt + 2 * solid::kWordAnimationRecords), 3);
  EXPECT_EQ(b[kFlagsAt + solid::kFlagAxisArrows], 1);
  // The constant flag bytes.
  for (const std::size_t one : {7u, 9u, 25u, 26u, 27u, 28u, 29u}) EXPECT_EQ(b[kFlagsAt + one], 1) << one;
  for (const std::size_t zero : {8u, 16u, 20u}) EXPECT_EQ(b[kFlagsAt + zero], 0) << zero;
  EXPECT_EQ(kernel::RealFromBytes(&b[kRealsAt + 4 * kernel::kRealBytes]), 0.25L);
  // Seven 40-byte records, the axis lengths, then the observer.
  const std::size_t observerAt = kAnimationAt + 7 * 40 + 30;
  EXPECT_EQ(kernel::RealFromBytes(&b[observerAt + 2 * kernel::kRealBytes]), 9);
  // After the 256-byte name block: no point tables, then the history count.
  const std::size_t tablesAt = observerAt + 30 + 8 + 2 * 42 + 60 + 256;
  EXPECT_EQ(WordAt(b, tablesAt), 0);
  // The table text says there is none: the last four bytes are -1.
  EXPECT_EQ(std::vector<std::uint8_t>(b.end() - 4, b.end()), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));
  SolidFigureFile back;
  ASSERT_EQ(Read(b, back), 0);
  EXPECT_TRUE(back.points.empty());
  EXPECT_TRUE(back.labelMap.empty());
  EXPECT_EQ(back.observer.z, 9);
  EXPECT_FALSE(back.hasTableText);
}

TEST(SolidFigureFile, OlderVersionsAreBroughtToThePresentForm) {
  struct Case {
    const char* what;
    FixtureShape shape;
  };
  const Case cases[] = {
      {"23: six 30-byte records", {.version = 23, .withPointLists = false, .withEvalTexts = false, .withTableText = false}},
      {"24: seven 40-byte records", {.version = 24, .withPointLists = false, .withEvalTexts = false, .withTableText = false}},
      {"22: no curved-element serial", {.version = 22, .withPointLists = false, .withEvalTexts = false, .withTableText = false}},
      {"38: no point lists", {.version = 38, .markSize = 0, .withPointLists = false, .withEvalTexts = false, .withTableText = false}},
      {"44: no table text", {.version = 44, .markSize = 1, .withEvalTexts = false, .withTableText = false}},
      {"49: no evaluated texts", {.version = 49, .withEvalTexts = false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SolidFigureFile file;
    ASSERT_EQ(Read(HandMadeFile(c.shape), file), 0);
    const std::int32_t v = c.shape.version;
    EXPECT_EQ(file.header[solid::kWordCurvedSerial], v < 23 ? 0 : 5);
    EXPECT_EQ(file.header[solid::kWordMarkSize], c.shape.markSize < 2 ? 7 : c.shape.markSize);
    // Records beyond those the file holds stay empty; the present count is written back.
    EXPECT_EQ(file.animation[5][2], 7);
    EXPECT_EQ(file.animation[6][2], v < 24 ? 0 : 8);
    EXPECT_EQ(file.animation[0][3], v < 24 ? 0 : 0.75L);
    EXPECT_EQ(file.header[solid::kWordAnimationRecords], 3);
    EXPECT_EQ(file.hasTableText, c.shape.withTableText);
    EXPECT_EQ(file.history.size(), 1u);
    SolidFigureFile again;
    EXPECT_EQ(Read(Written(file), again), 0);
  }
}

TEST(SolidFigureFile, DamagedAndNewerFilesAreRefused) {
  const kernel::Bytes bytes = HandMadeFile({});
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    const kernel::Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    SolidFigureFile file;
    ASSERT_EQ(Read(cut, file), 11) << "cut at " << size;
  }
  struct Case {
    const char* what;
    std::size_t at;
    std::uint16_t word;
    int result;
  };
  const Case cases[] = {
      {"version 64", 4, 64, 8},
      {"last point 7878", kHeaderAt + 12, 7878, 11},
      {"last point -2", kHeaderAt + 12, 0xFFFE, 11},
      {"eight animation records", kHeaderAt + 30, 4, 11},
      {"a label-map entry beyond the points", 0, 0, 11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    kernel::Bytes damaged = bytes;
    if (c.at == 0) {
      // The label map follows the coordinates and name records of the two points.
      const std::size_t mapAt = kAnimationAt + 7 * 40 + 30 + 30 + 8 + 2 * 42 + 60 + 256 + 2 * 30 + 2 * 17;
      damaged[mapAt + 2] = 2;
    } else {
      damaged[c.at] = static_cast<std::uint8_t>(c.word & 0xFF);
      damaged[c.at + 1] = static_cast<std::uint8_t>(c.word >> 8);
    }
    SolidFigureFile file;
    EXPECT_EQ(Read(damaged, file), c.result);
  }
}

TEST(SolidFigureFile, TheAuthorPieceFollowsOnlyAPositiveProtectionWord) {
  SolidFigureFile file;
  file.header[solid::kWordProtection] = 0x8001;  // negative as a signed word
  file.author.lines[0] = "somebody";
  const kernel::Bytes negative = Written(file);
  file.header[solid::kWordProtection] = 1;
  const kernel::Bytes positive = Written(file);
  EXPECT_GT(positive.size(), negative.size());
  for (const kernel::Bytes* b : {&negative, &positive}) {
    SolidFigureFile back;
    ASSERT_EQ(Read(*b, back), 0);
    EXPECT_EQ(back.author.lines[0], b == &positive ? "somebody" : "");
  }
}

kernel::ConstructionRecord FaceStep(std::uint16_t kind, std::uint8_t flag, std::initializer_list<std::uint16_t> vertices,
                                    std::string text) {
  kernel::ConstructionRecord step;
  step.kind = kind;
  step.flag = flag;
  std::size_t k = 0;
  for (std::uint16_t v : vertices) step.operands[k++] = v;
  step.operands[39] = static_cast<std::uint16_t>(vertices.size());
  step.text[0] = std::move(text);
  return step;
}

TEST(SolidFigureFile, OldFaceAndReflectionStepsAreRepaired) {
  std::deque<kernel::ConstructionRecord> steps;
  steps.push_back(FaceStep(380, 1, {0, 1, 2, 0}, "ABCA"));
  steps.push_back(FaceStep(380, 1, {0, 1}, "AB"));
  steps.push_back(FaceStep(381, 0, {}, "a b c a"));
  steps.push_back(FaceStep(380, 0, {}, "AB"));
  steps.push_back(FaceStep(381, 0, {}, "ABC (cube.kv3)"));
  kernel::ConstructionRecord reflection;
  reflection.kind = 447;
  reflection.text = {"x", "ABC", ""};
  steps.push_back(reflection);
  reflection.text = {"x", "ABC", "DE"};
  steps.push_back(reflection);
  solid::RepairLoadedSteps(steps);

  EXPECT_EQ(steps[0].operands[39], 3);
  EXPECT_EQ(steps[0].operands[3], kernel::kNoOperand);
  EXPECT_EQ(steps[0].text[0], "ABCA");  // an added face keeps its text
  EXPECT_EQ(steps[1].operands[39], 2);
  EXPECT_EQ(steps[2].text[0], "ABC");
  EXPECT_EQ(steps[3].text[0], "AB");
  EXPECT_EQ(steps[4].text[0], "ABC (cube.kv3)");  // no label list: left as it was
  EXPECT_EQ(steps[5].text[2], "ABC");
  EXPECT_EQ(steps[6].text[2], "DE");
}

}  // namespace
