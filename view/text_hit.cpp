#include "view/text_hit.h"

#include <cmath>
#include <cstdint>

#include "kernel/number_text.h"

namespace view {

using platform::PointI;

namespace {

// Radians in a tenth of a degree, as the hit test has always used it.
constexpr kernel::Real kRadiansPerTenth = static_cast<kernel::Real>(0.00174533L);

std::int64_t Dot(PointI a, PointI b) {
  return std::int64_t{a.x} * b.x + std::int64_t{a.y} * b.y;
}

}  // namespace

TextBoxVectors TurnedTextBox(int w, int h, int angleTenths) {
  if (angleTenths == 0) return {{w, 0}, {0, h}};
  const kernel::Real a = angleTenths * kRadiansPerTenth;
  const kernel::Real c = std::cos(a);
  const kernel::Real s = std::sin(a);
  return {{kernel::RoundLD(w * c), -kernel::RoundLD(w * s)},
          {kernel::RoundLD(h * s), kernel::RoundLD(h * c)}};
}

bool HitsTextBox(PointI offset, int w, int h, int angleTenths) {
  if (angleTenths == 0) return offset.x > 0 && offset.x < w && offset.y > 0 && offset.y < h;
  const TextBoxVectors box = TurnedTextBox(w, h, angleTenths);
  const std::int64_t along = Dot(offset, box.along);
  const std::int64_t down = Dot(offset, box.down);
  return along > 0 && along < Dot(box.along, box.along) && down > 0 && down < Dot(box.down, box.down);
}

std::array<PointI, 4> TextBoxOutline(PointI corner, int w, int h, int angleTenths) {
  const TextBoxVectors box = TurnedTextBox(w, h, angleTenths);
  const PointI& u = box.along;
  const PointI& v = box.down;
  return {corner, PointI{corner.x + u.x, corner.y + u.y}, PointI{corner.x + u.x + v.x, corner.y + u.y + v.y},
          PointI{corner.x + v.x, corner.y + v.y}};
}

}  // namespace view
