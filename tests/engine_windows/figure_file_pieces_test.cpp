// The figure engine's file pieces: older forms converted, lists that do not agree dropped, counts
// the bytes cannot hold refused.
#include <gtest/gtest.h>

#include "engine/windows/figure_file_pieces.h"

namespace {

using kernel::Bytes;

void U16(Bytes& b, int v) {
  b.push_back(static_cast<std::uint8_t>(v & 0xFF));
  b.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
int WordAt(const engine::Marking& m, std::size_t at) { return m[at] | m[at + 1] << 8; }

TEST(FigureFilePieces, OlderMarkingsTakeTheirTypeAndValueFromTheirCode) {
  struct Case {
    int code;
    int value;
    int type;
    int stored;
  };
  const Case cases[] = {{1500, 3, 5, 1800}, {20, 3, 7, 320}, {999, 0, 7, 999}, {1000, 1, 5, 1100}};
  Bytes bytes;
  U16(bytes, 4);
  for (const Case& c : cases) {
    for (int v : {11, 22, c.code, c.value, 0, 0}) U16(bytes, v);
  }
  kernel::ByteReader in(bytes);
  std::vector<engine::Marking> markings;
  ASSERT_TRUE(engine::ReadMarkings(in, false, markings));
  ASSERT_EQ(markings.size(), 4u);
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(cases[i].code);
    EXPECT_EQ(WordAt(markings[i], 0), 11);
    EXPECT_EQ(WordAt(markings[i], 2), 22);
    EXPECT_EQ(WordAt(markings[i], 4), 0);
    EXPECT_EQ(WordAt(markings[i], 6), cases[i].type);
    EXPECT_EQ(WordAt(markings[i], 8), cases[i].stored);
  }
}

TEST(FigureFilePieces, PlotSettingsDropTracesThatDisagreeWithTheirCompanions) {
  engine::PlotSettingsPiece plot = engine::DefaultPlotSettings();
  plot.traces.resize(2);
  plot.companions.resize(1);
  kernel::ByteWriter out;
  engine::WritePlotSettings(out, plot);
  kernel::ByteReader in(out.bytes());
  engine::PlotSettingsPiece back;
  ASSERT_TRUE(engine::ReadPlotSettings(in, 63, back));
  EXPECT_TRUE(back.traces.empty());
  EXPECT_TRUE(back.companions.empty());
  EXPECT_EQ(back.fixed, plot.fixed);
  EXPECT_TRUE(in.AtEnd());
}

TEST(FigureFilePieces, AnOlderPlotSettingsPieceGetsOneTraceNamedByItsTexts) {
  Bytes b;
  U16(b, 15);
  U16(b, 0);
  U16(b, 0);
  U16(b, 0);
  U16(b, 0);
  U16(b, 0);
  U16(b, 77);  // an option word, which files before version 60 do not have
  b.insert(b.end(), 6 + 100 + 17 + 1, 0);
  b.push_back(1);  // the graph flag
  U16(b, 0);  // the texts that name the trace
  U16(b, 1);
  b.insert(b.end(), 208, 0);
  b.push_back(1);  // a trace follows
  b.insert(b.end(), 37, 0);
  b.push_back(1);  // its texts are kept
  view::TextList texts(2);
  texts[0].text = "-> xa";
  texts[1].text = "-> yb";
  kernel::ByteWriter list;
  view::WriteTextList(list, texts);
  b.insert(b.end(), list.bytes().begin(), list.bytes().end());

  kernel::ByteReader in(b);
  engine::PlotSettingsPiece plot;
  ASSERT_TRUE(engine::ReadPlotSettings(in, 58, plot));
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(plot.fixed[12], 0);
  ASSERT_EQ(plot.traces.size(), 1u);
  EXPECT_EQ(plot.traces[0].word9, 100);
  EXPECT_EQ(plot.traces[0].word2, 2);
  ASSERT_EQ(plot.companions.size(), 1u);
  EXPECT_STREQ(reinterpret_cast<const char*>(&plot.companions[0][2]), "xa");
  EXPECT_STREQ(reinterpret_cast<const char*>(&plot.companions[0][63]), "yb");
  EXPECT_EQ(plot.texts.size(), 2u);
}

TEST(FigureFilePieces, FillTextsAndEvaluatedTextsRoundTrip) {
  std::vector<kernel::FillRecord> fills(2);
  for (kernel::FillRecord& fill : fills) kernel::InitFillRecord(fill);
  kernel::AllocFillTexts(fills[1]);
  fills[1].texts = {"a", "", "b+1", "", "", "x"};
  std::vector<engine::EvalTextPieceItem> items(2);
  items[0].entry.strings[0] = "AB";
  items[1].entry.switches = {1, 1, 0, 1, 0};
  items[1].entry.values[9] = -7;
  kernel::ByteWriter out;
  engine::WriteFillList(out, fills);
  engine::WriteEvalTexts(out, items);

  kernel::ByteReader in(out.bytes());
  std::vector<kernel::FillRecord> fillsBack;
  std::vector<engine::EvalTextPieceItem> itemsBack;
  ASSERT_TRUE(engine::ReadFillList(in, 63, fillsBack));
  // Entries 0 to 4 are in use already: the texts take 5 and 6.
  ASSERT_TRUE(engine::ReadEvalTexts(in, 5, 100, itemsBack));
  EXPECT_TRUE(in.AtEnd());
  EXPECT_FALSE(fillsBack[0].has_texts);
  EXPECT_TRUE(fillsBack[1].has_texts);
  EXPECT_EQ(fillsBack[1].texts, fills[1].texts);
  EXPECT_EQ(itemsBack[0].item.evalCode, 5005);
  EXPECT_EQ(itemsBack[1].item.evalCode, 5006);
  EXPECT_EQ(itemsBack[0].entry.strings[0], "AB");
  EXPECT_EQ(itemsBack[1].entry.expressionCount, 2);
  EXPECT_EQ(itemsBack[1].entry.values[9], -7);

  // More texts than the table has room for are refused.
  kernel::ByteReader full(out.bytes());
  ASSERT_TRUE(engine::ReadFillList(full, 63, fillsBack));
  EXPECT_FALSE(engine::ReadEvalTexts(full, 99, 100, itemsBack));
}

TEST(FigureFilePieces, CountsTheBytesCannotHoldAreRefused) {
  Bytes b;
  U16(b, 30000);
  b.resize(100, 0);
  std::vector<kernel::TraceRecord> traces;
  std::vector<engine::UserFunctionImage> functions;
  std::vector<kernel::FillRecord> fills;
  int largest = 0;
  kernel::ByteReader a(b);
  EXPECT_FALSE(engine::ReadTraceRecords(a, traces, largest));
  kernel::ByteReader c(b);
  EXPECT_FALSE(engine::ReadUserFunctions(c, functions));
  kernel::ByteReader d(b);
  EXPECT_FALSE(engine::ReadFillList(d, 40, fills));
  // A negative count is an empty list.
  Bytes negative;
  U16(negative, 0xFFFF);
  kernel::ByteReader e(negative);
  EXPECT_TRUE(engine::ReadUserFunctions(e, functions));
  EXPECT_TRUE(functions.empty());
}

}  // namespace
