// The construction commands the plane, hyperbolic, spherical and 3-D windows share: segments,
// lines and rays between typed points, centroids, intersections, parallels and perpendiculars,
// tangents, angles and the division of circles. Each builds the pending step from what was typed,
// runs it through the executor of its kind and commits it, or drops it and gives the tables back.
#include <algorithm>
#include <array>
#include <span>

#include "engine/relabel_steps.h"
#include "engine/windows/do_undo_dlg.h"
#include "engine/windows/func_dlg.h"
#include "engine/windows/geom10_win.h"
#include "engine/windows/line_attribute_dlg.h"
#include "engine/windows/slide_dlg.h"
#include "engine/windows/tool_dlg.h"
#include "kernel/construction_record.h"
#include "kernel/line_circle_records.h"
#include "platform/message_box.h"
#include "resources/resource_library.h"

namespace engine {

namespace {

constexpr int kCmdSegments = 771;
constexpr int kCmdLines = 779;
constexpr int kCmdRays = 792;
constexpr int kCmdLineIntersection = 780;
constexpr int kCmdPolygonCentroid = 765;
constexpr int kCmdVertexCentroid = 766;
constexpr int kCmdPenAttributes = 879;
constexpr int kCmdCoordinates = 789;

constexpr int kLineKind = 116;
constexpr int kRayKind = 117;
constexpr int kCentroidKind = 108;
constexpr int kCoordinatePointKind = 122;
constexpr int kLineLineKind = 103;
constexpr int kLineCircleKind = 104;
constexpr int kCircleCircleKind = 105;
constexpr int kAngleKind = 114;
constexpr int kParallelPerpendicularKind = 115;
constexpr int kOrthogonalArcKind = 118;
constexpr int kCircleDivisionKind = 102;
constexpr int kTangentsFromPointKind = 135;
constexpr int kTangentAtPointKind = 136;
constexpr int kCommonTangentsKind = 137;

constexpr int kXAxis = -10;
constexpr int kYAxis = -20;

constexpr int kMsgPointAlreadyLabeled = 102;
constexpr int kMsgMakeSelection = 15;
constexpr int kMsgOutOfLabels = 116;
constexpr int kMsgTooManyLines = 117;
constexpr int kMsgCollinear = 129;
constexpr int kMsgNoSuchSegment = 135;
constexpr int kMsgAlreadyDrawn = 137;

constexpr int kStringNewSegment = 237;
constexpr int kStringNewLine = 280;
constexpr int kStringNewRay = 279;
constexpr int kStringMakeList = 105;
constexpr int kStringVertices = 733;
constexpr int kStringAxis = 763;

// A typed list: 99 points, and the closing group mark.
constexpr int kListPoints = 99;
constexpr int kCircleListLabels = 98;
constexpr int kAskChars = 41;
constexpr std::size_t kStepTextChars = kernel::kConstructionTextFieldChars;
constexpr std::uint16_t kJoinedTextMarker = 2008;
// Tangents need room for two points and two lines.
constexpr int kTangentPointRoom = kLastPointLimit - 2;
constexpr int kTangentLineRoom = kLastLineLimit - 2;

void UpperCase(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

// The points of a typed list (labels in use only, groups ended by 10000): their number, the mark
// after the last group not counted.
int ListPoints(const FigureTables& t, std::string text, std::span<std::uint16_t> out) {
  int n = t.ParsePointList(text, out, static_cast<int>(out.size()) - 1) + 1;
  if (n > 0 && out[static_cast<std::size_t>(n - 1)] == kGroupEnd) --n;
  return n;
}

}  // namespace

TGeom10Win::~TGeom10Win() {
  for (auto& dialog : sliderDialogs_) dialog.reset();
  attributeDialog_.reset();
  intersectionDialog_.reset();
  coordinateDialog_.reset();
  functionDialog_.reset();
  perpendicularDialog_.reset();
  altitudeDialog_.reset();
  divideCirclesDialog_.reset();
  toolbar_.reset();
}

// --- Dialogs --------------------------------------------------------------------------------

void TGeom10Win::SetStepAttributes(int first) {
  kernel::ConstructionRecord* step = history().pending();
  if (step == nullptr) return;
  kernel::SetConstructionOperands3(*step, first,
                                   {lineAttributes.colour, lineAttributes.thickness, lineAttributes.style});
}

int TGeom10Win::DoDialogAction(int actionKind, DialogTexts& texts, int choice, int extra) {
  const int code = RunDialogAction(*this, actionKind, texts, choice, extra);
  if (code > 0) Msg(code);
  return code == 0 ? 1 : 0;
}

void TGeom10Win::AddConstructionDialog(TDoUndoDlg* dialog) { constructionDialogs_.push_back(dialog); }

void TGeom10Win::RemoveConstructionDialog(TDoUndoDlg* dialog) { std::erase(constructionDialogs_, dialog); }

void TGeom10Win::RefreshConstructionDialogs() {
  for (TDoUndoDlg* dialog : constructionDialogs_) dialog->RefreshUndo();
}

void TGeom10Win::SetupMenuChecks(bool redraw) {
  TGeom09Win::SetupMenuChecks(redraw);
  for (const int id : {kCmdFillOpaque, kCmdFillNotXor, kCmdFillXor}) CheckMenu(id, id == fillMixMode);
  if (toolbar_ && toolbar_->IsCreated()) toolbar_->ShowMode();
  RefreshConstructionDialogs();
}

void TGeom10Win::ShowLineAttributes() {
  if (!attributeDialog_) attributeDialog_ = std::make_unique<TCTSDlg>(this, &lineAttributes);
  attributeDialog_->Show();
}

bool TGeom10Win::OnCommand(int id) {
  switch (id) {
    case kCmdSegments: NewSegments(); return true;
    case kCmdLines: NewSegmentLineRay(kLineKind); return true;
    case kCmdRays: NewSegmentLineRay(kRayKind); return true;
    case kCmdLineIntersection: ShowLineIntersectionDialog(); return true;
    case kCmdPolygonCentroid: NewCentroidStep(2); return true;
    case kCmdVertexCentroid: NewCentroidStep(0); return true;
    case kCmdPenAttributes: ShowLineAttributes(); return true;
    case kCmdCoordinates: ShowCoordinateDialog(); return true;
    case kCmdFillOpaque:
    case kCmdFillNotXor:
    case kCmdFillXor: SetFillMixMode(id); return true;
    case kCmdUserFunctions: ShowFunctionDialog(); return true;
    case kCmdZeroData: CmZeroData(); return true;
    case kCmdReplaySlowMotion: CmReplaySlowMotion(); return true;
    case kCmdToolbar: ShowToolbar(); return true;
    default:
      if (TriangleUnitMenuCommand(id)) return true;
      return ObjectCommand(id) || DialogOpenerCommand(id) || PointDialogOpenerCommand(id) || TGeom09Win::OnCommand(id);
  }
}

int TGeom10Win::RunBuiltStep() {
  const int code = RunNewStep();
  return code > 0 ? code : 0;
}

// --- Segments, lines, rays and centroids ----------------------------------------------------

int TGeom10Win::NewSegmentLineRay(int kind) {
  std::string text;
  const int prompt = kind == kLineKind ? kStringNewLine : kind == kRayKind ? kStringNewRay : kStringNewSegment;
  if (AskValue(prompt, kStringMakeList, text, kAskChars) != platform::IDOK) return -1;
  const int code = SegmentsLinesRays(kind, std::move(text));
  if (code > 0) Msg(code);
  return code;
}

int TGeom10Win::SegmentsLinesRays(int kind, std::string text) {
  UpperCase(text);
  std::array<std::uint16_t, kListPoints + 1> list{};
  const int n = ListPoints(tables(), text, list);
  if (n < 2) return kMsgCannotUnderstand;
  int code = 0;
  bool handled = false;
  for (int i = 1; i < n; ++i) {
    const int p = list[static_cast<std::size_t>(i - 1)];
    const int q = list[static_cast<std::size_t>(i)];
    if (p == q || !tables().PointExists(p) || !tables().PointExists(q)) continue;
    handled = true;
    if (FindLineThrough(p, q) >= 0) {
      code = kMsgAlreadyDrawn;
      continue;
    }
    history().BeginStep(static_cast<kernel::StepKind>(kind), Op(p), Op(q));
    SetStepAttributes(3);
    code = RunBuiltStep();
  }
  // A list none of whose pairs names two different points says so.
  return handled ? code : kMsgNothingToDo;
}

int TGeom10Win::NewCentroidStep(int mode) {
  std::string text;
  if (!tables().ListPointNames(text, 3)) return -1;
  if (AskValue(kStringVertices, kStringMakeList, text, kAskChars) != platform::IDOK) return -1;
  const int code = CentroidStep(mode, std::move(text));
  if (code > 0) Msg(code);
  return code;
}

int TGeom10Win::CentroidStep(int mode, std::string text) {
  UpperCase(text);
  kernel::ConstructionRecord& step = history().BeginStep(kCentroidKind, Op(mode));
  step.text[0] = text.substr(0, kStepTextChars);
  const int code = RunBuiltStep();
  if (code == 0) wing.pictureValid = 0;
  return code;
}

// --- Intersections ----------------------------------------------------------------------------

namespace {

// A typed line: its index (or an axis) and, for a real line, the two typed points in the order
// they stand on it.
struct TypedLine {
  int line = -1;
  int a = -1;
  int b = -1;
};

}  // namespace

int TGeom10Win::ParseLineText(std::string text, int& line) const {
  UpperCase(text);
  line = -1;
  if (text == "XX" || text == "YY") {
    if (model().Hyperbolic || model().Spherical) return 1;
    line = text == "XX" ? kXAxis : kYAxis;
    return 0;
  }
  std::array<std::uint16_t, 4> points{};
  if (ListPoints(tables(), text, points) != 2) return 1;
  line = FindLineThrough(points[0], points[1]);
  return line >= 0 ? 0 : 1;
}

int TGeom10Win::DoLineIntersection(std::string& line1, std::string& line2) {
  std::array<TypedLine, 2> lines;
  const std::array<std::string*, 2> texts{&line1, &line2};
  for (std::size_t k = 0; k < 2; ++k) {
    TypedLine& l = lines[k];
    if (ParseLineText(*texts[k], l.line) != 0) return kMsgCannotUnderstand;
    if (l.line < 0) continue;
    std::array<std::uint16_t, 4> points{};
    ListPoints(tables(), *texts[k], points);
    // The earlier on the line first.
    const kernel::IndexList& list = tables().lines[static_cast<std::size_t>(l.line)].points;
    const auto begin = list.entries.begin();
    const auto end = begin + std::clamp<int>(list.count, 0, kCurvePointLimit);
    const bool swapped = std::find(begin, end, points[1]) < std::find(begin, end, points[0]);
    l.a = swapped ? points[1] : points[0];
    l.b = swapped ? points[0] : points[1];
  }
  kernel::ConstructionRecord& step =
      history().BeginStep(kLineLineKind, Op(lines[0].a), Op(lines[0].b), Op(lines[1].a), Op(lines[1].b),
                          Op(lines[0].line), Op(lines[1].line));
  if (model().Spherical && lines[0].line >= 0 && lines[1].line >= 0) {
    const kernel::IndexList& l1 = tables().lines[static_cast<std::size_t>(lines[0].line)].points;
    const kernel::IndexList& l2 = tables().lines[static_cast<std::size_t>(lines[1].line)].points;
    std::array<std::uint16_t, 2> common{};
    if (kernel::IndexListsCommon(std::span(l1.entries.data(), static_cast<std::size_t>(std::max<int>(0, l1.count))),
                                 std::span(l2.entries.data(), static_cast<std::size_t>(std::max<int>(0, l2.count))),
                                 common) > 0) {
      step.operands[6] = common[0];
    }
  }
  return RunBuiltStep();
}

void TGeom10Win::ShowLineIntersectionDialog() {
  std::array<std::string, 2> names;
  int found = 0;
  const FigureTables& t = tables();
  for (int i = 0; i <= t.last_line && found < 2; ++i) {
    const kernel::SegmentRecord& line = t.lines[static_cast<std::size_t>(i)];
    if (!line.exists || line.pen.style == kHiddenLineStyle || line.points.count < 2) continue;
    std::string& name = names[static_cast<std::size_t>(found++)];
    t.AppendPointName(name, line.points.entries[0]);
    t.AppendPointName(name, line.points.entries[static_cast<std::size_t>(line.points.count - 1)]);
  }
  if (found < 2 && model().Spherical) return;
  if (found == 0) names[0] = "XX";
  if (found < 2) names[1] = "YY";
  if (!intersectionDialog_) {
    intersectionDialog_ = std::make_unique<TDoUndoDlg>(this, "INTLL", 9, kLineLineKind, kDoUndoTextLimit,
                                                       DialogTexts{names[0], names[1], "", "", ""});
  }
  intersectionDialog_->Show();
}

int TGeom10Win::NewLineCircleIntersection(int line, int circle) {
  const FigureTables& t = tables();
  if (circle < 0 || circle > t.last_circle || !t.circles[static_cast<std::size_t>(circle)].exists) {
    return kMsgCouldNotFind;
  }
  const kernel::CircleRecord& c = t.circles[static_cast<std::size_t>(circle)];
  int a = -1;
  int b = -1;
  int common = -1;
  if (line >= 0) {
    if (line > t.last_line || !t.lines[static_cast<std::size_t>(line)].exists) return kMsgCouldNotFind;
    const kernel::IndexList& l = t.lines[static_cast<std::size_t>(line)].points;
    const std::size_t n = static_cast<std::size_t>(std::clamp<int>(l.count, 0, kCurvePointLimit));
    a = l.entries[0];
    b = l.entries[n - 1];
    std::array<std::uint16_t, 2> shared{};
    const int count = kernel::IndexListsCommon(
        std::span(l.entries.data(), n),
        std::span(c.points.data(), static_cast<std::size_t>(std::clamp<int>(c.count, 0, kCurvePointLimit))), shared);
    if (count == 2) return kMsgPointAlreadyLabeled;
    if (count == 1) common = shared[0];
  } else if (line != kXAxis && line != kYAxis) {
    return kMsgCouldNotFind;
  }
  const int onCircle = c.count > 0 ? c.points[0] : -1;
  kernel::ConstructionRecord& step =
      history().BeginStep(kLineCircleKind, Op(a), Op(b), Op(c.centre), Op(onCircle), Op(line), Op(circle));
  if (common >= 0) step.operands[6] = static_cast<std::uint16_t>(common);
  return RunBuiltStep();
}

int TGeom10Win::NewCircleCircleIntersection(int circle1, int circle2) {
  const FigureTables& t = tables();
  for (const int i : {circle1, circle2}) {
    if (i < 0 || i > t.last_circle || !t.circles[static_cast<std::size_t>(i)].exists) {
      Msg(kMsgCouldNotFind);
      return kMsgCouldNotFind;
    }
  }
  const kernel::CircleRecord& c1 = t.circles[static_cast<std::size_t>(circle1)];
  const kernel::CircleRecord& c2 = t.circles[static_cast<std::size_t>(circle2)];
  history().BeginStep(kCircleCircleKind, Op(c1.centre), Op(c1.count > 0 ? c1.points[0] : -1), Op(c2.centre),
                      Op(c2.count > 0 ? c2.points[0] : -1), Op(circle1), Op(circle2));
  const int code = RunBuiltStep();
  if (code > 0) Msg(code);
  return code;
}

// --- Parallels, perpendiculars, tangents ------------------------------------------------------

int TGeom10Win::DoParallelPerpendicular(std::string& lineText, std::string& pointText, int mode) {
  std::string line = lineText.substr(0, kStepTextChars);
  const std::string point = pointText.substr(0, kStepTextChars);
  const int p = FindPointByName(point);
  if (p < 0) return kMsgCouldNotFind;
  UpperCase(line);
  std::string stepLine = line;
  int lineIndex = -1;
  if (!line.empty() && line.front() == '[') {
    const std::size_t close = line.find(']');
    if (close == std::string::npos) return kMsgCouldNotFind;
    stepLine = line.substr(1, close - 1);
    mode += 40;
  } else if (line == "XX") {
    mode += 10;
    lineIndex = kXAxis;
    stepLine = std::string("x ") + resources::LoadString(kStringAxis);
  } else if (line == "YY") {
    mode += 20;
    lineIndex = kYAxis;
    stepLine = std::string("y ") + resources::LoadString(kStringAxis);
  }
  int a = -1;
  int b = -1;
  if (mode < 5) {
    std::array<std::uint16_t, 4> points{};
    if (ListPoints(tables(), line, points) != 2) return kMsgCouldNotFind;
    a = points[0];
    b = points[1];
    if (a == b) return kMsgDuplicateLabel;
    lineIndex = FindLineThrough(a, b);
    if (lineIndex < 0) return kMsgNoSuchSegment;
    // Through a point of the line only the perpendicular is drawn.
    if (mode != 3 && (p == a || p == b || FindLineThrough(p, a) == lineIndex)) return kMsgCollinear;
  }
  kernel::ConstructionRecord& step =
      history().BeginStep(kParallelPerpendicularKind, Op(p), Op(a), Op(b), Op(lineIndex), Op(mode), -1);
  SetStepAttributes(5);
  step.text[0] = point;
  step.text[2] = stepLine.substr(0, kStepTextChars);
  return RunBuiltStep();
}

int TGeom10Win::NewTangentStep(int curve, std::string pointText, int curveClass) {
  const FigureTables& t = tables();
  int code = 0;
  if (t.last_point > kTangentPointRoom) code = kMsgOutOfLabels;
  if (t.last_line > kTangentLineRoom) code = kMsgTooManyLines;
  if (curve < 0) code = kMsgMakeSelection;
  const int p = FindPointByName(pointText);
  const bool circleMissing =
      curveClass == 0 && curve >= 0 && (curve > t.last_circle || !t.circles[static_cast<std::size_t>(curve)].exists);
  if (p < 0 || !t.PointExists(p) || circleMissing) code = kMsgCouldNotFind;
  // Tangents to conics and curves of the curve lists are the plane layers' own.
  if (code == 0 && curveClass != 0) code = kMsgCouldNotFind;
  if (code != 0) {
    Msg(code);
    return code;
  }
  const kernel::CircleRecord& c = t.circles[static_cast<std::size_t>(curve)];
  const auto listed = c.points.begin() + std::clamp<int>(c.count, 0, kCurvePointLimit);
  if (std::find(c.points.begin(), listed, static_cast<std::uint16_t>(p)) == listed) {
    // The circle by its centre, a listed point and its index; the outside point between them.
    history().BeginStep(kTangentsFromPointKind, Op(c.centre), Op(c.count > 0 ? c.points[0] : -1), Op(p), Op(curve));
    SetStepAttributes(4);
  } else {
    history().BeginStep(kTangentAtPointKind, Op(c.centre), Op(p), Op(curve));
    SetStepAttributes(3);
  }
  code = RunBuiltStep();
  if (code > 0) Msg(code);
  return code;
}

int TGeom10Win::NewCommonTangentStep(int circle1, int circle2, int flag, int kind) {
  if (kind != kCommonTangentsKind) return 0;
  const FigureTables& t = tables();
  int code = 0;
  if (circle1 < 0 || circle2 < 0) {
    code = kMsgMakeSelection;
  } else if (circle1 > t.last_circle || circle2 > t.last_circle || !t.circles[static_cast<std::size_t>(circle1)].exists ||
             !t.circles[static_cast<std::size_t>(circle2)].exists) {
    code = kMsgCouldNotFind;
  } else if (circle1 == circle2) {
    code = kMsgNothingToDo;
  }
  if (code == 0) {
    const kernel::CircleRecord& c1 = t.circles[static_cast<std::size_t>(circle1)];
    const kernel::CircleRecord& c2 = t.circles[static_cast<std::size_t>(circle2)];
    kernel::ConstructionRecord& step =
        history().BeginStep(kCommonTangentsKind, Op(c1.centre), Op(c1.count > 0 ? c1.points[0] : -1), Op(circle1),
                            Op(c2.centre), Op(c2.count > 0 ? c2.points[0] : -1), Op(circle2));
    step.flag = static_cast<std::uint8_t>(flag);
    SetStepAttributes(6);
    code = RunBuiltStep();
  }
  if (code > 0) Msg(code);
  return code;
}

int TGeom10Win::NewOrthogonalArcStep(int circle, std::string text) {
  UpperCase(text);
  std::array<std::uint16_t, 4> points{};
  int code = 0;
  if (ListPoints(tables(), text, points) != 2 || !tables().PointExists(points[0]) ||
      !tables().PointExists(points[1])) {
    code = kMsgCouldNotFind;
  } else {
    history().BeginStep(kOrthogonalArcKind, static_cast<std::int16_t>(circle), Op(points[0]), Op(points[1]));
    code = RunBuiltStep();
  }
  if (code > 0) Msg(code);
  return code;
}

// --- Points at coordinates ------------------------------------------------------------------

void TGeom10Win::ShowCoordinateDialog() {
  if (!coordinateDialog_) {
    coordinateDialog_ = std::make_unique<TDoUndoDlg>(this, "XYINPUT", 13, kCoordinatePointKind, kDoUndoTextLimit,
                                                     DialogTexts{"0.0", "0.0", "", "", ""});
  }
  coordinateDialog_->Show();
}

int TGeom10Win::DoPointFromCoordinates(std::string& x, std::string& y) {
  kernel::ConstructionRecord& step = history().BeginStep(kCoordinatePointKind);
  if (x.size() > kStepTextChars || y.size() > kStepTextChars) {
    // Long expressions go into the joined texts as a list.
    kernel::SplitConstructionText(step, x + "," + y + ",");
    step.operands[8] = 0;
  } else {
    step.text[0] = x;
    step.text[1] = y;
  }
  return RunBuiltStep();
}

// --- Angles, division of circles, labels ------------------------------------------------------

int TGeom10Win::DoDrawAngle(std::string& pointText, std::string& value) {
  std::array<std::uint16_t, kListPoints + 1> list{};
  if (ListPoints(tables(), pointText, list) < 2) return kMsgCannotUnderstand;
  kernel::ConstructionRecord& step = history().BeginStep(kAngleKind, Op(list[0]), Op(list[1]));
  SetStepAttributes(3);
  if (value.size() > kStepTextChars) {
    kernel::SplitConstructionText(step, value);
    step.operands[8] = kJoinedTextMarker;
  } else {
    step.text[0] = value;
  }
  return RunBuiltStep();
}

int TGeom10Win::DoDivideCircles(std::string& circles, std::string& count) {
  std::array<std::uint16_t, kCircleListLabels + 1> list{};
  int n = ListPoints(tables(), circles, list);
  // The labels go in pairs whatever separates them.
  n = static_cast<int>(std::remove(list.begin(), list.begin() + n, kGroupEnd) - list.begin());
  if (n < 2) return kMsgCannotUnderstand;
  for (int i = 0; i + 1 < n; i += 2) {
    const int centre = list[static_cast<std::size_t>(i)];
    const int point = list[static_cast<std::size_t>(i + 1)];
    if (!tables().PointExists(centre) || !tables().PointExists(point)) return kMsgCouldNotFind;
    const int circle = FindCircle(centre, point, -1.0L);
    if (circle < 0) return kMsgCouldNotFind;
    kernel::ConstructionRecord& step = history().BeginStep(kCircleDivisionKind, Op(centre), Op(point), Op(circle));
    step.text[0] = count.substr(0, kStepTextChars);
    if (const int code = RunBuiltStep(); code != 0) return code;
  }
  return 0;
}

int TGeom10Win::DoRelabelOrSwap(std::string& t1, std::string& t2) {
  const std::size_t before = history().steps.size();
  // The figure's texts follow the labels.
  const int code =
      ChangeFigureTexts([&](std::span<std::string> texts) { return RelabelOrSwap(stepEngine, texts, t1, t2); });
  if (history().steps.size() != before) {
    SetModified();
    wing.pictureValid = 0;
    Invalidate(false);
    SetupMenuChecks(true);
  }
  return code;
}

}  // namespace engine
