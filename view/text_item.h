#pragma once
// The texts placed on a figure: the text item record (179 bytes in files), the lists a window keeps
// of them, the settings of an evaluated text, and the text-item piece of the figure files.
//
// An item is tied to the figure (its x, y are world coordinates), to the window frame (x, y are
// relative to the view centre) or to an object of the figure (relative to that object's
// position). While stored, x and y are relative to that anchor; x2 and y2, the far corner of the
// box as last drawn, are always absolute.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kernel/byte_io.h"
#include "kernel/colour_values.h"
#include "kernel/font_records.h"
#include "kernel/real.h"

namespace view {

inline constexpr std::size_t kTextItemBytes = 179;
inline constexpr std::size_t kTextFieldBytes = 61;
// The text dialog takes at most this many characters.
inline constexpr std::size_t kTextDialogLength = 59;

inline constexpr std::int16_t kTieFigure = -1;
inline constexpr std::int16_t kTieFrame = -2;
inline constexpr std::uint16_t kPlainTextCode = 65535;
// The size word: the point size modulo this, plus this when the text hides with its object.
inline constexpr std::uint16_t kHideWithObjectFlag = 100;

struct TextItem {
  std::int16_t number = 0;  // its place in its list
  std::uint8_t transparent = 1;
  std::string text;  // Windows-1252, at most 60 bytes; "X" for an evaluated text
  kernel::ColorRef color = 0;
  kernel::Real x = 0;       // left edge; relative to the anchor while stored
  kernel::Real x2 = 0;      // right edge as last drawn (world, absolute)
  kernel::Real y2 = 0;      // lower edge as last drawn (world, absolute)
  kernel::Real y = 0;       // upper edge; relative to the anchor while stored
  kernel::FontRecord font;  // its escapement is the text's angle in tenths of a degree
  std::uint16_t sizeWord = 12;
  std::int16_t tie = kTieFigure;  // kTieFigure, kTieFrame (or below), or an object number
  std::uint8_t shown = 1;
  std::uint16_t evalCode = kPlainTextCode;
  friend bool operator==(const TextItem&, const TextItem&) = default;
};

using TextList = std::vector<TextItem>;

// Whether the item's position is relative to the view centre.
inline bool TiedToFrame(const TextItem& item) {
  return item.tie < kTieFigure;
}
inline bool TiedToObject(const TextItem& item) {
  return item.tie >= 0;
}

int TextItemSize(const TextItem& item);
// Stores v / 10 as the point size (0 to 99), keeping the hide flag.
void TextItemSetSize(TextItem& item, int tenths);
bool TextItemHideFlag(const TextItem& item);
void TextItemSetHideFlag(TextItem& item, bool hide);
// The angle stored for one typed in degrees: tenths of a degree modulo a full turn, sign kept.
std::int32_t TextAngleTenths(int degrees);

// The last item whose shown flag is set; with anyItem the last item at all. Null when none.
TextItem* TextListLastShown(TextList& list, bool anyItem);
// Numbers the items start, start + 1, ...
void TextListRenumber(TextList& list, int start);
// Removes the item of that number and numbers the rest from 0; false when there is none.
bool DeleteTextItem(TextList& list, int number);
void TextListClearEvalCodes(TextList& list);
// Every item gets the opposite of the first item's shown flag.
void TextListToggleShown(TextList& list);
// Frame-tied items keep their place in the window when the view's half extents change.
void TextListRescaleFrameTexts(TextList& list, kernel::Real newHalfWidth, kernel::Real newHalfHeight,
                               kernel::Real oldHalfWidth, kernel::Real oldHalfHeight);

// The record as files hold it (the pointer to the next item written as four zero bytes).
void WriteTextItem(kernel::ByteWriter& out, const TextItem& item);
// False for a record that cannot be one: cut short, or with a position that is no finite number.
// Texts and face names always end within their fields.
bool ReadTextItem(kernel::ByteReader& in, TextItem& item);

// The list piece: a u16 count, then the records in list order.
void WriteTextList(kernel::ByteWriter& out, const TextList& list);
// Reads a piece into `list` (replacing it) and numbers it from 0; every item is shown unless the
// stored flags are kept. False for a damaged piece (a count the bytes left cannot hold, a damaged
// record); `list` is then unchanged and the reader failed.
bool ReadTextList(kernel::ByteReader& in, bool keepShownFlags, TextList& list);

// The settings of an evaluated text: three expressions, a label, what shows, and the decimals.
inline constexpr int kEvalExpressions = 3;
inline constexpr int kEvalSwitches = 5;  // the three expressions, "label", "expression"
inline constexpr int kEvalValues = 10;
inline constexpr std::size_t kEvalStringLength = 255;
inline constexpr int kEvalMaxPlaces = 15;

struct EvalTextEntry {
  std::array<std::string, kEvalExpressions + 1> strings;  // expressions 1 to 3, then the label
  std::array<std::uint8_t, kEvalSwitches> switches{1, 0, 0, 0, 0};
  std::int32_t expressionCount = 0;  // of the first three switches, the ones on
  std::int32_t hyphenChar = 0;       // replaces "-" in the names; 0 for none
  std::array<std::int32_t, kEvalExpressions> places{3, 3, 3};
  std::array<std::int32_t, kEvalValues> values{};
  friend bool operator==(const EvalTextEntry&, const EvalTextEntry&) = default;
};

// Copies the settings (switches with their count recounted, places, hyphen, values), not the
// strings.
void CopyEvalTextEntry(EvalTextEntry& to, const EvalTextEntry& from);

}  // namespace view
