#include "special/penrose_patches.h"

namespace special {

bool LoadLibraryPatch(PenroseTiling& t, int patch) {
  const LibraryPatch* p = FindLibraryPatch(patch, t.mode);
  if (p == nullptr) return false;
  ResetTiling(t, p->rotation);
  t.placements.clear();
  for (const PatchRecord& r : p->records) t.placements.push_back({r.edge, r.side, r.type, r.color, 0});
  t.lastPlacement = static_cast<std::int16_t>(t.placements.size()) - 1;
  RebuildTiling(t);
  return true;
}

}  // namespace special
