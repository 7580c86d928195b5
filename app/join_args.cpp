#include "app/join_args.h"

namespace app {

std::string JoinArgs(int argc, const char* const* argv) {
  std::string joined;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) joined += ' ';
    joined += argv[i];
  }
  return joined;
}

}  // namespace app
