#include "engine/windows/figure_file_pieces.h"

#include <algorithm>
#include <string>

#include "shell/counted_text.h"

namespace engine {

namespace {

constexpr int kEvalCodeBase = 5000;
// Six texts of at most 119 characters, each with its comma, and the NUL.
constexpr int kFillTextsCapacity = 6 * 120 + 1;
constexpr std::size_t kOldFillVertexOffset = 2;
constexpr std::size_t kOldPlotSkippedByte = 1;
constexpr std::size_t kPlotWordBytes = 20;
constexpr std::size_t kPlotValueBytes = 100;
constexpr std::size_t kPlotPlacementBytes = 17;
constexpr std::size_t kPlotTailBytes = 208;  // view box to the attribute block
constexpr std::size_t kPlotOptionOffset = 12;
constexpr std::size_t kCompanionFirstName = 2;
constexpr std::size_t kCompanionSecondName = 63;
constexpr std::size_t kCompanionNameBytes = 61;
constexpr std::size_t kTraceNameSkip = 3;  // a trace name text starts with its marker characters

// A count that the bytes left can hold at recordBytes each, at most capacity.
bool CountFits(const kernel::ByteReader& in, int count, std::size_t recordBytes, int capacity) {
  if (!in.ok() || count < 0 || count > capacity) return false;
  return static_cast<std::size_t>(count) * recordBytes <= in.remaining();
}

template <std::size_t N>
bool ReadImages(kernel::ByteReader& in, int count, std::vector<std::array<std::uint8_t, N>>& out) {
  if (!CountFits(in, count, N, 65535)) return false;
  out.assign(static_cast<std::size_t>(count), {});
  for (auto& image : out) in.Raw(image.data(), N);
  return in.ok();
}

void PutU16(std::uint8_t* at, std::uint16_t v) {
  at[0] = static_cast<std::uint8_t>(v & 0xFF);
  at[1] = static_cast<std::uint8_t>(v >> 8);
}
std::uint16_t GetU16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | (at[1] << 8)); }

std::string JoinFillTexts(const kernel::FillRecord& fill) {
  std::string joined;
  if (!fill.has_texts) return joined;
  for (const std::string& text : fill.texts) joined += text + ",";
  return joined;
}

void SplitFillTexts(kernel::FillRecord& fill, const std::string& joined) {
  // Fewer than six characters cannot be six comma-ended texts: the fill has none.
  if (joined.size() <= 5) return;
  kernel::AllocFillTexts(fill);
  std::size_t start = 0;
  for (std::string& text : fill.texts) {
    const std::size_t comma = joined.find(',', start);
    const std::size_t end = comma == std::string::npos ? joined.size() : comma;
    text = joined.substr(start, std::min(end - start, kernel::kFillTextChars));
    start = comma == std::string::npos ? joined.size() : comma + 1;
  }
}

bool ReadOldFills(kernel::ByteReader& in, int count, std::int32_t version, std::vector<kernel::FillRecord>& fills) {
  for (int i = 0; i < count; ++i) {
    std::array<std::uint8_t, kOldFillRecordBytes> image{};
    if (!in.Raw(image.data(), image.size())) return false;
    kernel::FillRecord fill;
    kernel::InitFillRecord(fill);
    for (int v = 0; v < kernel::kFillVertexCapacity; ++v)
      fill.vertices[static_cast<std::size_t>(v)] = GetU16(&image[kOldFillVertexOffset + 2 * static_cast<std::size_t>(v)]);
    fill.circle = static_cast<std::int16_t>(GetU16(&image[204]));
    fill.style = GetU16(&image[206]);
    fill.word214 = GetU16(&image[208]);
    fill.mode = fill.circle >= 0 ? kernel::kFillInsideCircle : kernel::kFillPolygon;
    if (version < 44) kernel::DropClosingVertex(fill);
    fills.push_back(fill);
  }
  return true;
}

void WriteEvalEntry(kernel::ByteWriter& out, const view::EvalTextEntry& entry) {
  out.Zeros(16);  // the four string pointers
  for (std::uint8_t s : entry.switches) out.U8(s);
  out.I32(entry.expressionCount);
  out.I32(entry.hyphenChar);
  for (std::int32_t p : entry.places) out.I32(p);
  for (std::int32_t v : entry.values) out.I32(v);
}

