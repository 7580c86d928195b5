#pragma once
// The command line as one file name: a path that the shell split at its blanks arrives whole.

#include <string>

namespace app {

// Empty when there is no argument after the program's own; otherwise argument 1 and each further
// argument after one blank.
std::string JoinArgs(int argc, const char* const* argv);

}  // namespace app
