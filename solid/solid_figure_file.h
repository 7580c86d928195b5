#pragma once
// The 3-D figure file (".kv3") as plain data: everything a 3-D window stores, read from a file's
// bytes without a window and written back. The window fills a SolidFigureFile from its state to
// save, and on loading reads the file into a fresh one and takes it over only when the whole file
// was read.
//
// Layout: the common block; 30 u16 header words; 30 flag bytes; 20 reals; an 8-byte block of the
// plane layers; the animation-parameter records (header word 15 + 4 of 40 bytes; files before
// version 24 word 15 + 3 of 30 bytes); the axis lengths and the observer (30 bytes each); 8 zero
// bytes; the macro input and output point lists (42 bytes each, the output list while flag byte 16
// is 0); 30 u16 colour indices; the last file's name (256 bytes); the points' coordinates, name
// records and label-map entries (header word 6 + 1 of each); the password and author data (header
// word 16 above 0); the history; the attached point lists (from version 39); the trace records;
// the frame's texts and the figure's texts; the evaluated texts (from version 50); the
// user-defined functions; the pictures; the markings (flag byte 20 0; the 12-byte form up to
// version 53); the plot settings (flag byte 3 0); the notebook (flag byte 21 0); the table text
// (from version 45).

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "engine/figure_tables.h"
#include "engine/imported_point_lists.h"
#include "engine/windows/figure_file_pieces.h"
#include "kernel/byte_io.h"
#include "kernel/construction_record.h"
#include "shell/author_data.h"
#include "view/common_block.h"
#include "view/picture_item.h"
#include "view/text_item.h"

