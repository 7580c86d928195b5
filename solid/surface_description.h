#pragma once
// The one-line text of a curve or curved surface, as the descriptions of the steps that make or use
// it and the 3-D dialogs' lists show it: "sphere AB", "disk (radius AC, perp to AB)",
// "great circle (CD, center A)".

#include <cstddef>
#include <string>

#include "engine/step_engine.h"

namespace solid {

inline constexpr std::size_t kSurfaceLineLength = 255;

// The line of surface record i, cut to maxLen characters; empty for an index outside the table and
// for the arc of a sphere and a disk, which has no line of its own. The engine's current step is
// left as it is.
std::string DescribeSurface(engine::StepEngine& engine, int i, std::size_t maxLen = kSurfaceLineLength);

}  // namespace solid
