// The polyhedron library's constant table: the entries other units index by number hold their
// values to the last bit, and a table word stands for an entry or its negation.
#include "solid/library_constants.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

using kernel::Real;
using solid::LibraryConstantTable;

namespace {

// Two units in the last place of an 80-bit real: the closed forms below are rounded once or twice.
void ExpectLibraryConstant(int index, Real expected) {
  EXPECT_NEAR(LibraryConstantTable[index], expected, 2 * LDBL_EPSILON * std::fabs(expected))
      << "entry " << index;
}

}  // namespace

TEST(LibraryConstantTable, NamedEntriesHoldTheirValuesToTheLastBit) {
  EXPECT_EQ(LibraryConstantTable[0], 0.0L);
  ExpectLibraryConstant(1, std::sqrt(2.0L));
  ExpectLibraryConstant(20, std::sqrt(3.0L) / 2);
  EXPECT_EQ(LibraryConstantTable[21], 0.5L);
  ExpectLibraryConstant(22, std::sqrt(2.0L) / 2);
  EXPECT_EQ(LibraryConstantTable[23], 1.0L);
  ExpectLibraryConstant(25, (1 + std::sqrt(5.0L)) / 2);
  EXPECT_EQ(LibraryConstantTable[46], 0.6764447647281682L);
  // The square root of 2 and its half are the 80-bit values, not doubles widened.
  EXPECT_NE(LibraryConstantTable[1], static_cast<Real>(std::sqrt(2.0)));
  EXPECT_NE(LibraryConstantTable[22], static_cast<Real>(0.7071067811865476));
}

TEST(LibraryConstantTable, AWordStandsForItsEntryOrTheNegation) {
  EXPECT_EQ(solid::LibraryTableValue(25), LibraryConstantTable[25]);
  EXPECT_EQ(solid::LibraryTableValue(-25), -LibraryConstantTable[25]);
  EXPECT_EQ(solid::LibraryTableValue(0), 0.0L);
  EXPECT_EQ(solid::LibraryTableValue(-21), -0.5L);
}
