#pragma once
// The file named on the command line: the launcher opens it once it is on screen, then empties it.

#include <string>

namespace app {

std::string& StartupFileName();

}  // namespace app
