#pragma once
// The data summary of a tiling: how many kites and darts (or 72-degree and 36-degree rhombs),
// tiles, edges and vertices it has, one "word: number" a line.

#include <string>

#include "special/penrose_tiles.h"

namespace special {

std::string PenroseDataText(const PenroseTiling& tiling);

}  // namespace special
