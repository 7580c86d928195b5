// The convex hull and the volume measurement on point sets of the sizes a 3-D figure reaches.

#include <benchmark/benchmark.h>

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
    if (cloud == kOnSphere && !kernel::Normalize3(p)) continue;
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
BENCHMARK(BM_ConvexHull3D)
    ->ArgsProduct({{100, 1000, 7878}, {kInCube}})
    ->ArgsProduct({{100, 1000}, {kOnSphere}})
    ->Unit(benchmark::kMillisecond);

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
