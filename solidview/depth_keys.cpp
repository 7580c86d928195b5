#include "solidview/depth_keys.h"

#include <algorithm>
#include <cmath>

#include "kernel/vector3.h"

namespace solidview {

namespace {

using kernel::Point3;
using kernel::Real;

bool PointOf(const engine::FigureTables& tables, int index, Point3& out) {
  if (index < 0 || index > tables.last_point) return false;
  out = tables.xyz[index];
  return true;
}

// The conics' distance along their first direction at an angle with cosine c.
Real ConicReach(int kind, Real c) {
  switch (kind) {
    case kernel::kSurfaceEllipse: return c;
    case kernel::kSurfaceHyperbola: return 1 / c;
    default: return 2 * c / (c + 1);  // parabola
  }
}

// The point by which a curved element is ordered; false for the kinds the painter leaves out.
bool SurfaceKeyPoint(const engine::FigureTables& tables, const kernel::SurfaceRecord& s, Point3& out) {
  Point3 a;
  Point3 b;
  switch (s.kind) {
    case kernel::kSurfaceCylinder:
    case kernel::kSurfaceFrustum:
    case kernel::kSurfaceCone:
      if (!PointOf(tables, s.points[0], a) || !PointOf(tables, s.points[1], b)) return false;
      out = kernel::Midpoint3(a, b);
      return true;
    case kernel::kSurfaceSphere:
      if (!PointOf(tables, s.points[0], a) || !PointOf(tables, s.points[1], b)) return false;
      out = a + ((s.param1 + 1) / 2) * (b - a);
      return true;
    case kernel::kSurfaceCircle2:
    case kernel::kSurfaceDisk: return PointOf(tables, s.points[0], out);
    case kernel::kSurfaceEllipse:
    case kernel::kSurfaceHyperbola:
    case kernel::kSurfaceParabola: {
      if (!PointOf(tables, s.points[0], a)) return false;
      // param0 is where the drawn piece starts, param1 where it ends or how far it runs; the
      // branch word (drawMode) 2 names the first.
      const Real start = s.param0;
      const Real end = s.drawMode == 2 ? s.param1 : (s.param0 + s.param1) / 2;
      const Point3 q1 = a + ConicReach(s.kind, std::cos(start)) * s.u;
      const Point3 q2 = a + ConicReach(s.kind, std::cos(end)) * s.u;
      out = kernel::Midpoint3(q1, q2);
      return true;
    }
    default: return false;
  }
}

}  // namespace

void DepthKeys(const engine::FigureTables& tables, const engine::SolidTables& solid, const Point3& observer,
               std::span<Real> keys, std::span<Point3> centroids) {
  const auto faces = solid.Faces();
  const std::size_t faceKeys = std::min({faces.size(), keys.size(), centroids.size()});
  for (std::size_t i = 0; i < faceKeys; ++i) {
    const kernel::FaceRecord& face = faces[i];
    Point3 centroid = observer;
    const int count = std::min<int>(face.count, kernel::kFaceVertexCapacity);
    if (face.visible && count > 0) {
      Point3 sum{};
      for (int k = 0; k < count; ++k) sum = sum + tables.xyz[face.vertices[static_cast<std::size_t>(k)]];
      centroid = (1 / static_cast<Real>(count)) * sum;
    }
    centroids[i] = centroid;
    keys[i] = kernel::Dist3(observer, centroid);
  }
  const auto surfaces = solid.Surfaces();
  for (std::size_t j = 0; j < surfaces.size() && faces.size() + j < keys.size(); ++j) {
    Point3 at;
    keys[faces.size() + j] = SurfaceKeyPoint(tables, surfaces[j], at) ? kernel::Dist3(at, observer) : 0;
  }
}

void EdgeDepthKeys(const engine::FigureTables& tables, const solid::ModelTables& model, const Point3& observer,
                   std::span<Real> keys) {
  const std::size_t count = std::min<std::size_t>(static_cast<std::size_t>(model.last_edge + 1), keys.size());
  for (std::size_t e = 0; e < count; ++e) {
    const solid::EdgeRecord& edge = model.edges[e];
    keys[e] = kernel::Dist3(observer, kernel::Midpoint3(tables.xyz[edge.a], tables.xyz[edge.b]));
  }
}

}  // namespace solidview
