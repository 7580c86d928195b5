#pragma once
// Pieces of file names. Paths are POSIX paths ('/' separates folders); an extension is only ever
// looked for in the last component, so a dot in a folder name (~/.config/x) is never taken for one,
// and a leading dot (a hidden file such as .kvrc) does not start an extension.

#include <optional>
#include <string>
#include <string_view>

namespace kernel {

// The name of the file without its folder, followed by its extension (with the dot) unless noExt.
std::string FileNamePart(std::string_view path, bool noExt);

// The three characters after the first dot of the file name, upper-cased ("fig.kv2" -> "KV2");
// nothing when the name has no dot or the text from that dot on is not a dot and three characters.
std::optional<std::string> GetExtension3(std::string_view path);

// path with its extension (from the last dot of the file name on) replaced by ext, which carries its
// own dot; a name without an extension is returned unchanged.
std::string ReplaceExtension(std::string_view path, std::string_view ext);

}  // namespace kernel
