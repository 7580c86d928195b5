#include "app/data_win.h"

#include "app/pre_win.h"

namespace app {

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

}  // namespace app