void ReadEvalEntry(kernel::ByteReader& in, view::EvalTextEntry& entry) {
  in.Skip(16);
  for (std::uint8_t& s : entry.switches) s = in.U8();
  in.I32();  // the count of switches on is recounted
  entry.hyphenChar = in.I32();
  for (std::int32_t& p : entry.places) p = in.I32();
  for (std::int32_t& v : entry.values) v = in.I32();
  entry.expressionCount = 0;
  for (int s = 0; s < view::kEvalExpressions; ++s) entry.expressionCount += entry.switches[static_cast<std::size_t>(s)] != 0;
}

// The companion an older file's one trace gets: its two names from the graph's text items.
TraceCompanion OldCompanion(const view::TextList& texts, std::uint16_t first, std::uint16_t second) {
  TraceCompanion companion{};
  auto put = [&](std::uint16_t number, std::size_t offset) {
    for (const view::TextItem& item : texts) {
      if (item.number != static_cast<std::int16_t>(number)) continue;
      const std::string name = item.text.size() > kTraceNameSkip ? item.text.substr(kTraceNameSkip) : std::string();
      std::copy_n(name.begin(), std::min(name.size(), kCompanionNameBytes - 1), companion.begin() + static_cast<std::ptrdiff_t>(offset));
      return;
    }
  };
  put(first, kCompanionFirstName);
  put(second, kCompanionSecondName);
  return companion;
}

}  // namespace

void WriteTraceRecords(kernel::ByteWriter& out, const std::vector<kernel::TraceRecord>& records) {
  out.U16(static_cast<std::uint16_t>(records.size()));
  for (const kernel::TraceRecord& record : records) kernel::WriteTraceRecord(out, record);
}

bool ReadTraceRecords(kernel::ByteReader& in, std::vector<kernel::TraceRecord>& records, int& largestSteps) {
  const int count = in.U16();
  largestSteps = 0;
  if (!CountFits(in, count, kernel::kTraceRecordBytes, 65535)) return false;
  records.clear();
  for (int i = 0; i < count; ++i) {
    std::optional<kernel::TraceRecord> record = kernel::ReadTraceRecord(in);
    if (!record) return false;
    record->word0 = static_cast<std::uint16_t>(i);
    record->bytes13 = {};  // the stored link
    largestSteps = std::max(largestSteps, static_cast<int>(static_cast<std::int16_t>(record->word9)));
    records.push_back(*record);
  }
  return true;
}

void WriteTraceCompanions(kernel::ByteWriter& out, const std::vector<TraceCompanion>& companions) {
  out.U16(static_cast<std::uint16_t>(companions.size()));
  for (const TraceCompanion& companion : companions) out.Raw(companion.data(), companion.size());
}

bool ReadTraceCompanions(kernel::ByteReader& in, std::vector<TraceCompanion>& companions) {
  if (!ReadImages(in, in.U16(), companions)) return false;
  for (std::size_t i = 0; i < companions.size(); ++i) {
    PutU16(companions[i].data(), static_cast<std::uint16_t>(i));
    std::fill_n(companions[i].begin() + 124, 4, std::uint8_t{0});
  }
  return true;
}

void WriteMarkings(kernel::ByteWriter& out, const std::vector<Marking>& markings) {
  out.U16(static_cast<std::uint16_t>(markings.size()));
  for (const Marking& marking : markings) out.Raw(marking.data(), marking.size());
}

bool ReadMarkings(kernel::ByteReader& in, bool currentForm, std::vector<Marking>& markings) {
  const int count = in.U16();
  if (currentForm) {
    if (!ReadImages(in, count, markings)) return false;
    for (Marking& marking : markings) std::fill_n(marking.begin() + 10, 4, std::uint8_t{0});
    return true;
  }
  if (!CountFits(in, count, kOldMarkingBytes, 65535)) return false;
  markings.assign(static_cast<std::size_t>(count), {});
  for (Marking& marking : markings) {
    std::array<std::uint8_t, kOldMarkingBytes> old{};
    in.Raw(old.data(), old.size());
    const auto code = static_cast<std::int16_t>(GetU16(&old[4]));
    const auto value = static_cast<std::int16_t>(GetU16(&old[6]));
    std::copy_n(old.begin(), 4, marking.begin());
    PutU16(&marking[6], code < 1000 ? 7 : 5);
    PutU16(&marking[8], static_cast<std::uint16_t>(value * 100 + code));
  }
  return in.ok();
}

