#pragma once
// The standard open and save dialogs. The save dialog does not ask about overwriting: the program
// asks its own question.

#include <optional>
#include <string>

#include "platform/modal_responder.h"

namespace platform {

class FrameWindow;

std::optional<std::string> GetOpenFileName(FrameWindow* owner, FileDialogRequest request);
std::optional<std::string> GetSaveFileName(FrameWindow* owner, FileDialogRequest request);

// "desc|*.kv2|All|*.*" as the dialog's filter list, each pattern in both letter cases
// ("desc (*.kv2 *.KV2)"). Exposed for tests.
std::string QtFilterList(const std::string& filters);

}  // namespace platform
