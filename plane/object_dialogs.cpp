#include "plane/object_dialogs.h"

#include <array>
#include <cctype>
#include <vector>

#include "engine/windows/line_attributes.h"
#include "plane/geom11_win.h"

namespace plane {

namespace {

constexpr int kListExtent = 1000;
constexpr int kLabelFontSlot = 0;
constexpr int kStringAttributes = 232;
constexpr int kPenColourRole = 0;
constexpr std::size_t kThicknessChars = 9;
constexpr std::size_t kLineListChars = 40;
constexpr int kLineListEntries = 107;
constexpr int kMostObjects = 36;

constexpr int kCopyVertices = 211;
constexpr int kCopyFactor = 212;
constexpr int kCopyRotate = 271;
constexpr std::size_t kCopyChars = 255;

constexpr int kRingInner = 211;
constexpr int kRingInnerLabel = 281;
constexpr int kRingRadius = 212;
constexpr int kRingRadiusLabel = 282;
constexpr int kRingCount = 295;
constexpr int kRingClosed = 271;
constexpr int kRingCongruent = 272;
constexpr std::size_t kRingChars = 40;
constexpr int kRingMostCircles = 50;
constexpr int kRingFirstShown = 5;  // "6"
constexpr int kChainAction = 23;
constexpr int kMsgNotEnoughCircles = 146;
constexpr int kMsgTooManyCircles = 147;

constexpr int kArcCentre = 211;
constexpr int kArcPoint = 212;
constexpr int kArcRadius = 213;
constexpr int kArcFirst = 214;
constexpr int kArcSecond = 215;
constexpr int kArcAngle = 216;
constexpr int kArcFirstChoice = 251;
constexpr int kArcChoices = 4;
constexpr int kArcCounterClockwise = 271;
constexpr std::size_t kArcNameChars = 9;
// The circle's radius and the arc's angle are kept whole in the step's three texts.
constexpr std::size_t kArcValueChars = 120;
constexpr int kFirstCircleKind = 91;
constexpr int kLastCircleKind = 94;

constexpr std::array<int, kArcChoices> kArcChoiceFields{kArcPoint, kArcRadius, kArcSecond, kArcAngle};

}  // namespace

// --- Pen of drawn objects -----------------------------------------------------------------------

TAttrDlg::TAttrDlg(TGeom11Win* owner, std::string_view resource) : TStepDlg(owner, resource) {}

void TAttrDlg::SetupWindow() {
  TStepDlg::SetupWindow();
  style = 0;
  SetItemText(kAttrStyleName, owner_->stepEngine.StyleName(style));
  SetItemFont(kAttrThickness, owner_->SlotFont(kLabelFontSlot));
  SetItemText(kAttrThickness, "1");
  owner_->EditColorRole(kStringAttributes, &owner_->lineAttributes.colour, kPenColourRole, {});
  RefreshButtons();
}

void TAttrDlg::RefreshButtons() {
  if (IsCreated()) EnableItem(kStepDlgUndo, LastStepIs(kKind));
}

void TAttrDlg::Hide() {
  TStepDlg::Hide();
  owner_->UpdateColorWindow();
}

bool TAttrDlg::OnCommand(int id) {
  switch (id) {
    case kAttrColor:
      owner_->EditColorRole(kStringAttributes, &owner_->lineAttributes.colour, kPenColourRole, {});
      return true;
    case kAttrStyle:
      style = (style + 1) % engine::kLineStyles;
      SetItemText(kAttrStyleName, owner_->stepEngine.StyleName(style));
      return true;
    case kStepDlgAction:
      Apply();
      RefreshButtons();
      return true;
    case kStepDlgUndo:
      UndoLast(kKind);
      RefreshButtons();
      return true;
    default: return TStepDlg::OnCommand(id);
  }
}

int TAttrDlg::ReadThickness(int& thickness) const {
  std::string text = GetItemText(kAttrThickness);
  if (text.size() > kThicknessChars) text.resize(kThicknessChars);
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const std::size_t digits = i;
  long value = 0;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) != 0) {
    value = value * 10 + (text[i] - '0');
    ++i;
  }
  while (i < text.size() && text[i] == ' ') ++i;
  if (i == digits || i != text.size() || negative) return engine::kMsgPositiveValue;
  if (value > engine::kMaxLineThickness) return engine::kMsgOutOfBounds;
  thickness = static_cast<int>(value);
  return 0;
}

