// The steps of the circle-and-arc dialog and of the duplication dialog, and the lists of circles
// and curves the dialogs offer.
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "engine/windows/geom10_win.h"
#include "kernel/construction_record.h"
#include "kernel/random.h"
#include "platform/dialog.h"
#include "resources/resource_library.h"

namespace engine {

namespace {

constexpr int kCircleThroughKind = 91;
constexpr int kCircleRadiusKind = 92;
constexpr int kArcBetweenKind = 93;
constexpr int kArcAngleKind = 94;
constexpr int kCopyKind = 90;
constexpr int kCopyKind3D = 390;

constexpr std::uint16_t kJoinedTextMarker = 2008;
constexpr std::size_t kStoredTextChars = 3 * kernel::kConstructionTextFieldChars;
constexpr int kRandomAngleSteps = 10000;
constexpr int kCopyListEntries = 7878;
constexpr Real kSmallestFactor = static_cast<Real>(1e-16);
constexpr int kStringNotUsed = 162;
constexpr int kColorKind = 160;
constexpr int kFirstAttributeObject = 4;

void UpperCase(std::string& text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
}

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

int TGeom10Win::CmArcDialogOk(int mode, const ArcDialogTexts& texts, bool flag) {
  const int centre = FindPointByName(texts.centre);
  int code = centre < 0 ? kMsgCouldNotFind : 0;
  int kind = kArcAngleKind;
  int second = -1;
  int third = -1;
  std::string typed;
  if (code == 0) {
    switch (mode) {
      case 1:
        kind = kCircleThroughKind;
        second = FindPointByName(texts.point);
        if (second < 0) code = kMsgCouldNotFind;
        break;
      case 2:
        kind = kCircleRadiusKind;
        second = kernel::Rand31() % kRandomAngleSteps;
        typed = texts.radius;
        break;
      case 3:
        kind = kArcBetweenKind;
        second = FindPointByName(texts.first);
        third = FindPointByName(texts.second);
        if (second < 0 || third < 0) code = kMsgCouldNotFind;
        break;
      default:
        second = FindPointByName(texts.first);
        if (second < 0) code = kMsgCouldNotFind;
        typed = texts.angle;
        break;
    }
  }
  // A text is stored whole or not at all.
  if (code == 0 && typed.size() > kStoredTextChars) code = kMsgTextsTooLong;
  if (code != 0) {
    Msg(code);
    return 0;
  }
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind), Op(centre), Op(second),
                                                         Op(third));
  SetStepAttributes(3);
  if (kind == kArcBetweenKind) step.flag = flag ? 1 : 0;
  UpperCase(typed);
  if (typed.size() < kernel::kConstructionTextFieldChars) {
    step.text[0] = typed;
  } else {
    kernel::SplitConstructionText(step, typed);
    step.operands[8] = kJoinedTextMarker;
  }
  code = RunNewStep();
  if (code > 0) {
    Msg(code);
    return 0;
  }
  RefreshDialogLists();
  return 1;
}

int TGeom10Win::NewListFactorStep(std::string listText, std::string factorText, bool flag) {
  UpperCase(listText);
  const std::string typedList = listText;
  std::vector<std::uint16_t> list(kCopyListEntries + 1);
  const int count = tables().ParsePointList(listText, list, kCopyListEntries) + 1;
  int code = 0;
  if (count <= 0) code = kMsgCannotUnderstand;
  else if (count + tables().last_point > kLastPointLimit) code = kMsgCouldNotFind;
  Real factor = 0;
  if (code == 0) {
    ExprValue value;
    std::string expression = factorText;
    if (CompileExpression(expression, value) != 0) {
      code = kMsgCannotUnderstand;
    } else {
      factor = value.x;
      if (!(std::fabs(factor) >= kSmallestFactor)) code = kMsgPositiveValue;
    }
  }
  if (code != 0) {
    Msg(code);
    return code;
  }
  const int kind = dimension() > 2 ? kCopyKind3D : kCopyKind;
  kernel::ConstructionRecord& step = history().BeginStep(static_cast<kernel::StepKind>(kind));
  step.flag = flag ? 1 : 0;
  step.text[1] = typedList.substr(0, kernel::kConstructionTextFieldChars);
  step.text[0] = factorText.substr(0, kernel::kConstructionTextFieldChars);
  step.parameters[0] = factor;
  step.operands[39] = 1;
  code = RunNewStep();
  if (code > 0) {
    Msg(code);
    return code;
  }
  PushUndoMark(static_cast<std::uint16_t>(kind));
  TransformFills();
  Update(true);
  wing.pictureValid = 0;
  Invalidate(false);
  return 0;
}

int TGeom10Win::NewColorStep(bool lines, const std::string& text, const std::vector<int>& objects, int thickness,
                             int style, int colour) {
  const int n = static_cast<int>(objects.size());
  if (n < 1 || kFirstAttributeObject + n > kernel::kConstructionOperands) return kMsgCannotUnderstand;
  kernel::ConstructionRecord& step =
      history().BeginStep(kColorKind, Op(n), Op(colour), Op(style), Op(thickness));
  step.flag = lines ? 1 : 0;
  for (int k = 0; k < n; ++k) step.operands[static_cast<std::size_t>(kFirstAttributeObject + k)] = static_cast<std::uint16_t>(objects[static_cast<std::size_t>(k)]);
  step.text[0] = text.substr(0, kernel::kConstructionTextFieldChars);
  const int code = RunNewStep();
  if (code <= 0) {
    wing.pictureValid = 0;
    Invalidate(false);
  }
  return code > 0 ? code : 0;
}

std::vector<std::string> TGeom10Win::ElementTexts(int mode) const {
  std::vector<std::string> lines;
  if (mode == 0 || mode == 4) {
    std::string text;
    for (int i = 0; i <= tables().last_circle; ++i) {
      if (stepEngine.CircleText(i, text, false, false, false) == 0) {
        text += " [" + resources::LoadString(kStringNotUsed) + "]";
      }
      lines.push_back(text);
    }
  }
  if (mode == 1 || mode == 4) AppendCurveTexts(lines);
  return lines;
}

int TGeom10Win::ElementText(platform::Dialog& dialog, int listId, int mode) {
  dialog.ListClear(listId);
  const std::vector<std::string> lines = ElementTexts(mode);
  for (const std::string& line : lines) dialog.ListAdd(listId, line);
  return static_cast<int>(lines.size());
}

}  // namespace engine
