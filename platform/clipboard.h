#pragma once
// The system clipboard: plain text (Windows-1252 in the program) and pictures.

#include <optional>
#include <string>
#include <string_view>

#include "platform/bitmap.h"

namespace platform {

// Replaces the clipboard's contents by the text.
void CopyTextToClipboard(std::string_view text);
bool ClipboardHasText();
// The clipboard's text, or none when it holds no text. Characters without a Windows-1252 byte
// become '?'.
std::optional<std::string> ClipboardText();

// Replaces the clipboard's contents by the picture.
void CopyImageToClipboard(const Bitmap& bitmap);
bool ClipboardHasImage();
// The clipboard's picture, or none when it holds none.
std::optional<Bitmap> ClipboardImage();

}  // namespace platform
