#include "view/text_item_dlg.h"

#include <algorithm>
#include <string>

#include "kernel/number_text.h"
#include "kernel/random.h"
#include "platform/font_dialog.h"
#include "platform/stored_fonts.h"
#include "shell/message_numbers.h"
#include "view/dialog_integers.h"
#include "view/qel_wint.h"

namespace view {

namespace {

constexpr const char* kDefaultDashCode = "150";
// The dash code is read from its first 8 characters.
constexpr std::size_t kDashCodeLength = 8;
constexpr int kDashCodeLimit = 256;
constexpr int kDialogSteps = 6;
constexpr int kDialogStep = 10;

}  // namespace

TTextDlg::TTextDlg(TQELWint* owner, std::string_view resource, TextItem* item, bool readOnly,
                   EvalTextEntry* entry)
    : TDlg(owner, resource), owner_(owner), item_(item), readOnly_(readOnly), entry_(entry) {}

void TTextDlg::SetupWindow() {
  TDlg::SetupWindow();
  SetTextLimit(kTextEdit, static_cast<int>(entry_ ? kEvalStringLength : kTextDialogLength));
  SetItemText(kTextEdit, item_->text);
  SetItemText(kDashCodeEdit, kDefaultDashCode);
  SetItemText(kAngleEdit,
              std::to_string(kernel::RoundLD(item_->font.escapement * static_cast<kernel::Real>(0.1))));
  CheckItem(kHyphenCheck, false);
  CheckItem(kOpaqueCheck, item_->transparent == 0);
  const int tieButton = TiedToObject(*item_)  ? kTieOtherRadio
                        : TiedToFrame(*item_) ? kTieFrameRadio
                                              : kTieFigureRadio;
  for (const int id : {kTieFrameRadio, kTieFigureRadio, kTieOtherRadio}) CheckItem(id, id == tieButton);
  if (owner_->textItems.objectsAvailable) {
    owner_->ObjectName(*this, kObjectList, item_->tie);
  } else {
    EnableItem(kObjectList, false);
    EnableItem(kTieOtherRadio, false);
  }
  if (entry_) {
    SetItemText(kTextEdit, entry_->strings[0]);
    SetItemText(kExpression2Edit, entry_->strings[1]);
    SetItemText(kExpression3Edit, entry_->strings[2]);
    SetItemText(kLabelEdit, entry_->strings[3]);
    for (int i = 0; i < kEvalExpressions; ++i)
      SetItemText(kFirstPlacesEdit + i, std::to_string(entry_->places[static_cast<std::size_t>(i)]));
    for (int i = 0; i < kEvalSwitches; ++i)
      CheckItem(kFirstSwitchCheck + i, entry_->switches[static_cast<std::size_t>(i)]);
  }
  if (readOnly_) SetReadOnly(kTextEdit, true);
  if (HasItem(kHideWithObjectCheck)) {
    ShowItem(kHideWithObjectCheck, owner_->textItems.hideBoxShown != 0);
    CheckItem(kHideWithObjectCheck, TextItemHideFlag(*item_));
  }
  MoveTo(owner_->fileMsg.defaultSize,
         owner_->fileMsg.defaultTop + kDialogStep * (kernel::Rand31() % kDialogSteps));
}

bool TTextDlg::OnCommand(int id) {
  switch (id) {
    case kFontButton:
      CmFont();
      return true;
    case kDeleteButton:
      CmDelete();
      return true;
    default:
      return TDlg::OnCommand(id);
  }
}

int TTextDlg::ReadObjectTie(std::int16_t& tie) const {
  const int count = ListCount(kObjectList);
  const int row = count == 1 ? 0 : ListSelection(kObjectList);
  if (count < 1 || row < 0) return shell::kMakeASelection;
  const auto index = static_cast<std::size_t>(row);
  if (index >= owner_->textItems.objectMap.size()) return shell::kOutOfBounds;
  tie = static_cast<std::int16_t>(owner_->textItems.objectMap[index]);
  return 0;
}

void TTextDlg::OnOk() {
  TextItem item = *item_;
  item.text = GetItemText(kTextEdit).substr(0, kTextDialogLength);
  item.transparent = IsChecked(kOpaqueCheck) ? 0 : 1;
  if (IsChecked(kTieFigureRadio)) {
    item.tie = kTieFigure;
  } else if (IsChecked(kTieFrameRadio)) {
    item.tie = kTieFrame;
  } else if (IsChecked(kTieOtherRadio)) {
    if (const int error = ReadObjectTie(item.tie); error != 0) {
      owner_->Msg(error);
      return;
    }
  }
  int dash = 0;
  if (IsChecked(kHyphenCheck)) {
    dash = ReadDialogInteger(GetItemText(kDashCodeEdit).substr(0, kDashCodeLength));
    if (dash > 0 && dash < kDashCodeLimit)
      std::replace(item.text.begin(), item.text.end(), '-', static_cast<char>(dash));
  }
  if (HasItem(kHideWithObjectCheck) && IsItemShown(kHideWithObjectCheck))
    TextItemSetHideFlag(item, IsChecked(kHideWithObjectCheck));
  if (entry_) {
    EvalTextEntry entry = *entry_;
    if (dash > 0) entry.hyphenChar = dash;
    const int edits[] = {kTextEdit, kExpression2Edit, kExpression3Edit, kLabelEdit};
    for (std::size_t i = 0; i < entry.strings.size(); ++i)
      entry.strings[i] = GetItemText(edits[i]).substr(0, kEvalStringLength);
    for (int i = 0; i < kEvalSwitches; ++i)
      entry.switches[static_cast<std::size_t>(i)] = IsChecked(kFirstSwitchCheck + i) ? 1 : 0;
    for (int i = 0; i < kEvalExpressions; ++i) {
      if (!entry.switches[static_cast<std::size_t>(i)]) continue;
      const int places = ReadDialogInteger(GetItemText(kFirstPlacesEdit + i));
      if (places < 0 || places > kEvalMaxPlaces) {
        owner_->Msg(shell::kOutOfBounds);
        return;
      }
      entry.places[static_cast<std::size_t>(i)] = places;
    }
    const int result = owner_->FormatEvalText(entry, item.evalCode, true);
    if (result > 0) {
      owner_->Msg(result);
      return;
    }
    if (result < 0) {
      // The text is to go: the caller deletes an item whose text is empty.
      item_->text.clear();
      EndDialog(1);
      return;
    }
    item.text = "X";
    *entry_ = std::move(entry);
  }
  item.shown = 1;
  item.font.escapement = TextAngleTenths(ReadDialogInteger(GetItemText(kAngleEdit)));
  *item_ = std::move(item);
  TDlg::OnOk();
}

void TTextDlg::CmFont() {
  platform::FontDialogRequest request;
  request.font = platform::FontSpecFromRecord(item_->font);
  request.pointTenths = TextItemSize(*item_) * 10;
  request.color = platform::Color::FromColorRef(item_->color);
  request.effects = true;
  const std::optional<platform::FontChoice> choice = platform::ChooseFont(owner_, request);
  if (!choice) return;
  platform::StoreFontChoice(item_->font, *choice);
  TextItemSetSize(*item_, choice->pointTenths);
  item_->color = choice->color.ToColorRef();
  owner_->fileMsg.modified = 1;
}

void TTextDlg::CmDelete() {
  CheckItem(kTieOtherRadio, false);
  SetItemText(kTextEdit, "");
  for (int i = 0; i < kEvalSwitches; ++i) CheckItem(kFirstSwitchCheck + i, false);
  item_->text.clear();
  EndDialog(1);
}

}  // namespace view
