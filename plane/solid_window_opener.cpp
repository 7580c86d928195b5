#include "plane/solid_window_opener.h"

namespace plane {

namespace {

SolidWindowOpener& Opener() {
  static SolidWindowOpener opener = nullptr;
  return opener;
}

}  // namespace

void SetSolidWindowOpener(SolidWindowOpener opener) { Opener() = opener; }

SolidWindowOpener GetSolidWindowOpener() { return Opener(); }

}  // namespace plane
