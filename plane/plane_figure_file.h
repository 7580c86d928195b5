#pragma once
// The 2-D figure file (".kv2" Euclidean, ".kvh" hyperbolic) as plain data: everything a plane
// window stores, read from a file's bytes without a window and written back. The window fills a
// PlaneFigureFile from its state to save, and on loading reads the file into a fresh one and takes
// it over only when the whole file was read.
//
// Layout: the common block; 30 u16 header words; 30 flag bytes; 20 reals; the marker block (30
// u16); the tool window's position (two i32); four u16 display words; 8 zero bytes; the expression
// tokens (header word 26 + 4 records of 40 bytes; files before version 24 word 26 + 3 records of
// 30 bytes); a 42-byte block; the macro input and output label lists (42 bytes each); a 60-byte
// block; the background bitmap's name (256 bytes); the points' coordinates, name records and
// attribute records (header word 6 + 1 of each); the password and author data (header word 27
// above 0); the history; the attached-point lists (from version 40); the frame's texts; the trace
// records; the fills; the markings; the three-point conics; the figure's texts; the evaluated
// texts (from version 50); the user-defined functions; the pictures; the plot settings; the
// notebook (flag byte 24 0); the five-point conics; the two-foci conics; the equations (from
// version 30).

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/figure_tables.h"
#include "engine/windows/figure_file_pieces.h"
#include "kernel/byte_io.h"
#include "kernel/construction_record.h"
#include "plane/plane_file_pieces.h"
#include "shell/author_data.h"
#include "view/common_block.h"
#include "view/picture_item.h"
#include "view/qel_wint.h"
#include "view/text_item.h"

