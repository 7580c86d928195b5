// Point > on Segment and in Triangle: points at typed relative coordinates of a segment (kind 101)
// or of a triangle (kind 106), from the relative-coordinates dialogs.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "engine/step_engine.h"
#include "kernel/construction_record.h"
#include "plane/geom_c2_win.h"

namespace plane {

namespace {

constexpr int kDivisionPointKind = 101;
constexpr int kPointInTriangleKind = 106;
constexpr int kListEntries = 99;
// Operand 8 of a step whose coordinates were spread over its three texts.
constexpr std::uint16_t kJoinedSegmentCoordinate = 2008;
constexpr std::uint16_t kJoinedTriangleCoordinates = 2007;
constexpr int kMsgDuplicateLabel = 122;
constexpr int kMsgNoSuchSegment = 135;

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

// A coordinate too long for one text field is spread over the step's three texts.
bool Fits(const std::string& text) { return text.size() < kernel::kConstructionTextFieldChars; }

}  // namespace

int TGeomC2Win::DoRelativePoint(int n, std::string& points, std::string& first, std::string& second,
                                std::string& /*third*/) {
  engine::FigureTables& t = tables();
  std::array<std::uint16_t, kListEntries + 1> list{};
  const int entries = t.ParsePointList(points, list, kListEntries) + 1;
  if (n == 2) {
    std::array<int, 3> v{};
    int count = 0;
    for (int k = 0; k < entries && count < 3; ++k) {
      if (list[static_cast<std::size_t>(k)] != engine::kGroupEnd) v[static_cast<std::size_t>(count++)] = list[static_cast<std::size_t>(k)];
    }
    if (count < 3 || !t.PointExists(v[0]) || !t.PointExists(v[1]) || !t.PointExists(v[2])) {
      return engine::kMsgCouldNotFind;
    }
    kernel::ConstructionRecord& step = history().BeginStep(kPointInTriangleKind, 2, Op(v[0]), Op(v[1]), Op(v[2]));
    if (Fits(first) && Fits(second)) {
      step.text[0] = first;
      step.text[1] = second;
    } else {
      // Each coordinate is ended by a comma.
      kernel::SplitConstructionText(step, first + "," + second + ",");
      step.operands[8] = kJoinedTriangleCoordinates;
    }
    const int code = RunNewStep();
    if (code > 0) return code;
    RecomputeMeasurements(t.last_point);
    t.names[static_cast<std::size_t>(t.last_point)].shown = 1;
    return 0;
  }
  if (n != 1) return engine::kMsgCannotUnderstand;
  if (entries < 2) return engine::kMsgCannotUnderstand;
  // The pairs AB of "AB/CD/...".
  for (int k = 0; k + 1 < entries; k += 3) {
    const int a = list[static_cast<std::size_t>(k)];
    const int b = list[static_cast<std::size_t>(k + 1)];
    if (!t.PointExists(a) || !t.PointExists(b)) return engine::kMsgCouldNotFind;
    if (a == b) return kMsgDuplicateLabel;
    const int line = FindLineThrough(a, b);
    if (line < 0) return kMsgNoSuchSegment;
    kernel::ConstructionRecord& step = history().BeginStep(kDivisionPointKind, Op(a), Op(b), Op(line));
    if (Fits(first)) {
      step.text[0] = first;
    } else {
      kernel::SplitConstructionText(step, first);
      step.operands[8] = kJoinedSegmentCoordinate;
    }
    const int code = RunNewStep();
    if (code > 0) return code;
    RecomputeMeasurements(t.last_point);
    t.names[static_cast<std::size_t>(t.last_point)].shown = 1;
  }
  wing.pictureValid = 0;
  return 0;
}

}  // namespace plane
