#include "solid/solid_figure_file.h"

#include <algorithm>

#include "engine/equation_text.h"
#include "engine/history_piece.h"
#include "shell/counted_text.h"
#include "shell/message_numbers.h"
#include "shell/pre_text_win.h"
#include "view/qel_wint.h"

namespace solid {

namespace {

constexpr std::size_t kAnimationRecordBytes = kAnimationRecordReals * kernel::kRealBytes;
constexpr std::size_t kOldAnimationRecordBytes = 3 * kernel::kRealBytes;
constexpr std::size_t kReservedBytes = 8;
constexpr int kEvalTextCapacity = view::kEvalCodeLimit - 5000;
// A stored mark size below this is none and reads as the default.
constexpr std::int16_t kSmallestMarkSize = 2;
constexpr std::uint16_t kDefaultMarkSize = 7;
// The table text is kept like the other texts of a window.
constexpr std::int32_t kTableTextLimit = shell::kTextLimit + 1;

template <std::size_t N>
void WriteBytes(kernel::ByteWriter& out, const std::array<std::uint8_t, N>& bytes) {
  out.Raw(bytes.data(), N);
}
template <std::size_t N>
void ReadBytes(kernel::ByteReader& in, std::array<std::uint8_t, N>& bytes) {
  in.Raw(bytes.data(), N);
}

bool ReadAnimationRecords(kernel::ByteReader& in, SolidFigureFile& file) {
  const bool oldForm = file.version < kAnimationFormVersion;
  const std::size_t count = std::size_t{file.header[kWordAnimationRecords]} + (oldForm ? 3u : 4u);
  if (count > kAnimationRecords) return false;
  file.animation = {};
  for (std::size_t i = 0; i < count; ++i) {
    const int reals = oldForm ? 3 : kAnimationRecordReals;
    for (int k = 0; k < reals; ++k) file.animation[i][static_cast<std::size_t>(k)] = in.Real80();
  }
  return in.ok();
}

bool ReadPoints(kernel::ByteReader& in, SolidFigureFile& file) {
  const int last = static_cast<std::int16_t>(file.header[kWordLastPoint]);
  if (last < -1 || last > engine::kLastPointLimit) return false;
  const auto count = static_cast<std::size_t>(last + 1);
  constexpr std::size_t kPointBytes = 3 * kernel::kRealBytes + engine::kPointNameRecordBytes + 2;
  if (count * kPointBytes > in.remaining()) return false;
  file.points.resize(count);
  for (kernel::Point3& p : file.points) p = in.ReadPoint3();
  file.names.clear();
  for (std::size_t i = 0; i < count; ++i) {
    std::optional<engine::PointNameRecord> name = engine::ReadPointNameRecord(in);
    if (!name) return false;
    file.names.push_back(*name);
  }
  file.labelMap.resize(count);
  // Each entry names a point of the file or none.
  for (std::int16_t& entry : file.labelMap) {
    entry = in.I16();
    if (entry < -1 || entry > last) return false;
  }
  return in.ok();
}

// Everything before the points.
bool ReadHead(kernel::ByteReader& in, SolidFigureFile& file) {
  for (std::uint16_t& w : file.header) w = in.U16();
  for (std::uint8_t& f : file.flags) f = in.U8();
  for (kernel::Real& r : file.reals) r = in.Real80();
  ReadBytes(in, file.planeLayerBlock);
  if (!in.ok() || !ReadAnimationRecords(in, file)) return false;
  file.axisLengths = in.ReadPoint3();
  file.observer = in.ReadPoint3();
  in.Skip(kReservedBytes);
  ReadBytes(in, file.macroInput);
  if (file.flags[kFlagNoMacroOutput] == 0) ReadBytes(in, file.macroOutput);
  for (std::uint16_t& w : file.colourIndices) w = in.U16();
  ReadBytes(in, file.lastFileName);
  if (!in.ok()) return false;
  // Older files: the record count as the present form counts it, no curved-element serial.
  file.header[kWordAnimationRecords] = kAnimationRecords - 4;
  if (file.version < kCurvedSerialVersion) file.header[kWordCurvedSerial] = 0;
  if (static_cast<std::int16_t>(file.header[kWordMarkSize]) < kSmallestMarkSize)
    file.header[kWordMarkSize] = kDefaultMarkSize;
  return true;
}

bool ReadTableText(kernel::ByteReader& in, SolidFigureFile& file) {
  const std::int32_t length = in.I32();
  if (!in.ok()) return false;
  file.hasTableText = length != -1;
  file.tableText.clear();
  if (!file.hasTableText) return true;
  if (length < 0 || length > kTableTextLimit || static_cast<std::size_t>(length) > in.remaining()) return false;
  file.tableText = in.FixedText(static_cast<std::size_t>(length));
  return in.ok();
}

void WriteTableText(kernel::ByteWriter& out, const SolidFigureFile& file) {
  if (!file.hasTableText) {
    out.I32(-1);
    return;
  }
  const std::string_view text(file.tableText.c_str());
  out.I32(static_cast<std::int32_t>(text.size() + 1));
  out.FixedText(text, text.size() + 1);
}

// The pieces after the history, in file order.
bool ReadTail(kernel::ByteReader& in, int firstEvalEntry, SolidFigureFile& file) {
  const std::int32_t v = file.version;
  file.pointLists.clear();
  if (v >= kPointListVersion && !engine::ReadPointLists(in, file.pointLists)) return false;
  if (!engine::ReadTraceRecords(in, file.traces, file.largestTrace)) return false;
  if (!view::ReadTextList(in, false, file.frameTexts)) return false;
  for (view::TextItem& item : file.frameTexts)
    if (item.evalCode >= engine::kMeasurementCodeLimit) item.evalCode = view::kPlainTextCode;
  if (!view::ReadTextList(in, true, file.figureTexts)) return false;
  if (v >= kEvalTextVersion && !engine::ReadEvalTexts(in, firstEvalEntry, kEvalTextCapacity, file.evalTexts))
    return false;
  if (!engine::ReadUserFunctions(in, file.userFunctions)) return false;
  if (!view::ReadPictures(in, file.pictures)) return false;
  if (file.flags[kFlagNoMarkings] == 0 && !engine::ReadMarkings(in, v >= kMarkingFormVersion, file.markings))
    return false;
  if (file.flags[kFlagNoGraphWindow] == 0 && !engine::ReadPlotSettings(in, v, file.plot)) return false;
  if (file.flags[kFlagNoNotebook] == 0 && !shell::ReadCountedText(in, file.notebook, shell::kTextLimit + 1))
    return false;
  if (v >= kTableTextVersion && !ReadTableText(in, file)) return false;
  return in.ok();
}

}  // namespace

std::array<std::uint16_t, kSolidHeaderWords> DefaultSolidHeader() {
  std::array<std::uint16_t, kSolidHeaderWords> header{};
  header[kWordAnimationRecords] = kAnimationRecords - 4;
  header[kWordMarkSize] = kDefaultMarkSize;
  return header;
}

std::array<std::uint8_t, kSolidFlagBytes> DefaultSolidFlags() {
  std::array<std::uint8_t, kSolidFlagBytes> flags{};
  flags[7] = 1;
  flags[9] = 1;
  for (int f = 25; f < kSolidFlagBytes; ++f) flags[static_cast<std::size_t>(f)] = 1;
  for (int k = 0; k < 3; ++k) flags[static_cast<std::size_t>(kFlagFirstSliderHidden + k)] = 1;
  flags[kFlagNoGraphWindow] = 1;
  flags[kFlagNoNotebook] = 1;
  flags[kFlagConvexity] = 1;
  flags[kFlagOutlines] = 1;
  return flags;
}

MacroList EmptyMacroList() {
  MacroList list;
  list.fill(0xFF);
  return list;
}

void WriteSolidFigureFile(kernel::ByteWriter& out, std::int32_t fileKind, const SolidFigureFile& file) {
  view::CommonBlock common = file.common;
  common.fileKind = fileKind;
  common.formatVersion = kSolidFileVersion;
  view::WriteCommonBlock(out, common);

  std::array<std::uint16_t, kSolidHeaderWords> header = file.header;
  header[kWordLastPoint] = static_cast<std::uint16_t>(static_cast<std::int16_t>(file.points.size()) - 1);
  header[kWordAnimationRecords] = kAnimationRecords - 4;
  std::array<std::uint8_t, kSolidFlagBytes> flags = file.flags;
  flags[kFlagNoMacroOutput] = 0;
  flags[kFlagNoMarkings] = 0;
  for (std::uint16_t w : header) out.U16(w);
  for (std::uint8_t f : flags) out.U8(f);
  for (kernel::Real r : file.reals) out.Real80(r);
  WriteBytes(out, file.planeLayerBlock);
  for (const AnimationRecord& record : file.animation)
    for (kernel::Real r : record) out.Real80(r);
  out.Point(file.axisLengths);
  out.Point(file.observer);
  out.Zeros(kReservedBytes);
  WriteBytes(out, file.macroInput);
  WriteBytes(out, file.macroOutput);
  for (std::uint16_t w : file.colourIndices) out.U16(w);
  WriteBytes(out, file.lastFileName);

  for (const kernel::Point3& p : file.points) out.Point(p);
  for (std::size_t i = 0; i < file.points.size(); ++i)
    engine::WritePointNameRecord(out, i < file.names.size() ? file.names[i] : engine::PointNameRecord{});
  for (std::size_t i = 0; i < file.points.size(); ++i) out.I16(i < file.labelMap.size() ? file.labelMap[i] : -1);

  if (static_cast<std::int16_t>(header[kWordProtection]) > 0) shell::WriteAuthorPiece(out, file.author);
  engine::WriteHistory(out, file.history);
  engine::WritePointLists(out, file.pointLists);
  engine::WriteTraceRecords(out, file.traces);
  view::WriteTextList(out, file.frameTexts);
  view::WriteTextList(out, file.figureTexts);
  engine::WriteEvalTexts(out, file.evalTexts);
  engine::WriteUserFunctions(out, file.userFunctions);
  view::WritePictures(out, file.pictures);
  engine::WriteMarkings(out, file.markings);
  if (flags[kFlagNoGraphWindow] == 0) engine::WritePlotSettings(out, file.plot);
  if (flags[kFlagNoNotebook] == 0) shell::WriteCountedText(out, file.notebook);
  WriteTableText(out, file);
}

int ReadSolidFigureFile(kernel::ByteReader& in, std::int32_t fileKind, int firstEvalEntry, SolidFigureFile& file) {
  if (view::ReadCommonBlock(in, fileKind, file.common) != view::BlockStatus::Read) return shell::kCannotOpenFile;
  file.version = file.common.formatVersion;
  if (file.version > kSolidFileVersion) return shell::kIncompatibleVersions;
  if (!ReadHead(in, file) || !ReadPoints(in, file)) return shell::kCannotOpenFile;
  if (HasAuthorPiece(file) && !shell::ReadAuthorPiece(in, file.author)) return shell::kCannotOpenFile;
  file.author.permissions = file.header[kWordProtection];
  file.author.unlocked = static_cast<std::int16_t>(file.header[kWordProtection]) < 1;
  if (engine::ReadHistory(in, file.history) != 0) return shell::kCannotOpenFile;
  if (!ReadTail(in, firstEvalEntry, file)) return shell::kCannotOpenFile;
  return 0;
}

}  // namespace solid
