#include "support/source_paths.h"

namespace test_support {

const std::string& SourceRoot() {
  static const std::string root = KV_SOURCE_ROOT;
  return root;
}

const std::string& ProgramPath() {
  static const std::string path = KV_PROGRAM_PATH;
  return path;
}

}  // namespace test_support
