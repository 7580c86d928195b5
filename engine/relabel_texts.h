#pragma once
// Renaming a point in the texts placed on a figure, so that the measurements they show follow
// the point.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace engine {

// Longest text a text item holds.
inline constexpr std::size_t kTextItemMaxLength = 60;

// Replaces each occurrence of the label old_label in text by new_label, left to right, except an
// occurrence inside a bracketed keyword (a "]" follows before any "[") and one that is only the
// start of a longer label (a prime or a subscript follows). False, the text unchanged, when the
// result would be longer than kTextItemMaxLength.
bool RelabelText(std::string& text, std::string_view old_label, std::string_view new_label);

// RelabelText on every text; returns the number of texts left unchanged because the new label
// would make them too long, so the caller can report them.
int RelabelTextItems(std::span<std::string> texts, std::string_view old_label, std::string_view new_label);

}  // namespace engine
