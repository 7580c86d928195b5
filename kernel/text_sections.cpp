#include "kernel/text_sections.h"

namespace kernel {

std::vector<std::size_t> SplitSections(std::string_view text, std::size_t sectionLength) {
  std::vector<std::size_t> starts{0};
  if (sectionLength == 0) return starts;
  while (text.size() - starts.back() > sectionLength) {
    const std::size_t start = starts.back();
    std::size_t p = start + sectionLength;
    while (p > start && text[p - 1] != '\n') --p;
    if (p == start) p = start + sectionLength;
    starts.push_back(p);
  }
  return starts;
}

}  // namespace kernel
