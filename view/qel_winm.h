#pragma once
// The picture layer of the picture windows: pictures pasted from the clipboard and placed on the
// figure, and the whole drawing written as a metafile for the clipboard and for files.

#include <string_view>

#include "view/qel_wint.h"

namespace view {

class TQELWinm : public TQELWint {
 public:
  TQELWinm(platform::FrameWindow* parent, std::string_view title);
};

}  // namespace view
