#include "platform/raster_lines.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace platform {
namespace {

using Wide = __int128;

// floor(a / b) for b > 0, in 64 bits when both fit (lines shorter than 2^30 pixels, the usual
// ones), else in 128.
Wide FloorDiv(Wide a, Wide b) {
  constexpr Wide kNarrow = Wide{1} << 62;
  if (a > -kNarrow && a < kNarrow && b < kNarrow) {
    const auto a64 = static_cast<std::int64_t>(a), b64 = static_cast<std::int64_t>(b);
    std::int64_t q = a64 / b64;
    if ((a64 % b64 != 0) && (a64 < 0)) --q;
    return q;
  }
  Wide q = a / b;
  if ((a % b != 0) && (a < 0)) --q;
  return q;
}

// One segment in the frame of its longer axis: step k (0 <= k < steps) is at major coordinate
// u0 + su k and minor coordinate v0 + sv n(k), with n(k) = ceil((2 dm k - dM) / (2 dM)), the
// number of minor steps the reference walk has taken before step k.
struct Walk {
  std::int64_t u0, v0;
  std::int64_t dM, dm;  // lengths along the longer and the shorter axis
  int su, sv;
  bool xMajor;

  std::int64_t MinorSteps(std::int64_t k) const {
    if (dm == 0) return 0;
    const Wide a = Wide{2} * dm * k - dM;
    return static_cast<std::int64_t>(-FloorDiv(-a, Wide{2} * dM));
  }
  // The first step with at least m minor steps taken.
  std::int64_t FirstWithMinor(std::int64_t m) const {
    if (m <= 0) return 0;
    if (dm == 0) return dM;  // never
    const Wide k = FloorDiv(Wide{2} * dM * m - dM, Wide{2} * dm) + 1;
    return static_cast<std::int64_t>(std::min<Wide>(k, dM));
  }
  // The last step with at most m minor steps taken.
  std::int64_t LastWithMinor(std::int64_t m) const {
    if (m < 0) return -1;
    if (dm == 0) return dM - 1;
    const Wide k = FloorDiv(Wide{2} * dM * m + dM, Wide{2} * dm);
    return static_cast<std::int64_t>(std::min<Wide>(k, dM - 1));
  }
};

// The steps k whose coordinate c0 + s i(k) lies in [low, high) when i(k) = k.
void StepRange(std::int64_t c0, int s, std::int64_t low, std::int64_t high, std::int64_t& first,
               std::int64_t& last) {
  if (s > 0) {
    first = low - c0;
    last = high - 1 - c0;
  } else {
    first = c0 - (high - 1);
    last = c0 - low;
  }
}

// Where the dash pattern stands at a pixel: the entry and the pixels left in it.
struct DashPhase {
  std::span<const int> pattern;
  std::int64_t period = 0;
  std::size_t entry = 0;
  int left = 0;

