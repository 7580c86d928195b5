#include "engine/line_suggestions.h"

#include <algorithm>

namespace engine {

namespace {

// A line a suggestion can name: it exists and its first two listed points do.
bool Suggestible(const FigureTables& t, int i) {
  const kernel::SegmentRecord& line = t.lines[static_cast<std::size_t>(i)];
  return line.exists && line.points.count >= 2 && line.points.count <= kernel::kLinePointCapacity &&
         t.PointExists(line.points.entries[0]) && t.PointExists(line.points.entries[1]);
}

void AppendLineName(const FigureTables& t, int i, std::string& text) {
  const kernel::IndexList& list = t.lines[static_cast<std::size_t>(i)].points;
  t.AppendPointName(text, list.entries[0]);
  t.AppendPointName(text, list.entries[static_cast<std::size_t>(list.count - 1)]);
}

}  // namespace

bool SuggestLineInput(const FigureTables& t, std::string& text1, LineSuggestion mode, std::string& text2) {
  text1.clear();
  text2.clear();
  int first = -1;
  for (int i = 0; i <= t.last_line && first < 0; ++i) {
    if (Suggestible(t, i)) first = i;
  }
  if (first < 0) return false;
  AppendLineName(t, first, text1);
  const kernel::IndexList& list = t.lines[static_cast<std::size_t>(first)].points;
  switch (mode) {
    case LineSuggestion::kLine: return true;
    case LineSuggestion::kTwoLines:
      for (int i = first + 1; i <= t.last_line; ++i) {
        if (!Suggestible(t, i)) continue;
        AppendLineName(t, i, text2);
        return true;
      }
      return false;
    case LineSuggestion::kLineAndItsPoint: t.AppendPointName(text2, list.entries[1]); return true;
    case LineSuggestion::kLineAndPoint: {
      const auto begin = list.entries.begin();
      const auto end = begin + list.count;
      for (int p = 0; p <= t.last_point; ++p) {
        if (!t.PointExists(p) || std::find(begin, end, static_cast<std::uint16_t>(p)) != end) continue;
        t.AppendPointName(text2, p);
        return true;
      }
      return false;
    }
  }
  return false;
}

}  // namespace engine
