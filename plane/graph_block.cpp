#include "plane/graph_block.h"

#include <algorithm>
#include <cmath>

#include "kernel/byte_io.h"

namespace plane {

namespace {

constexpr std::size_t kPlacementOffset = 120;
constexpr std::size_t kPlacementValuesBytes = 16;
constexpr std::size_t kViewBoxOffset = 138;
constexpr std::size_t kViewBoxBytes = 4 * static_cast<std::size_t>(kernel::kRealBytes);
// Larger than any screen: a stored size beyond it comes from a damaged file.
constexpr int kLargestWindowSide = 32767;
constexpr int kFarthestCorner = 1 << 20;

void Put(engine::PlotSettingsPiece& plot, std::size_t offset, const kernel::ByteWriter& out) {
  std::copy(out.bytes().begin(), out.bytes().end(), plot.fixed.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace

std::optional<platform::WindowRect> GraphBlockPlacement(const engine::PlotSettingsPiece& plot) {
  kernel::ByteReader in(plot.fixed.data() + kPlacementOffset, kPlacementValuesBytes);
  platform::WindowRect r;
  r.x = in.I32();
  r.y = in.I32();
  r.width = in.I32();
  r.height = in.I32();
  if (r.width <= 0 || r.height <= 0 || r.width > kLargestWindowSide || r.height > kLargestWindowSide) return {};
  if (std::abs(static_cast<long long>(r.x)) > kFarthestCorner || std::abs(static_cast<long long>(r.y)) > kFarthestCorner)
    return {};
  return r;
}

void SetGraphBlockPlacement(engine::PlotSettingsPiece& plot, const platform::WindowRect& placement) {
  kernel::ByteWriter out;
  out.I32(placement.x);
  out.I32(placement.y);
  out.I32(placement.width);
  out.I32(placement.height);
  Put(plot, kPlacementOffset, out);
}

std::optional<kernel::Box2> GraphBlockViewBox(const engine::PlotSettingsPiece& plot) {
  kernel::ByteReader in(plot.fixed.data() + kViewBoxOffset, kViewBoxBytes);
  kernel::Box2 box;
  box.xmin = in.Real80();
  box.xmax = in.Real80();
  box.ymin = in.Real80();
  box.ymax = in.Real80();
  for (const kernel::Real v : {box.xmin, box.xmax, box.ymin, box.ymax})
    if (!std::isfinite(v)) return {};
  if (!(box.xmin < box.xmax) || !(box.ymin < box.ymax)) return {};
  if (!std::isfinite(box.xmax - box.xmin) || !std::isfinite(box.ymax - box.ymin)) return {};
  return box;
}

void SetGraphBlockViewBox(engine::PlotSettingsPiece& plot, const kernel::Box2& box) {
  kernel::ByteWriter out;
  for (const kernel::Real v : {box.xmin, box.xmax, box.ymin, box.ymax}) out.Real80(v);
  Put(plot, kViewBoxOffset, out);
}

}  // namespace plane
