#include "engine/object_list_text.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

constexpr Real kTiny = static_cast<Real>(1e-16);

int Digits(int n) {
  int d = 1;
  while (n >= 10) {
    n /= 10;
    ++d;
  }
  return d;
}

constexpr std::size_t kNumberChars = 255;

bool StartsNumber(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; }

}  // namespace

ObjectListText PointsListText(const FigureTables& t, bool withCoordinates, bool threeD, const NumberFormatter& format,
                              std::string_view unitWord) {
  ObjectListText list;
  list.slots = t.last_point + 1;
  const int width = Digits(list.slots);
  for (int i = 0; i <= t.last_point; ++i) {
    if (!t.PointExists(i) || list.text.size() >= kPointListLimit) continue;
    ++list.count;
    std::string number = std::to_string(i + 1);
    list.text += std::string(static_cast<std::size_t>(std::max<int>(0, width - static_cast<int>(number.size()))), ' ');
    list.text += number + ". ";
    t.AppendPointName(list.text, i);
    if (withCoordinates) {
      list.text += " = (";
      if (threeD) {
        const Point3& p = t.xyz[static_cast<std::size_t>(i)];
        list.text += format(p.x) + ", " + format(p.y) + ", " + format(p.z);
      } else {
        const Point2& p = t.xy[static_cast<std::size_t>(i)];
        list.text += format(p.x) + ", " + format(p.y);
      }
      list.text += ")";
    }
    list.text += " (" + std::string(unitWord) + " " + std::to_string(t.attrs[static_cast<std::size_t>(i)].tag) + ")\r\n";
  }
  return list;
}

std::string LineEquationText(const Point2& a, const Point2& b, const NumberFormatter& format) {
  if (std::fabs(b.x - a.x) <= kTiny) return "x = " + format(a.x);
  Real m = (b.y - a.y) / (b.x - a.x);
  const Real c = a.y - m * a.x;
  if (std::fabs(m) < kTiny) m = 0;
  std::string text = "y ";
  text += m >= 0 ? "- " : "+ ";
  if (std::fabs(std::fabs(m) - 1) >= kTiny) text += format(std::fabs(m));
  text += "x = " + format(c);
  return text;
}

ObjectListText LinesListText(const FigureTables& t, bool withEquations, const NumberFormatter& format) {
  ObjectListText list;
  list.slots = t.last_line + 1;
  for (int i = 0; i <= t.last_line; ++i) {
    const kernel::SegmentRecord& line = t.lines[static_cast<std::size_t>(i)];
    if (!line.exists || list.text.size() >= kCurveListLimit) continue;
    ++list.count;
    const int n = std::clamp<int>(line.points.count, 0, kernel::kLinePointCapacity);
    for (int k = 0; k < n; ++k) t.AppendPointName(list.text, line.points.entries[static_cast<std::size_t>(k)]);
    if (withEquations && n >= 2) {
      list.text += ":   " + LineEquationText(t.xy[line.points.entries[0]], t.xy[line.points.entries[1]], format);
    }
    list.text += "\r\n";
  }
  list.slots = list.count;  // only the point list counts its free slots
  return list;
}

std::string ObjectListCaption(const ObjectListText& list, std::string_view word, std::string_view fileName) {
  std::string caption = std::to_string(list.count);
  if (list.count != list.slots) caption += "/" + std::to_string(list.slots);
  caption += " " + std::string(word) + " [" + std::string(fileName) + "]";
  return caption;
}

std::string AppendedTableText(std::string_view old, std::string_view pasted) {
  std::string text(old);
  if (!text.empty()) {
    const bool endsInReturn =
        text.back() == '\r' || (text.size() >= 2 && text[text.size() - 2] == '\r');
    if (!endsInReturn) text += "\r\n";
  }
  text += pasted;
  return text;
}

std::vector<std::string> PastedNumbers(std::string_view text) {
  std::vector<std::string> numbers;
  std::size_t i = 0;
  while (i < text.size()) {
    if (!StartsNumber(text[i])) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < text.size() && StartsNumber(text[end])) ++end;
    numbers.emplace_back(text.substr(i, std::min(end - i, kNumberChars)));
    i = end;
  }
  return numbers;
}

}  // namespace engine
