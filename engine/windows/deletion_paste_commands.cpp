// Deleting lines and circles as steps of the history, and points made from the numbers of text on
// the clipboard.
#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "engine/object_list_text.h"
#include "engine/windows/geom10_win.h"
#include "kernel/construction_record.h"
#include "platform/clipboard.h"
#include "platform/message_box.h"

namespace engine {

namespace {

constexpr int kDeleteLinesKind = 142;
constexpr int kDeleteCircleKind = 143;
constexpr int kDeleteAllLinesKind = 144;

constexpr int kStringLineDeletion = 219;
constexpr int kStringMakeList = 105;
constexpr int kAskChars = 41;
constexpr int kDeletionListEntries = 200;
// The (point, point, line) triples one deletion command collects, and how many one step holds.
constexpr std::size_t kDeletionWords = 996;
constexpr std::size_t kStepWords = 39;

std::int16_t Op(int value) { return static_cast<std::int16_t>(value); }

}  // namespace

std::vector<std::array<int, 3>> TGeom10Win::LinesToDelete(std::string text) const {
  std::vector<std::array<int, 3>> triples;
  std::array<std::uint16_t, kDeletionListEntries + 1> list{};
  const int n = tables().ParsePointList(text, list, kDeletionListEntries) + 1;
  for (int i = 1; i < n; ++i) {
    const int p = list[static_cast<std::size_t>(i - 1)];
    const int q = list[static_cast<std::size_t>(i)];
    if (p == q || !tables().PointExists(p) || !tables().PointExists(q)) continue;
    const int line = FindLineThrough(p, q);
    if (line < 0 || 3 * (triples.size() + 1) > kDeletionWords) continue;
    triples.push_back({p, q, line});
  }
  return triples;
}

int TGeom10Win::DeleteLines(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  std::string parsed = text;
  std::array<std::uint16_t, kDeletionListEntries + 1> list{};
  const int n = tables().ParsePointList(parsed, list, kDeletionListEntries) + 1;
  if (std::count_if(list.begin(), list.begin() + std::max(n, 0), [](std::uint16_t e) { return e != kGroupEnd; }) < 2) {
    return kMsgCannotUnderstand;
  }
  const std::vector<std::array<int, 3>> triples = LinesToDelete(text);
  constexpr std::size_t kTriplesPerStep = kStepWords / 3;
  for (std::size_t first = 0; first < triples.size(); first += kTriplesPerStep) {
    kernel::ConstructionRecord& step = history().BeginStep(kDeleteLinesKind);
    step.text[0] = text.substr(0, kernel::kConstructionTextFieldChars);
    const std::size_t end = std::min(triples.size(), first + kTriplesPerStep);
    for (std::size_t k = first; k < end; ++k) {
      for (std::size_t j = 0; j < 3; ++j) step.operands[3 * (k - first) + j] = static_cast<std::uint16_t>(triples[k][j]);
    }
    // Unused words stay kNoOperand, which ends the list.
    RunNewStep();
  }
  if (!triples.empty()) {
    wing.pictureValid = 0;
    RefreshDialogLists();
  }
  return 0;
}

void TGeom10Win::CmDeleteLines() {
  std::string text;
  if (AskValue(kStringLineDeletion, kStringMakeList, text, kAskChars) != platform::IDOK) return;
  if (const int code = DeleteLines(std::move(text)); code > 0) Msg(code);
}

void TGeom10Win::CmDeleteAllLines() {
  history().BeginStep(kDeleteAllLinesKind);
  RunNewStep();
  wing.pictureValid = 0;
  RefreshDialogLists();
}

int TGeom10Win::NewCircleDeletionStep(int circle) {
  const FigureTables& t = tables();
  if (circle < 0 || circle > t.last_circle || !t.circles[static_cast<std::size_t>(circle)].exists) {
    return kMsgCouldNotFind;
  }
  const kernel::CircleRecord& c = t.circles[static_cast<std::size_t>(circle)];
  history().BeginStep(kDeleteCircleKind, Op(c.centre), Op(c.count > 0 ? c.points[0] : -1), Op(circle));
  RunNewStep();
  wing.pictureValid = 0;
  RefreshDialogLists();
  return 0;
}

int TGeom10Win::ImportPointsText(std::string_view text) {
  const std::vector<std::string> numbers = PastedNumbers(text);
  const std::size_t group = dimension() == 3 ? 3 : 2;
  int code = kMsgNothingToDo;
  for (std::size_t k = 0; k + group <= numbers.size(); k += group) {
    if (group == 3) {
      DialogTexts texts{numbers[k], numbers[k + 1], numbers[k + 2], "", ""};
      code = DoPointFromCoordinates3D(texts, 2);
      continue;
    }
    std::string x = numbers[k];
    std::string y = numbers[k + 1];
    code = DoPointFromCoordinates(x, y);
    if (code != 0) break;
  }
  if (code <= 0) wing.pictureValid = 0;
  return code;
}

void TGeom10Win::CmPasteCoordinates() {
  if (PasteClipboardText(0) != 0) Msg(kMsgNothingToDo);
}

int TGeom10Win::StripBrackets(std::string& text) {
  const std::size_t close = text.rfind(']');
  if (close == std::string::npos) return kMsgCouldNotFind;
  text = close >= 1 ? text.substr(1, close - 1) : std::string();
  return 0;
}

}  // namespace engine
