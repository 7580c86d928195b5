// The shared commands that open a construction dialog with texts suggested from the figure, the
// perpendicular bisectors of typed segments, the triangle-centre commands and the chain of circles.
#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <vector>

#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/geom10_win.h"
#include "kernel/construction_record.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"

namespace engine {

namespace {

constexpr int kCmdPerpendicular = 776;
constexpr int kCmdAltitudes = 670;
constexpr int kCmdDivideCircles = 778;
constexpr int kCmdPerpendicularBisectors = 736;
constexpr int kCmdCircumcircle = 761;
constexpr int kCmdCircumcenter = 767;
constexpr int kCmdIncenter = 717;
constexpr int kCmdIncircle = 762;
constexpr int kCmdNinePointCircle = 819;
constexpr int kCmdOrthocenter = 723;
constexpr int kCmdExcircle = 769;
constexpr int kCmdBrocardPoint = 732;
constexpr int kCmdFermatPoint = 725;
constexpr int kCmdPolarTriangle = 837;

constexpr int kPerpendicularAction = 3;
constexpr int kAltitudeAction = 4;
constexpr int kDivideCirclesAction = 8;
constexpr int kParallelPerpendicularKind = 115;
constexpr int kCircleDivisionKind = 102;
constexpr int kDivisionPointKind = 101;
constexpr int kChainKind = 169;

constexpr int kNinePointKind = 99;
constexpr int kIncircleKind = 132;
constexpr int kExcircleKind = 134;
constexpr int kCircumcircleKind = 131;
constexpr int kPolarTriangleKind = 170;

constexpr int kStringMakeList = 105;
constexpr int kStringPerpBisect = 271;
constexpr int kStringListTriangles = 276;
constexpr int kAskChars = 41;
constexpr int kBisectorAskChars = 40;
constexpr int kBisectorEntries = 98;
constexpr int kTriangleEntries = 99;

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

// A triangle-centre command: the step kind it builds, the caption of its question, and the flag
// byte its steps carry (the Brocard point's steps are marked 1).
struct CentreCommand {
  int id;
  int kind;
  int stringId;
  int flag = 0;
};

constexpr std::array kCentreCommands{
    CentreCommand{kCmdCircumcircle, kCircumcircleKind, 277},  CentreCommand{kCmdCircumcenter, 124, 212},
    CentreCommand{kCmdIncenter, 107, 213},                    CentreCommand{kCmdIncircle, kIncircleKind, 278},
    CentreCommand{kCmdNinePointCircle, kNinePointKind, 696},  CentreCommand{kCmdOrthocenter, 128, 778},
    CentreCommand{kCmdExcircle, kExcircleKind, 295},          CentreCommand{kCmdBrocardPoint, 126, 779, 1},
    CentreCommand{kCmdFermatPoint, 125, 780},                 CentreCommand{kCmdPolarTriangle, kPolarTriangleKind, 253},
};

bool UsesSides(int kind) { return kind == kNinePointKind || kind == kIncircleKind || kind == kExcircleKind; }

}  // namespace

bool TGeom10Win::DialogOpenerCommand(int id) {
  switch (id) {
    case kCmdPerpendicular: ShowPerpendicularDialog(false); return true;
    case kCmdAltitudes: ShowPerpendicularDialog(true); return true;
    case kCmdDivideCircles: ShowDivideCirclesDialog(); return true;
    case kCmdPerpendicularBisectors: CmPerpendicularBisectors(); return true;
    default: break;
  }
  for (const CentreCommand& c : kCentreCommands) {
    if (c.id != id) continue;
    // The polar triangle is a command of the sphere only.
    if (c.kind == kPolarTriangleKind && !model().Spherical) return false;
    TriangleCentreCommand(c.kind, c.stringId, c.flag);
    return true;
  }
  return false;
}

DialogTexts TGeom10Win::SuggestLineTexts() const {
  const FigureTables& t = tables();
  DialogTexts texts;
  int line = -1;
  for (int i = 0; i <= t.last_line && line < 0; ++i) {
    const kernel::SegmentRecord& l = t.lines[static_cast<std::size_t>(i)];
    if (l.exists && l.points.count >= 2) line = i;
  }
  int first = -1;
  for (int i = 0; i <= t.last_point && first < 0; ++i) {
    if (t.PointExists(i)) first = i;
  }
  if (line < 0) {
    if (first < 0) return texts;
    texts[0] = "XX";
    t.AppendPointName(texts[1], first);
    return texts;
  }
  const kernel::IndexList& points = t.lines[static_cast<std::size_t>(line)].points;
  t.AppendPointName(texts[0], points.entries[0]);
  t.AppendPointName(texts[0], points.entries[1]);
  // The first point off the line (for an altitude, the opposite vertex).
  int off = -1;
  for (int i = 0; i <= t.last_point && off < 0; ++i) {
    if (!t.PointExists(i)) continue;
    const auto end = points.entries.begin() + std::clamp<int>(points.count, 0, kCurvePointLimit);
    if (std::find(points.entries.begin(), end, static_cast<std::uint16_t>(i)) == end) off = i;
  }
  t.AppendPointName(texts[1], off >= 0 ? off : first);
  return texts;
}

void TGeom10Win::ShowPerpendicularDialog(bool altitude) {
  std::unique_ptr<TDoUndoDlg>& dialog = altitude ? altitudeDialog_ : perpendicularDialog_;
  if (!dialog) {
    const DialogTexts texts = SuggestLineTexts();
    if (texts[0].empty()) return;
    dialog = std::make_unique<TDoUndoDlg>(this, altitude ? "ALTI" : "PERP",
                                          altitude ? kAltitudeAction : kPerpendicularAction,
                                          kParallelPerpendicularKind, kDoUndoTextLimit, texts);
  }
  dialog->Show();
}

void TGeom10Win::ShowDivideCirclesDialog() {
  if (!divideCirclesDialog_) {
    const FigureTables& t = tables();
    int last = -1;
    for (int i = t.last_circle; i >= 0 && last < 0; --i) {
      if (t.circles[static_cast<std::size_t>(i)].exists) last = i;
    }
    if (last < 0) return;
    // The circle by its centre and first point.
    std::string circle;
    t.AppendPointName(circle, t.circles[static_cast<std::size_t>(last)].centre);
    t.AppendPointName(circle, t.circles[static_cast<std::size_t>(last)].points[0]);
    divideCirclesDialog_ = std::make_unique<TDoUndoDlg>(this, "CDIVIS", kDivideCirclesAction, kCircleDivisionKind,
                                                        kDoUndoTextLimit, DialogTexts{circle, "60.0", "", "", ""});
  }
  divideCirclesDialog_->Show();
}

int TGeom10Win::PerpendicularBisectors(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  std::array<std::uint16_t, kBisectorEntries + 1> list{};
  const int n = tables().ParsePointList(text, list, kBisectorEntries) + 1;
  if (n < 2) return kMsgCannotUnderstand;
  int code = 0;
  for (int i = 0; i + 1 < n; i += 3) {
    const int p = list[static_cast<std::size_t>(i)];
    const int q = list[static_cast<std::size_t>(i + 1)];
    const int line = tables().PointExists(p) && tables().PointExists(q) ? FindLineThrough(p, q) : -1;
    if (line < 0) {
      code = kMsgCannotUnderstand;
      break;
    }
    kernel::ConstructionRecord& mid = history().BeginStep(kDivisionPointKind, Op(p), Op(q), Op(line));
    mid.text[0] = "0.5";
    code = RunBuiltStep();
    if (code != 0) break;
    const int midpoint = tables().last_point;
    history().BeginStep(kParallelPerpendicularKind, Op(midpoint), Op(p), Op(q), Op(line), 3, -1);
    SetStepAttributes(5);
    code = RunBuiltStep();
    if (code != 0) break;
  }
  wing.pictureValid = 0;
  Invalidate(false);
  return code;
}

void TGeom10Win::CmPerpendicularBisectors() {
  if (tables().last_line < 0) return;
  std::string text;
  if (AskValue(kStringMakeList, kStringPerpBisect, text, kBisectorAskChars) != platform::IDOK) return;
  if (const int code = PerpendicularBisectors(std::move(text)); code > 0) Msg(code);
}

int TGeom10Win::TriangleCentres(int kind, std::string text, int flag) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  std::array<std::uint16_t, kTriangleEntries + 1> list{};
  const int n = tables().ParsePointList(text, list, kTriangleEntries) + 1;
  if (std::count_if(list.begin(), list.begin() + std::max(n, 0), [](std::uint16_t e) { return e != kGroupEnd; }) < 3) {
    return kMsgCannotUnderstand;
  }
  // One triangle per group of the list (ABC/DEF/...): its first three points. A group that lost a
  // label of a point no longer in the figure is skipped, and the groups after it keep their own points.
  for (int start = 0; start < n;) {
    int end = start;
    while (end < n && list[static_cast<std::size_t>(end)] != kGroupEnd) ++end;
    const int first = start;
    start = end + 1;
    if (end - first < 3) continue;
    const std::array<int, 3> v{list[static_cast<std::size_t>(first)], list[static_cast<std::size_t>(first + 1)],
                               list[static_cast<std::size_t>(first + 2)]};
    if (!tables().PointExists(v[0]) || !tables().PointExists(v[1]) || !tables().PointExists(v[2])) continue;
    std::array<int, 3> sides{-1, -1, -1};
    if (UsesSides(kind)) {
      sides = {FindLineThrough(v[0], v[1]), FindLineThrough(v[1], v[2]), FindLineThrough(v[2], v[0])};
      if (sides[0] < 0 || sides[1] < 0 || sides[2] < 0) return kMsgNoSuchLine;
      if (kind == kNinePointKind) sides = {sides[1], sides[2], sides[0]};
    }
    kernel::ConstructionRecord& step =
        history().BeginStep(static_cast<kernel::StepKind>(kind), Op(v[0]), Op(v[1]), Op(v[2]), Op(sides[0]),
                            Op(sides[1]), Op(sides[2]));
    step.flag = static_cast<std::uint8_t>(flag);
    if (kind == kCircumcircleKind || kind == kPolarTriangleKind) SetStepAttributes(4);
    if (UsesSides(kind)) SetStepAttributes(6);
    if (const int code = RunBuiltStep(); code != 0) return code;
  }
  return 0;
}

void TGeom10Win::TriangleCentreCommand(int kind, int stringId, int flag) {
  std::string text;
  if (!tables().ListPointNames(text, 3)) return;
  if (AskValue(stringId, kStringListTriangles, text, kAskChars) != platform::IDOK) return;
  if (const int code = TriangleCentres(kind, std::move(text), flag); code > 0) Msg(code);
  wing.pictureValid = 0;
  RefreshDialogLists();
}

int TGeom10Win::DoCircleChain(std::string& inner, std::string& radius, int count, int mode) {
  const bool ring = mode >= 1;
  kernel::ConstructionRecord& step = history().BeginStep(kChainKind, Op(count), Op(mode),
                                                         Op(ring ? 3 * count + 1 : 3 * count), Op(count + 1));
  SetStepAttributes(4);
  if (inner.size() > kernel::kConstructionTextFieldChars || radius.size() > kernel::kConstructionTextFieldChars) {
    kernel::SplitConstructionText(step, inner + "," + radius);
    step.operands[8] = 0;
  } else {
    step.text[0] = inner;
    step.text[1] = radius;
  }
  const int code = RunBuiltStep();
  if (code == 0) RefreshDialogLists();
  return code;
}

}  // namespace engine
