#pragma once
// Laying out a plain text on printed pages: which lines go on a page and where the next page
// starts. Lines end at CR LF, a lone CR or a lone LF; a form feed ends the line and the page.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kernel {

struct PrintedPage {
  std::vector<std::string> lines;
  std::size_t next = 0;  // where the following page starts
};

// How many leading characters of a line fit the page's width.
using FitCount = std::function<std::size_t(std::string_view line)>;

// The lines of the page that starts at `start`: at most maxLines of them (at least one), a line
// wider than the page continued on the next line (after its last blank that fits, else after as
// many characters as fit). The text ends at its end or at a NUL.
PrintedPage TakePrintedPage(std::string_view text, std::size_t start, int maxLines, const FitCount& fitCount);

// Whether anything is left to print from `next` on.
bool HasTextFrom(std::string_view text, std::size_t next);

}  // namespace kernel