  void Seek(std::int64_t pixel) {
    std::int64_t at = pixel % period;
    entry = 0;
    while (at >= pattern[entry]) {
      at -= pattern[entry];
      ++entry;
    }
    left = static_cast<int>(pattern[entry] - at);
  }
  bool InDash() const { return entry % 2 == 0; }
  void Advance() {
    if (--left == 0) {
      entry = entry + 1 == pattern.size() ? 0 : entry + 1;
      left = pattern[entry];
    }
  }
};

template <RasterOp Op>
inline void Put(std::uint32_t* p, std::uint32_t color) {
  if constexpr (Op == RasterOp::Copy) {
    *p = color | 0xFF000000u;
  } else if constexpr (Op == RasterOp::Xor) {
    *p ^= color & 0x00FFFFFFu;
  } else {
    *p = ~(*p ^ color) | 0xFF000000u;
  }
}

// Walks steps first..last of the segment, writing every pixel (solid) or those of one kind of
// the pattern (dashes or gaps).
template <RasterOp Op>
void WalkSteps(const PixelTarget& t, const Walk& w, std::int64_t first, std::int64_t last,
               std::uint32_t color, DashPhase* dash, std::int64_t phase, bool wantDash) {
  std::int64_t n = w.MinorSteps(first);
  std::int64_t u = w.u0 + w.su * first;
  std::int64_t v = w.v0 + w.sv * n;
  const std::int64_t x = w.xMajor ? u : v, y = w.xMajor ? v : u;
  std::uint32_t* p = t.pixels + y * t.stride + x;
  const std::ptrdiff_t majorStep = w.xMajor ? w.su : w.su * t.stride;
  const std::ptrdiff_t minorStep = w.xMajor ? w.sv * t.stride : w.sv;
  const std::int64_t twoM = 2 * w.dM, twom = 2 * w.dm;
  // The reference's error term before step `first`.
  std::int64_t error = static_cast<std::int64_t>(Wide{twom} * (first + 1) - w.dM - Wide{twoM} * n);
  std::int64_t count = last - first + 1;
  if (dash == nullptr) {
    while (count-- > 0) {
      Put<Op>(p, color);
      if (error > 0) {
        p += minorStep;
        error -= twoM;
      }
      error += twom;
      p += majorStep;
    }
    return;
  }
  dash->Seek(phase + first);
  while (count-- > 0) {
    if (dash->InDash() == wantDash) Put<Op>(p, color);
    dash->Advance();
    if (error > 0) {
      p += minorStep;
      error -= twoM;
    }
    error += twom;
    p += majorStep;
  }
}

template <RasterOp Op>
void DrawPass(const PixelTarget& target, std::span<const Rect> clips, std::span<const PointI> points,
              bool closed, const ThinPen& pen, bool gaps, Rect* drawn) {
  DashPhase dash;
  DashPhase* dashing = nullptr;
  if (!pen.pattern.empty()) {
    dash.pattern = pen.pattern;
    dash.period = std::accumulate(pen.pattern.begin(), pen.pattern.end(), std::int64_t{0});
    dashing = &dash;
  }
  const std::uint32_t color = gaps ? pen.gapColor : pen.color;
  const std::size_t segments = closed ? points.size() : points.size() - 1;
  std::int64_t phase = 0;  // pixels of the pattern used by the segments before
  for (std::size_t i = 0; i < segments; ++i) {
    const PointI a = points[i];
    const PointI b = points[(i + 1) % points.size()];
    const std::int64_t dx = std::abs(std::int64_t{b.x} - a.x);
    const std::int64_t dy = std::abs(std::int64_t{b.y} - a.y);
    Walk w;
    w.xMajor = dx >= dy;
    w.u0 = w.xMajor ? a.x : a.y;
    w.v0 = w.xMajor ? a.y : a.x;
    w.dM = w.xMajor ? dx : dy;
    w.dm = w.xMajor ? dy : dx;
    w.su = (w.xMajor ? b.x >= a.x : b.y >= a.y) ? 1 : -1;
    w.sv = (w.xMajor ? b.y >= a.y : b.x >= a.x) ? 1 : -1;
    if (w.dM == 0) continue;
    const std::int64_t minX = std::min(a.x, b.x), maxX = std::max(a.x, b.x);
    const std::int64_t minY = std::min(a.y, b.y), maxY = std::max(a.y, b.y);
    for (const Rect& clip : clips) {
      if (maxX < clip.left || minX >= clip.right || maxY < clip.top || minY >= clip.bottom) continue;
      const std::int64_t uLow = w.xMajor ? clip.left : clip.top;
      const std::int64_t uHigh = w.xMajor ? clip.right : clip.bottom;
      const std::int64_t vLow = w.xMajor ? clip.top : clip.left;
      const std::int64_t vHigh = w.xMajor ? clip.bottom : clip.right;
      std::int64_t first = 0, last = 0;
      StepRange(w.u0, w.su, uLow, uHigh, first, last);
      first = std::max<std::int64_t>(first, 0);
      last = std::min<std::int64_t>(last, w.dM - 1);
      if (first > last) continue;
      // Minor steps taken must keep the minor coordinate inside.
      std::int64_t mLow = 0, mHigh = 0;
      StepRange(w.v0, w.sv, vLow, vHigh, mLow, mHigh);
      first = std::max(first, w.FirstWithMinor(mLow));
      last = std::min(last, w.LastWithMinor(mHigh));
      if (first > last) continue;
      WalkSteps<Op>(target, w, first, last, color, dashing, phase, !gaps);
      if (drawn != nullptr) {
        // The box of what was written: the first and last pixels bound the walk.
        for (const std::int64_t k : {first, last}) {
          const std::int64_t u = w.u0 + w.su * k, v = w.v0 + w.sv * w.MinorSteps(k);
          const int x = static_cast<int>(w.xMajor ? u : v), y = static_cast<int>(w.xMajor ? v : u);
          *drawn = Unite(*drawn, Rect{x, y, x + 1, y + 1});
        }
      }
    }
    if (dashing) phase = (phase + w.dM) % dash.period;
  }
}

template <RasterOp Op>
void DrawWithOp(const PixelTarget& target, std::span<const Rect> clips, std::span<const PointI> points,
                bool closed, const ThinPen& pen, Rect* drawn) {
  DrawPass<Op>(target, clips, points, closed, pen, false, drawn);
  // The reference writes every dash pixel first, then every gap pixel.
  if (!pen.pattern.empty() && pen.opaqueGaps) DrawPass<Op>(target, clips, points, closed, pen, true, drawn);
}

}  // namespace

void DrawThinLine(const PixelTarget& target, std::span<const Rect> clips, std::span<const PointI> points,
                  bool closed, const ThinPen& pen, Rect* drawn) {
  if (points.size() < 2 || target.pixels == nullptr) return;
  switch (pen.op) {
    case RasterOp::Copy: DrawWithOp<RasterOp::Copy>(target, clips, points, closed, pen, drawn); break;
    case RasterOp::Xor: DrawWithOp<RasterOp::Xor>(target, clips, points, closed, pen, drawn); break;
    case RasterOp::NotXor: DrawWithOp<RasterOp::NotXor>(target, clips, points, closed, pen, drawn); break;
  }
}

}  // namespace platform
