#include "solid/model_projection.h"

#include <algorithm>

#include "kernel/number_text.h"

namespace solid {

namespace {

bool IsPoint(int i) { return i >= 0 && i < engine::kPointCapacity; }

}  // namespace

engine::PixelPoint ViewToPixel(const view::ViewMapping& mapping, const Point2& p) {
  return {kernel::RoundLD(view::XToScreenLD(mapping, p.x)), kernel::RoundLD(view::YToScreenLD(mapping, p.y))};
}

engine::PixelPoint PointToScreen(const kernel::ViewFrame& frame, const view::ViewMapping& mapping, const Point3& p) {
  return ViewToPixel(mapping, kernel::ProjectToView(frame, p));
}

void FacePlane(const engine::FigureTables& tables, const engine::SolidTables& solid, ModelTables& model, int face) {
  if (face < 0 || face >= static_cast<int>(solid.faces.size()) || face >= static_cast<int>(model.face_planes.size())) {
    return;
  }
  const kernel::FaceRecord& f = solid.faces[static_cast<std::size_t>(face)];
  if (f.count < 3) return;
  const auto& v = f.vertices;
  if (!IsPoint(v[0]) || !IsPoint(v[1]) || !IsPoint(v[2])) return;
  kernel::PlaneThroughPoints3(tables.xyz[v[0]], tables.xyz[v[1]], tables.xyz[v[2]],
                              model.face_planes[static_cast<std::size_t>(face)]);
}

void FacePlanesOf(const engine::FigureTables& tables, const engine::SolidTables& solid, ModelTables& model,
                  int vertex) {
  const int faces = static_cast<int>(solid.Faces().size());
  for (int k = 0; k < faces; ++k) {
    if (vertex < 0 || kernel::FaceListFind(solid.faces[static_cast<std::size_t>(k)],
                                           static_cast<std::uint16_t>(vertex)) >= 0) {
      FacePlane(tables, solid, model, k);
    }
  }
}

void UpdateProjection(const kernel::ViewFrame& frame, const view::ViewMapping& mapping, engine::FigureTables& tables,
                      const engine::SolidTables& solid, ModelTables& model, int i) {
  const int first = i < 0 ? 0 : i;
  const int last = std::min<int>(i < 0 ? tables.last_point : i, tables.last_point);
  for (int k = first; k <= last; ++k) {
    const Point2 p = kernel::ProjectToView(frame, tables.xyz[k]);
    tables.xy[k] = p;
    tables.projected[k] = ViewToPixel(mapping, p);
  }

  const auto faces = solid.Faces();
  const std::size_t boxes = std::min(faces.size(), model.face_boxes.size());
  for (std::size_t k = 0; k < boxes; ++k) {
    const kernel::FaceRecord& face = faces[k];
    FaceScreenBox box{mapping.width, mapping.height, 0, 0};
    const int count = std::clamp<int>(face.count, 0, kernel::kFaceVertexCapacity);
    for (int j = 0; j < count; ++j) {
      const std::uint16_t v = face.vertices[static_cast<std::size_t>(j)];
      if (!IsPoint(v)) continue;
      const engine::PixelPoint& pixel = tables.projected[v];
      box.left = std::min(box.left, pixel.x);
      box.right = std::max(box.right, pixel.x);
      box.top = std::min(box.top, pixel.y);
      box.bottom = std::max(box.bottom, pixel.y);
    }
    model.face_boxes[k] = box;
  }
  FacePlanesOf(tables, solid, model, i);
}

}  // namespace solid
