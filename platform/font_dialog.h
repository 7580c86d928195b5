#pragma once
// The standard font dialog: starts from a font and its size in tenths of a point, returns the
// user's choice with its height for the screen, or none when the user cancels.

#include <optional>

#include "platform/modal_responder.h"

namespace platform {

class FrameWindow;

std::optional<FontChoice> ChooseFont(FrameWindow* owner, const FontDialogRequest& request);

}  // namespace platform
