#include "plane/fill_dlg.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "plane/conic_inventories.h"
#include "plane/geom_e_win.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"

namespace plane {

namespace {

constexpr int kMsgCouldNotFind = 2;
constexpr int kMsgMakeSelection = 15;
constexpr int kMsgMissingData = 24;
constexpr int kStringCareful = 2;
constexpr int kStringConic = 123;
constexpr int kStringDeleteAll = 147;
constexpr int kStringFirstPattern = 154;
constexpr int kStringWith = 161;
constexpr int kStringNotUsed = 162;
constexpr int kStringPolygon = 796;
constexpr int kStringUnknown = 402;
constexpr int kStringFillCaption = 124;
constexpr std::size_t kVertexTextChars = 500;
constexpr int kMostVertices = 100;
constexpr std::uint16_t kListEnd = kernel::kFillListEnd;
constexpr std::uint16_t kVertexEnd = 0x8000;
// The fill colour of a window that has none of its own yet: light blue.
constexpr std::uint16_t kFirstFillColor = 25;

std::string Word(int id) { return resources::LoadString(id); }

}  // namespace

TFillDlg::TFillDlg(TGeomEWin* window) : TDlg(window, "FILLDLG"), window_(window) {}

void TFillDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemText(kFillPatternName, Word(kStringFirstPattern + pattern));
  ListSetHorizontalExtent(kFillList, 1000);
  ListSetHorizontalExtent(kFillCurves, 1000);
  const platform::FontSpec font = window_->SlotFont(0);
  for (const int id : {kFillVertices, kFillList, kFillCurves}) SetItemFont(id, font);
  SetTextLimit(kFillVertices, static_cast<int>(kVertexTextChars));
  CheckItem(kFillPolygonChoice, true);
  CheckItem(kFillCurveChoice, false);
  CheckItem(kFillBefore, false);
  CheckItem(kFillAfter, true);
  CheckItem(kFillMouse, false);
  // A fill in the background's colour would not show: a window without a fill colour gets one.
  std::uint16_t& colour = window_->preWin.roles[kFillColorRole];
  if (colour == 0 || colour == window_->preWin.roles[0]) colour = kFirstFillColor;
  Refresh();
}

void TFillDlg::Refresh() {
  FillCurveList();
  FillFillList();
}

bool TFillDlg::OnCommand(int id) {
  switch (id) {
    case kFillColor:
      window_->EditColorRole(kStringFillCaption, &window_->preWin.roles[kFillColorRole], kFillColorRole, {});
      return true;
    case kFillPattern: NextPattern(); return true;
    case kFillMake: Fill(); return true;
    case kFillDeleteOne: DeleteOne(); return true;
    case kFillDeleteAll: DeleteAll(); return true;
    case 1:
    case 2: Hide(); return true;
    default: return TDlg::OnCommand(id);
  }
}

void TFillDlg::OnNotify(int id, platform::ControlNotification what) {
  if (id == kFillCurves && what == platform::ControlNotification::SelectionChanged) {
    chosen = ListCount(kFillCurves) == 0 ? -1 : ListSelection(kFillCurves);
  }
}

void TFillDlg::NextPattern() {
  pattern = (pattern + 1) % kFillPatterns;
  SetItemText(kFillPatternName, Word(kStringFirstPattern + pattern));
}

