#pragma once
// The library's solids family by family, each family's records in code order with no gap; the
// lookup by code walks these lists.

#include <span>

#include "solid/library_solid_tables.h"

namespace solid {

std::span<const LibrarySolid> PlatonicLibrarySolids();     // 1000 to 1004
std::span<const LibrarySolid> ArchimedeanLibrarySolids();  // 1005 to 1017

}  // namespace solid