TCircAttrDlg::TCircAttrDlg(TGeom11Win* owner) : TAttrDlg(owner, "CIRCATT") {}

void TCircAttrDlg::SetupWindow() {
  TAttrDlg::SetupWindow();
  RefreshLists();
}

void TCircAttrDlg::RefreshLists() {
  if (!IsCreated()) return;
  ListSetHorizontalExtent(kAttrCircles, kListExtent);
  SetItemFont(kAttrCircles, owner_->SlotFont(kLabelFontSlot));
  owner_->ElementText(*this, kAttrCircles, 0);
}

void TCircAttrDlg::Apply() {
  int thickness = 0;
  if (const int code = ReadThickness(thickness); code != 0) {
    owner_->Msg(code);
    return;
  }
  const std::vector<int> chosen = ListSelections(kAttrCircles);
  if (chosen.empty()) {
    owner_->Msg(kMsgMakeSelection);
    return;
  }
  // One step holds the pen of at most 36 objects.
  if (static_cast<int>(chosen.size()) > kMostObjects) {
    owner_->Msg(engine::kMsgOutOfBounds);
    return;
  }
  std::string text;
  for (const int c : chosen) {
    std::string name;
    owner_->tables().CircleName(c, name);
    text += name + " ";
  }
  if (const int code = owner_->NewColorStep(false, text, chosen, thickness, style, owner_->lineAttributes.colour);
      code > 0) {
    owner_->Msg(code);
  }
}

TLineAttrDlg::TLineAttrDlg(TGeom11Win* owner) : TAttrDlg(owner, "LINEATT") {}

void TLineAttrDlg::SetupWindow() {
  TAttrDlg::SetupWindow();
  SetItemFont(kAttrLines, owner_->SlotFont(kLabelFontSlot));
  SetItemText(kAttrLines, "AB");
}

void TLineAttrDlg::Apply() {
  int thickness = 0;
  if (const int code = ReadThickness(thickness); code != 0) {
    owner_->Msg(code);
    return;
  }
  const std::string typed = UpperText(kAttrLines, kLineListChars);
  std::string parsed = typed;
  std::array<std::uint16_t, kLineListEntries + 1> list{};
  const engine::FigureTables& t = owner_->tables();
  const int n = t.ParsePointList(parsed, list, kLineListEntries) + 1;
  std::vector<int> lines;
  for (int i = 1; i < n && static_cast<int>(lines.size()) < kMostObjects; ++i) {
    const int p = list[static_cast<std::size_t>(i - 1)];
    const int q = list[static_cast<std::size_t>(i)];
    if (p == q || !t.PointExists(p) || !t.PointExists(q)) continue;
    if (const int line = owner_->FindLineThrough(p, q); line >= 0) lines.push_back(line);
  }
  if (lines.empty()) {
    owner_->Msg(engine::kMsgNothingToDo);
    return;
  }
  if (const int code = owner_->NewColorStep(true, typed, lines, thickness, style, owner_->lineAttributes.colour);
      code > 0) {
    owner_->Msg(code);
  }
}

// --- Duplicate ----------------------------------------------------------------------------------

TCopyDlg::TCopyDlg(TGeom11Win* owner) : TStepDlg(owner, "COPY") {}

void TCopyDlg::SetupWindow() {
  TStepDlg::SetupWindow();
  SetItemText(kCopyFactor, "1.0");
  CheckItem(kCopyRotate, true);
  RefreshButtons();
}

