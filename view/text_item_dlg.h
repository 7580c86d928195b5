#pragma once
// The text dialogs: NEWTEXT edits a typed text, NEWTEXT1 an evaluated text (its three
// expressions, label, switches and decimals). Both set the text's tie, background, angle and font;
// OK stores everything into the item (and the entry) only once every field was accepted, so a
// refused entry keeps the dialog open with nothing changed. "delete" in NEWTEXT1 ends with an empty
// text, which tells the caller to delete the item.

#include <string_view>

#include "shell/dlg.h"
#include "view/text_item.h"

namespace view {

class TQELWint;

// Controls of NEWTEXT and NEWTEXT1.
inline constexpr int kTextEdit = 211;
inline constexpr int kDashCodeEdit = 213;
inline constexpr int kAngleEdit = 214;
inline constexpr int kExpression2Edit = 220;
inline constexpr int kExpression3Edit = 221;
inline constexpr int kLabelEdit = 222;
inline constexpr int kFirstPlacesEdit = 223;  // 223 to 225
inline constexpr int kTieFrameRadio = 251;
inline constexpr int kTieFigureRadio = 252;
inline constexpr int kTieOtherRadio = 253;
inline constexpr int kOpaqueCheck = 271;
inline constexpr int kHyphenCheck = 272;
inline constexpr int kFirstSwitchCheck = 273;  // 273 to 277
inline constexpr int kHideWithObjectCheck = 278;
inline constexpr int kObjectList = 299;
inline constexpr int kFontButton = 60;
inline constexpr int kDeleteButton = 52;

class TTextDlg : public shell::TDlg {
 public:
  // entry is null for a typed text; readOnly keeps the text itself from being edited.
  TTextDlg(TQELWint* owner, std::string_view resource, TextItem* item, bool readOnly, EvalTextEntry* entry);

 protected:
  void SetupWindow() override;
  bool OnCommand(int id) override;
  void OnOk() override;

 private:
  // The object the "other" tie names: 0 and the tie, or the message to show.
  int ReadObjectTie(std::int16_t& tie) const;
  void CmFont();
  void CmDelete();

  TQELWint* owner_;
  TextItem* item_;
  bool readOnly_;
  EvalTextEntry* entry_;
};

}  // namespace view
