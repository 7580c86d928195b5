#include "kernel/small_records.h"

namespace kernel {

void SetLDRect(LDRect& r, Real x1, Real y1, Real x2, Real y2) {
  r = {x1, y1, x2, y2};
}

void SetWinRect(WinPlacement& r, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint8_t zoomed) {
  r = {x, y, width, height, zoomed};
}

void WriteWinPlacement(ByteWriter& out, const WinPlacement& r) {
  out.I32(r.x);
  out.I32(r.y);
  out.I32(r.width);
  out.I32(r.height);
  out.U8(r.zoomed);
}

WinPlacement ReadWinPlacement(ByteReader& in) {
  WinPlacement r;
  r.x = in.I32();
  r.y = in.I32();
  r.width = in.I32();
  r.height = in.I32();
  r.zoomed = in.U8();
  return r;
}

}  // namespace kernel
