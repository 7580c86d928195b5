#include "solid/model_operations.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "kernel/label_parsing.h"
#include "kernel/labels.h"
#include "solid/model_projection.h"

namespace solid {

namespace {

constexpr int kMagnifiedCopyKind = 390;
constexpr Real kParameterTolerance = static_cast<Real>(1e-13);

bool IsPoint(int i) { return i >= 0 && i < engine::kPointCapacity; }

bool FreeLabel(const engine::FigureTables& tables, int label) {
  return label >= 0 && label <= engine::kLastPointLimit && tables.label_map[label] < 0;
}

// The label of the image of point i: one prime more, else the next subscript, else the first
// free one (-1).
std::int16_t ImageLabel(const engine::FigureTables& tables, int i) {
  const int own = tables.names[i].label;
  if (FreeLabel(tables, own + kernel::kLabelsPerPrime)) return static_cast<std::int16_t>(own + kernel::kLabelsPerPrime);
  if (FreeLabel(tables, own + kernel::kLabelLetters)) return static_cast<std::int16_t>(own + kernel::kLabelLetters);
  return -1;
}

}  // namespace

int ParseVertexList(const engine::FigureTables& tables, std::string_view typed, kernel::FaceRecord& face) {
  std::string text(typed);
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  kernel::NormalizeLabelList(text);
  std::array<std::uint16_t, 64> labels{};
  const int parsed = kernel::ParseLabelList(text, labels);
  std::vector<std::uint16_t> vertices;
  for (int k = 0; k <= parsed && vertices.size() < kernel::kFaceVertexCapacity; ++k) {
    const std::uint16_t id = labels[static_cast<std::size_t>(k)];
    if (id == kernel::kLabelGroupEnd) continue;
    if (id >= engine::kPointCapacity || tables.label_map[id] < 0) return 0;
    vertices.push_back(static_cast<std::uint16_t>(tables.label_map[id]));
  }
  if (vertices.size() > 2 && vertices.back() == vertices.front()) vertices.pop_back();
  const int n = static_cast<int>(vertices.size());
  if (n < 1 || !tables.AllPointsExist(n, vertices)) return 0;
  kernel::InitFaceListFrom(face, n, vertices);
  return n;
}

int FindSurfaceById(const engine::SolidTables& solid, int number) {
  const auto surfaces = solid.Surfaces();
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    if (surfaces[i].code / 100 == number) return static_cast<int>(i);
  }
  return -1;
}

int FindSurfaceByPoints(const engine::SolidTables& solid, int kind, std::span<const std::int16_t> points,
                        std::optional<Real> parameter) {
  const auto surfaces = solid.Surfaces();
  const std::size_t count = std::min<std::size_t>(points.size(), 4);
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    const kernel::SurfaceRecord& s = surfaces[i];
    if (s.kind != kind || !std::equal(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(count), s.points.begin())) {
      continue;
    }
    if (parameter && !(std::fabs(s.param1 - *parameter) <= kParameterTolerance)) continue;
    return static_cast<int>(i);
  }
  return -1;
}

void TranslateImages(const engine::FigureTables& tables, ModelTables& model, const Point3& d, int last) {
  const int through = std::min(last, engine::kLastPointLimit);
  for (int i = 0; i <= through; ++i) {
    if (!tables.selected[i]) continue;
    Point3& p = model.images[i];
    p = {p.x + d.x, p.y + d.y, p.z + d.z};
  }
}

std::optional<kernel::FaceRecord> GetFaceMapped(const engine::FigureTables& tables, const engine::SolidTables& solid,
                                                const ModelTables& model, int face) {
  if (face < 0 || face > solid.last_face || face >= static_cast<int>(solid.faces.size())) return std::nullopt;
  kernel::FaceRecord mapped = solid.faces[static_cast<std::size_t>(face)];
  if (!mapped.visible || mapped.count < 0 || mapped.count > kernel::kFaceVertexCapacity) return std::nullopt;
  for (int k = 0; k < mapped.count; ++k) {
    std::uint16_t& v = mapped.vertices[static_cast<std::size_t>(k)];
    if (!IsPoint(v) || !tables.selected[v] || model.image_index[v] < 0) return std::nullopt;
    v = static_cast<std::uint16_t>(model.image_index[v]);
  }
  mapped.vertices[static_cast<std::size_t>(mapped.count)] = mapped.vertices[0];
  return mapped;
}

std::optional<kernel::SurfaceRecord> GetCurve(const engine::FigureTables& tables, const engine::SolidTables& solid,
                                              const ModelTables& model, int surface, bool all) {
  if (surface < 0 || surface > solid.last_surface || surface >= static_cast<int>(solid.surfaces.size())) {
    return std::nullopt;
  }
  kernel::SurfaceRecord copy = solid.surfaces[static_cast<std::size_t>(surface)];
  if (!copy.active) return std::nullopt;
  const int count = std::clamp<int>(copy.point_count, 0, 4);
  for (int k = 0; k < count; ++k) {
    std::int16_t& p = copy.points[static_cast<std::size_t>(k)];
    const bool selected = IsPoint(p) && tables.selected[p] != 0;
    if (!selected) {
      if (k == 1 && !all) continue;
      return std::nullopt;
    }
    if (model.image_index[p] < 0) return std::nullopt;
    p = model.image_index[p];
  }
  return copy;
}

void CopySelection(engine::StepEngine& engine, ModelTables& model, const CopyOptions& options) {
  engine::FigureTables& t = engine.tables;
  engine::SolidTables& solid = engine.solid;
  if (t.last_point < 0) return;
  const int n = t.last_point;
  const int m = solid.last_face;
  std::fill(model.image_flag.begin(), model.image_flag.end(), 0);
  std::fill(model.image_index.begin(), model.image_index.end(), -1);

  for (int i = 0; i <= n && t.last_point < engine::kLastPointLimit; ++i) {
    if (!t.selected[i]) continue;
    const std::int16_t label = ImageLabel(t, i);
    int image = options.merge ? t.FindPoint3DNear(model.images[i], model.point_tolerance) : -1;
    if (image < 0) {
      const bool standing = options.kind == kMagnifiedCopyKind && !engine.building;
      const Point3 position = standing ? t.xyz[t.last_point + 1] : model.images[i];
      if (engine.AddPoint3D(position, options.tag, label) < 0) continue;
      image = t.last_point;
    }
    model.image_flag[image] = 1;
    model.image_index[i] = static_cast<std::int16_t>(image);
  }

  for (int k = 0; k <= m; ++k) {
    if (solid.last_face >= engine::kFaceCapacity - 1) break;
    std::optional<kernel::FaceRecord> face = GetFaceMapped(t, solid, model, k);
    if (!face || engine::FindEqualFace(solid, *face, m) >= 0) continue;
    if (!options.attributeCopy) face->colour = options.faceColour;
    const int added = ++solid.last_face;
    solid.faces[static_cast<std::size_t>(added)] = *face;
    FacePlane(t, solid, model, added);
  }
  if (options.hideFace >= 0 && options.hideFace <= solid.last_face) {
    solid.faces[static_cast<std::size_t>(options.hideFace)].visible = 0;
  }
}

}  // namespace solid
