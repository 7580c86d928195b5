#pragma once
// Attaching a tile where the user clicks: the edge under the mouse, and an all-or-nothing attach
// that takes everything back when the tile or one of the tiles it forces does not fit.

#include <cstdint>

#include "special/penrose_tiles.h"

namespace special {

// The first edge whose interior holds the foot of the perpendicular from the point, that foot
// being within 5 pixels of the point in each axis (unitsX and unitsY: world units per pixel);
// -1 when there is none.
std::int16_t EdgeAtPoint(const PenroseTiling& tiling, const Point2& point, Real unitsX, Real unitsY);

struct AttachResult {
  bool attempted = false;  // an edge with exactly one open side was there
  std::int16_t code = kTileOk;  // above 0: the message to show; the tiling is as it was
};

// One user action: a kite (which = 0, the left button) or a dart (which = 1) on the open side of
// the edge, with its forced tiles. On success the action's last record closes the action; on a
// result of 1 or more the tables, the bar lists and the placement list are restored exactly. The
// redo limit becomes the last placement index either way. Nothing happens unless exactly one side
// of the edge is open.
AttachResult AttachToEdge(PenroseTiling& tiling, int which, std::int16_t edge);

// EdgeAtPoint, then AttachToEdge.
AttachResult AttachAtPoint(PenroseTiling& tiling, int which, const Point2& point, Real unitsX, Real unitsY);

}  // namespace special