void TFillDlg::FillCurveList() {
  const engine::FigureTables& t = window_->tables();
  const engine::StepEngine& e = window_->stepEngine;
  ListClear(kFillCurves);
  std::string text;
  for (int c = 0; c <= t.last_circle; ++c) {
    e.CircleText(c, text, false, false, false);
    if (!t.circles[c].exists) text += " [" + Word(kStringNotUsed) + "]";
    ListAdd(kFillCurves, text);
  }
  const ConicInventories& lists = window_->conics;
  for (const auto* list : {&lists.twoFoci, &lists.threePoint}) {
    for (const ConicDefinition& node : *list) {
      const ConicDefinitionFields f = ReadDefinition(node);
      text.clear();
      e.ConicDefinitionText(text, f.points[0], f.points[1], f.points[2], f.text, f.code, f.colour);
      ListAdd(kFillCurves, text);
    }
  }
  for (const kernel::ConicRecord& conic : lists.fivePoint) {
    text = Word(kStringConic) + "(";
    for (const std::uint16_t p : conic.point_slots) t.AppendPointName(text, p);
    ListAdd(kFillCurves, text + ")");
  }
  for (const kernel::EquationRecord& equation : lists.equations) {
    text = Word(kStringConic) + " ";
    kernel::FormatConicEquation(text, equation.coefficient_texts);
    ListAdd(kFillCurves, text);
  }
  chosen = ListCount(kFillCurves) == 0 ? -1 : 0;
  ListSelect(kFillCurves, chosen);
}

std::string TFillDlg::FillText(const kernel::FillRecord& record) const {
  const engine::FigureTables& t = window_->tables();
  const engine::StepEngine& e = window_->stepEngine;
  std::string text;
  switch (record.mode) {
    case kernel::kFillPolygon:
      text = Word(kStringPolygon) + " ";
      for (const std::uint16_t p : record.vertices) {
        if (p >= kVertexEnd) break;
        t.AppendPointName(text, p);
      }
      break;
    case kernel::kFillInsideCircle: e.CircleText(record.circle, text, false, false, false); break;
    case 2:
    case 3:
      e.ConicDefinitionText(text, record.vertices[0], record.vertices[1], record.mode == 3 ? record.vertices[2] : record.vertices[1],
                            record.expression, record.word4, record.word212);
      break;
    case 5:
      text = Word(kStringConic) + " ";
      for (int k = 0; k < 5 && record.vertices[static_cast<std::size_t>(k)] < kVertexEnd; ++k) {
        t.AppendPointName(text, record.vertices[static_cast<std::size_t>(k)]);
      }
      break;
    case 4:
      text = Word(kStringConic) + " ";
      kernel::FormatConicEquation(text, record.texts);
      break;
    default: text = Word(kStringUnknown); break;
  }
  const int patternIndex = std::clamp<int>(record.word214, 0, kFillPatterns - 1);
  text += " " + Word(kStringWith) + " " + Word(kStringFirstPattern + patternIndex) + " " + window_->RgbText(record.style);
  return text;
}

void TFillDlg::FillFillList() {
  ListClear(kFillList);
  for (const kernel::FillRecord& record : window_->fills) ListAdd(kFillList, FillText(record));
  SetItemText(kFillVertices, "");
  FocusItem(kFillVertices);
}

int TFillDlg::TakeCurve(kernel::FillRecord& record) const {
  if (chosen < 0) return kMsgMakeSelection;
  const engine::FigureTables& t = window_->tables();
  if (chosen <= t.last_circle) {
    if (!t.circles[chosen].exists) return kMsgCouldNotFind;
    record.mode = kernel::kFillInsideCircle;
    record.circle = static_cast<std::int16_t>(chosen);
    return 0;
  }
  const ConicInventories& lists = window_->conics;
  const ConicInventories::Entry entry = lists.EntryAt(chosen - t.last_circle - 1);
  if (!entry.Found()) return kMsgCouldNotFind;
  const CurveListPlace& place = entry.place;
  switch (place.list) {
    case kCurveListTwoFoci:
    case kCurveListThreePoint: {
      const ConicDefinitionFields f = ReadDefinition(*entry.definition);
      const int n = place.list == kCurveListTwoFoci ? 2 : 3;
      record.mode = static_cast<std::uint16_t>(place.list);
      for (int k = 0; k < n; ++k) record.vertices[static_cast<std::size_t>(k)] = f.points[static_cast<std::size_t>(k)];
      record.vertices[static_cast<std::size_t>(n)] = kListEnd;
      record.word4 = f.code;
      record.word212 = f.colour;
      record.expression = f.text.substr(0, kernel::kFillExpressionChars);
      record.value276 = f.value;
      return 0;
    }
    case kCurveListFivePoint: {
      const kernel::ConicRecord& conic = *entry.conic;
      record.mode = kCurveListFivePoint;
      std::copy(conic.point_slots.begin(), conic.point_slots.end(), record.vertices.begin());
      record.vertices[5] = kListEnd;
      record.word212 = conic.drawing_word;
      return 0;
    }
    default: {
      const kernel::EquationRecord& equation = *entry.equation;
      record.mode = kCurveListEquation;
      kernel::AllocFillTexts(record);
      for (std::size_t k = 0; k < record.texts.size(); ++k) {
        record.texts[k] = equation.coefficient_texts[k].substr(0, kernel::kFillTextChars);
      }
      record.word212 = equation.word;
      return 0;
    }
  }
}

