#include "plane/plane_figure_file.h"

#include <algorithm>
#include <cmath>

#include "engine/equation_text.h"
#include "engine/history_piece.h"
#include "shell/counted_text.h"
#include "shell/message_numbers.h"
#include "shell/pre_text_win.h"

namespace plane {

namespace {

constexpr int kIncompatibleVersions = 8;
constexpr std::int32_t kTokenFormVersion = 24;
constexpr std::int32_t kPointListVersion = 40;
constexpr std::int32_t kEvalTextVersion = 50;
constexpr std::int32_t kEquationVersion = 30;
constexpr std::int32_t kFieldWidthVersion = 35;
constexpr std::size_t kReservedBytes = 8;
constexpr kernel::Real kSmallestZoom = 1e-13L;
constexpr kernel::Real kDefaultZoom = 1.01L;
constexpr std::uint16_t kFillMixOpaque = 901;
constexpr int kLargestGridSetting = 20;

template <std::size_t N>
void WriteArray(kernel::ByteWriter& out, const std::array<std::uint8_t, N>& bytes) {
  out.Raw(bytes.data(), N);
}
template <std::size_t N>
void ReadArray(kernel::ByteReader& in, std::array<std::uint8_t, N>& bytes) {
  in.Raw(bytes.data(), N);
}

// The settings a file may hold out of range, set right.
void SanitiseSettings(PlaneFigureFile& file) {
  for (int word : {kHeaderGridFirst, kHeaderGridSecond}) {
    std::uint16_t& grid = file.header[static_cast<std::size_t>(word)];
    if (grid < 1 || grid > kLargestGridSetting) grid = 1;
  }
  if (file.header[kHeaderFillMix] < kFillMixOpaque) file.header[kHeaderFillMix] = kFillMixOpaque;
  kernel::Real& zoom = file.reals[kRealZoom];
  if (!(zoom >= kSmallestZoom)) zoom = kDefaultZoom;
  for (int r : {kRealFirstCount, kRealSecondCount}) {
    kernel::Real& count = file.reals[static_cast<std::size_t>(r)];
    count = std::isfinite(count) ? std::trunc(count) : 0;
  }
  if (file.reals[kRealFirstCount] < 3 || file.reals[kRealSecondCount] < 2) {
    file.reals[kRealFirstCount] = 100;
    file.reals[kRealSecondCount] = 10;
  }
}

bool ReadTokens(kernel::ByteReader& in, PlaneFigureFile& file) {
  const bool oldForm = file.version < kTokenFormVersion;
  const std::size_t count = file.header[kHeaderTokens] + (oldForm ? 3u : 4u);
  const std::size_t size = oldForm ? kOldTokenBytes : kTokenBytes;
  if (count * size > in.remaining()) return false;
  file.tokens.assign(std::max<std::size_t>(count, kTokenRecords), TokenRecord{});
  for (std::size_t i = 0; i < count; ++i) in.Raw(file.tokens[i].data(), size);
  file.tokens.resize(kTokenRecords);
  return in.ok();
}

bool ReadPoints(kernel::ByteReader& in, PlaneFigureFile& file) {
  const int last = static_cast<std::int16_t>(file.header[kHeaderLastPoint]);
  if (last < -1 || last > engine::kLastPointLimit) return false;
  const auto count = static_cast<std::size_t>(last + 1);
  constexpr std::size_t kPointBytes =
      2 * kernel::kRealBytes + engine::kPointNameRecordBytes + engine::kPointAttrRecordBytes;
  if (count * kPointBytes > in.remaining()) return false;
  file.points.resize(count);
  for (kernel::Point2& p : file.points) p = in.ReadPoint2();
  for (std::size_t i = 0; i < count; ++i) {
    std::optional<engine::PointNameRecord> name = engine::ReadPointNameRecord(in);
    if (!name) return false;
    file.names.push_back(*name);
  }
  for (std::size_t i = 0; i < count; ++i) {
    std::optional<engine::PointAttrRecord> attr = engine::ReadPointAttrRecord(in);
    if (!attr) return false;
    file.attrs.push_back(*attr);
  }
  return in.ok();
}

// The head: everything up to the points.
bool ReadHead(kernel::ByteReader& in, PlaneFigureFile& file) {
  for (std::uint16_t& w : file.header) w = in.U16();
  for (std::uint8_t& f : file.flags) f = in.U8();
  for (kernel::Real& r : file.reals) r = in.Real80();
  if (!in.ok()) return false;
  if (file.version < kTokenFormVersion) {
    file.magnification = {file.reals[kRealMagnification], file.reals[kRealMagnification + 1] + 1.0L};
  }
  if (file.flags[kFlagMarkersFollow] == 0)
    for (std::uint16_t& w : file.markers) w = in.U16();
  file.toolX = in.I32();
  file.toolY = in.I32();
  for (std::uint16_t& w : file.display) w = in.U16();
  in.Skip(kReservedBytes);
  if (!in.ok() || !ReadTokens(in, file)) return false;
  ReadArray(in, file.sharedBlock);
  ReadArray(in, file.macroInput);
  if (file.flags[kFlagMacroOutputFollows] == 0) ReadArray(in, file.macroOutput);
  ReadArray(in, file.tableBlock);
  file.backgroundName = in.FixedText(kBackgroundNameBytes);
  if (file.version <= kFieldWidthVersion - 1) file.header[kHeaderFieldWidth] = 0;
  SanitiseSettings(file);
  return in.ok();
}

// The pieces after the history, in file order.
bool ReadTail(kernel::ByteReader& in, int firstEvalEntry, PlaneFigureFile& file) {
  const std::int32_t v = file.version;
  if (v >= kPointListVersion && !ReadPointLists(in, file.pointLists)) return false;
  if (!view::ReadTextList(in, false, file.frameTexts)) return false;
  // A frame text keeps its code: a measurement's state (evaluated again once the figure is read)
  // or a plain text's 65535. A code of an evaluated-text entry names an entry of another list and
  // is cleared.
  for (view::TextItem& item : file.frameTexts)
    if (item.evalCode >= engine::kMeasurementCodeLimit) item.evalCode = view::kPlainTextCode;
  if (!engine::ReadTraceRecords(in, file.traces, file.largestTrace)) return false;
  if (!engine::ReadFillList(in, v, file.fills)) return false;
  if (!engine::ReadMarkings(in, true, file.markings)) return false;
  if (!ReadConicDefinitions(in, file.flags[kFlagThreePointForm] == 0, file.threePointConics)) return false;
  if (!view::ReadTextList(in, true, file.figureTexts)) return false;
  if (v >= kEvalTextVersion &&
      !engine::ReadEvalTexts(in, firstEvalEntry, kEvalTextCapacity, file.evalTexts))
    return false;
  if (!engine::ReadUserFunctions(in, file.userFunctions)) return false;
  if (!view::ReadPictures(in, file.pictures)) return false;
  if ((file.flags[kFlagPlotFollows] == 0 || v >= engine::kPlotFormVersion) &&
      !engine::ReadPlotSettings(in, v, file.plot))
    return false;
  if (file.flags[kFlagNoNotebook] == 0 && !shell::ReadCountedText(in, file.notebook, shell::kTextLimit + 1))
    return false;
  if (file.flags[kFlagFivePointFollows] == 0 && !ReadConicList(in, file.fivePointConics)) return false;
  if (file.flags[kFlagTwoFociFollows] == 0 && !ReadConicDefinitions(in, true, file.twoFociConics)) return false;
  if (v >= kEquationVersion && !ReadEquationList(in, file.equations)) return false;
  return in.ok();
}

}  // namespace

bool WritePlaneFigureFile(kernel::ByteWriter& out, std::int32_t fileKind, const PlaneFigureFile& file) {
  if (!std::all_of(file.equations.begin(), file.equations.end(), EquationFits)) return false;
  view::CommonBlock common = file.common;
  common.fileKind = fileKind;
  common.formatVersion = kPlaneFileVersion;
  view::WriteCommonBlock(out, common);

  std::array<std::uint16_t, kHeaderWords> header = file.header;
  header[kHeaderLastPoint] = static_cast<std::uint16_t>(static_cast<std::int16_t>(file.points.size()) - 1);
  header[kHeaderTokens] = kTokenRecords - 4;
  std::array<std::uint8_t, kFlagBytes> flags = file.flags;
  for (int f : {kFlagPlotFollows, kFlagMacroOutputFollows, kFlagMarkersFollow, kFlagFivePointFollows,
                kFlagThreePointForm, kFlagTwoFociFollows})
    flags[static_cast<std::size_t>(f)] = 0;
  for (std::uint16_t w : header) out.U16(w);
  for (std::uint8_t f : flags) out.U8(f);
  std::array<kernel::Real, kFileReals> reals = file.reals;
  reals[kRealMagnification] = reals[kRealMagnification + 1] = 0;
  for (kernel::Real r : reals) out.Real80(r);
  for (std::uint16_t w : file.markers) out.U16(w);
  out.I32(file.toolX);
  out.I32(file.toolY);
  for (std::uint16_t w : file.display) out.U16(w);
  out.Zeros(kReservedBytes);
  for (int i = 0; i < kTokenRecords; ++i)
    if (static_cast<std::size_t>(i) < file.tokens.size()) WriteArray(out, file.tokens[static_cast<std::size_t>(i)]);
    else out.Zeros(kTokenBytes);
  WriteArray(out, file.sharedBlock);
  WriteArray(out, file.macroInput);
  WriteArray(out, file.macroOutput);
  WriteArray(out, file.tableBlock);
  out.FixedText(file.backgroundName, kBackgroundNameBytes);

  for (const kernel::Point2& p : file.points) out.Point(p);
  for (std::size_t i = 0; i < file.points.size(); ++i)
    engine::WritePointNameRecord(out, i < file.names.size() ? file.names[i] : engine::PointNameRecord{});
  for (std::size_t i = 0; i < file.points.size(); ++i)
    engine::WritePointAttrRecord(out, i < file.attrs.size() ? file.attrs[i] : engine::PointAttrRecord{});
  if (static_cast<std::int16_t>(header[kHeaderProtection]) > 0) shell::WriteAuthorPiece(out, file.author);
  engine::WriteHistory(out, file.history);
  WritePointLists(out, file.pointLists);
  view::WriteTextList(out, file.frameTexts);
  engine::WriteTraceRecords(out, file.traces);
  engine::WriteFillList(out, file.fills);
  engine::WriteMarkings(out, file.markings);
  WriteConicDefinitions(out, file.threePointConics);
  view::WriteTextList(out, file.figureTexts);
  engine::WriteEvalTexts(out, file.evalTexts);
  engine::WriteUserFunctions(out, file.userFunctions);
  view::WritePictures(out, file.pictures);
  engine::WritePlotSettings(out, file.plot);
  if (flags[kFlagNoNotebook] == 0) shell::WriteCountedText(out, file.notebook);
  WriteConicList(out, file.fivePointConics);
  WriteConicDefinitions(out, file.twoFociConics);
  return WriteEquationList(out, file.equations);
}

int ReadPlaneFigureFile(kernel::ByteReader& in, std::int32_t fileKind, int firstEvalEntry, PlaneFigureFile& file) {
  if (view::ReadCommonBlock(in, fileKind, file.common) != view::BlockStatus::Read) return shell::kCannotOpenFile;
  file.version = file.common.formatVersion;
  if (file.version > kPlaneFileVersion) return kIncompatibleVersions;
  if (!ReadHead(in, file) || !ReadPoints(in, file)) return shell::kCannotOpenFile;
  if (HasAuthorPiece(file) && !shell::ReadAuthorPiece(in, file.author)) return shell::kCannotOpenFile;
  file.author.permissions = file.header[kHeaderProtection];
  file.author.unlocked = static_cast<std::int16_t>(file.header[kHeaderProtection]) < 1;
  if (engine::ReadHistory(in, file.history) != 0) return shell::kCannotOpenFile;
  if (!ReadTail(in, firstEvalEntry, file)) return shell::kCannotOpenFile;
  return 0;
}

}  // namespace plane
