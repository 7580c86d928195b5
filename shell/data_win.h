#pragma once
// The data window of a graphics window: the listing its owner writes (tables of coordinates and
// measurements) in the owner's number format. Its Format command sets decimals and field width
// and asks the owner for a new listing.

#include <string_view>

#include "shell/pre_text_win.h"

namespace shell {

class TPreWin;

inline constexpr int kDataFieldWidth = 12;

class TDataWin : public TTextWin {
 public:
  TDataWin(TPreWin* owner, std::string_view title, std::string_view fileName, std::string_view text, int textSlot);

  // The owner writes its listing again.
  void FormatChanged() override;
  // The data window keeps its own field width.
  void DefaultFieldWidth() override {}

  TPreWin* owner() const { return owner_; }

 private:
  TPreWin* owner_;
};

}  // namespace shell
