#include "plane/macro_remap.h"

#include <algorithm>
#include <array>

#include "engine/curve_tables.h"
#include "kernel/label_parsing.h"

namespace plane {

namespace {

using Operands = std::array<std::uint16_t, kernel::kConstructionOperands>;

constexpr int kFirstAxisCode = -9;  // line codes below this are the axes
constexpr int kLineColorObjects = 36;
constexpr std::size_t kStepTextChars = kernel::kConstructionTextFieldChars;
constexpr std::size_t kLabelRoom = 255;

int Value(const Operands& ops, int i) { return static_cast<std::int16_t>(ops[static_cast<std::size_t>(i)]); }
void Set(Operands& ops, int i, int value) {
  ops[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
}

bool IsLabelStart(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLabelContinuation(char c) {
  return IsLabelStart(c) || (c >= '0' && c <= '9') || c == '\'' || c == '"' || c == '_';
}

// The operand rules of one step, over a copy of its operands.
class OperandRemap {
 public:
  OperandRemap(const MacroRemap& r, Operands& ops) : r_(r), ops_(ops) {}

  bool failed = false;

  // Operand i through the point map; a negative operand or a point without image fails.
  int Point(int i) {
    const int p = MapMacroPoint(r_, Value(ops_, i));
    if (p < 0) failed = true;
    Set(ops_, i, p);
    return p;
  }
  void Points(int k, int from = 0) {
    for (int i = from; i < from + k; ++i) Point(i);
  }
  // As Points, but a failure is ignored.
  void PointsUnchecked(int k, int from = 0) {
    const bool before = failed;
    Points(k, from);
    failed = before;
  }
  // At most k points from operand `from`, ended by the first negative one (written as none).
  void List(int k, int from, bool checked) {
    for (int i = from; i < from + k && i < kernel::kConstructionOperands; ++i) {
      if (Value(ops_, i) < 0) {
        ops_[static_cast<std::size_t>(i)] = kernel::kNoOperand;
        return;
      }
      const int p = MapMacroPoint(r_, Value(ops_, i));
      if (p < 0 && checked) failed = true;
      Set(ops_, i, p);
    }
  }
  // Operand i when not negative; a point without image fails.
  void PointIfMapped(int i) {
    if (Value(ops_, i) >= 0) Point(i);
  }
  // Operand i when not negative, without check.
  void PointIfSet(int i) {
    if (Value(ops_, i) >= 0) Set(ops_, i, MapMacroPoint(r_, Value(ops_, i)));
  }
  void Line(int i, int a, int b, bool checked = true) { Found(i, engine::FindLineThrough(r_.target, Value(ops_, a), Value(ops_, b)), checked); }
  void Circle(int i, int c, int p) { Found(i, engine::FindCircle(r_.target, Value(ops_, c), Value(ops_, p), -1.0L), true); }
  void MacroLine(int i) { Found(i, MapMacroLine(r_, Value(ops_, i)), true); }
  void MacroCircle(int i) { Found(i, MapMacroCircle(r_, Value(ops_, i)), true); }
  void MacroHypercycle(int i) { Found(i, MapMacroHypercycle(r_, Value(ops_, i)), true); }
  void MacroHorocycle(int i) { Found(i, MapMacroHorocycle(r_, Value(ops_, i)), true); }
  // Operand i through the surface map when it is positive.
  void Surface(int i, bool mustExist = false) {
    const int s = Value(ops_, i);
    if (s < 0 || (s == 0 && !mustExist)) {
      if (mustExist) failed = true;
      return;
    }
    const int mapped = s < static_cast<int>(r_.surfaceMap.size()) ? r_.surfaceMap[static_cast<std::size_t>(s)] : -1;
    if (mustExist && mapped < 0) failed = true;
    Set(ops_, i, mapped);
  }

 private:
  void Found(int i, int index, bool checked) {
    if (index < 0 && checked && index > kFirstAxisCode) failed = true;
    Set(ops_, i, index);
  }
  const MacroRemap& r_;
  Operands& ops_;
};

// The target circle of macro circle `macroCircle` about target centre c: through the image of the
// macro circle's first listed point.
int CircleAbout(const MacroRemap& r, int c, int macroCircle) {
  if (macroCircle < 0 || macroCircle > r.macro.last_circle) return -1;
  const kernel::CircleRecord& circle = r.macro.circles[static_cast<std::size_t>(macroCircle)];
  if (circle.count < 1) return -1;
  return engine::FindCircle(r.target, c, MapMacroPoint(r, circle.points[0]), -1.0L);
}

void RemapOperands(kernel::ConstructionRecord& step, Operands& ops, OperandRemap& m, const MacroRemap& r) {
  const int kind = step.kind;
  switch (kind) {
    case 81: case 101: case 201:
      m.Points(2);
      m.Line(2, 0, 1);
      return;
    case 82: case 102: case 202:
      m.Points(2);
      m.Circle(2, 0, 1);
      return;
    case 91: case 94: case 111: case 114: case 116: case 117: case 123: case 129: case 145: case 147: case 148:
    case 150: case 352: case 357: case 360: case 361: case 365: case 445:
      m.Points(2);
      return;
    case 92: case 146:
      m.Point(0);
      return;
    case 93: case 107: case 113: case 124: case 125: case 126: case 128: case 131: case 133: case 136: case 358:
    case 359: case 370: case 402: case 442: case 443: case 447:
      m.Points(3);
      return;
    case 99:
      m.Points(3);
      m.Line(3, 1, 2);
      m.Line(4, 2, 0);
      m.Line(5, 0, 1);
      return;
    case 100:
      m.Points(Value(ops, 7) == 5 ? 7 : 5);
      m.Line(8, 0, 1, false);
      return;
    case 103: case 104: case 105:
      m.Points(4);
      if (kind == 105) {
        m.Circle(4, 0, 1);
      } else {
        m.Line(4, 0, 1);
      }
      if (kind == 103) {
        m.Line(5, 2, 3);
      } else {
        m.Circle(5, 2, 3);
      }
      m.PointIfSet(6);
      return;
    case 106: case 155: case 363: case 366: case 403:
      m.Points(4);
      return;
    case 112: {
      const int macroLine = Value(ops, 1);
      m.MacroLine(1);
      const int line = Value(ops, 1);
      if (line >= 0 && macroLine >= 0 && macroLine <= r.macro.last_line) {
        const kernel::IndexList& list = r.macro.lines[static_cast<std::size_t>(macroLine)].points;
        const kernel::IndexList& found = r.target.lines[static_cast<std::size_t>(line)].points;
        if (list.count > 0) {
          const int first = kernel::IndexListFind(found, static_cast<std::uint16_t>(MapMacroPoint(r, list.entries[0])));
          const int last = kernel::IndexListFind(
              found, static_cast<std::uint16_t>(MapMacroPoint(r, list.entries[static_cast<std::size_t>(list.count - 1)])));
          if (first >= 0 && last >= 0 && last < first) Set(ops, 0, -Value(ops, 0));
        }
      }
      return;
    }
    case 138:
      // The horocycle keeps the line it touches in operand 2.
      m.Points(2);
      m.Line(2, 0, 1);
      m.Point(3);
      return;
    case 115:
      m.Points(3);
      m.Line(3, 1, 2);
      return;
    case 135:
      m.Points(3);
      m.Circle(3, 0, 1);
      return;
    case 127: {
      const std::array<int, 3> circles{Value(ops, 7), Value(ops, 8), Value(ops, 9)};
      m.Points(3);
      for (int k = 0; k < 3; ++k) {
        const int found = CircleAbout(r, Value(ops, k), circles[static_cast<std::size_t>(k)]);
        if (found < 0) m.failed = true;
        Set(ops, 7 + k, found);
      }
      return;
    }
    case 130:
      m.MacroLine(0);
      m.Point(1);
      return;
    case 132: case 134:
      m.Points(3);
      m.Line(3, 0, 1);
      m.Line(4, 1, 2);
      m.Line(5, 2, 0);
      return;
    case 137:
      m.Points(6);
      return;
    case 139:
      if (r.dimension == 2) {
        m.MacroLine(0);
        m.MacroLine(1);
      } else {
        m.Points(4);
      }
      return;
    case 141:
      m.List(39, 0, true);
      return;
    case 142: case 143:
      for (int i = 0; i + 2 < kernel::kConstructionOperands && Value(ops, i) >= 0; i += 3) {
        m.Points(2, i);
        if (kind == 142) {
          m.Line(i + 2, i, i + 1);
        } else {
          m.Circle(i + 2, i, i + 1);
        }
      }
      return;
    case 149:
      m.Points(2, 1);
      m.Line(3, 1, 2);
      return;
    case 160: {
      const int count = Value(ops, 0);
      if (count < 0 || count > kLineColorObjects) {
        m.failed = true;
        return;
      }
      for (int i = 4; i < count + 4; ++i) {
        if (step.flag != 0) {
          m.MacroLine(i);
        } else {
          m.MacroCircle(i);
        }
      }
      return;
    }
    case 171: m.MacroLine(0); m.MacroHypercycle(1); m.PointIfMapped(2); return;
    case 172: m.MacroCircle(0); m.MacroHypercycle(1); m.PointIfMapped(2); return;
    case 173: m.MacroHypercycle(0); m.MacroHypercycle(1); m.PointIfMapped(2); return;
    case 174: m.MacroHorocycle(0); m.MacroHorocycle(1); m.PointIfMapped(2); return;
    case 175: m.MacroLine(0); m.MacroHorocycle(1); m.PointIfMapped(2); return;
    case 176: m.MacroCircle(0); m.MacroHorocycle(1); m.PointIfMapped(2); return;
    case 177: m.MacroHypercycle(0); m.MacroHorocycle(1); m.PointIfMapped(2); return;
    case 203: case 404:
      m.PointsUnchecked(3, 1);
      return;
    case 208: {
      const int last = 2 * Value(ops, 0) + 1;
      if (last < 1 || last >= kernel::kConstructionOperands) {
        m.failed = true;
        return;
      }
      m.PointsUnchecked(last, 1);
      std::string text;
      for (int j = 1; j <= last; ++j) {
        r.target.AppendPointName(text, Value(ops, j));
        if (j == last - 1) {
          text += ';';
        } else if (j % 2 == 0 && j < last) {
          text += ',';
        }
      }
      if (text.size() > kStepTextChars) {
        m.failed = true;
        return;
      }
      step.text[0] = text;
      return;
    }
    case 210:
      m.PointsUnchecked(std::clamp(Value(ops, 1) + 1, 0, kernel::kConstructionOperands - 2), 2);
      return;
    case 310: m.PointsUnchecked(3); return;
    case 311: m.PointsUnchecked(4); return;
    case 351: m.Points(2, 1); return;
    case 353: case 373: m.Points(5); return;
    case 374: case 375: case 376: case 378:
      m.Points(4);
      m.Surface(9);
      m.Surface(8);
      m.Surface(7);
      return;
    case 377:
      m.Points(5);
      m.Surface(9);
      return;
    case 379: m.Surface(0, true); return;
    case 380:
      if (step.flag != 0) m.List(39, 0, false);
      if (!r.attributeCopy) ops[38] = r.fillColour;
      return;
    case 381: m.List(37, 2, false); return;
    case 382: case 385: m.Surface(0); return;
    case 384:
      if (step.flag != 0) {
        m.Surface(9);
      } else {
        m.List(37, 1, false);
      }
      return;
    case 387: m.List(38, 1, true); return;
    case 401: case 446: {
      const int count = Value(ops, 0);
      m.Point(1);
      m.Point(2);
      if (count > 1) m.Point(3);
      if (count >= 3) m.Point(4);
      return;
    }
    case 440: case 448:
      if (step.flag != 0) {
        m.Points(3);
      } else {
        m.failed = true;
      }
      return;
    case 441: case 450:
      m.Points(step.flag != 0 ? 5 : 3);
      return;
    default: return;
  }
}

}  // namespace

int MapMacroPoint(const MacroRemap& r, int p) {
  if (p < 0 || p >= static_cast<int>(r.pointMap.size())) return -1;
  return r.pointMap[static_cast<std::size_t>(p)];
}

int MapMacroLine(const MacroRemap& r, int l) {
  if (l < kFirstAxisCode) return l;
  if (l < 0 || l > r.macro.last_line) return -1;
  const kernel::IndexList& list = r.macro.lines[static_cast<std::size_t>(l)].points;
  if (list.count < 1) return -1;
  return engine::FindLineThrough(r.target, MapMacroPoint(r, list.entries[0]),
                                 MapMacroPoint(r, list.entries[static_cast<std::size_t>(list.count - 1)]));
}

int MapMacroCircle(const MacroRemap& r, int c) {
  if (c < 0 || c > r.macro.last_circle) return -1;
  return CircleAbout(r, MapMacroPoint(r, r.macro.circles[static_cast<std::size_t>(c)].centre), c);
}

int MapMacroHypercycle(const MacroRemap& r, int h) {
  if (h < 0 || h > r.macro.last_hypercycle) return -1;
  const kernel::HypCurveRecord& curve = r.macro.hypercycles[static_cast<std::size_t>(h)];
  return engine::FindHypercycleThrough(r.target, MapMacroLine(r, curve.owner), MapMacroPoint(r, curve.index1));
}

int MapMacroHorocycle(const MacroRemap& r, int h) {
  if (h < 0 || h > r.macro.last_horocycle) return -1;
  const kernel::HypCurveRecord& curve = r.macro.horocycles[static_cast<std::size_t>(h)];
  const int a = MapMacroPoint(r, curve.owner);
  const int b = MapMacroPoint(r, curve.index1);
  const int c = MapMacroPoint(r, curve.index2);
  if (a < 0 || b < 0 || c < 0) return -1;
  for (int i = 0; i <= r.target.last_horocycle; ++i) {
    const kernel::HypCurveRecord& found = r.target.horocycles[static_cast<std::size_t>(i)];
    if (r.target.horocycle_points[static_cast<std::size_t>(i)].exists && found.owner == a && found.index1 == b &&
        found.index2 == c) {
      return i;
    }
  }
  return -1;
}

int TranslateStepText(std::string& text, const MacroRemap& r) {
  if (text.empty()) return 0;
  std::string work = text;
  std::erase(work, ' ');
  for (char& c : work) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  kernel::InsertSubscriptMarks(work);
  if (const int e = engine::ExpandUserFunctions(work, r.functions)) return e;
  int depth = 0;
  for (const char c : work) {
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return engine::kMsgCannotUnderstand;
  }
  if (depth != 0) return engine::kMsgCannotUnderstand;

  std::string rebuilt;
  std::array<std::uint16_t, kLabelRoom> labels{};
  for (std::size_t i = 0; i < work.size();) {
    // Names of functions and measuring terms stand in brackets and are no labels.
    if (work[i] == '[') {
      const std::size_t close = work.find(']', i + 1);
      if (close == std::string::npos) return engine::kMsgCannotUnderstand;
      rebuilt += work.substr(i, close + 1 - i);
      i = close + 1;
      continue;
    }
    if (!IsLabelStart(work[i])) {
      rebuilt += work[i++];
      continue;
    }
    std::size_t end = i + 1;
    while (end < work.size() && IsLabelContinuation(work[end])) ++end;
    std::string run = work.substr(i, end - i);
    const int last = kernel::LabelToIndex(run, labels);
    if (last < 0) return engine::kMsgCannotUnderstand;
    for (int k = 0; k <= last; ++k) {
      const int label = labels[static_cast<std::size_t>(k)];
      const int macroPoint = label < static_cast<int>(r.macro.label_map.size()) ? r.macro.label_map[static_cast<std::size_t>(label)] : -1;
      const int p = MapMacroPoint(r, macroPoint);
      if (p < 0 || r.target.AppendPointName(rebuilt, p) == 0) return engine::kMsgCannotUnderstand;
    }
    i = end;
  }
  if (rebuilt.size() > kStepTextChars) return engine::kMsgOutOfBounds;
  text = rebuilt;
  return 0;
}

int RemapStep(kernel::ConstructionRecord& step, const MacroRemap& r) {
  int error = 0;
  if (step.kind != 208) error = TranslateStepText(step.text[0], r);
  for (std::size_t k = 1; k < step.text.size() && error == 0; ++k) error = TranslateStepText(step.text[k], r);
  const std::array<int, 3> offsets{r.pointOffset, r.firstOffset, r.secondOffset};
  for (std::size_t k = 0; k < step.extra_words.size(); ++k) {
    // A counter the step never set stays unset.
    if (step.extra_words[k] == kernel::kNoOperand) continue;
    step.extra_words[k] = static_cast<std::uint16_t>(static_cast<std::int16_t>(step.extra_words[k]) + offsets[k]);
  }
  if (step.kind < 81 || step.kind > 450) return error;
  Operands ops = step.operands;
  OperandRemap remap(r, ops);
  RemapOperands(step, ops, remap, r);
  step.operands = ops;
  if (error == 0 && remap.failed) error = engine::kMsgCannotUnderstand;
  return error;
}

}  // namespace plane
