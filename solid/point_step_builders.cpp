// The steps the construction dialogs and the slider dialog make in space: the foot of the
// perpendicular from a point to a line or a plane, the common perpendicular of two lines and a new
// movable point where another point stands. Each checks what was typed, builds the step and runs
// it; a step that fails is not kept and gives back its points.
#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <span>
#include <string>

#include "kernel/construction_record.h"
#include "resources/resource_library.h"
#include "solid/geom_ps_win.h"

namespace solid {

namespace {

constexpr int kFootToLineKind = 402;
constexpr int kFootToPlaneKind = 403;
constexpr int kCommonPerpendicularKind = 139;
constexpr int kMovablePointKind = 121;
constexpr int kMsgDuplicateLabel = 122;
constexpr int kStringPlane = 749;
constexpr int kStringAxis = 763;
constexpr int kMostListedPoints = 20;
constexpr int kLinePoints = 3;
constexpr std::size_t kTextChars = kernel::kConstructionTextFieldChars;

std::uint16_t Op(int value) { return static_cast<std::uint16_t>(value); }

std::string UpperCase(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// 1, 2 or 3 for "XX"/"XXX", "YY"/"YYY", "ZZ"/"ZZZ"; -1 for a list of points.
int AxisCode(const std::string& upper) {
  static constexpr std::array<const char*, 3> kDoubled{"XX", "YY", "ZZ"};
  static constexpr std::array<const char*, 3> kTripled{"XXX", "YYY", "ZZZ"};
  for (int k = 0; k < 3; ++k) {
    if (upper == kDoubled[static_cast<std::size_t>(k)] || upper == kTripled[static_cast<std::size_t>(k)]) return k + 1;
  }
  return -1;
}

// "x axis" for an axis; for a coordinate plane the other two letters: "yz plane".
std::string AxisOrPlaneName(int code, bool axis) {
  static constexpr std::array<const char*, 3> kAxes{"x", "y", "z"};
  static constexpr std::array<const char*, 3> kPlanes{"yz", "xz", "xy"};
  const auto k = static_cast<std::size_t>(code - 1);
  return axis ? std::string(kAxes[k]) + " " + resources::LoadString(kStringAxis)
              : std::string(kPlanes[k]) + " " + resources::LoadString(kStringPlane);
}

// The points of a typed list, without its closing group mark.
int ParseListed(const engine::FigureTables& t, std::string text, std::span<std::uint16_t> out, int most) {
  int count = t.ParsePointList(text, out, most) + 1;
  while (count > 0 && out[static_cast<std::size_t>(count - 1)] == engine::kGroupEnd) --count;
  return count;
}

// A typed line's text as the step keeps it: a closing separator dropped, 40 characters at most.
std::string StepLineText(std::string text) {
  if (!text.empty() && (text.back() == ',' || text.back() == ' ')) text.pop_back();
  return text.substr(0, kTextChars);
}

}  // namespace

int TGeomPSWin::DoAltitude3D(int mode, std::string& lineOrPlane, std::string& pointName) {
  const bool toLine = mode == 1;
  const int needed = toLine ? 2 : 3;
  const engine::FigureTables& t = tables();
  const int p = FindPointByName(pointName);
  if (p < 0 || !t.PointExists(p)) return engine::kMsgCouldNotFind;
  const std::string upper = UpperCase(lineOrPlane);
  const int code = AxisCode(upper);
  std::array<std::uint16_t, kMostListedPoints + 1> entries{};
  entries.fill(Op(p));
  int count = kLinePoints;
  if (code < 0) count = ParseListed(t, upper, entries, kMostListedPoints);
  if (count < needed || !t.AllPointsExist(needed, entries)) return engine::kMsgCouldNotFind;
  if (code < 0 && (entries[0] == entries[1] || (!toLine && (entries[1] == entries[2] || entries[2] == entries[0])))) {
    return kMsgDuplicateLabel;
  }
  kernel::ConstructionRecord& step = toLine ? history().BeginStep(kFootToLineKind)
                                            : history().BeginStep(kFootToPlaneKind);
  for (int k = 0; k < needed; ++k) step.operands[static_cast<std::size_t>(k)] = entries[static_cast<std::size_t>(k)];
  step.operands[static_cast<std::size_t>(needed)] = Op(p);
  step.operands[static_cast<std::size_t>(needed + 1)] = Op(code);
  step.text[2] = code < 0 ? upper.substr(0, kTextChars) : AxisOrPlaneName(code, toLine);
  const int result = RunNewStep();
  if (result <= 0) tables().names[static_cast<std::size_t>(t.last_point)].shown = 1;
  return std::max(result, 0);
}

int TGeomPSWin::DoCommonPerpendicular(std::string& firstLine, std::string& secondLine) {
  const engine::FigureTables& t = tables();
  std::array<std::uint16_t, kLinePoints + 1> first{};
  std::array<std::uint16_t, kLinePoints + 1> second{};
  if (ParseListed(t, firstLine, first, kLinePoints) < 2 || ParseListed(t, secondLine, second, kLinePoints) < 2) {
    return engine::kMsgCouldNotFind;
  }
  if (first[0] == first[1] || second[0] == second[1]) return kMsgDuplicateLabel;
  kernel::ConstructionRecord& step =
      history().BeginStep(kCommonPerpendicularKind, static_cast<std::int16_t>(first[0]),
                          static_cast<std::int16_t>(first[1]), static_cast<std::int16_t>(second[0]),
                          static_cast<std::int16_t>(second[1]));
  step.text[0] = StepLineText(firstLine);
  step.text[1] = StepLineText(secondLine);
  return std::max(RunNewStep(), 0);
}

int TGeomPSWin::NewPointStep(int p) {
  engine::FigureTables& t = tables();
  if (t.last_point >= engine::kLastPointLimit || t.FindFreeLabel() < 0) {
    Msg(engine::kMsgNoMoreRoom);
    return 0;
  }
  if (!t.PointExists(p)) {
    Msg(engine::kMsgCouldNotFind);
    return 0;
  }
  const auto slot = static_cast<std::size_t>(t.last_point + 1);
  t.xyz[slot] = t.xyz[static_cast<std::size_t>(p)];
  t.names[slot].shown = 1;
  history().BeginStep(kMovablePointKind);
  RunNewStep();
  return 1;
}

}  // namespace solid
