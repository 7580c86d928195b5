// The prism or pyramid over a polygon handed over by a plane window (kind 300).
#include "solid/prism_pyramid_from_plane.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "kernel/labels.h"
#include "solid/solid_step.h"

namespace solid {

namespace {

constexpr int kStringPyramid = 291;
constexpr int kStringPrism = 292;
constexpr int kStringFromPlane = 855;
constexpr int kNamesShown = 12;
constexpr std::uint16_t kFaceColour = 1;

// "A B C D A' B' C' D' prism from plane": the names of the new points (the count written in), the
// solid's word (written in), the origin.
constexpr std::array<std::int16_t, 10> kDescription{25, 0, kNamesShown, ' ', 5, 0, ' ', 5, kStringFromPlane,
                                                    engine::kTemplateEnd};
constexpr std::size_t kNewPointsItem = 1;
constexpr std::size_t kSolidWordItem = 5;

}  // namespace

int PrismPyramidFromPlane(engine::StepEngine& engine, ModelTables& model, std::string* out) {
  const kernel::ConstructionRecord& record = *engine.current();
  const int n = std::min<int>(record.operands[0], kernel::kFaceVertexCapacity);
  const bool prism = record.flag != 0;
  const Point3 v{record.parameters[0], record.parameters[1], record.parameters[2]};
  const SolidStepNeeds needs{prism ? 2 * n : n + 1, prism ? n + 2 : n + 1, 0};

  SolidStep step(engine, model, needs);
  if (const int code = step.Begin(); code != 0) return code;
  if (n < 3) return step.Fail(engine::kMsgInconsistentData);
  engine::FigureTables& t = step.tables();
  const std::uint16_t tag = step.NewSolidTag();

  // The base: the points the plane window handed over, where they stand, with their labels.
  const int base = step.first_point();
  std::array<std::uint16_t, kernel::kFaceVertexCapacity> bottom{};
  for (int i = 0; i < n; ++i) {
    const int label = record.operands[static_cast<std::size_t>(1 + i)];
    bottom[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(step.AddPoint(t.xyz[base + i], tag, label));
  }
  const auto bottomList = std::span(bottom).first(static_cast<std::size_t>(n));
  step.AddFace(bottomList, kFaceColour);

  if (prism) {
    // The top: each base vertex moved by the vector, with the same label primed when it is free.
    std::array<std::uint16_t, kernel::kFaceVertexCapacity> top{};
    for (int i = 0; i < n; ++i) {
      const int own = base + i;
      const int label = t.names[own].label + kernel::kLabelsPerPrime;
      const kernel::Point3& p = t.xyz[own];
      top[static_cast<std::size_t>(i)] =
          static_cast<std::uint16_t>(step.AddPoint({p.x + v.x, p.y + v.y, p.z + v.z}, tag, label));
    }
    step.AddFace(std::span(top).first(static_cast<std::size_t>(n)), kFaceColour);
    for (int i = 0; i < n; ++i) {
      const auto j = static_cast<std::size_t>((i + 1) % n);
      const auto k = static_cast<std::size_t>(i);
      const std::array<std::uint16_t, 4> side{bottom[k], bottom[j], top[j], top[k]};
      step.AddFace(side, kFaceColour);
    }
  } else {
    const kernel::Point3& p = t.xyz[base];
    const auto apex = static_cast<std::uint16_t>(step.AddPoint({p.x + v.x, p.y + v.y, p.z + v.z}, tag));
    for (int i = 0; i < n; ++i) {
      const std::array<std::uint16_t, 3> side{bottom[static_cast<std::size_t>(i)],
                                              bottom[static_cast<std::size_t>((i + 1) % n)], apex};
      step.AddFace(side, kFaceColour);
    }
  }

  std::array<std::int16_t, kDescription.size()> items = kDescription;
  items[kNewPointsItem] = static_cast<std::int16_t>(needs.points);
  items[kSolidWordItem] = prism ? kStringPrism : kStringPyramid;
  step.Describe(out, items);
  return 0;
}

}  // namespace solid
