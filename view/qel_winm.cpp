#include "view/qel_winm.h"

namespace view {

TQELWinm::TQELWinm(platform::FrameWindow* parent, std::string_view title) : TQELWint(parent, title) {}

}  // namespace view
