#include "plane/conic_definition_fields.h"

#include "kernel/byte_io.h"

namespace plane {

namespace {
constexpr std::size_t kTextBytes = 41;
}  // namespace

ConicDefinitionFields DecodeConicDefinition(const ConicDefinition& record) {
  kernel::ByteReader in(record.data(), record.size());
  ConicDefinitionFields f;
  for (std::uint16_t& p : f.points) p = in.U16();
  f.style = in.U16();
  f.shape = in.U16();
  f.text = in.FixedText(kTextBytes);
  f.value = in.Real80();
  return f;
}

}  // namespace plane
