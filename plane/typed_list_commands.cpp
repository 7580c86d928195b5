// The plane commands that build one step per group of a typed point list: Line > Extensions,
// Line > Angles > Bisect old and Point > Random point > on Segment.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/curve_tables.h"
#include "plane/geom_e_win.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"
#include "shell/generic_dialogs.h"

namespace plane {

namespace {

constexpr int kExtensionKind = 112;
constexpr int kBisectorKind = 113;
constexpr int kRandomSegmentPointKind = 81;

constexpr int kStringMakeList = 105;
constexpr int kStringExtensions = 281;
constexpr int kStringBisectAngles = 282;
constexpr int kStringRandomPoint = 270;
constexpr int kStringOn = 202;
constexpr int kStringSegment = 189;
// Input sizes: the text and its end.
constexpr int kExtensionChars = 41;
constexpr int kBisectorChars = 40;
constexpr int kSegmentChars = 41;
constexpr int kListEntries = 99;

constexpr int kMsgDuplicateLabel = 122;
constexpr int kMsgNoSuchLine = 105;

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

// The points a text names, whatever separates them.
std::vector<int> ListedPoints(const engine::FigureTables& t, std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  std::array<std::uint16_t, kListEntries + 1> list{};
  const int last = t.ParsePointList(text, list, kListEntries);
  std::vector<int> points;
  for (int k = 0; k <= last; ++k) {
    if (list[static_cast<std::size_t>(k)] != engine::kGroupEnd) points.push_back(list[static_cast<std::size_t>(k)]);
  }
  return points;
}

// The place of point p in the line's list of points; -1 when it is not listed.
int PlaceOnLine(const kernel::SegmentRecord& line, int p) {
  const int n = std::clamp<int>(line.points.count, 0, engine::kCurvePointLimit);
  for (int k = 0; k < n; ++k) {
    if (line.points.entries[static_cast<std::size_t>(k)] == p) return k;
  }
  return -1;
}

}  // namespace

int TGeomEWin::ToggleExtensions(std::string text) {
  const engine::FigureTables& t = tables();
  const std::vector<int> points = ListedPoints(t, std::move(text));
  if (points.size() < 2) return engine::kMsgCannotUnderstand;
  int code = 0;
  for (std::size_t k = 0; k + 1 < points.size() && code == 0; k += 2) {
    const int a = points[k];
    const int b = points[k + 1];
    if (!t.PointExists(a) || !t.PointExists(b)) {
      code = engine::kMsgCouldNotFind;
    } else if (a == b) {
      code = kMsgDuplicateLabel;
    } else if (const int line = FindLineThrough(a, b); line < 0) {
      code = kMsgNoSuchLine;
    } else {
      const kernel::SegmentRecord& record = t.lines[static_cast<std::size_t>(line)];
      history().BeginStep(kExtensionKind, Op(PlaceOnLine(record, b) - PlaceOnLine(record, a)), Op(line));
      code = std::max(RunNewStep(), 0);
    }
  }
  wing.pictureValid = 0;
  Invalidate(false);
  return code;
}

int TGeomEWin::BisectOldAngles(std::string text) {
  const engine::FigureTables& t = tables();
  const std::vector<int> points = ListedPoints(t, std::move(text));
  if (points.size() < 3) return engine::kMsgCannotUnderstand;
  int code = 0;
  for (std::size_t k = 0; k + 2 < points.size() && code == 0; k += 3) {
    if (!t.PointExists(points[k]) || !t.PointExists(points[k + 1]) || !t.PointExists(points[k + 2])) {
      code = engine::kMsgCouldNotFind;
      break;
    }
    history().BeginStep(kBisectorKind, Op(points[k]), Op(points[k + 1]), Op(points[k + 2]));
    SetStepAttributes(3);
    code = std::max(RunNewStep(), 0);
  }
  wing.pictureValid = 0;
  RefreshDialogLists();
  return code;
}

int TGeomEWin::RandomPointOnSegment(std::string text) {
  const engine::FigureTables& t = tables();
  const std::vector<int> points = ListedPoints(t, std::move(text));
  if (points.size() < 2) return engine::kMsgCannotUnderstand;
  const int a = points[0];
  const int b = points[1];
  const int line = t.PointExists(a) && t.PointExists(b) ? FindLineThrough(a, b) : -1;
  if (line < 0) return engine::kMsgCouldNotFind;
  if (t.lines[static_cast<std::size_t>(line)].points.count >= engine::kCurvePointLimit) return engine::kMsgNoMoreRoom;
  history().BeginStep(kRandomSegmentPointKind, Op(a), Op(b), Op(line));
  const int code = RunNewStep();
  if (code <= 0) RefreshDialogLists();
  return std::max(code, 0);
}

int TGeomEWin::CmExtensions() {
  std::string text;
  if (AskValue(kStringMakeList, kStringExtensions, text, kExtensionChars) != platform::IDOK) return -1;
  const int code = ToggleExtensions(std::move(text));
  if (code > 0) Msg(code);
  return code;
}

int TGeomEWin::CmBisectOldAngles() {
  std::string text;
  if (AskValue(kStringMakeList, kStringBisectAngles, text, kBisectorChars) != platform::IDOK) return -1;
  const int code = BisectOldAngles(std::move(text));
  if (code > 0) Msg(code);
  return code;
}

int TGeomEWin::CmRandomPointOnSegment() {
  std::string text;
  tables().ListPointNames(text, 2);
  const std::string prompt = resources::LoadString(kStringRandomPoint) + " " + resources::LoadString(kStringOn) + " " +
                             resources::LoadString(kStringSegment);
  shell::TInpDlg dialog(this, resources::LoadString(kStringMakeList), prompt, &text, kSegmentChars);
  if (dialog.Execute() != platform::IDOK) return -1;
  const int code = RandomPointOnSegment(std::move(text));
  if (code > 0) Msg(code);
  return code;
}

}  // namespace plane