UserFunction UserFunctionOfImage(const UserFunctionImage& image) {
  kernel::ByteReader in(image.data(), image.size());
  UserFunction f;
  f.body = in.FixedText(UserFunction::kMaxBody + 1);
  f.name = in.FixedText(UserFunction::kMaxName + 1);
  return f;
}

UserFunctionImage ImageOfUserFunction(const UserFunction& function) {
  kernel::ByteWriter out;
  out.FixedText(function.body.substr(0, UserFunction::kMaxBody), UserFunction::kMaxBody + 1);
  out.FixedText(function.name.substr(0, UserFunction::kMaxName), UserFunction::kMaxName + 1);
  UserFunctionImage image{};
  std::copy_n(out.bytes().begin(), std::min(out.bytes().size(), image.size()), image.begin());
  return image;
}

std::vector<UserFunctionImage> UserFunctionImages(const std::vector<UserFunction>& functions,
                                                  const std::vector<UserFunctionImage>& old) {
  std::vector<UserFunctionImage> images;
  for (std::size_t k = 0; k < functions.size(); ++k) {
    if (k < old.size()) {
      const UserFunction was = UserFunctionOfImage(old[k]);
      if (was.body == functions[k].body && was.name == functions[k].name) {
        images.push_back(old[k]);
        continue;
      }
    }
    images.push_back(ImageOfUserFunction(functions[k]));
  }
  return images;
}

void WriteUserFunctions(kernel::ByteWriter& out, const std::vector<UserFunctionImage>& functions) {
  out.I16(static_cast<std::int16_t>(functions.size()));
  for (const UserFunctionImage& function : functions) out.Raw(function.data(), function.size());
}

bool ReadUserFunctions(kernel::ByteReader& in, std::vector<UserFunctionImage>& functions) {
  const int count = std::max<int>(0, in.I16());
  if (!ReadImages(in, count, functions)) return false;
  for (UserFunctionImage& function : functions) {
    function[60] = 0;  // the body and the name end within their fields
    function[70] = 0;
    std::fill_n(function.begin() + 71, 4, std::uint8_t{0});
  }
  return true;
}

void WriteFillList(kernel::ByteWriter& out, const std::vector<kernel::FillRecord>& fills) {
  out.I16(static_cast<std::int16_t>(fills.size()));
  for (const kernel::FillRecord& fill : fills) {
    kernel::WriteFillRecord(out, fill);
    shell::WriteCountedText(out, JoinFillTexts(fill));
  }
}

bool ReadFillList(kernel::ByteReader& in, std::int32_t version, std::vector<kernel::FillRecord>& fills) {
  const int count = std::max<int>(0, in.I16());
  fills.clear();
  if (version < kFillFormVersion) {
    return CountFits(in, count, kOldFillRecordBytes, 65535) && ReadOldFills(in, count, version, fills);
  }
  // Each fill takes its record and at least the two bytes of its texts' length.
  if (!CountFits(in, count, kernel::kFillRecordBytes + 2, 65535)) return false;
  for (int i = 0; i < count; ++i) {
    std::optional<kernel::FillRecord> fill = kernel::ReadFillRecord(in);
    std::string joined;
    if (!fill || !shell::ReadCountedText(in, joined, kFillTextsCapacity)) return false;
    fill->next = nullptr;
    SplitFillTexts(*fill, joined);
    fills.push_back(*fill);
  }
  return in.ok();
}

void WriteEvalTexts(kernel::ByteWriter& out, const std::vector<EvalTextPieceItem>& items) {
  out.U16(static_cast<std::uint16_t>(items.size()));
  for (const EvalTextPieceItem& piece : items) {
    view::WriteTextItem(out, piece.item);
    WriteEvalEntry(out, piece.entry);
    for (const std::string& text : piece.entry.strings) out.FixedText(text, kEvalStringBytes);
  }
}