namespace solid {

inline constexpr std::int32_t kSolidFileVersion = 63;
inline constexpr int kSolidHeaderWords = 30;
inline constexpr int kSolidFlagBytes = 30;
inline constexpr int kSolidFileReals = 20;
inline constexpr std::size_t kPlaneLayerBlockBytes = 8;
inline constexpr int kAnimationRecords = 7;
inline constexpr int kAnimationRecordReals = 4;
inline constexpr std::size_t kMacroListBytes = 42;
inline constexpr int kColourIndexWords = 30;
inline constexpr std::size_t kLastFileNameBytes = 256;

enum SolidHeaderWord {
  kWordDecimals = 0,
  kWordDisplayOption = 1,
  kWordLineThickness = 2,
  kWordScrollSteps = 3,
  kWordOpaqueLabels = 4,
  kWordLastPoint = 6,
  kWordDisplayMode = 7,
  kWordLabelPlacement = 8,
  kWordMacroFirst = 9,
  kWordMacroLast = 10,
  kWordFieldWidth = 13,
  kWordScrollRatio = 14,
  kWordAnimationRecords = 15,
  kWordProtection = 16,
  kWordCurvedSerial = 17,
  kWordLettersMode = 18,
  kWordDotMode = 19,
  kWordMarkSize = 20,
};

enum SolidFlagByte {
  kFlagShowUnits = 0,
  kFlagConvexity = 1,
  kFlagSaveLabels = 2,
  kFlagNoGraphWindow = 3,
  kFlagAxes = 4,
  kFlagAxisLengthsFixed = 5,
  kFlagLabelsInDottedMode = 6,
  kFlagFirstSliderShown = 10,
  kFlagToolbarShown = 13,
  kFlagAttributeCopy = 14,
  kFlagFillCopy = 15,
  kFlagNoMacroOutput = 16,
  kFlagFirstSliderHidden = 17,
  kFlagNoMarkings = 20,
  kFlagNoNotebook = 21,
  kFlagOutlines = 22,
  kFlagSolidArrowheads = 23,
  kFlagAxisArrows = 24,
};

enum SolidReal {
  kRealViewCentreX = 0,
  kRealViewCentreY = 1,
  kRealViewHalfWidth = 2,
  kRealRotationStep = 4,
  kRealZoom = 6,
};

// First versions of the pieces and fields that came later.
inline constexpr std::int32_t kCurvedSerialVersion = 23;
inline constexpr std::int32_t kAnimationFormVersion = 24;
inline constexpr std::int32_t kFieldWidthVersion = 35;
inline constexpr std::int32_t kPointListVersion = 39;
inline constexpr std::int32_t kTableTextVersion = 45;
inline constexpr std::int32_t kArrowFlagsVersion = 47;
inline constexpr std::int32_t kEvalTextVersion = 50;
inline constexpr std::int32_t kMarkingFormVersion = 54;

// Low end, current value and high end of an animation parameter, and a fourth real of the slider
// layer carried as it lies.
using AnimationRecord = std::array<kernel::Real, kAnimationRecordReals>;
using MacroList = std::array<std::uint8_t, kMacroListBytes>;

// What a window that never read a file writes.
std::array<std::uint16_t, kSolidHeaderWords> DefaultSolidHeader();
std::array<std::uint8_t, kSolidFlagBytes> DefaultSolidFlags();
MacroList EmptyMacroList();

struct SolidFigureFile {
  view::CommonBlock common;
  std::array<std::uint16_t, kSolidHeaderWords> header = DefaultSolidHeader();
  std::array<std::uint8_t, kSolidFlagBytes> flags = DefaultSolidFlags();
  std::array<kernel::Real, kSolidFileReals> reals{};
  std::array<std::uint8_t, kPlaneLayerBlockBytes> planeLayerBlock{};
  std::array<AnimationRecord, kAnimationRecords> animation{};
  kernel::Point3 axisLengths{2, 2, 2};
  kernel::Point3 observer{25, 32, 18};
  MacroList macroInput = EmptyMacroList();
  MacroList macroOutput = EmptyMacroList();
  std::array<std::uint16_t, kColourIndexWords> colourIndices{};
  // The name Open last opens, as the file holds it (not taken over on reading).
  std::array<std::uint8_t, kLastFileNameBytes> lastFileName{};
  // Points 0 to the last point index (header word 6), and the label-map entries of label ids 0
  // to that index.
  std::vector<kernel::Point3> points;
  std::vector<engine::PointNameRecord> names;
  std::vector<std::int16_t> labelMap;
  shell::AuthorData author;
  std::deque<kernel::ConstructionRecord> history;
  std::vector<engine::ImportedPointList3> pointLists;
  std::vector<kernel::TraceRecord> traces;
  view::TextList frameTexts;
  view::TextList figureTexts;
  std::vector<engine::EvalTextPieceItem> evalTexts;
  std::vector<engine::UserFunctionImage> userFunctions;
  std::vector<view::PictureItem> pictures;
  std::vector<engine::Marking> markings;
  engine::PlotSettingsPiece plot = engine::DefaultPlotSettings();
  std::string notebook;
  bool hasTableText = false;
  std::string tableText;

  // Filled in on reading.
  std::int32_t version = kSolidFileVersion;
  int largestTrace = 0;
};

inline bool HasAuthorPiece(const SolidFigureFile& file) {
  return static_cast<std::int16_t>(file.header[kWordProtection]) > 0;
}

// Writes the file at version 63 for the window kind; the words and flags that say which pieces
// follow are set to match what is written.
void WriteSolidFigureFile(kernel::ByteWriter& out, std::int32_t fileKind, const SolidFigureFile& file);

// Reads a whole file for a window of the kind into `file`, evaluated texts numbered from
// firstEvalEntry on. 0 when read; 11 ("cannot open file") for a file of another kind or a damaged
// or short one; 8 ("incompatible versions!") for a file newer than version 63. Older files are
// brought to the present form as they are read.
int ReadSolidFigureFile(kernel::ByteReader& in, std::int32_t fileKind, int firstEvalEntry, SolidFigureFile& file);

}  // namespace solid
