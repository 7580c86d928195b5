#pragma once
// Finding a text in a window's text, from a given position on.

#include <cstddef>
#include <optional>
#include <string_view>

namespace kernel {

// Whether a and b hold the same characters, letter case ignored (Windows-1252 letters).
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The first place p at or after `start` where `pattern` stands in `text`. With testStart clear
// the search begins one character after start (the match found last is passed over). None for
// an empty pattern or when no place up to the end of the text holds it.
std::optional<std::size_t> FindTextFrom(std::string_view text, std::string_view pattern, std::size_t start,
                                        bool testStart, bool caseSensitive);

}  // namespace kernel
