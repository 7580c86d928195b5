#include "engine/windows/mark_dlg.h"

#include <array>
#include <cstdio>
#include <string>

#include "engine/windows/geom_win.h"
#include "platform/modal_responder.h"
#include "resources/resource_library.h"

namespace engine {

namespace {

constexpr int kStringCareful = 2;
constexpr int kStringDrawing = 126;
constexpr int kStringDeleteAll = 147;
constexpr int kStringThickness = 230;
constexpr int kMsgMakeSelection = 15;
constexpr int kWhereChars = 39;
constexpr int kSizeSteps = 21;
constexpr int kMostStrokes = 6;
constexpr int kDrawingColourRole = 6;
constexpr int kListFontSlot = 0;
// The type lists: the words of the plane types 1 to 6 and of the 3-D types 3, 4, 5 and 7.
constexpr std::array<int, 6> kPlaneWords{148, 149, 150, 151, 152, 153};
constexpr std::array<int, 4> kSolidWords{150, 151, 152, 189};
constexpr std::array<int, 4> kSolidTypes{3, 4, 5, 7};

}  // namespace

TMarkDlg::TMarkDlg(TGeomWin* window) : TDlg(window, "ACCENTS"), window_(window) {}

bool TMarkDlg::Solid() const { return window_->dimension() == 3; }

void TMarkDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetItemFont(kMarkList, window_->SlotFont(kListFontSlot));
  SetTextLimit(kMarkWhere, kWhereChars);
  numberLabel_ = GetItemText(kMarkNumberLabel);
  for (int s = 0; s < kSizeSteps; ++s) {
    char text[8];
    std::snprintf(text, sizeof text, "%.1f", (s + 10) * 0.1);
    ListAdd(kMarkSize, text);
  }
  ListSelect(kMarkSize, 0);
  for (int n = 1; n <= kMostStrokes; ++n) ListAdd(kMarkNumber, std::to_string(n));
  ListSelect(kMarkNumber, 0);
  if (Solid()) {
    for (int id : kSolidWords) ListAdd(kMarkType, resources::LoadString(id));
  } else {
    for (int id : kPlaneWords) ListAdd(kMarkType, resources::LoadString(id));
  }
  ListSelect(kMarkType, 0);
  TypeChanged();
  RefreshMarkingList();
}

void TMarkDlg::TypeChanged() {
  const int index = std::max(ListSelection(kMarkType), 0);
  type_ = Solid() ? kSolidTypes[static_cast<std::size_t>(std::min(index, 3))] : index + 1;
  const bool solid = Solid();
  const bool number = !(type_ == kMarkPerpBracket || (type_ == kMarkRay && !solid));
  ShowItem(kMarkNumberLabel, number);
  ShowItem(kMarkNumber, number);
  // The label reads "number" as the template has it, or "thickness" for rays and segments in space.
  SetItemText(kMarkNumberLabel, solid && type_ > 4 ? resources::LoadString(kStringThickness) : numberLabel_);
  const bool size = !(solid && type_ > 4);
  ShowItem(kMarkSizeLabel, size);
  ShowItem(kMarkSize, size);
  const bool lineColour = !solid && (type_ == kMarkTick || type_ == kMarkArrow || type_ == kMarkRay);
  ShowItem(kMarkColor, !lineColour);
}

void TMarkDlg::OnNotify(int id, platform::ControlNotification what) {
  if (what != platform::ControlNotification::SelectionChanged) return;
  if (id == kMarkType) TypeChanged();
}

bool TMarkDlg::OnCommand(int id) {
  switch (id) {
    case kMarkColor: window_->EditColorRole(kStringDrawing, &colour, kDrawingColourRole, {}); return true;
    case kMarkMark: Mark(); return true;
    case kMarkDeleteOne: DeleteOne(); return true;
    case kMarkDeleteAll: DeleteAll(); return true;
    case 1: return true;  // Enter marks through the default button only
    case 2: Hide(); return true;
    default: return TDlg::OnCommand(id);
  }
}

void TMarkDlg::Mark() {
  TypeChanged();
  const int number = std::max(ListSelection(kMarkNumber), 0) + 1;
  const int sizeStep = std::max(ListSelection(kMarkSize), 0);
  const std::uint16_t code = MarkingTypeCode(sizeStep, type_);
  const std::int16_t value = MarkingNumberAndColour(type_, number, colour, Solid());
  const std::string where = GetItemText(kMarkWhere).substr(0, kWhereChars);
  const int result = window_->AddMarking(where, code, value);
  if (result > 0) {
    window_->Msg(result);
    FocusItem(kMarkWhere);
    return;
  }
  RefreshMarkingList();
}

void TMarkDlg::DeleteOne() {
  const int count = ListCount(kMarkList);
  if (count == 0) return;
  const int chosen = count == 1 ? 0 : ListSelection(kMarkList);
  if (chosen < 0) {
    window_->Msg(kMsgMakeSelection);
    return;
  }
  window_->DeleteMarking(chosen);
  RefreshMarkingList();
}

void TMarkDlg::DeleteAll() {
  if (window_->AskBox(resources::LoadString(kStringDeleteAll), resources::LoadString(kStringCareful),
                      shell::kAskYesNo) != platform::IDYES)
    return;
  window_->FreeMarkings();
  window_->SetModified();
  RefreshMarkingList();
}

void TMarkDlg::RefreshMarkingList() {
  ListClear(kMarkList);
  for (const std::string& line : window_->MarkingLines()) ListAdd(kMarkList, line);
  FocusItem(kMarkWhere);
}

}  // namespace engine
