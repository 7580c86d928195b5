#include "shell/data_win.h"

#include "shell/pre_win.h"

namespace shell {

TDataWin::TDataWin(TPreWin* owner, std::string_view title, std::string_view fileName, std::string_view text,
                   int textSlot)
    : TTextWin(owner, title, fileName, text, textSlot), owner_(owner) {
  SetMenu("DATAMENU");
  numberFormat.fieldWidth = kDataFieldWidth;
  numberFormat.dialogMask = kDecimalsWidthTabbed;
}

void TDataWin::FormatChanged() {
  if (owner_) owner_->ListingText(kWholeListing);
}

}  // namespace shell