bool ReadEvalTexts(kernel::ByteReader& in, int firstEntry, int capacity, std::vector<EvalTextPieceItem>& items) {
  const int count = in.U16();
  constexpr std::size_t kItemBytes = view::kTextItemBytes + kEvalEntryBytes + 4 * kEvalStringBytes;
  if (!CountFits(in, count, kItemBytes, capacity - firstEntry)) return false;
  items.assign(static_cast<std::size_t>(count), {});
  for (std::size_t i = 0; i < items.size(); ++i) {
    EvalTextPieceItem& piece = items[i];
    if (!view::ReadTextItem(in, piece.item)) return false;
    piece.item.number = static_cast<std::int16_t>(i);
    piece.item.evalCode = static_cast<std::uint16_t>(kEvalCodeBase + firstEntry + static_cast<int>(i));
    ReadEvalEntry(in, piece.entry);
    for (std::string& text : piece.entry.strings) text = in.FixedText(kEvalStringBytes);
  }
  return in.ok();
}

void WritePlotSettings(kernel::ByteWriter& out, const PlotSettingsPiece& plot) {
  out.Raw(plot.fixed.data(), plot.fixed.size());
  WriteTraceRecords(out, plot.traces);
  WriteTraceCompanions(out, plot.companions);
  view::WriteTextList(out, plot.texts);
}

bool ReadPlotSettings(kernel::ByteReader& in, std::int32_t version, PlotSettingsPiece& plot) {
  std::uint8_t* at = plot.fixed.data();
  constexpr std::size_t kHead = kPlotWordBytes + kPlotValueBytes + kPlotPlacementBytes;
  if (!in.Raw(at, kHead)) return false;
  if (version < kPlotOptionVersion) PutU16(at + kPlotOptionOffset, 0);
  if (version < kPlotFormVersion) in.Skip(kOldPlotSkippedByte);
  at[kHead] = in.U8();  // the graph flag
  std::uint16_t firstName = 0;
  std::uint16_t secondName = 0;
  if (version < kPlotFormVersion) {
    firstName = in.U16();
    secondName = in.U16();
  }
  if (!in.Raw(at + kHead + 1, kPlotTailBytes)) return false;
  if (version >= kPlotFormVersion) {
    int largest = 0;
    if (!ReadTraceRecords(in, plot.traces, largest) || !ReadTraceCompanions(in, plot.companions)) return false;
    if (plot.traces.size() != plot.companions.size()) {
      plot.traces.clear();
      plot.companions.clear();
    }
    return view::ReadTextList(in, true, plot.texts);
  }
  const std::uint8_t hasTrace = in.U8();
  std::optional<kernel::TraceRecord> trace = kernel::ReadTraceRecord(in);
  const std::uint8_t keepTexts = in.U8();
  view::TextList texts;
  if (!trace || !view::ReadTextList(in, true, texts)) return false;
  plot.traces.clear();
  plot.companions.clear();
  if (hasTrace) {
    plot.companions.push_back(OldCompanion(texts, firstName, secondName));
    trace->word0 = 0;  // numbered as the current form numbers its records, not as stored
    trace->word9 = 100;
    trace->word2 = 2;
    trace->bytes13 = {};
    plot.traces.push_back(*trace);
  }
  plot.texts = keepTexts ? std::move(texts) : view::TextList{};
  return in.ok();
}

PlotSettingsPiece DefaultPlotSettings() {
  kernel::ByteWriter out;
  out.U16(15);  // style word A
  out.Zeros(kPlotWordBytes - 2 + kPlotValueBytes + kPlotPlacementBytes);
  out.U8(1);  // the graph flag
  for (kernel::Real v : {-5.0L, 5.0L, -5.0L, 5.0L, 0.0L, 0.0L, 5.0L, 5.0L, 1.0L}) out.Real80(v);
  out.Zeros(kPlotFixedBytes - out.size());
  PlotSettingsPiece plot;
  std::copy(out.bytes().begin(), out.bytes().end(), plot.fixed.begin());
  return plot;
}

}  // namespace engine
