#include "kernel/printed_lines.h"

#include <algorithm>

namespace kernel {

namespace {
bool EndsLine(char c) { return c == '\f' || c == '\r' || c == '\n' || c == '\0'; }
}  // namespace

bool HasTextFrom(std::string_view text, std::size_t next) { return next < text.size() && text[next] != '\0'; }

PrintedPage TakePrintedPage(std::string_view text, std::size_t start, int maxLines, const FitCount& fitCount) {
  PrintedPage page;
  const std::size_t limit = static_cast<std::size_t>(std::max(maxLines, 1));
  std::size_t pos = std::min(start, text.size());
  while (page.lines.size() < limit) {
    std::size_t end = pos;
    while (end < text.size() && !EndsLine(text[end])) ++end;
    const std::string_view line = text.substr(pos, end - pos);
    if (!line.empty()) {
      std::size_t fits = std::clamp<std::size_t>(fitCount ? fitCount(line) : line.size(), 1, line.size());
      if (fits < line.size()) {
        // Break after the last blank that fits, when there is one.
        const std::size_t blank = line.substr(0, fits).find_last_of(' ');
        if (blank != std::string_view::npos && blank > 0) fits = blank + 1;
        page.lines.emplace_back(line.substr(0, fits));
        pos += fits;
        continue;
      }
    }
    page.lines.emplace_back(line);
    pos = end;
    if (!HasTextFrom(text, pos)) break;  // the end does not move on
    const char c = text[pos++];
    if (c == '\f') break;
    if (c == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
  }
  page.next = pos;
  return page;
}

}  // namespace kernel
