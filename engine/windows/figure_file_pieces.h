#pragma once
// The figure engine's pieces of a figure file, as plain data: fills, trace records and their
// companions, markings, user-defined functions, evaluated texts and the measurement graph's plot
// settings. Records whose fields belong to layers that only carry them are kept as their byte
// images, so a file read and written again comes out byte for byte.
//
// Every reader trusts nothing: a count is checked against the bytes left and the capacity given,
// and a reader that fails returns false with its output in an unspecified state (callers read into
// fresh data and keep what they had).

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/expr_text_passes.h"
#include "kernel/byte_io.h"
#include "kernel/fill_trace_records.h"
#include "view/text_item.h"

namespace engine {

inline constexpr std::size_t kTraceCompanionBytes = 128;
inline constexpr std::size_t kMarkingBytes = 14;
inline constexpr std::size_t kOldMarkingBytes = 12;
inline constexpr std::size_t kUserFunctionBytes = 75;
inline constexpr std::size_t kOldFillRecordBytes = 214;
inline constexpr std::size_t kEvalEntryBytes = 81;
inline constexpr std::size_t kEvalStringBytes = 256;
// The plot settings before the graph's trace records, in the current form.
inline constexpr std::size_t kPlotFixedBytes = 346;
// First file versions of the current fill, plot-settings and option-word forms.
inline constexpr std::int32_t kFillFormVersion = 58;
inline constexpr std::int32_t kPlotFormVersion = 59;
inline constexpr std::int32_t kPlotOptionVersion = 60;

using TraceCompanion = std::array<std::uint8_t, kTraceCompanionBytes>;
using Marking = std::array<std::uint8_t, kMarkingBytes>;
using UserFunctionImage = std::array<std::uint8_t, kUserFunctionBytes>;

struct EvalTextPieceItem {
  view::TextItem item;
  view::EvalTextEntry entry;
};

struct PlotSettingsPiece {
  std::array<std::uint8_t, kPlotFixedBytes> fixed{};
  std::vector<kernel::TraceRecord> traces;
  std::vector<TraceCompanion> companions;
  view::TextList texts;
};

// u16 count, then 37-byte records, renumbered 0, 1, 2 ... on reading; largestSteps gets the
// largest step count (0 for none).
void WriteTraceRecords(kernel::ByteWriter& out, const std::vector<kernel::TraceRecord>& records);
bool ReadTraceRecords(kernel::ByteReader& in, std::vector<kernel::TraceRecord>& records, int& largestSteps);
// u16 count, then 128-byte records, renumbered on reading.
void WriteTraceCompanions(kernel::ByteWriter& out, const std::vector<TraceCompanion>& companions);
bool ReadTraceCompanions(kernel::ByteReader& in, std::vector<TraceCompanion>& companions);

// u16 count, then 14-byte records; the older form (currentForm false) has 12-byte records that
// become type 7 (code below 1000) or 5 with the value 100 * value + code.
void WriteMarkings(kernel::ByteWriter& out, const std::vector<Marking>& markings);
bool ReadMarkings(kernel::ByteReader& in, bool currentForm, std::vector<Marking>& markings);

// A user function and its 75-byte image: the body in 61 bytes, the name in 10, a zero link.
UserFunction UserFunctionOfImage(const UserFunctionImage& image);
UserFunctionImage ImageOfUserFunction(const UserFunction& function);
// The images of the functions; where a function is the one an old image at its place held, that
// image is kept byte for byte.
std::vector<UserFunctionImage> UserFunctionImages(const std::vector<UserFunction>& functions,
                                                  const std::vector<UserFunctionImage>& old);

// i16 count, then 75-byte records (body text, name, a link written as stored).
void WriteUserFunctions(kernel::ByteWriter& out, const std::vector<UserFunctionImage>& functions);
bool ReadUserFunctions(kernel::ByteReader& in, std::vector<UserFunctionImage>& functions);

// i16 count, then per fill its 485-byte image and its six texts as one counted text ("" without
// texts). Files of versions below 58 hold 214-byte records, converted here.
void WriteFillList(kernel::ByteWriter& out, const std::vector<kernel::FillRecord>& fills);
bool ReadFillList(kernel::ByteReader& in, std::int32_t version, std::vector<kernel::FillRecord>& fills);

// u16 count, then per item its text record, its 81-byte entry and the entry's four 256-byte
// strings. The reader numbers the items 5000 + firstEntry, 5000 + firstEntry + 1 ... and refuses
// more items than capacity.
void WriteEvalTexts(kernel::ByteWriter& out, const std::vector<EvalTextPieceItem>& items);
bool ReadEvalTexts(kernel::ByteReader& in, int firstEntry, int capacity, std::vector<EvalTextPieceItem>& items);

// The current form is written; older files (versions below 59) are converted on reading.
void WritePlotSettings(kernel::ByteWriter& out, const PlotSettingsPiece& plot);
bool ReadPlotSettings(kernel::ByteReader& in, std::int32_t version, PlotSettingsPiece& plot);
// The piece a window without a graph writes: the defaults of the reset graph copy.
PlotSettingsPiece DefaultPlotSettings();

}  // namespace engine