int TFillDlg::Fill() {
  kernel::FillRecord record;
  kernel::InitFillRecord(record);
  record.style = window_->preWin.roles[kFillColorRole];
  record.word214 = static_cast<std::uint16_t>(pattern);
  int code = 0;
  if (IsChecked(kFillPolygonChoice)) {
    std::string text = GetItemText(kFillVertices).substr(0, kVertexTextChars);
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    std::vector<std::uint16_t> list(kMostVertices + 1, 0);
    const engine::FigureTables& t = window_->tables();
    const int last = t.ParsePointList(text, list, kMostVertices);
    // The leading points that exist; the list ends at the first entry that names none.
    int n = 0;
    while (n <= last && t.PointExists(list[static_cast<std::size_t>(n)])) {
      record.vertices[static_cast<std::size_t>(n)] = list[static_cast<std::size_t>(n)];
      ++n;
    }
    record.vertices[static_cast<std::size_t>(n)] = kListEnd;
    record.mode = kernel::kFillPolygon;
    if (n < 3) code = kMsgMissingData;
    else kernel::DropClosingVertex(record);
  } else {
    code = TakeCurve(record);
  }
  if (code != 0) {
    window_->Msg(code);
    return code;
  }
  std::vector<kernel::FillRecord>& fills = window_->fills;
  const int selected = ListCount(kFillList) == 0 ? -1 : ListSelection(kFillList);
  const bool before = IsChecked(kFillBefore);
  std::size_t at = fills.size();
  if (selected < 0) at = before ? 0 : fills.size();
  else at = static_cast<std::size_t>(selected) + (before ? 0 : 1);
  fills.insert(fills.begin() + static_cast<std::ptrdiff_t>(std::min(at, fills.size())), std::move(record));
  FillsChanged();
  window_->SetModified();
  return 0;
}

int TFillDlg::DeleteOne() {
  const int count = ListCount(kFillList);
  const int selected = count == 1 ? 0 : ListSelection(kFillList);
  std::vector<kernel::FillRecord>& fills = window_->fills;
  if (count == 0 || selected < 0 || static_cast<std::size_t>(selected) >= fills.size()) {
    window_->Msg(kMsgMakeSelection);
    return kMsgMakeSelection;
  }
  fills.erase(fills.begin() + selected);
  FillsChanged();
  window_->SetModified();
  const int left = ListCount(kFillList);
  if (left > 0) ListSelect(kFillList, selected < left ? selected : 0);
  return 0;
}

bool TFillDlg::DeleteAll() {
  if (window_->AskBox(Word(kStringDeleteAll), Word(kStringCareful), shell::kAskYesNo) != platform::IDYES)
    return false;
  if (window_->fills.empty()) return false;
  window_->TruncateItemList(0);
  window_->SetModified();
  FillsChanged();
  return true;
}

void TFillDlg::FillsChanged() {
  std::uint16_t sequence = 0;
  for (kernel::FillRecord& record : window_->fills) record.word0 = sequence++;
  window_->wing.pictureValid = 0;
  window_->Invalidate(false);
  FillFillList();
}

}  // namespace plane
