#include "plane/conic_dialogs.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

#include "engine/figure_tables.h"
#include "kernel/conic_equation_records.h"
#include "platform/modal_responder.h"
#include "plane/geom_c2_win.h"
#include "resources/resource_library.h"

namespace plane {

namespace {

constexpr int kList = 293;
constexpr int kCmdColour = 204;
constexpr int kCmdAnalyticColour = 207;
constexpr int kCmdDraw = 91;
constexpr int kCmdDrawDefinition = 771;
constexpr int kCmdDeleteOne = 52;
constexpr int kCmdDeleteAll = 54;
constexpr int kCmdUndo = 98;
constexpr int kCmdAsymptotes = 913;
constexpr int kCmdFocusVertexLeft = 910;
constexpr int kCmdCentre = 911;
constexpr int kCmdFocusVertexRight = 912;
constexpr int kCmdRefreshLabels = 254;
constexpr int kRadioEllipse = 251;
constexpr int kRadioEccentricity = 252;
constexpr int kRadioHyperbola = 253;
constexpr int kEditPoints = 211;
constexpr int kEditPoint = 212;
constexpr int kEditParameter = 213;
constexpr int kEditEccentricity = 214;
constexpr int kStaticPoints = 231;
constexpr int kStaticPoint = 232;
constexpr int kListFontSlot = 6;
constexpr int kListExtent = 1000;
constexpr int kShortField = 39;
constexpr int kCoefficientField = 118;
constexpr int kLineField = 254;
constexpr std::size_t kStepTextLimit = 120;

constexpr int kStringDeleteAll = 147;
constexpr int kStringCareful = 2;
constexpr int kStringDirectrix = 170;
constexpr int kStringFocus = 821;
constexpr int kStringFoci = 822;
constexpr int kStringPointOnConic = 823;
constexpr int kStringTwoPointCaption = 1201;
constexpr int kMsgNotEnoughVertices = 136;
constexpr int kMsgNothingToShow = 10;

constexpr int kConicPointKind = 203;
constexpr int kFeatureKind = 211;
constexpr int kAsymptotesKind = 212;
constexpr int kAnalyticLineKind = 205;
constexpr int kAnalyticCircleKind = 206;

// Typed expressions name their functions and measurements in capitals.
std::string Typed(std::string text, int limit) {
  if (text.size() > static_cast<std::size_t>(limit)) text.resize(static_cast<std::size_t>(limit));
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// The points typed in a text, at most n of them (each a point index of the tables, existing or
// not); the count.
int TypedPoints(const engine::FigureTables& t, std::string text, int n, std::vector<int>& points) {
  std::vector<std::uint16_t> out(static_cast<std::size_t>(n) + 1, 0);
  const int last = t.ParsePointList(text, out, n);
  points.clear();
  for (int k = 0; k <= last && k < n; ++k) {
    if (out[static_cast<std::size_t>(k)] < engine::kPointCapacity) points.push_back(out[static_cast<std::size_t>(k)]);
  }
  return static_cast<int>(points.size());
}

bool AllExist(const engine::FigureTables& t, const std::vector<int>& points) {
  return std::all_of(points.begin(), points.end(), [&](int p) { return t.PointExists(p); });
}

bool HasDuplicate(std::vector<int> points) {
  std::sort(points.begin(), points.end());
  return std::adjacent_find(points.begin(), points.end()) != points.end();
}

std::uint16_t ConicColour(const TGeomC2Win& w) { return w.preWin.roles[kConicColourRole]; }

}  // namespace

// --- Shared --------------------------------------------------------------------------------------

TToolDlg::TToolDlg(TGeomC2Win* owner, std::string_view resource) : TDlg(owner, resource), owner_(owner) {}

void TToolDlg::OnCancel() {
  owner_->UpdateColorWindow();
  Hide();
}

void TToolDlg::ListsChanged() {
  owner_->wing.pictureValid = 0;
  owner_->Invalidate(false);
  owner_->SetModified();
}

bool TToolDlg::ConfirmDeleteAll() {
  return owner_->AskBox(resources::LoadString(kStringDeleteAll), resources::LoadString(kStringCareful),
                        shell::kAskYesNo) == platform::IDYES;
}

// --- The lists by foci and points ---------------------------------------------------------------

TConikDlg::TConikDlg(TGeomC2Win* owner, int inventoryNumber)
    : TToolDlg(owner, "CONIC3PT"), inventory(inventoryNumber) {}

int TConikDlg::Selected() const { return ListCount(kList) > 0 ? ListSelection(kList) : -1; }

void TConikDlg::SetupWindow() {
  TDlg::SetupWindow();
  CheckItem(kRadioEccentricity, true);
  SetItemFont(kList, owner_->SlotFont(kListFontSlot));
  ListSetHorizontalExtent(kList, kListExtent);
  for (int id : {kEditPoints, kEditPoint, kEditParameter, kEditEccentricity}) SetTextLimit(id, kShortField);
}

void TConikDlg::FillList() {
  if (!IsCreated()) return;
  ListClear(kList);
  const auto& list = inventory == 2 ? owner_->conics.twoFoci : owner_->conics.threePoint;
  for (const ConicDefinition& record : list) {
    const ConicDefinitionFields f = ReadDefinition(record);
    std::string line;
    owner_->stepEngine.ConicDefinitionText(line, f.points[0], f.points[1], f.points[2], f.text, f.code, f.colour);
    ListAdd(kList, line);
  }
  ListSelect(kList, -1);
  RefreshButtons();
}

void TConikDlg::RefreshButtons() {
  if (!IsCreated()) return;
  const int last = owner_->LastStepType();
  EnableItem(kCmdUndo, last == kConicPointKind || last == kAsymptotesKind);
  EnableItem(kCmdAsymptotes, !IsChecked(kRadioEllipse));
}

bool TConikDlg::OnCommand(int id) {
  switch (id) {
    case kCmdColour: owner_->EditColor(kConicColourRole); return true;
    case kCmdDrawDefinition: DrawConic(); return true;
    case kCmdDeleteOne:
      DeleteSelected();
      ListsChanged();
      FillList();
      owner_->RefreshDialogLists();
      return true;
    case kCmdDeleteAll:
      if (ConfirmDeleteAll()) {
        DeleteAll();
        ListsChanged();
        FillList();
      }
      return true;
    case kCmdDraw: MarkPoint(); return true;
    case kCmdAsymptotes: Asymptotes(); return true;
    case kCmdUndo:
      owner_->UndoRedo(0, true);
      RefreshButtons();
      return true;
    default: return TDlg::OnCommand(id);
  }
}

void TConikDlg::DeleteSelected() {
  auto& list = inventory == 2 ? owner_->conics.twoFoci : owner_->conics.threePoint;
  const int at = Selected();
  if (at >= 0 && static_cast<std::size_t>(at) < list.size()) list.erase(list.begin() + at);
}

void TConikDlg::DeleteAll() { (inventory == 2 ? owner_->conics.twoFoci : owner_->conics.threePoint).clear(); }

void TConikDlg::MarkPoint() {
  const int at = Selected();
  if (at < 0) return;
  const int code = owner_->NewConicPointStep(at, Typed(GetItemText(kEditParameter), kShortField), inventory);
  if (code > 0) owner_->Msg(code);
  RefreshButtons();
}

void TConikDlg::Asymptotes() {
  const int at = Selected();
  const auto& list = inventory == 2 ? owner_->conics.twoFoci : owner_->conics.threePoint;
  if (at < 0 || static_cast<std::size_t>(at) >= list.size()) return;
  const ConicDefinitionFields f = ReadDefinition(list[static_cast<std::size_t>(at)]);
  int code = 0;
  if (f.code == kDefinitionTwoFoci) {
    code = owner_->NewAsymptotesStep(f.points[0], f.points[1], f.points[2], 0, f.text);
  } else if (f.code == kDefinitionEccentricity) {
    // The step names the focus first, then the directrix.
    code = owner_->NewAsymptotesStep(f.points[2], f.points[0], f.points[1], 1, f.text);
  } else if (f.code == kDefinitionHyperbola) {
    code = owner_->NewAsymptotesStep(f.points[0], f.points[1], f.points[2], 2, "2");
  } else {
    code = kMsgNothingToShow;  // an ellipse has none
  }
  if (code > 0) owner_->Msg(code);
  RefreshButtons();
}

void TConic2Dlg::SetupWindow() {
  TConikDlg::SetupWindow();
  SetCaption(resources::LoadString(kStringTwoPointCaption));
  for (int id : {kEditPoints, kRadioEllipse, kRadioHyperbola}) ShowItem(id, false);
  std::string names;
  owner_->tables().AppendNewPointNames(names, 2, engine::kLastPointLimit);
  SetItemText(kEditPoint, names);
  SetItemText(kStaticPoint, resources::LoadString(kStringFoci));
  SetItemText(kEditEccentricity, "0.6");
  SetItemText(kEditParameter, "1.0");
  FillList();
}

void TConic2Dlg::DrawConic() {
  const engine::FigureTables& t = owner_->tables();
  std::vector<int> foci;
  const int n = TypedPoints(t, GetItemText(kEditPoint).substr(0, kShortField), 9, foci);
  int code = 0;
  if (n != 2) {
    code = engine::kMsgInconsistentData;
  } else if (!AllExist(t, foci)) {
    code = engine::kMsgCouldNotFind;
  } else if (foci[0] == foci[1]) {
    code = engine::kMsgDuplicateLabel;
  }
  const std::string text = Typed(GetItemText(kEditEccentricity), kShortField);
  kernel::Real e = 0;
  if (code == 0) code = owner_->ParseNumber(text, e);
  if (code == 0 && e < 0) code = engine::kMsgPositiveValue;
  if (code != 0) {
    owner_->Msg(code);
    return;
  }
  auto& list = owner_->conics.twoFoci;
  list.insert(list.begin(), MakeDefinition({{foci[0], foci[1], foci[1]}, ConicColour(*owner_), kDefinitionTwoFoci, text, e}));
  owner_->RefreshDialogLists();
  FillList();
  ListsChanged();
}

void TConic3Dlg::SetupWindow() {
  TConikDlg::SetupWindow();
  const engine::FigureTables& t = owner_->tables();
  const int last = t.last_point;
  std::string point;
  t.GetPointName(last, point);
  SetItemText(kEditPoint, point);
  std::string two;
  if (last >= 2) {
    t.GetPointName(last - 2, two);
    t.AppendPointName(two, last - 1);
  }
  SetItemText(kEditPoints, two);
  SetItemText(kEditParameter, "1.0");
  SetItemText(kEditEccentricity, "1.0");
  FillList();
  SetLabels();
}

void TConic3Dlg::SetLabels() {
  const bool eccentricity = IsChecked(kRadioEccentricity);
  SetItemText(kStaticPoints, resources::LoadString(eccentricity ? kStringDirectrix : kStringFoci));
  SetItemText(kStaticPoint, resources::LoadString(eccentricity ? kStringFocus : kStringPointOnConic));
  RefreshButtons();
}

bool TConic3Dlg::OnCommand(int id) {
  if (id != kCmdRefreshLabels) return TConikDlg::OnCommand(id);
  SetLabels();
  return true;
}

void TConic3Dlg::OnNotify(int id, platform::ControlNotification what) {
  if (what != platform::ControlNotification::Clicked) return;
  if (id == kRadioEllipse || id == kRadioHyperbola || id == kRadioEccentricity) {
    SetLabels();
    const int edit = id == kRadioEccentricity ? kEditEccentricity : kEditPoints;
    FocusItem(edit);
    SelectAllText(edit);
  }
}

void TConic3Dlg::DrawConic() {
  const engine::FigureTables& t = owner_->tables();
  std::vector<int> two;
  std::vector<int> one;
  // Points that do not make a conic are refused without a word.
  if (TypedPoints(t, GetItemText(kEditPoints).substr(0, kShortField), 9, two) != 2) return;
  if (TypedPoints(t, GetItemText(kEditPoint).substr(0, kShortField), 9, one) != 1) return;
  const std::vector<int> all{two[0], two[1], one[0]};
  if (!AllExist(t, all) || HasDuplicate(all)) return;
  const std::uint16_t code = IsChecked(kRadioEccentricity) ? kDefinitionEccentricity
                             : IsChecked(kRadioHyperbola)  ? kDefinitionHyperbola
                                                           : kDefinitionEllipse;
  std::string text = "1.0";
  kernel::Real e = 1;
  if (code == kDefinitionEccentricity) {
    text = Typed(GetItemText(kEditEccentricity), kShortField);
    int result = owner_->ParseNumber(text, e);
    if (result == 0 && e < 0) result = engine::kMsgPositiveValue;
    if (result != 0) {
      owner_->Msg(result);
      return;
    }
  }
  auto& list = owner_->conics.threePoint;
  list.insert(list.begin(), MakeDefinition({{all[0], all[1], all[2]}, ConicColour(*owner_), code, text, e}));
  FillList();
  ListsChanged();
}

// --- The five-point and equation lists -----------------------------------------------------------

int TConicDlg::Selected() const { return ListCount(kList) > 0 ? ListSelection(kList) : -1; }

void TConicDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemFont(kList, owner_->SlotFont(kListFontSlot));
  ListSetHorizontalExtent(kList, kListExtent);
  FillList();
}

void TConicDlg::RefreshButtons() {
  if (IsCreated()) EnableItem(kCmdUndo, owner_->LastStepType() == kFeatureKind);
}

bool TConicDlg::OnCommand(int id) {
  switch (id) {
    case kCmdColour: owner_->EditColor(kConicColourRole); return true;
    case kCmdDraw:
      DrawConic();
      FillList();
      ListsChanged();
      return true;
    case kCmdDeleteOne: DeleteSelected(); return true;
    case kCmdDeleteAll:
      if (ConfirmDeleteAll()) {
        DeleteAll();
        ListsChanged();
        FillList();
      }
      return true;
    case kCmdFocusVertexLeft: MakeFeatureStep(2, 2, 0); return true;
    case kCmdCentre: MakeFeatureStep(0, 1, 0); return true;
    case kCmdFocusVertexRight: MakeFeatureStep(1, 2, 0); return true;
    case kCmdAsymptotes: MakeFeatureStep(3, 3, 2); return true;
    case kCmdUndo:
      owner_->UndoRedo(kFeatureKind, false);
      RefreshButtons();
      return true;
    default: return TDlg::OnCommand(id);
  }
}

void TConic5Dlg::SetupWindow() {
  TConicDlg::SetupWindow();
  SetTextLimit(kEditPoints, kShortField);
  const engine::FigureTables& t = owner_->tables();
  std::string names;
  for (int i = std::max(0, t.last_point - 4); i <= t.last_point; ++i) t.AppendPointName(names, i);
  SetItemText(kEditPoints, names);
}

void TConic5Dlg::FillList() {
  if (!IsCreated()) return;
  ListClear(kList);
  for (const kernel::ConicRecord& record : owner_->conics.fivePoint) {
    std::string line;
    for (std::uint16_t p : record.point_slots) owner_->tables().AppendPointName(line, p);
    owner_->stepEngine.AppendColorPairText(line, record.drawing_word);
    ListAdd(kList, line);
  }
  ListSelect(kList, -1);
  RefreshButtons();
}

void TConic5Dlg::DrawConic() {
  const engine::FigureTables& t = owner_->tables();
  std::vector<int> five;
  const int n = TypedPoints(t, GetItemText(kEditPoints).substr(0, kShortField), 5, five);
  if (n < 5 || !AllExist(t, five)) {
    owner_->Msg(kMsgNotEnoughVertices);
  } else if (HasDuplicate(five)) {
    owner_->Msg(engine::kMsgDuplicateLabel);
  } else {
    auto& list = owner_->conics.fivePoint;
    list.insert(list.begin(), MakeFivePointRecord({five[0], five[1], five[2], five[3], five[4]}, ConicColour(*owner_)));
  }
}

void TConic5Dlg::DeleteSelected() {
  auto& list = owner_->conics.fivePoint;
  const int at = Selected();
  if (at >= 0 && static_cast<std::size_t>(at) < list.size()) list.erase(list.begin() + at);
  owner_->RefreshDialogLists();
  ListsChanged();
  FillList();
}

// Only the five-point list: the equations are the equation dialog's.
void TConic5Dlg::DeleteAll() { owner_->conics.fivePoint.clear(); }

void TConic5Dlg::MakeFeatureStep(int feature, int points, int lines) {
  const auto& list = owner_->conics.fivePoint;
  const int at = Selected();
  if (at < 0 || static_cast<std::size_t>(at) >= list.size()) return;
  std::array<int, 5> five{};
  for (std::size_t i = 0; i < 5; ++i) five[i] = list[static_cast<std::size_t>(at)].point_slots[i];
  const int code = owner_->NewConicFeatureStepFromPoints(feature, points, lines, five);
  if (code > 0) owner_->Msg(code);
  RefreshButtons();
}

void TConicEDlg::SetupWindow() {
  TConicDlg::SetupWindow();
  // The ellipse 40xx - 24xy + 33yy - 16x - 54y - 263 = 0.
  const std::array<const char*, 6> start{"40.0", "-24.0", "33.0", "-16.0", "-54.0", "-263.0"};
  for (int i = 0; i < 6; ++i) {
    SetTextLimit(kEditPoints + i, kCoefficientField);
    SetItemText(kEditPoints + i, start[static_cast<std::size_t>(i)]);
  }
}

void TConicEDlg::FillList() {
  if (!IsCreated()) return;
  ListClear(kList);
  for (const kernel::EquationRecord& record : owner_->conics.equations) {
    std::string line;
    kernel::FormatConicEquation(line, record.coefficient_texts);
    owner_->stepEngine.AppendColorPairText(line, record.word);
    ListAdd(kList, line);
  }
  ListSelect(kList, -1);
  RefreshButtons();
}

void TConicEDlg::DrawConic() {
  kernel::CoefficientTexts texts;
  for (int i = 0; i < 6; ++i) texts[static_cast<std::size_t>(i)] = Typed(GetItemText(kEditPoints + i), kCoefficientField);
  // The steps built from the conic keep its six texts in their 120 characters.
  std::string joined;
  kernel::JoinSixStrings(joined, texts);
  if (joined.size() > kStepTextLimit) {
    owner_->Msg(engine::kMsgOutOfBounds);
    return;
  }
  auto& list = owner_->conics.equations;
  list.insert(list.begin(), MakeEquationRecord(texts, ConicColour(*owner_)));
}

void TConicEDlg::DeleteSelected() {
  auto& list = owner_->conics.equations;
  const int at = Selected();
  if (at >= 0 && static_cast<std::size_t>(at) < list.size()) list.erase(list.begin() + at);
  ListsChanged();
  FillList();
}

void TConicEDlg::DeleteAll() { owner_->conics.equations.clear(); }

void TConicEDlg::MakeFeatureStep(int feature, int points, int lines) {
  const auto& list = owner_->conics.equations;
  const int at = Selected();
  if (at < 0 || static_cast<std::size_t>(at) >= list.size()) return;
  std::string joined;
  kernel::JoinSixStrings(joined, list[static_cast<std::size_t>(at)].coefficient_texts);
  // A record from an older file may hold more than a step keeps: refused, never cut.
  const int code = joined.size() > kStepTextLimit ? engine::kMsgOutOfBounds
                                                  : owner_->NewConicFeatureStep(feature, points, lines, joined);
  if (code > 0) owner_->Msg(code);
  RefreshButtons();
}

// --- Lines and circles by equation ---------------------------------------------------------------

void TEquationDlg::RefreshButtons() {
  if (IsCreated()) EnableItem(kCmdUndo, owner_->LastStepType() == stepKind_);
}

bool TEquationDlg::OnCommand(int id) {
  switch (id) {
    case kCmdAnalyticColour: owner_->EditColor(kAnalyticColourRole); return true;
    case kCmdDraw: Draw(); return true;
    case kCmdUndo:
      owner_->UndoRedo(stepKind_, true);
      RefreshButtons();
      return true;
    default: return TDlg::OnCommand(id);
  }
}

TEqnLnDlg::TEqnLnDlg(TGeomC2Win* owner) : TEquationDlg(owner, "EQNLN", kAnalyticLineKind) {}

TEqnCiDlg::TEqnCiDlg(TGeomC2Win* owner) : TEquationDlg(owner, "EQNCI", kAnalyticCircleKind) {}

int TEqnLnDlg::Form() const { return IsChecked(252) ? 1 : IsChecked(253) ? 2 : 0; }

void TEqnLnDlg::SetupWindow() {
  TDlg::SetupWindow();
  CheckItem(251, true);
  const std::array<const char*, 4> start{"3.0", "4.0", "12.0", "1.0"};
  for (int i = 0; i < 4; ++i) {
    SetTextLimit(211 + i, kLineField);
    SetItemText(211 + i, start[static_cast<std::size_t>(i)]);
  }
  ShowForm();
}

void TEqnLnDlg::ShowForm() {
  const int form = Form();
  SetItemText(231, form == 0 ? "a =" : "h =");
  SetItemText(232, form == 0 ? "b =" : "k =");
  ShowItem(233, form != 1);
  ShowItem(213, form != 1);
  SetItemText(233, form == 0 ? "c =" : "a =");
  ShowItem(234, form != 0);
  ShowItem(214, form != 0);
  SetItemText(234, form == 1 ? "m =" : "b =");
  RefreshButtons();
}

void TEqnLnDlg::OnNotify(int id, platform::ControlNotification what) {
  if (what == platform::ControlNotification::Clicked && id >= 251 && id <= 253) ShowForm();
}

void TEqnLnDlg::Draw() {
  // Every field is read, the hidden one too.
  std::string joined;
  int code = 0;
  for (int id = 211; id <= 214; ++id) {
    const std::string text = Typed(GetItemText(id), kLineField);
    if (text.empty()) code = engine::kMsgNothingToDo;
    joined += text + ",";
  }
  if (joined.size() > kStepTextLimit) code = engine::kMsgOutOfBounds;
  if (code == 0) code = owner_->NewAnalyticLineStep(joined, Form());
  if (code > 0) owner_->Msg(code);
  RefreshButtons();
}

int TEqnCiDlg::Form() const { return IsChecked(252) ? 1 : 0; }

void TEqnCiDlg::SetupWindow() {
  TDlg::SetupWindow();
  CheckItem(251, true);
  const std::array<const char*, 3> start{"0.0", "0.0", "1.0"};
  for (int i = 0; i < 3; ++i) {
    SetTextLimit(211 + i, kShortField);
    SetItemText(211 + i, start[static_cast<std::size_t>(i)]);
  }
  ShowForm();
}

void TEqnCiDlg::ShowForm() {
  const bool general = Form() == 1;
  SetItemText(231, general ? "a =" : "x =");
  SetItemText(232, general ? "b =" : "y =");
  SetItemText(233, general ? "c =" : "r =");
  RefreshButtons();
}

void TEqnCiDlg::OnNotify(int id, platform::ControlNotification what) {
  if (what == platform::ControlNotification::Clicked && (id == 251 || id == 252)) ShowForm();
}

void TEqnCiDlg::Draw() {
  std::array<std::string, 3> texts;
  for (int i = 0; i < 3; ++i) {
    texts[static_cast<std::size_t>(i)] = Typed(GetItemText(211 + i), kShortField);
    if (texts[static_cast<std::size_t>(i)].empty()) return;  // an empty field: nothing, silently
  }
  const int code = owner_->NewAnalyticCircleStep(texts[0], texts[1], texts[2], Form());
  if (code != 0) owner_->Msg(code);
  RefreshButtons();
}

}  // namespace plane
