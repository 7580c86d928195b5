#include "solid/library_solid_tables.h"

#include "solid/library_solid_families.h"

namespace solid {

const LibrarySolid* FindLibrarySolid(int code) {
  for (const auto family : {PlatonicLibrarySolids(), ArchimedeanLibrarySolids()}) {
    if (family.empty()) continue;
    const int offset = code - family.front().code;
    if (offset >= 0 && offset < static_cast<int>(family.size()))
      return &family[static_cast<std::size_t>(offset)];
  }
  return nullptr;
}

}  // namespace solid