void TCopyDlg::ShowWithPoints() {
  if (!IsCreated()) Create();
  std::string range;
  owner_->tables().PointNameRange(range);
  SetItemText(kCopyVertices, range);
  Show();
  RefreshButtons();
}

void TCopyDlg::RefreshButtons() {
  if (IsCreated()) EnableItem(kStepDlgUndo, LastStepIs(owner_->dimension() > 2 ? 390 : 90));
}

void TCopyDlg::Copy() {
  std::string list = GetItemText(kCopyVertices);
  std::string factor = GetItemText(kCopyFactor);
  if (list.size() > kCopyChars) list.resize(kCopyChars);
  if (factor.size() > kCopyChars) factor.resize(kCopyChars);
  owner_->NewListFactorStep(list, factor, IsChecked(kCopyRotate));
  Show();
}

bool TCopyDlg::OnCommand(int id) {
  switch (id) {
    case kStepDlgAction: Copy(); RefreshButtons(); return true;
    case kStepDlgUndo:
      UndoLast(owner_->dimension() > 2 ? 390 : 90);
      RefreshButtons();
      return true;
    default: return TStepDlg::OnCommand(id);
  }
}

// --- Chain of circles ---------------------------------------------------------------------------

TRingDlg::TRingDlg(TGeom11Win* owner) : TStepDlg(owner, "CIRRING") {}

void TRingDlg::SetupWindow() {
  TStepDlg::SetupWindow();
  SetItemText(kRingInner, "1.0");
  SetItemText(kRingRadius, "1.0");
  CheckItem(kRingClosed, true);
  ListClear(kRingCount);
  for (int i = 1; i <= kRingMostCircles; ++i) ListAdd(kRingCount, std::to_string(i));
  ListSelect(kRingCount, kRingFirstShown);
  const bool euclidean = !owner_->model().Hyperbolic && !owner_->model().Spherical;
  CheckItem(kRingCongruent, false);
  ShowItem(kRingCongruent, !euclidean);
  ShowFields();
  RefreshButtons();
}

void TRingDlg::ShowFields() {
  const bool euclidean = !owner_->model().Hyperbolic && !owner_->model().Spherical;
  const bool congruent = !euclidean && IsChecked(kRingCongruent);
  if (congruent) {
    for (const int id : {kRingInner, kRingInnerLabel, kRingRadius, kRingRadiusLabel}) ShowItem(id, false);
    CheckItem(kRingClosed, true);
    return;
  }
  ShowItem(kRingInner, true);
  ShowItem(kRingInnerLabel, true);
  const bool ring = IsChecked(kRingClosed);
  ShowItem(kRingRadius, !ring);
  ShowItem(kRingRadiusLabel, !ring);
}

void TRingDlg::RefreshButtons() {
  if (IsCreated()) EnableItem(kStepDlgUndo, LastStepIs(kKind));
}

void TRingDlg::Draw() {
  std::string inner = GetItemText(kRingInner);
  std::string radius = GetItemText(kRingRadius);
  if (inner.size() > kRingChars) inner.resize(kRingChars);
  if (radius.size() > kRingChars) radius.resize(kRingChars);
  const int n = ListSelection(kRingCount) + 1;
  const bool euclidean = !owner_->model().Hyperbolic && !owner_->model().Spherical;
  int mode = IsChecked(kRingClosed) ? 1 : 0;
  if (!euclidean && IsChecked(kRingCongruent)) mode = 2;
  int code = 0;
  if ((mode == 1 && n < 3) || (owner_->model().Hyperbolic && mode == 2 && n < 7)) code = kMsgNotEnoughCircles;
  if (owner_->model().Spherical && mode == 2 && n > 5) code = kMsgTooManyCircles;
  const engine::FigureTables& t = owner_->tables();
  if (n < 1 || t.last_point + 3 * n + 1 > engine::kLastPointLimit || t.last_circle + n + 1 > engine::kLastCircleLimit) {
    code = engine::kMsgNoMoreRoom;
  }
  if (code != 0) {
    owner_->Msg(code);
    return;
  }
  engine::DialogTexts texts{inner, radius, "", "", ""};
  owner_->DoDialogAction(kChainAction, texts, n, mode);
}

