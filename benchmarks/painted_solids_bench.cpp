// Painting solids on an 800 x 600 off-screen bitmap. The painter's order of a closed surface of
// 1000 triangles against the floor of the same faces filled in index order without keys or sort;
// and a polyhedron of 120 vertices, 180 edges and 62 faces (the truncated icosidodecahedron, as
// the hull of its vertices) turned by one step and its figure level painted again, in the
// painted, dotted, shown and painted-and-dotted modes.

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "bench_application.h"
#include "kernel/convex_hull3.h"
#include "kernel/vector3.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/dc.h"
#include "shell/child_windows.h"
#include "solidview/geom3_win.h"
#include "solidview/solid_window_opening.h"
#include "view/dc_figure_painter.h"

namespace {

using kernel::Point3;
using kernel::Real;

constexpr int kWidth = 800, kHeight = 600;

// A window in space showing the given vertices and faces, its client area 800 x 600. The history
// holds the prism it was opened with, so the figure paints.
solidview::TGeom3Win* SolidWindow(const std::vector<Point3>& points, const std::vector<std::vector<std::uint16_t>>& faces) {
  bench::EnsureApplication();
  shell::ChildWindows().fill(0);
  plane::SolidHandOver prism;
  prism.prism = true;
  prism.base = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  prism.labels = {0, 1, 2, 3};
  prism.altitude = 1;
  auto* w = static_cast<solidview::TGeom3Win*>(solidview::OpenSolidWindow(nullptr, "bench.kv3", 0, prism));
  w->SetClientSize(kWidth, kHeight);
  platform::Application::ProcessPendingEvents();
  w->DeliverSize(w->ClientWidth(), w->ClientHeight());
  engine::FigureTables& t = w->tables();
  for (std::size_t i = 0; i < points.size(); ++i) {
    t.xyz[i] = points[i];
    t.exists[i] = 1;
    t.attrs[i].tag = 1;
  }
  t.last_point = static_cast<std::int16_t>(points.size() - 1);
  engine::SolidTables& s = w->solid();
  for (std::size_t f = 0; f < faces.size(); ++f) {
    kernel::InitFaceListFrom(s.faces[f], static_cast<int>(faces[f].size()), faces[f]);
    s.faces[f].colour = static_cast<std::uint16_t>(2 + f % 12);
  }
  s.last_face = static_cast<std::int16_t>(faces.size() - 1);
  w->mapping.width = kWidth;
  w->mapping.height = kHeight;
  w->Update(false);
  return w;
}

// A torus of 25 x 20 quadrilaterals, each cut into two triangles.
solidview::TGeom3Win* TorusWindow() {
  constexpr int kAround = 25, kAcross = 20;
  std::vector<Point3> points;
  for (int i = 0; i < kAround; ++i) {
    for (int j = 0; j < kAcross; ++j) {
      const Real u = 2 * kernel::Pi * i / kAround;
      const Real v = 2 * kernel::Pi * j / kAcross;
      points.push_back({(3 + std::cos(v)) * std::cos(u), (3 + std::cos(v)) * std::sin(u), std::sin(v)});
    }
  }
  std::vector<std::vector<std::uint16_t>> faces;
  const auto at = [](int i, int j) { return static_cast<std::uint16_t>((i % kAround) * kAcross + j % kAcross); };
  for (int i = 0; i < kAround; ++i) {
    for (int j = 0; j < kAcross; ++j) {
      faces.push_back({at(i, j), at(i + 1, j), at(i + 1, j + 1)});
      faces.push_back({at(i, j), at(i + 1, j + 1), at(i, j + 1)});
    }
  }
  solidview::TGeom3Win* w = SolidWindow(points, faces);
  w->convexityAssumed = 0;
  return w;
}

// The 120 vertices of the truncated icosidodecahedron: the even permutations of five sign
// patterns.
std::vector<Point3> TruncatedIcosidodecahedron() {
  const Real phi = (1 + std::sqrt(Real{5})) / 2;
  const std::array<Point3, 5> bases{{{1 / phi, 1 / phi, 3 + phi},
                                     {2 / phi, phi, 1 + 2 * phi},
                                     {1 / phi, phi * phi, 3 * phi - 1},
                                     {2 * phi - 1, 2, 2 + phi},
                                     {phi, 3, 2 * phi}}};
  std::vector<Point3> points;
  for (const Point3& b : bases) {
    const std::array<Point3, 3> cyclic{{{b.x, b.y, b.z}, {b.y, b.z, b.x}, {b.z, b.x, b.y}}};
    for (const Point3& c : cyclic) {
      for (int signs = 0; signs < 8; ++signs) {
        points.push_back({signs & 1 ? -c.x : c.x, signs & 2 ? -c.y : c.y, signs & 4 ? -c.z : c.z});
      }
    }
  }
  return points;
}

solidview::TGeom3Win* PolyhedronWindow() {
  const std::vector<Point3> points = TruncatedIcosidodecahedron();
  const kernel::ConvexHull3 hull = kernel::ConvexHull3D(points);
  std::vector<std::vector<std::uint16_t>> faces;
  for (const kernel::HullFace& face : hull.faces) {
    faces.push_back(face.vertices);
  }
  return SolidWindow(points, faces);
}

struct Target {
  platform::Bitmap bitmap{kWidth, kHeight};
  std::unique_ptr<platform::DC> dc = bitmap.CreateDC();
};

void BM_FacesInIndexOrderFloor(benchmark::State& state) {
  solidview::TGeom3Win* w = TorusWindow();
  Target target;
  view::DcFigurePainter painter(*target.dc, w->mapping, view::DcPaintRules{});
  w->DrawAllFaces();
  for (auto _ : state) {
    for (int face = 0; face <= w->solid().last_face; ++face) w->DrawFace(painter, face);
    benchmark::ClobberMemory();
  }
  state.counters["faces"] = w->solid().last_face + 1;
  w->Destroy();
}
BENCHMARK(BM_FacesInIndexOrderFloor)->Unit(benchmark::kMillisecond);

void BM_PainterSortAndPaint(benchmark::State& state) {
  solidview::TGeom3Win* w = TorusWindow();
  Target target;
  view::DcFigurePainter painter(*target.dc, w->mapping, view::DcPaintRules{});
  w->DrawAllFaces();
  for (auto _ : state) {
    w->PaintDepthSorted(painter);
    benchmark::ClobberMemory();
  }
  w->Destroy();
}
BENCHMARK(BM_PainterSortAndPaint)->Unit(benchmark::kMillisecond);

// The floor of the turned polyhedron: its 62 faces filled in index order, the view as it stands.
void BM_PolyhedronFacesFloor(benchmark::State& state) {
  solidview::TGeom3Win* w = PolyhedronWindow();
  Target target;
  view::DcFigurePainter painter(*target.dc, w->mapping, view::DcPaintRules{});
  w->DrawAllFaces();
  for (auto _ : state) {
    for (int face = 0; face <= w->solid().last_face; ++face) w->DrawFace(painter, face);
    benchmark::ClobberMemory();
  }
  w->Destroy();
}
BENCHMARK(BM_PolyhedronFacesFloor)->Unit(benchmark::kMillisecond);

// Argument: the display mode.
void BM_TurnAndRepaintPolyhedron(benchmark::State& state) {
  solidview::TGeom3Win* w = PolyhedronWindow();
  w->display.displayMode = static_cast<std::uint16_t>(state.range(0));
  Target target;
  view::DcFigurePainter painter(*target.dc, w->mapping, view::DcPaintRules{});
  const Real step = kernel::Pi / 36;
  for (auto _ : state) {
    // One turn of the observer about the vertical through the view centre, then the figure level.
    const Point3 d = w->observer - w->viewCentre;
    w->observer = w->viewCentre + Point3{d.x * std::cos(step) - d.y * std::sin(step),
                                         d.x * std::sin(step) + d.y * std::cos(step), d.z};
    w->ComputeViewFromObserver();
    w->UpdateProjection(-1);
    w->PaintFigure(painter);
    benchmark::ClobberMemory();
  }
  state.counters["edges"] = w->modelTables.last_edge + 1;
  state.counters["faces"] = w->solid().last_face + 1;
  w->Destroy();
}
BENCHMARK(BM_TurnAndRepaintPolyhedron)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
