#include "kernel/text_utils.h"

#include <algorithm>

namespace kernel {

void StrCat8(std::string& dst, std::string_view s1, std::string_view s2, std::string_view s3,
             std::string_view s4, std::string_view s5, std::string_view s6, std::string_view s7,
             std::string_view s8) {
  // Built aside: a piece may be a view of dst itself.
  std::string out = dst;
  for (std::string_view piece : {s1, s2, s3, s4, s5, s6, s7, s8}) out += piece;
  dst = std::move(out);
}

void AppendChar(std::string& s, char c) {
  s += c;
}

void AddBackslash(std::string& s) {
  if (!s.empty() && s.back() != '/') s += '/';
}

void PadLeft(int width, std::string& s, char c) {
  const std::size_t w = static_cast<std::size_t>(std::max(width, 0));
  if (s.size() < w) {
    s.insert(0, w - s.size(), c);
  } else {
    s.resize(w);
  }
}

void PadRight(int width, std::string& s, char c) {
  const std::size_t w = static_cast<std::size_t>(std::max(width, 0));
  s.resize(w, c);
}

void TrimLeadingBlanks(std::string& s) {
  s.erase(0, s.find_first_not_of(' '));
}

void DeleteChar(std::string& s, char c) {
  std::erase(s, c);
}

void DeleteCRLF(std::string& s) {
  DeleteChar(s, '\r');
  DeleteChar(s, '\n');
}

std::string BlanksToDashes(std::string_view src) {
  std::string out(src);
  std::replace(out.begin(), out.end(), ' ', '-');
  return out;
}

void ReplaceMinus(std::string& s, char c) {
  std::replace(s.begin(), s.end(), '-', c);
}

std::vector<std::string> SplitCommaList(std::string_view s, int n) {
  std::vector<std::string> fields(static_cast<std::size_t>(std::max(n, 0)));
  std::size_t pos = 0;
  for (std::string& field : fields) {
    const std::size_t comma = s.find(',', pos);
    if (comma == std::string_view::npos) break;
    field = s.substr(pos, comma - pos);
    pos = comma + 1;
  }
  return fields;
}

}  // namespace kernel
