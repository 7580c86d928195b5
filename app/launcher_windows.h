#pragma once
// Makes the window class of each kind the launcher opens.

#include <string_view>

#include "app/launcher_kinds.h"
#include "view/qel_win.h"

namespace app {

// A new window of the kind with its constructor arguments, owned by parent; not yet created.
view::TQELWin* ConstructWindow(WindowKind kind, platform::FrameWindow* parent, std::string_view title);

}  // namespace app
