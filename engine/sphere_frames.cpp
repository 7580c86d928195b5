#include "engine/sphere_frames.h"

#include <algorithm>
#include <span>

#include "engine/figure_tables.h"
#include "engine/spherical_kernels.h"
#include "kernel/sphere_kernels.h"

namespace engine {

void SphereFrames::Allocate() {
  lines.assign(kLastLineLimit + 1, {});
  circles.assign(kLastCircleLimit + 1, {});
}

void SphereFrames::Clear(int lastLine, int lastCircle) {
  const auto clear = [](std::vector<SphereSideRecord>& records, int last) {
    const auto n = static_cast<std::size_t>(std::clamp(last + 1, 0, static_cast<int>(records.size())));
    std::fill_n(records.begin(), n, SphereSideRecord{});
  };
  clear(lines, lastLine);
  clear(circles, lastCircle);
}

void FillLineFrame(const kernel::Point3& A, const kernel::Point3& B, SphereSideRecord& record) {
  SphereSideRecord filled;
  if (GreatCircleSideFrame3(A, B, std::span<kernel::Point3, 3>(filled.vectors), filled.angle) != kGeometryOk) {
    record = {};
    return;
  }
  filled.framed = 1;
  record = filled;
}

void FillCircleFrame(const kernel::Point3& C, const kernel::Point3& B, SphereSideRecord& record) {
  kernel::AxisFrame3(C, B, std::span<kernel::Point3, 3>(record.vectors), record.angle);
  record.framed = 1;
}

}  // namespace engine
