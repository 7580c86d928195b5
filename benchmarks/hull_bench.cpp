// The convex hull and the volume measurement on point sets of the sizes a 3-D figure reaches. The
// hull is measured beside a bare call of the library that computes it, on the same points: the
// kernel's own work (checks, merging of nearly coplanar faces, face polygons) is the difference.

#include <benchmark/benchmark.h>

extern "C" {
#include <libqhull_r/libqhull_r.h>
}

#include <cstdio>
#include <memory>
#include <vector>

#include "kernel/convex_hull3.h"
#include "kernel/hull_measures3.h"
#include "kernel/random.h"
#include "kernel/vector3.h"

namespace {

using kernel::Point3;

enum Cloud { kInCube = 0, kOnSphere = 1 };

std::vector<Point3> MakeCloud(int count, Cloud cloud) {
  kernel::SeedRandom(1234);
  std::vector<Point3> points;
  while (static_cast<int>(points.size()) < count) {
    Point3 p{kernel::RandomBetween(-1, 1), kernel::RandomBetween(-1, 1), kernel::RandomBetween(-1, 1)};
    if (cloud == kOnSphere && (kernel::Dot3(p, p) > 1 || !kernel::Normalize3(p))) continue;
    points.push_back(p);
  }
  return points;
}

void BM_ConvexHull3D(benchmark::State& state) {
  const std::vector<Point3> points =
      MakeCloud(static_cast<int>(state.range(0)), static_cast<Cloud>(state.range(1)));
  std::size_t faces = 0;
  for (auto _ : state) {
    const kernel::ConvexHull3 hull = kernel::ConvexHull3D(points);
    faces = hull.faces.size();
    benchmark::DoNotOptimize(faces);
  }
  state.counters["faces"] = static_cast<double>(faces);
}

// The floor: the same points rounded to double, one call with qhull's default options, the facets
// counted, everything freed.
void BM_BareQhull(benchmark::State& state) {
  const std::vector<Point3> points =
      MakeCloud(static_cast<int>(state.range(0)), static_cast<Cloud>(state.range(1)));
  std::FILE* messages = std::fopen("/dev/null", "w");
  std::size_t faces = 0;
  for (auto _ : state) {
    std::vector<coordT> coordinates;
    coordinates.reserve(3 * points.size());
    for (const Point3& p : points) {
      coordinates.push_back(static_cast<coordT>(p.x));
      coordinates.push_back(static_cast<coordT>(p.y));
      coordinates.push_back(static_cast<coordT>(p.z));
    }
    const auto qh = std::make_unique<qhT>();
    qh_zero(qh.get(), messages);
    char command[] = "qhull";
    if (qh_new_qhull(qh.get(), 3, static_cast<int>(points.size()), coordinates.data(), False, command, nullptr,
                     messages) == 0) {
      faces = static_cast<std::size_t>(qh->num_facets);
    }
    qh_freeqhull(qh.get(), !qh_ALL);
    int longStill = 0;
    int longBytes = 0;
    qh_memfreeshort(qh.get(), &longStill, &longBytes);
    benchmark::DoNotOptimize(faces);
  }
  std::fclose(messages);
  state.counters["faces"] = static_cast<double>(faces);
}

#define HULL_SIZES ArgsProduct({{1000, 4000, 7878}, {kInCube, kOnSphere}})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ConvexHull3D)->HULL_SIZES;
BENCHMARK(BM_BareQhull)->HULL_SIZES;

void BM_SolidVolume(benchmark::State& state) {
  const std::vector<Point3> points = MakeCloud(static_cast<int>(state.range(0)), kInCube);
  for (auto _ : state) {
    kernel::Real volume = 0;
    benchmark::DoNotOptimize(kernel::SolidVolumeArea(points, volume, kernel::SolidMeasure::kVolume));
    benchmark::DoNotOptimize(volume);
  }
}
BENCHMARK(BM_SolidVolume)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
