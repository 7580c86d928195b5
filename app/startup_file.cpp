#include "app/startup_file.h"

namespace app {

std::string& StartupFileName() {
  static std::string name;
  return name;
}

}  // namespace app
