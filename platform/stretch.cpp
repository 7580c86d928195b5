#include "platform/stretch.h"

#include <algorithm>
#include <cstdint>

namespace platform {
namespace {

using Wide = __int128;

std::int64_t CeilDiv(Wide a, Wide b) { return static_cast<std::int64_t>(a >= 0 ? (a + b - 1) / b : -((-a) / b)); }

// One axis: destination [d0, d1) of a source [s0, s1), the visible destination [v0, v1).
bool Axis(std::int64_t d0, std::int64_t d1, std::int64_t s0, std::int64_t s1, bool flip, std::int64_t v0,
          std::int64_t v1, int& outD0, int& outD1, int& outS0, int& outS1) {
  const std::int64_t dw = d1 - d0, sw = s1 - s0;
  const std::int64_t i0 = std::max(v0, d0) - d0, i1 = std::min(v1, d1) - d0;  // visible indices
  if (i1 <= i0) return false;
  // Source indices (from the near side of a mirrored picture) of the first and last visible pixel.
  const auto j0 = static_cast<std::int64_t>(Wide{i0} * sw / dw);
  const auto j1 = static_cast<std::int64_t>(Wide{i1 - 1} * sw / dw);
  outD0 = static_cast<int>(d0 + CeilDiv(Wide{j0} * dw, sw));
  outD1 = static_cast<int>(d0 + CeilDiv(Wide{j1 + 1} * dw, sw));
  outS0 = static_cast<int>(flip ? s1 - 1 - j1 : s0 + j0);
  outS1 = static_cast<int>(flip ? s1 - j0 : s0 + j1 + 1);
  return outD1 > outD0;
}

}  // namespace

bool VisibleStretch(const Rect& dest, const Rect& source, bool flipX, bool flipY, const Rect& visible,
                    StretchPart& part) {
  if (dest.IsEmpty() || source.IsEmpty() || visible.IsEmpty()) return false;
  return Axis(dest.left, dest.right, source.left, source.right, flipX, visible.left, visible.right,
              part.dest.left, part.dest.right, part.source.left, part.source.right) &&
         Axis(dest.top, dest.bottom, source.top, source.bottom, flipY, visible.top, visible.bottom,
              part.dest.top, part.dest.bottom, part.source.top, part.source.bottom);
}

}  // namespace platform