bool TRingDlg::OnCommand(int id) {
  switch (id) {
    case kStepDlgAction: Draw(); RefreshButtons(); return true;
    case kStepDlgUndo:
      UndoLast(kKind);
      RefreshButtons();
      return true;
    default: return TStepDlg::OnCommand(id);
  }
}

void TRingDlg::OnNotify(int /*id*/, platform::ControlNotification /*what*/) { ShowFields(); }

// --- Circle or arc by its centre ----------------------------------------------------------------

TArcDlg::TArcDlg(TGeom11Win* owner) : TStepDlg(owner, "CENRAD") {}

void TArcDlg::SetupWindow() {
  TStepDlg::SetupWindow();
  const engine::FigureTables& t = owner_->tables();
  std::string last;
  std::string first;
  owner_->AppendPointName(last, t.last_point);
  for (int i = 0; i <= t.last_point && first.empty(); ++i) {
    if (t.PointExists(i)) owner_->AppendPointName(first, i);
  }
  for (const int id : {kArcCentre, kArcPoint, kArcFirst, kArcSecond}) SetTextLimit(id, static_cast<int>(kArcNameChars));
  SetTextLimit(kArcRadius, static_cast<int>(kArcValueChars));
  SetTextLimit(kArcAngle, static_cast<int>(kArcValueChars));
  SetItemText(kArcCentre, last);
  SetItemText(kArcFirst, first);
  SetItemText(kArcRadius, "1.00");
  SetItemText(kArcAngle, "120.00");
  for (int k = 0; k < kArcChoices; ++k) CheckItem(kArcFirstChoice + k, k == 1);
  CheckItem(kArcCounterClockwise, false);
  RefreshButtons();
}

void TArcDlg::RefreshButtons() {
  if (!IsCreated()) return;
  const int kind = owner_->LastStepType();
  EnableItem(kStepDlgUndo, kind >= kFirstCircleKind && kind <= kLastCircleKind);
}

void TArcDlg::Draw() {
  int mode = 1;
  for (int k = 0; k < kArcChoices; ++k) {
    if (IsChecked(kArcFirstChoice + k)) mode = k + 1;
  }
  engine::ArcDialogTexts texts;
  texts.centre = UpperText(kArcCentre, kArcNameChars);
  texts.point = UpperText(kArcPoint, kArcNameChars);
  texts.first = UpperText(kArcFirst, kArcNameChars);
  texts.second = UpperText(kArcSecond, kArcNameChars);
  // Longer values than the step keeps reach the step as they are, and are refused there.
  texts.radius = GetItemText(kArcRadius);
  texts.angle = GetItemText(kArcAngle);
  owner_->CmArcDialogOk(mode, texts, IsChecked(kArcCounterClockwise));
}

bool TArcDlg::OnCommand(int id) {
  for (int k = 0; k < kArcChoices; ++k) {
    if (id != kArcFirstChoice + k) continue;
    const int field = kArcChoiceFields[static_cast<std::size_t>(k)];
    FocusItem(field);
    SelectAllText(field);
    return true;
  }
  switch (id) {
    case kStepDlgAction: Draw(); RefreshButtons(); return true;
    case kStepDlgUndo: {
      const int kind = owner_->LastStepType();
      if (kind >= kFirstCircleKind && kind <= kLastCircleKind) owner_->UndoRedo(0, true);
      RefreshButtons();
      return true;
    }
    default: return TStepDlg::OnCommand(id);
  }
}

}  // namespace plane
