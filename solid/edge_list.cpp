#include "solid/edge_list.h"

#include <algorithm>

namespace solid {

int BuildEdgeList(const engine::SolidTables& solid, ModelTables& model, EdgeListScratch& scratch) {
  std::vector<EdgeListScratch::Side>& sides = scratch.sides;
  sides.clear();
  const auto faces = solid.Faces();
  for (std::size_t f = 0; f < faces.size(); ++f) {
    const kernel::FaceRecord& face = faces[f];
    if (!face.visible || face.count < 2) continue;
    const int count = std::min<int>(face.count, kernel::kFaceVertexCapacity);
    for (int k = 0; k < count; ++k) {
      const std::uint16_t a = face.vertices[static_cast<std::size_t>(k)];
      const std::uint16_t b = face.vertices[static_cast<std::size_t>(k + 1 < count ? k + 1 : 0)];
      if (a == b) continue;
      sides.push_back({std::min(a, b), std::max(a, b), static_cast<std::int32_t>(sides.size()),
                       static_cast<std::int16_t>(f)});
    }
  }
  // Equal sides side by side, the first in face order leading; then the survivors back in order.
  std::sort(sides.begin(), sides.end(), [](const auto& p, const auto& q) {
    if (p.low != q.low) return p.low < q.low;
    if (p.high != q.high) return p.high < q.high;
    return p.order < q.order;
  });
  const auto unique = std::unique(sides.begin(), sides.end(),
                                  [](const auto& p, const auto& q) { return p.low == q.low && p.high == q.high; });
  sides.erase(unique, sides.end());
  std::sort(sides.begin(), sides.end(), [](const auto& p, const auto& q) { return p.order < q.order; });

  if (model.edges.size() < static_cast<std::size_t>(kEdgeCapacity)) model.edges.resize(kEdgeCapacity);
  const std::size_t kept = std::min(sides.size(), static_cast<std::size_t>(kEdgeCapacity));
  for (std::size_t e = 0; e < kept; ++e) {
    const EdgeListScratch::Side& side = sides[e];
    model.edges[e] = {side.low, side.high, kNoImage, side.face};
  }
  model.last_edge = static_cast<std::int16_t>(static_cast<int>(kept) - 1);
  return model.last_edge;
}

}  // namespace solid
