#pragma once
// Point labels: every point carries a label number 0..7877, and every number has a fixed label
// text: a capital letter, then a prime (') or a double prime ("), then "_" and a subscript 0..99.
// Number i = letter + 26 * s + 2626 * p, where letter = i mod 26, s = 0 for no subscript or the
// subscript + 1, and p the number of primes (0, 1 or 2).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kernel {

using LabelIndex = std::uint16_t;

inline constexpr int kLabelCount = 7878;
inline constexpr int kLabelLetters = 26;
inline constexpr int kLabelsPerPrime = 2626;  // 26 letters times 101 subscript states
// Ends each group of an index list built from typed labels.
inline constexpr std::uint16_t kLabelGroupEnd = 10000;

// Splits the label of `index` into its letter with prime and its subscript digits (empty for
// none). False for an index outside 0..7877: letter_and_prime is emptied, subscript untouched.
bool IndexToLabel(int index, std::string& letter_and_prime, std::string& subscript);
// The label text ("A", "B_0", "A'_12"); false with an empty text outside 0..7877.
bool FormatLabel(int index, std::string& out);
// The labels of all entries one after another, with no separator (0, 1, 2 give "ABC").
std::string FormatLabelList(std::span<const std::uint16_t> indices);
// The TeX form ("A_{1}", "A'", a double prime "A''"); false with an empty text outside 0..7877.
bool IndexToTeXLabel(int index, std::string& out);

// Characters that may appear in a typed label list: A-Z, a-z, 0-9, ', ", _ and -.
bool IsLabelChar(char c);
// The narrower set used to count the label items of a text: A-Z, 0-9, ', " and _.
bool IsLabelCharUpper(char c);
// Character classes at a position; false beyond the end of the text. Letters are A-Z and a-z.
bool IsLetterAt(std::string_view text, std::size_t pos);
bool IsDigitAt(std::string_view text, std::size_t pos);

// The position of the first entry equal to value, or -1.
int IndexArrayFind(std::span<const std::uint16_t> entries, std::uint16_t value);

}  // namespace kernel
