#pragma once
// Small records shared by the windows: a rectangle of reals and a window placement.

#include <cstdint>

#include "kernel/byte_io.h"
#include "kernel/real.h"

namespace kernel {

// Four reals in order: two points, or the corners of a rectangle.
struct LDRect {
  Real x1 = 0;
  Real y1 = 0;
  Real x2 = 0;
  Real y2 = 0;
};

void SetLDRect(LDRect& r, Real x1, Real y1, Real x2, Real y2);

// A window's position and size on the screen, and whether it is maximised.
struct WinPlacement {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::uint8_t zoomed = 0;
};

inline constexpr int kWinPlacementBytes = 17;

void SetWinRect(WinPlacement& r, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint8_t zoomed);

// Settings files hold a placement as x, y, width, height (i32) and the zoomed byte.
void WriteWinPlacement(ByteWriter& out, const WinPlacement& r);
WinPlacement ReadWinPlacement(ByteReader& in);

}  // namespace kernel
