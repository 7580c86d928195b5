#include "engine/windows/markings.h"

#include <cmath>

namespace engine {

namespace {

std::int16_t I16At(const Marking& r, std::size_t at) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8)));
}

void PutI16(Marking& r, std::size_t at, std::int32_t v) {
  const auto u = static_cast<std::uint16_t>(v);
  r[at] = static_cast<std::uint8_t>(u & 0xFF);
  r[at + 1] = static_cast<std::uint8_t>(u >> 8);
}

}  // namespace

MarkingFields FieldsOfMarking(const Marking& record) {
  MarkingFields m;
  m.a = I16At(record, 0);
  m.b = I16At(record, 2);
  m.object = I16At(record, 4);
  m.type = static_cast<std::uint16_t>(I16At(record, 6));
  m.value = I16At(record, 8);
  return m;
}

Marking MarkingOfFields(const MarkingFields& fields) {
  Marking r{};
  PutI16(r, 0, fields.a);
  PutI16(r, 2, fields.b);
  PutI16(r, 4, fields.object);
  PutI16(r, 6, fields.type);
  PutI16(r, 8, fields.value);
  return r;
}

kernel::Real RelativeMarkingSize(const MarkingFields& m) {
  return static_cast<kernel::Real>(SizeStepOfMarking(m) + 10) * static_cast<kernel::Real>(0.1L);
}

std::uint16_t MarkingTypeCode(int sizeStep, int type) { return static_cast<std::uint16_t>(sizeStep * 10 + type); }

std::int16_t MarkingNumberAndColour(int type, int number, int colour, bool solidWindow) {
  const bool single = type == kMarkPerpBracket || (type == kMarkRay && !solidWindow);
  int value = single ? 1 : number;
  const bool lineColour = type == kMarkTick || type == kMarkArrow || (type == kMarkRay && !solidWindow);
  if (!lineColour) value += colour * 100;
  return static_cast<std::int16_t>(value);
}

kernel::Real MarkingSettings::Size(int i, kernel::Real unitsPerPixel) const {
  const kernel::Real base = static_cast<kernel::Real>(screenWidth) * static_cast<kernel::Real>(0.001L) * unitsPerPixel;
  const kernel::Real size = settings[i] * base;
  return i == kTick ? size / 2 : size;
}

bool MarkingSettingOfPercentage(kernel::Real v, std::int16_t& setting) {
  if (!(v >= static_cast<kernel::Real>(0.2L) && v <= static_cast<kernel::Real>(99.8L))) return false;
  setting = static_cast<std::int16_t>(std::lround(static_cast<double>(v * 10)));
  return true;
}

}  // namespace engine
