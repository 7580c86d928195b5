// The prism or pyramid over a polygon handed over by a plane window (kind 300).
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "engine/step_engine.h"
#include "kernel/labels.h"
#include "kernel/vector3.h"
#include "solid/geom_ps_win.h"

namespace solid {

namespace {

constexpr std::int16_t kSolidTag = 1;
constexpr int kStringPyramid = 291;
constexpr int kStringPrism = 292;
constexpr int kStringFromPlane = 855;
constexpr int kNamesShown = 12;

// Face k of the table: the listed vertices, closed and visible.
void SetFace(engine::SolidTables& solid, int k, const std::vector<std::uint16_t>& vertices) {
  kernel::InitFaceListFrom(solid.faces[static_cast<std::size_t>(k)], static_cast<int>(vertices.size()), vertices);
}

}  // namespace

int TGeomPSWin::DoPrismPyramidFrom2D(std::string* out) {
  const kernel::ConstructionRecord& step = *history().current;
  engine::FigureTables& t = tables();
  const int n = std::clamp<int>(step.operands[0], 0, kernel::kFaceVertexCapacity);
  const bool prism = step.flag != 0;
  const kernel::Point3 v{step.parameters[1], step.parameters[2], step.parameters[3]};

  // The base: points 0 to n - 1 with the labels they had in the plane window.
  t.ResetForReplay();
  for (int i = 0; i < n; ++i) {
    const int label = step.operands[static_cast<std::size_t>(1 + i)];
    if (label < 0 || label >= engine::kPointCapacity || t.label_map[label] >= 0) {
      stepEngine.AddPoint3D(t.xyz[i], kSolidTag, -1);
    } else {
      stepEngine.AddPoint3D(t.xyz[i], kSolidTag, static_cast<std::int16_t>(label));
    }
  }
  solid.Clear();
  std::vector<std::uint16_t> base(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) base[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(i);
  SetFace(solid, 0, base);

  if (prism) {
    // The top: each base vertex moved by the vector, labelled with the same letter primed when
    // that label is free.
    for (int i = 0; i < n; ++i) {
      const int primed = t.names[i].label + kernel::kLabelsPerPrime;
      const bool free = primed < engine::kPointCapacity && t.label_map[primed] < 0;
      stepEngine.AddPoint3D(t.xyz[i] + v, kSolidTag, free ? static_cast<std::int16_t>(primed) : -1);
    }
    std::vector<std::uint16_t> top(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) top[static_cast<std::size_t>(i)] = static_cast<std::uint16_t>(n + i);
    SetFace(solid, 1, top);
    for (int i = 0; i < n; ++i) {
      const int j = (i + 1) % n;
      SetFace(solid, 2 + i,
              {static_cast<std::uint16_t>(i), static_cast<std::uint16_t>(j), static_cast<std::uint16_t>(n + j),
               static_cast<std::uint16_t>(n + i)});
    }
    solid.last_face = static_cast<std::int16_t>(n + 1);
  } else {
    stepEngine.AddPoint3D(t.xyz[0] + v, kSolidTag, -1);
    for (int i = 0; i < n; ++i) {
      SetFace(solid, 1 + i,
              {static_cast<std::uint16_t>(i), static_cast<std::uint16_t>((i + 1) % n), static_cast<std::uint16_t>(n)});
    }
    solid.last_face = static_cast<std::int16_t>(n);
  }

  if (out != nullptr) {
    t.AppendNewPointNames(*out, t.last_point + 1, kNamesShown);
    *out += " " + stepEngine.words(prism ? kStringPrism : kStringPyramid) + " " + stepEngine.words(kStringFromPlane);
  }
  return 0;
}

}  // namespace solid
