#pragma once
// Cutting a long text into sections that a text window can show one at a time.

#include <cstddef>
#include <string_view>
#include <vector>

namespace kernel {

inline constexpr std::size_t kSectionLength = 32000;

// Where each section starts (the first at 0). Every section but the last is at most
// `sectionLength` characters long and, where its text allows, ends just after a line feed; a
// stretch of sectionLength characters without a line feed is cut at that length.
std::vector<std::size_t> SplitSections(std::string_view text, std::size_t sectionLength = kSectionLength);

}  // namespace kernel
