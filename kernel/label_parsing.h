#pragma once
// Reading point labels as the user types them: single labels, runs (ABC), ranges (A-D, A_0-A_2)
// and groups separated by "/", into lists of label numbers; and the items of a face list
// (labels followed by options such as ABCD#12).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "kernel/plain_records.h"

namespace kernel {

inline constexpr int kInvalidLabelText = -3;  // LabelToIndex: the text is not a label list
inline constexpr int kNoLabelInText = -2;     // LabelToIndex: no label could be written

// Brings a typed label group into its standard form, in place: runs of apostrophes become one
// double prime ("), each prime moves to directly after its letter (A12' becomes A'12) and "_"
// is put in front of each subscript (A'_12). False when the primes are not acceptable (more
// than three apostrophes or a double prime on one letter, a prime with no letter) or when the
// text is empty or starts with a prime, "-" or "_". The text may be left partly rewritten.
bool NormalizeLabel(std::string& text);
// Inserts "_" between a letter or prime and a following digit, except inside square brackets.
void InsertSubscriptMarks(std::string& text);
// NormalizeLabel, then the grammar: capitals, primes, "-" between two labels, "_" followed by a
// subscript of one or two digits.
bool IsValidLabel(std::string& text);

// Parses one group (such as "AB_1C", "A-D", "P'Q'") into label numbers, writing at most
// out.size() entries; ranges run over the numbers in either direction, and a range that does not
// fit keeps overwriting the last entry. Returns the position of the last entry written, or
// kInvalidLabelText, or kNoLabelInText for an empty output. The text is left normalised.
int LabelToIndex(std::string& text, std::span<std::uint16_t> out);

// Keeps only label characters and ends each run of them with "/" ("A B,C-D" gives "A/B/C-D/");
// a text without labels becomes empty.
void NormalizeLabelList(std::string& text);
// Parses each "/"-ended group with LabelToIndex and ends its entries with kLabelGroupEnd; an
// invalid group leaves nothing, text after the last "/" is ignored. With capacity =
// out.size() - 2, groups start at positions up to capacity (a group may reach one entry and its end
// mark beyond it). Returns the position of the last end mark written, -1 when there is none.
int ParseLabelList(std::string_view text, std::span<std::uint16_t> out);

// Results of ParseLabelWithOptions.
inline constexpr int kNoColourOption = 0;
inline constexpr int kColourOption = -1;            // options.a holds the colour number
inline constexpr int kBadLabelOption = 6;           // bad digit after "@" or "#", or a label character
inline constexpr int kColourOptionTooLarge = 17;    // a "#" number above kMaxColourOption
inline constexpr int kMaxColourOption = 60;

// Splits the first item off a face list: its leading label characters go to `label`, the options
// after them up to the next capital letter fill `options` = (colour number, digit, flag), starting
// from (0, 1, 0): ">" sets the flag, "@" with a digit 1-9 sets the digit, "#" with one or two
// digits sets the colour number. `item` keeps its rest from that capital on (empty when none).
int ParseLabelWithOptions(std::string& item, std::string& label, Short3& options);

// The position of the first digit of the text (or of a '.' or '-' when allowed); npos when none.
std::size_t SkipToNumber(std::string_view text, bool allow_dot, bool allow_minus);
// The length of the run of digits (and allowed '.' and '-') at the start of the text, with the
// number of digits in it.
std::size_t ScanNumber(std::string_view text, bool allow_dot, bool allow_minus, int& digit_count);

}  // namespace kernel
