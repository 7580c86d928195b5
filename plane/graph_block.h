#pragma once
// Where the graph window stood and what it showed, as the plane figure file's graph block keeps
// them: the window's outer placement (four 32-bit values and the zoomed byte) and its view box
// (four 80-bit values: x minimum, x maximum, y minimum, y maximum).

#include <optional>

#include "engine/windows/figure_file_pieces.h"
#include "kernel/plain_records.h"
#include "platform/frame_window.h"

namespace plane {

// The stored placement, or none when the block holds no usable one (a new figure's zeros, or
// a size no screen could show).
std::optional<platform::WindowRect> GraphBlockPlacement(const engine::PlotSettingsPiece& plot);
// Writes the four values of the placement; the zoomed byte is left as it is.
void SetGraphBlockPlacement(engine::PlotSettingsPiece& plot, const platform::WindowRect& placement);

// The stored view box, or none when it is empty, reversed or not finite.
std::optional<kernel::Box2> GraphBlockViewBox(const engine::PlotSettingsPiece& plot);
void SetGraphBlockViewBox(engine::PlotSettingsPiece& plot, const kernel::Box2& box);

}  // namespace plane
