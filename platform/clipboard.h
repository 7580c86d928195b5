#pragma once
// The system clipboard: plain text (program text in the program), pictures and enhanced
// metafiles.

#include <optional>
#include <string>
#include <string_view>

#include "kernel/byte_io.h"
#include "platform/bitmap.h"

namespace platform {

// Replaces the clipboard's contents by the text.
void CopyTextToClipboard(std::string_view text);
bool ClipboardHasText();
// The clipboard's text, or none when it holds no text. Characters without a program-text
// byte become '?'.
std::optional<std::string> ClipboardText();

// Replaces the clipboard's contents by the picture.
void CopyImageToClipboard(const Bitmap& bitmap);
bool ClipboardHasImage();
// The clipboard's picture, or none when it holds none.
std::optional<Bitmap> ClipboardImage();

// Replaces the clipboard's contents by an enhanced metafile: its bytes as "image/emf", and the
// picture played into an image beside them for programs that take only images. False (and the
// clipboard unchanged) when the bytes are not a metafile.
bool CopyMetafileToClipboard(const kernel::Bytes& metafile);
bool ClipboardHasMetafile();
// The metafile's bytes as they are on the clipboard (checked by the reader before any use), or
// none when there is no metafile.
std::optional<kernel::Bytes> ClipboardMetafile();

}  // namespace platform
