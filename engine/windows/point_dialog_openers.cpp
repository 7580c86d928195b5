// The construction dialogs of a point on a segment, in a triangle or on a polygon, of the common
// perpendicular of two lines and of new angles at a ray, with the texts they open with; and the
// point on a typed polygon they hand on.
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "engine/line_suggestions.h"
#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/geom10_win.h"
#include "kernel/construction_record.h"
#include "kernel/random.h"

namespace engine {

namespace {

constexpr int kCmdPointOnSegment = 794;
constexpr int kCmdPointInTriangle = 795;
constexpr int kCmdPointInTetrahedron = 796;
constexpr int kCmdPointOnPolygon = 891;
constexpr int kCmdCommonPerpendicular = 665;
constexpr int kCmdNewAngles = 774;

constexpr int kRelativePointFirstAction = 4;  // action n + 4 for n relative coordinates
constexpr int kSpaceRelativeKind = 401;
constexpr int kDivisionPointKind = 101;
constexpr int kPointInTriangleKind = 106;
constexpr int kPolygonPointAction = 18;
constexpr int kPolygonPointKind = 204;
constexpr int kCommonPerpendicularAction = 22;
constexpr int kCommonPerpendicularKind = 139;
constexpr int kDrawAngleAction = 1;
constexpr int kAngleKind = 114;

constexpr int kPolygonVertices = 24;
constexpr int kPolygonEntries = 99;
// The random place of a new point on a polygon: a whole side k plus a fraction within it.
constexpr Real kLowFraction = 0.2L;
constexpr Real kHighFraction = 0.8L;

// The names of the last n existing points, in table order; empty when there are fewer.
std::string LastPointNames(const FigureTables& t, int n) {
  std::array<int, 4> found{};
  int count = 0;
  for (int i = t.last_point; i >= 0 && count < n; --i) {
    if (t.PointExists(i)) found[static_cast<std::size_t>(count++)] = i;
  }
  std::string text;
  if (count < n) return text;
  for (int k = n - 1; k >= 0; --k) t.AppendPointName(text, found[static_cast<std::size_t>(k)]);
  return text;
}

}  // namespace

bool TGeom10Win::PointDialogOpenerCommand(int id) {
  switch (id) {
    case kCmdPointOnSegment: ShowRelativePointDialog(1); return true;
    case kCmdPointInTriangle: ShowRelativePointDialog(2); return true;
    case kCmdPointInTetrahedron:
      if (dimension() < 3) return false;
      ShowRelativePointDialog(3);
      return true;
    case kCmdPointOnPolygon: ShowPolygonPointDialog(); return true;
    case kCmdCommonPerpendicular: ShowCommonPerpendicularDialog(); return true;
    case kCmdNewAngles: ShowNewAngleDialog(); return true;
    default: return false;
  }
}

void TGeom10Win::ShowRelativePointDialog(int n) {
  if (tables().last_point >= kLastPointLimit || n < 1 || n > 3) return;
  std::unique_ptr<TDoUndoDlg>& dialog = relativePointDialogs_[static_cast<std::size_t>(n - 1)];
  if (!dialog) {
    const std::string points = LastPointNames(tables(), n + 1);
    if (points.empty()) return;
    const std::string share = "1/" + std::to_string(n + 1);
    int undo = kSpaceRelativeKind;
    if (dimension() == 2) undo = n == 1 ? kDivisionPointKind : kPointInTriangleKind;
    dialog = std::make_unique<TDoUndoDlg>(this, "RELCOO" + std::to_string(n), kRelativePointFirstAction + n, undo,
                                          kDoUndoTextLimit, DialogTexts{points, share, share, share, ""});
  }
  dialog->Show();
}

void TGeom10Win::ShowPolygonPointDialog() {
  if (!polygonPointDialog_) {
    const std::string vertices = LastPointNames(tables(), 3);
    if (vertices.empty()) return;
    polygonPointDialog_ = std::make_unique<TDoUndoDlg>(this, "POLYPT", kPolygonPointAction, kPolygonPointKind,
                                                       kDoUndoTextLimit, DialogTexts{vertices, "0.72", "", "", ""});
  }
  polygonPointDialog_->Show();
}

void TGeom10Win::ShowCommonPerpendicularDialog() {
  if (!commonPerpendicularDialog_) {
    std::string first;
    std::string second;
    if (!SuggestLineInput(tables(), first, LineSuggestion::kTwoLines, second)) return;
    commonPerpendicularDialog_ =
        std::make_unique<TDoUndoDlg>(this, "COMMPERP", kCommonPerpendicularAction, kCommonPerpendicularKind,
                                     kDoUndoTextLimit, DialogTexts{first, second, "", "", ""});
  }
  commonPerpendicularDialog_->Show();
}

void TGeom10Win::ShowNewAngleDialog() {
  if (!newAngleDialog_) {
    if (tables().last_point >= kLastPointLimit) return;
    std::string ray;
    std::string unused;
    if (!SuggestLineInput(tables(), ray, LineSuggestion::kLine, unused)) return;
    newAngleDialog_ = std::make_unique<TDoUndoDlg>(this, "DRANG", kDrawAngleAction, kAngleKind, kDoUndoTextLimit,
                                                   DialogTexts{ray, "60.0", "", "", ""});
  }
  newAngleDialog_->Show();
}

int TGeom10Win::DoPointOnPolygon(std::string& vertices, std::string& parameter, int choice) {
  FigureTables& t = tables();
  std::string text = vertices.substr(0, kernel::kConstructionTextFieldChars);
  std::array<std::uint16_t, kPolygonEntries + 1> list{};
  const int last = t.ParsePointList(text, list, kPolygonEntries);
  // The vertices, whatever separates them.
  const auto end = std::remove(list.begin(), list.begin() + std::max(last + 1, 0), kGroupEnd);
  const int n = static_cast<int>(end - list.begin());
  if (n > kPolygonVertices) return kMsgOutOfBounds;
  if (n < 2) return kMsgCouldNotFind;
  for (int k = 0; k < n; ++k) {
    if (!t.PointExists(list[static_cast<std::size_t>(k)])) return kMsgCouldNotFind;
  }
  if (t.last_point >= kLastPointLimit) return kMsgNoMoreRoom;
  // The new point's place along the polygon, side by side.
  const int sides = n > 2 && list[static_cast<std::size_t>(n - 1)] == list[0] ? n - 1 : n;
  const Real side = std::floor(kernel::RandomBetween(0, static_cast<Real>(sides)));
  t.attrs[static_cast<std::size_t>(t.last_point + 1)].value =
      std::min(side, static_cast<Real>(sides - 1)) + kernel::RandomBetween(kLowFraction, kHighFraction);
  kernel::ConstructionRecord& step = history().BeginStep(kPolygonPointKind);
  for (int k = 0; k < n; ++k) step.operands[static_cast<std::size_t>(k)] = list[static_cast<std::size_t>(k)];
  step.flag = choice == 2 ? 1 : 0;
  step.text[0] = text.substr(0, kernel::kConstructionTextFieldChars);
  step.text[1] = parameter.substr(0, kernel::kConstructionTextFieldChars);
  const int code = RunNewStep();
  if (code <= 0) {
    wing.pictureValid = 0;
    RefreshDialogLists();
  }
  return code > 0 ? code : 0;
}

}  // namespace engine
