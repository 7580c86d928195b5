#pragma once
// The plane window's own pieces of the 2-D figure file, as plain data: the conic definitions by
// two foci and by three points (65-byte records), the five-point conics, the conic equations and
// the attached-point lists. Readers check every count against the bytes left and the list's
// capacity and return false for a damaged piece.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/figure_tables.h"
#include "engine/imported_point_lists.h"
#include "kernel/byte_io.h"
#include "kernel/conic_equation_records.h"

namespace plane {

inline constexpr std::size_t kConicDefinitionBytes = 65;
inline constexpr std::size_t kOldConicDefinitionBytes = 14;
inline constexpr std::size_t kEquationTextBytes = 128;
inline constexpr int kAttachedListCount = engine::kImportedListCapacity;

// A conic by two foci and an eccentricity, or by three points, as the file holds it.
using ConicDefinition = std::array<std::uint8_t, kConicDefinitionBytes>;

// The points of a figure attached from another window, as they were when it was attached.
using AttachedPointList = engine::ImportedPointList2;

// u16 count, then 65-byte records. The older form of the three-point list (currentForm false)
// holds 14-byte records that keep their five words and get the parameter "1.0".
void WriteConicDefinitions(kernel::ByteWriter& out, const std::vector<ConicDefinition>& list);
bool ReadConicDefinitions(kernel::ByteReader& in, bool currentForm, std::vector<ConicDefinition>& list);

// u16 count, then 270-byte conic records.
void WriteConicList(kernel::ByteWriter& out, const std::vector<kernel::ConicRecord>& list);
bool ReadConicList(kernel::ByteReader& in, std::vector<kernel::ConicRecord>& list);

// Whether the joined coefficient texts of an equation fit the file's 128-byte field.
bool EquationFits(const kernel::EquationRecord& equation);
// u16 count, then per equation its word and its joined texts in 128 bytes. False (nothing
// written) when an equation does not fit its field: it is never cut.
bool WriteEquationList(kernel::ByteWriter& out, const std::vector<kernel::EquationRecord>& list);
bool ReadEquationList(kernel::ByteReader& in, std::vector<kernel::EquationRecord>& list);

// The attached-point lists: the imported point-list block with plane points.
using engine::ReadPointLists;
using engine::WritePointLists;

}  // namespace plane
