// The one-line descriptions of steps: template items expanded with the current step, the point
// names and the string table.

#include <algorithm>
#include <cmath>

#include "engine/step_engine.h"
#include "kernel/text_utils.h"
#include "kernel/vector2.h"

namespace engine {

namespace {

constexpr std::uint16_t kJoinedText = 2008;
constexpr std::uint16_t kTwoCommaTexts = 2007;
constexpr std::uint16_t kThreeCommaTexts = 2006;
constexpr int kNoMoreRoomWord = 404;

// The work text of one expansion: appending stops at its limit, so nothing is written past it.
class WorkText {
 public:
  void Add(std::string_view s) {
    const std::size_t room = kTemplateWorkLimit - std::min(kTemplateWorkLimit, text.size());
    text.append(s.substr(0, std::min(room, s.size())));
  }
  void Add(char c) {
    if (text.size() < kTemplateWorkLimit) text.push_back(c);
  }
  std::string text;
};

bool IsCharacterCode(int code) {
  switch (code) {
    case 32: case 40: case 41: case 42: case 43: case 44: case 45: case 46: case 48: case 49: case 50:
    case 58: case 59: case 61: case 62: case 65: case 66: case 67: case 88: case 91: case 93: case 120:
    case 123: case 124: case 125:
      return true;
    default:
      return false;
  }
}

// How many argument items follow a code.
int ArgumentCount(int code) {
  switch (code) {
    case 4: case 5: case 6: case 18: case 21: case 22: case 23: case 30: case 31:
      return 1;
    case 25: case 256:
      return 2;
    default:
      return 0;
  }
}

}  // namespace

void StepEngine::StepTexts(std::string& t1, std::string& t2, std::string& t3) const {
  const kernel::ConstructionRecord* step = history.current;
  t1.clear();
  t2.clear();
  t3.clear();
  if (step == nullptr) return;
  const std::uint16_t marker = step->operands[8];
  if (marker == kJoinedText) {
    t1 = kernel::JoinConstructionText(*step);
  } else if (marker == kTwoCommaTexts) {
    const std::vector<std::string> parts = kernel::SplitCommaList(kernel::JoinConstructionText(*step), 2);
    t1 = parts[0];
    t2 = parts[1];
  } else if (marker == kThreeCommaTexts) {
    const std::vector<std::string> parts = kernel::SplitCommaList(kernel::JoinConstructionText(*step), 3);
    t1 = parts[0];
    t2 = parts[1];
    t3 = parts[2];
  } else {
    t1 = step->text[0];
    t2 = step->text[1];
    t3 = step->text[2];
  }
}

void StepEngine::PointCoordText(std::string& out, int i) const {
  if (i < 0 || i > tables.last_point) return;
  out += '(';
  if (dimension > 2) {
    const Point3& p = tables.xyz[i];
    out += FormatNumber(p.x) + "," + FormatNumber(p.y) + "," + FormatNumber(p.z);
  } else {
    const Point2& p = tables.xy[i];
    out += FormatNumber(p.x) + "," + FormatNumber(p.y);
  }
  out += ')';
}

void StepEngine::ExpandTemplate(std::string* out, DescriptionTemplate items, std::size_t limit, const Real* values) {
  if (out == nullptr) return;
  std::string t1, t2, t3;
  StepTexts(t1, t2, t3);
  const kernel::ConstructionRecord* step = history.current;
  auto operand = [&](int n) -> int {
    if (step == nullptr) return -1;
    const std::uint16_t v = step->operands[n];
    return v == kernel::kNoOperand ? -1 : v;
  };
  WorkText work;
  std::string piece;
  const int last = tables.last_point;
  auto add_point = [&](int i) {
    piece.clear();
    tables.AppendPointName(piece, i);
    work.Add(piece);
  };
  std::size_t pos = 0;
  while (pos < items.size() && items[pos] > 0) {
    const int code = items[pos++];
    const int n_args = ArgumentCount(code);
    if (pos + n_args > items.size()) break;
    const int a = n_args >= 1 ? items[pos] : 0;
    const int b = n_args >= 2 ? items[pos + 1] : 0;
    pos += n_args;
    piece.clear();
    switch (code) {
      case 1: work.Add(t1); break;
      case 2: work.Add(t2); break;
      case 3: work.Add(t3); break;
      case 4:
        tables.AppendNewPointNames(piece, a, kLastPointLimit);
        work.Add(piece);
        break;
      case 5: work.Add(words(a)); break;
      case 6: add_point(a); break;
      case 7: add_point(last - 2); break;
      case 8: add_point(last - 1); break;
      case 9: add_point(last); break;
      case 10: case 11: case 12: case 13: case 14: case 15: add_point(operand(code - 10)); break;
      case 16: add_point(last - 3); break;
      case 17: work.Add("\r\n"); break;
      case 18:
        CircleText(a, piece, true, false, false);
        work.Add(piece);
        break;
      case 21: work.Add(RgbText(a)); break;
      case 22: work.Add(StyleName(a)); break;
      case 23: work.Add(std::to_string(a)); break;
      case 24:
        if (last >= 0) work.Add(FormatNumber(tables.attrs[last].value));
        break;
      case 25:
        tables.AppendNewPointNames(piece, a, b);
        work.Add(piece);
        break;
      case 26:
        tables.PointNameRange(piece);
        work.text = piece.substr(0, kTemplateWorkLimit);
        break;
      case 27:
        PointCoordText(piece, last);
        work.Add(piece);
        break;
      case 28:
        if (step != nullptr) {
          const std::vector<std::string> c = kernel::SplitCommaList(kernel::JoinConstructionText(*step), 4);
          work.Add(c[0] + "x + " + c[1] + "y + " + c[2] + "z = " + c[3]);
        }
        break;
      case 29:
        if (step != nullptr) work.Add(kernel::JoinConstructionText(*step));
        break;
      case 30:
        if (a >= 0 && a + 2 < kernel::kConstructionOperands) {
          AttributeTripleText(piece, a);
          work.Add(piece);
        }
        break;
      case 31:
        if (values != nullptr && a >= 0) work.Add(FormatNumber(values[a]));
        break;
      case 256:
        tables.AppendStepPointNames(piece, a, b);
        work.Add(piece);
        break;
      case 257:
        if (step != nullptr) {
          const std::vector<std::string> c = kernel::SplitCommaList(kernel::JoinConstructionText(*step), 6);
          work.Add("(" + c[0] + ")xx+(" + c[1] + ")xy+(" + c[2] + ")yy+(" + c[3] + ")x+(" + c[4] + ")y+(" + c[5] +
                   ")=0");
        }
        break;
      case 258:
        tables.AppendNewPointNames(piece, 8, 9);
        piece += " = ";
        BoxText(piece, t1, t2, t3);
        work.Add(piece);
        break;
      default:
        if (IsCharacterCode(code)) work.Add(static_cast<char>(code));
        break;
    }
  }
  if (limit != 0 && work.text.size() >= limit) {
    *out = words(kNoMoreRoomWord).substr(0, limit);
  } else {
    *out = std::move(work.text);
  }
}

void StepEngine::AttributeTripleText(std::string& out, int n) {
  const kernel::ConstructionRecord* step = history.current;
  if (step == nullptr || n < 0 || n + 2 >= kernel::kConstructionOperands) return;
  const std::int16_t colour = static_cast<std::int16_t>(static_cast<std::uint16_t>(step->operands[n] + 1));
  const std::int16_t thickness = static_cast<std::int16_t>(static_cast<std::uint16_t>(step->operands[n + 1] + 1));
  const std::int16_t style = static_cast<std::int16_t>(static_cast<std::uint16_t>(step->operands[n + 2] + 1));
  const std::int16_t items[] = {'(', 21, colour, ',', ' ', 5, 230, ' ', 23, thickness, ',', ' ',
                                5,   231, ' ',   22,  style, ')', kTemplateEnd};
  std::string text;
  ExpandTemplate(&text, items);
  out += text;
}

void StepEngine::BoxText(std::string& out, std::string t1, std::string t2, std::string t3) const {
  std::array<std::string, 3> offsets{"0.0", "0.0", "0.0"};
  bool any_offset = false;
  std::array<std::string*, 3> texts{&t1, &t2, &t3};
  for (int k = 0; k < 3; ++k) {
    const std::size_t semi = texts[k]->find(';');
    if (semi == std::string::npos) continue;
    offsets[k] = texts[k]->substr(semi + 1);
    texts[k]->resize(semi);
    any_offset = true;
  }
  out += words(739) + "[" + t1 + "," + t2 + "," + t3 + "]";
  if (any_offset) out += " @ (" + offsets[0] + "," + offsets[1] + "," + offsets[2] + ")";
}

int StepEngine::CircleText(int c, std::string& out, bool first_point_only, bool with_numbers,
                           bool with_equation) const {
  out.clear();
  if (c < 0 || c > kLastCircleLimit) return 0;
  const kernel::CircleRecord& circle = tables.circles[c];
  out += words(171) + " ";
  tables.AppendPointName(out, circle.centre);
  if (with_numbers) PointCoordText(out, circle.centre);
  out += "; " + words(168) + " ";
  const int count = std::clamp<int>(circle.count, 0, kernel::kCirclePointCapacity);
  for (int k = 0; k < (first_point_only ? std::min(count, 1) : count); ++k) tables.AppendPointName(out, circle.points[k]);
  Real radius = tables.circle_radius[c];
  if (dimension > 2 && count > 0 && circle.centre < kPointCapacity && circle.points[0] < kPointCapacity) {
    const Point3& a = tables.xyz[circle.centre];
    const Point3& b = tables.xyz[circle.points[0]];
    radius = std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
  }
  if (with_numbers) out += "; " + words(169) + " " + FormatNumber(radius);
  if (!circle.full_circle) out += "; " + words(172) + " " + FormatNumber(circle.arc_angle) + " " + words(199);
  if (with_equation && circle.centre < kPointCapacity) {
    const Point2 centre = tables.xy[circle.centre];
    const Real x2 = 2 * centre.x;
    const Real y2 = 2 * centre.y;
    out += "; xx + yy";
    out += x2 >= 0 ? " - " : " + ";
    out += FormatNumber(std::fabs(x2));
    out += y2 >= 0 ? "x - " : "x + ";
    out += FormatNumber(std::fabs(y2));
    out += "y = ";
    out += FormatNumber(radius * radius - centre.x * centre.x - centre.y * centre.y);
  }
  return circle.exists;
}

void StepEngine::ConicDefinitionText(std::string& out, int a, int b, int c, std::string_view value, int kind,
                                     int colour_code) const {
  std::string ab;
  tables.AppendPointName(ab, a);
  tables.AppendPointName(ab, b);
  std::string cn;
  tables.AppendPointName(cn, c);
  if (kind == 4) {
    out += words(822) + " " + ab + ", " + words(249) + " " + std::string(value);
  } else if (kind == 1) {
    out += words(821) + " " + cn + " " + words(170) + " " + ab + " " + words(249) + " " + std::string(value);
  } else {
    out += words(822) + " " + ab + " " + words(823) + " " + cn + " [" + words(kind == 0 ? 165 : 167) + "]";
  }
  AppendColorPairText(out, colour_code);
}

void StepEngine::AppendColorPairText(std::string& out, int code) const {
  out += " [" + RgbText(code % 64) + "]";
  if (code / 64 >= 1) out += " [" + RgbText((code / 64) % 64 - 1) + "]";
}

}  // namespace engine
