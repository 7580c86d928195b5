#include "resources/resource_files.h"

namespace resources {

std::string_view FindFile(std::string_view name) {
  for (const ResourceFile& file : EmbeddedFiles())
    if (file.name == name) return file.bytes;
  return {};
}

}  // namespace resources
