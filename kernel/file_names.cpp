#include "kernel/file_names.h"

namespace kernel {

namespace {

// Index of the first character of the last path component.
std::size_t NameStart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

// Index in path of the dot that starts the extension of the last component, or npos. A dot that is
// the component's first character is part of the name.
std::size_t ExtensionDot(std::string_view path) {
  const std::size_t start = NameStart(path);
  const std::size_t dot = path.rfind('.');
  return dot != std::string_view::npos && dot > start ? dot : std::string_view::npos;
}

}  // namespace

std::string FileNamePart(std::string_view path, bool noExt) {
  const std::size_t start = NameStart(path);
  const std::size_t end = noExt ? ExtensionDot(path) : std::string_view::npos;
  return std::string(
      path.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::optional<std::string> GetExtension3(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos || name.size() - dot != 4) return std::nullopt;
  std::string ext(name.substr(dot + 1));
  for (char& c : ext) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return ext;
}

std::string ReplaceExtension(std::string_view path, std::string_view ext) {
  const std::size_t dot = ExtensionDot(path);
  std::string out(path.substr(0, dot));
  if (dot != std::string_view::npos) out += ext;
  return out;
}

}  // namespace kernel
