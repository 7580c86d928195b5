#pragma once
// The data files embedded into the binary: string table, menus, accelerators, dialog templates
// and help texts, each under its path relative to resources/ (for example "help/PROGHELP.txt").

#include <span>
#include <string_view>

namespace resources {

struct ResourceFile {
  std::string_view name;
  std::string_view bytes;
};

std::span<const ResourceFile> EmbeddedFiles();

// The file of that name, or an empty view with a null data pointer when there is none.
std::string_view FindFile(std::string_view name);

}  // namespace resources