namespace plane {

inline constexpr std::int32_t kPlaneFileVersion = 63;
inline constexpr int kHeaderWords = 30;
inline constexpr int kFlagBytes = 30;
inline constexpr int kFileReals = 20;
inline constexpr int kMarkerWords = 30;
inline constexpr int kDisplayWords = 4;
inline constexpr int kTokenRecords = 7;
inline constexpr std::size_t kTokenBytes = 40;
inline constexpr std::size_t kOldTokenBytes = 30;
inline constexpr std::size_t kSharedBlockBytes = 42;
inline constexpr std::size_t kLabelListBytes = 42;
inline constexpr std::size_t kTableBlockBytes = 60;
inline constexpr std::size_t kBackgroundNameBytes = 256;
// The evaluated-text entries a file may use: their codes (5000 + entry) stay below the limit.
inline constexpr int kEvalTextCapacity = view::kEvalCodeLimit - 5000;

// Header words.
enum HeaderWord {
  kHeaderDecimals = 0,
  kHeaderToolbarMode = 1,
  kHeaderPenWidth = 2,
  kHeaderBounce = 3,
  kHeaderLabels = 4,
  kHeaderLastPoint = 6,
  kHeaderFieldWidth = 13,
  kHeaderBounceCheck = 15,
  kHeaderGridFirst = 19,
  kHeaderGridSecond = 20,
  kHeaderFillMix = 24,
  kHeaderWide = 25,
  kHeaderTokens = 26,
  kHeaderProtection = 27,
  kHeaderViewFlags = 29,
};
// Flag bytes.
enum FlagByte {
  kFlagPlotFollows = 7,
  kFlagMacroOutputFollows = 17,
  kFlagMarkersFollow = 21,
  kFlagNoNotebook = 24,
  kFlagFivePointFollows = 25,
  kFlagThreePointForm = 26,
  kFlagNoBackground = 27,
  kFlagTwoFociFollows = 29,
};
// Reals.
// The view the figure was saved in: its centre, its half width and, with unequal scales, its half
// height (0 with equal scales, where the window's shape gives it). Files of earlier builds hold 0
// there and open with the view fitted to the figure.
inline constexpr int kRealViewCentreX = 0;
inline constexpr int kRealViewCentreY = 1;
inline constexpr int kRealViewHalfWidth = 2;
inline constexpr int kRealViewHalfHeight = 11;
inline constexpr int kRealZoom = 6;
inline constexpr int kRealMagnification = 7;
inline constexpr int kRealFirstCount = 9;
inline constexpr int kRealSecondCount = 10;

using TokenRecord = std::array<std::uint8_t, kTokenBytes>;

// What a figure that never read a file writes: the values a reader would set right otherwise.
inline std::array<std::uint16_t, kHeaderWords> DefaultHeader() {
  std::array<std::uint16_t, kHeaderWords> header{};
  header[kHeaderGridFirst] = header[kHeaderGridSecond] = 1;
  header[kHeaderFillMix] = 901;
  header[kHeaderTokens] = kTokenRecords - 4;
  return header;
}
inline std::array<kernel::Real, kFileReals> DefaultReals() {
  std::array<kernel::Real, kFileReals> reals{};
  reals[kRealZoom] = 1.1L;
  reals[kRealFirstCount] = 100;
  reals[kRealSecondCount] = 10;
  return reals;
}

struct PlaneFigureFile {
  view::CommonBlock common;
  std::array<std::uint16_t, kHeaderWords> header = DefaultHeader();
  std::array<std::uint8_t, kFlagBytes> flags{};
  std::array<kernel::Real, kFileReals> reals = DefaultReals();
  std::array<std::uint16_t, kMarkerWords> markers{};
  std::int32_t toolX = -1;
  std::int32_t toolY = -1;
  std::array<std::uint16_t, kDisplayWords> display{};
  std::vector<TokenRecord> tokens = std::vector<TokenRecord>(kTokenRecords);
  std::array<std::uint8_t, kSharedBlockBytes> sharedBlock{};
  std::array<std::uint8_t, kLabelListBytes> macroInput{};
  std::array<std::uint8_t, kLabelListBytes> macroOutput{};
  std::array<std::uint8_t, kTableBlockBytes> tableBlock{};
  std::string backgroundName;
  // Points 0 to the last point index (header word 6).
  std::vector<kernel::Point2> points;
  std::vector<engine::PointNameRecord> names;
  std::vector<engine::PointAttrRecord> attrs;
  shell::AuthorData author;
  std::deque<kernel::ConstructionRecord> history;
  std::vector<AttachedPointList> pointLists;
  view::TextList frameTexts;
  std::vector<kernel::TraceRecord> traces;
  std::vector<kernel::FillRecord> fills;
  std::vector<engine::Marking> markings;
  std::vector<ConicDefinition> threePointConics;
  view::TextList figureTexts;
  std::vector<engine::EvalTextPieceItem> evalTexts;
  std::vector<engine::UserFunctionImage> userFunctions;
  std::vector<view::PictureItem> pictures;
  engine::PlotSettingsPiece plot = engine::DefaultPlotSettings();
  std::string notebook;
  std::vector<kernel::ConicRecord> fivePointConics;
  std::vector<ConicDefinition> twoFociConics;
  std::vector<kernel::EquationRecord> equations;

  // Filled in on reading.
  std::int32_t version = kPlaneFileVersion;
  // Files before version 24 carry the two magnification values (the second stored one less).
  std::array<kernel::Real, 2> magnification{};
  int largestTrace = 0;
};

// The protection word as the file holds it; the author piece is there only when it is above 0.
inline bool HasAuthorPiece(const PlaneFigureFile& file) {
  return static_cast<std::int16_t>(file.header[kHeaderProtection]) > 0;
}

// Writes the file for the window kind (625 or 441) at version 63; the words and flags that say
// which pieces follow are set to match. False, with nothing usable written, when an equation's
// joined texts do not fit their field.
bool WritePlaneFigureFile(kernel::ByteWriter& out, std::int32_t fileKind, const PlaneFigureFile& file);

// Reads a whole file (from the reader's place) for a window of the kind into `file`, evaluated texts numbered from
// firstEvalEntry on. 0 when read; 11 ("cannot open file") for a file of another kind or a damaged
// or short one; 8 ("incompatible versions!") for a file newer than version 63. Out-of-range
// settings are set right as they are read.
int ReadPlaneFigureFile(kernel::ByteReader& in, std::int32_t fileKind, int firstEvalEntry, PlaneFigureFile& file);

}  // namespace plane
