#include "solidview/face_outlines.h"

#include <algorithm>

#include "kernel/export_polygon_clip.h"
#include "solid/model_projection.h"

namespace solidview {

namespace {

int VertexCount(const kernel::FaceRecord& face) { return std::clamp<int>(face.count, 0, kernel::kFaceVertexCapacity); }

}  // namespace

void FaceOutlines::Reserve(std::size_t faces) {
  if (pixels.size() < faces) pixels.resize(faces);
  if (counts.size() < faces) counts.resize(faces, 0);
}

void ProjectFacePolygon(const engine::FigureTables& tables, const engine::SolidTables& solid,
                        const kernel::ViewFrame& frame, const view::ViewMapping& mapping, int face,
                        FaceOutlines& outlines) {
  outlines.Reserve(static_cast<std::size_t>(face) + 1);
  const kernel::FaceRecord& record = solid.faces[static_cast<std::size_t>(face)];
  std::vector<kernel::IntPoint2>& pixels = outlines.pixels[static_cast<std::size_t>(face)];
  const int n = VertexCount(record);
  outlines.corners.clear();
  pixels.clear();
  bool cut = false;
  for (int k = 0; k < n; ++k) {
    const std::uint16_t v = record.vertices[static_cast<std::size_t>(k)];
    outlines.corners.push_back(tables.xy[v]);
    const engine::PixelPoint pixel =
        mapping.printing ? solid::PointToScreen(frame, mapping, tables.xyz[v]) : tables.projected[v];
    pixels.push_back({pixel.x, pixel.y});
    if (record.visible && !view::PixelInClient(mapping, pixel.x, pixel.y)) cut = true;
  }
  if (cut) {
    kernel::ClipPolygonToBox(outlines.corners, mapping.box, outlines.cut);
    pixels.clear();
    for (const kernel::Point2& p : outlines.cut) {
      platform::PointI pixel;
      view::WorldToPixel(mapping, p, pixel);
      pixels.push_back({pixel.x, pixel.y});
    }
  }
  outlines.counts[static_cast<std::size_t>(face)] = static_cast<std::int32_t>(pixels.size());
}

void FaceViewOutline(const engine::FigureTables& tables, const engine::SolidTables& solid,
                     const view::ViewMapping& mapping, int face, std::vector<kernel::Point2>& out) {
  out.clear();
  const kernel::FaceRecord& record = solid.faces[static_cast<std::size_t>(face)];
  if (!record.visible) return;
  bool inside = true;
  for (int k = 0; k < VertexCount(record); ++k) {
    const kernel::Point2& p = tables.xy[record.vertices[static_cast<std::size_t>(k)]];
    out.push_back(p);
    inside = inside && view::InView(mapping, p);
  }
  if (inside) return;
  const std::vector<kernel::Point2> corners = out;
  kernel::ClipPolygonToBox(corners, mapping.box, out);
}

}  // namespace solidview
