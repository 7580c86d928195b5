// The markings of a geometry window: made from typed labels, listed, deleted.
#include <array>
#include <string>

#include "engine/curve_tables.h"
#include "engine/windows/geom_win.h"
#include "resources/resource_library.h"

namespace engine {

namespace {

// The words of the marking kinds 1 to 6 ("tick" ... "directed angle") and of the 3-D segment.
constexpr int kStringFirstMarkingWord = 148;
constexpr int kStringSegment = 189;
// The most markings a figure file counts.
constexpr std::size_t kMarkingLimit = 32767;

std::string MarkingWord(int kind) {
  if (kind == kMarkSegment) return resources::LoadString(kStringSegment);
  if (kind < kMarkTick || kind > kMarkDirectedAngle) return "?";
  return resources::LoadString(kStringFirstMarkingWord + kind - 1);
}

bool HasStrokes(int kind) {
  return kind == kMarkTick || kind == kMarkArrow || kind == kMarkAngleArc || kind == kMarkDirectedAngle;
}

}  // namespace

int TGeomWin::AddMarking(const std::string& where, std::uint16_t type, std::int16_t value) {
  if (markings.size() >= kMarkingLimit) return kMsgNoMoreRoom;
  const int kind = type % 10;
  const int wanted = MarksAngle(kind) ? 3 : 2;
  std::string text = where;
  std::array<std::uint16_t, 4> points{};
  const int last = tables().ParseExistingPoints(text, points, 3);
  int count = 0;
  while (count < 3 && points[static_cast<std::size_t>(count)] != 65535) ++count;
  if (last < 0 || count < wanted) return kMsgCouldNotFind;
  if (count > wanted) return kMsgInconsistentData;
  MarkingFields m;
  m.a = static_cast<std::int16_t>(points[0]);
  m.b = static_cast<std::int16_t>(points[1]);
  if (m.a == m.b) return kMsgInconsistentData;
  m.type = type;
  m.value = value;
  if (wanted == 3) {
    m.object = static_cast<std::int16_t>(points[2]);
    if (m.object == m.b) return kMsgInconsistentData;
  } else if (kind != kMarkSegment) {
    m.object = static_cast<std::int16_t>(FindLineThrough(tables(), m.a, m.b));
    if (m.object < 0) return kMsgCouldNotFind;
  }
  markings.push_back(MarkingOfFields(m));
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
  return 0;
}

std::vector<std::string> TGeomWin::MarkingLines() const {
  std::vector<std::string> lines;
  int number = 0;
  for (const Marking& record : markings) {
    const MarkingFields m = FieldsOfMarking(record);
    const int kind = KindOfMarking(m);
    std::string line = MarkingWord(kind) + " " + std::to_string(++number) + " (";
    tables().AppendPointName(line, m.a);
    tables().AppendPointName(line, m.b);
    if (MarksAngle(kind)) tables().AppendPointName(line, m.object);
    line += ")";
    if (HasStrokes(kind)) line += " (mult " + std::to_string(StrokesOfMarking(m)) + ")";
    lines.push_back(std::move(line));
  }
  return lines;
}

void TGeomWin::DeleteMarking(int k) {
  if (k < 0 || static_cast<std::size_t>(k) >= markings.size()) return;
  markings.erase(markings.begin() + k);
  SetModified();
  wing.pictureValid = 0;
  Invalidate(false);
}

void TGeomWin::FreeMarkings() {
  markings.clear();
  wing.pictureValid = 0;
  Invalidate(false);
}

}  // namespace engine
