#include "solid/library_constants.h"

#include <cstdlib>

namespace solid {

namespace {

// Irrational values to 30 digits, so that the compiler rounds each correctly to the 64-bit mantissa.
constexpr std::array<kernel::Real, kLibraryConstantCount> MakeLibraryConstantTable() {
  std::array<kernel::Real, kLibraryConstantCount> t{};
  // clang-format off
  t[0] = 0.0L;  // zero
  t[1] = 1.41421356237309504880168872421L;  // sqrt 2
  t[2] = 1.4013L;  // placement of the regular dodecahedron
  t[3] = 1.30901699437494742410229341718L;  // ((3/4) + (1/4)*sqrt(5)); regular dodecahedron
  t[4] = 0.809016994374947424102293417183L;  // ((1/4) + (1/4)*sqrt(5)); regular dodecahedron
  t[5] = 0.9511L;  // placement of the regular icosahedron
  t[6] = 2.4781L;  // placement of the truncated icosahedron
  t[7] = 2.42705098312484227230688025155L;  // ((3/4) + (3/4)*sqrt(5)); truncated icosahedron
  t[8] = 2.11803398874989484820458683437L;  // (1 + (1/2)*sqrt(5)); truncated icosahedron
  t[9] = 1.80901699437494742410229341718L;  // ((5/4) + (1/4)*sqrt(5)); truncated icosahedron
  t[10] = 0.262865556059566803012834542424L;  // sqrt(((1/8) + (-1/40)*sqrt(5))); icosidodecahedron
  t[11] = 1.37638192047117353820720958191L;  // sqrt((1 + (2/5)*sqrt(5))); icosidodecahedron
  t[12] = 0.850650808352039932181540497063L;  // sqrt(((1/2) + (1/10)*sqrt(5))); icosidodecahedron
  t[13] = 0.688190960235586769103604790955L;  // sqrt(((1/4) + (1/10)*sqrt(5))); icosidodecahedron
  t[14] = 1.11351636441160673519437503949L;  // sqrt(((5/8) + (11/40)*sqrt(5))); icosidodecahedron
  t[15] = 0.425325404176019966090770248532L;  // sqrt(((1/8) + (1/40)*sqrt(5))); icosidodecahedron
  t[16] = 0.951056516295153572116439333379L;  // sqrt(((5/8) + (1/8)*sqrt(5))); icosidodecahedron
  t[17] = 1.53884176858762670128514528802L;  // sqrt(((5/4) + (1/2)*sqrt(5))); icosidodecahedron
  t[18] = 2.233L;  // placement of the rhombicosidodecahedron
  t[19] = 1.3438L;  // placement of the snub cuboctahedron
  t[20] = 0.866025403784438646763723170753L;  // sqrt 3 / 2
  t[21] = 0.5L;  // 1/2
  t[22] = 0.707106781186547524400844362105L;  // sqrt 2 / 2
  t[23] = 1.0L;  // 1
  t[24] = 0.337753973813752352137532245165L;  // snub cuboctahedron
  t[25] = 1.61803398874989484820458683437L;  // golden ratio
  t[26] = 0.62122641055658531169250095449L;  // snub cuboctahedron
  t[27] = 1.14261350892596209347948408672L;  // snub cuboctahedron
  t[28] = 1.5812L;  // placement of the truncated octahedron
  t[29] = 1.7789L;  // placement of the truncated cube
  t[30] = 1.2071067811865475244008443621L;  // ((4+sqrt(32))/8); truncated cube
  t[31] = 2.9695L;  // placement of the truncated dodecahedron
  t[32] = 2.92705098312484227230688025155L;  // ((5/4) + (3/4)*sqrt(5)); truncated dodecahedron
  t[33] = 2.61803398874989484820458683437L;  // ((3/2) + (1/2)*sqrt(5)); truncated dodecahedron
  t[34] = 2.1559L;  // placement of the snub icosidodecahedron
  t[35] = 0.330921024729844230963655269187L;  // snub icosidodecahedron
  t[36] = 0.374821658114562295266609516608L;  // snub icosidodecahedron
  t[37] = 2.09705383525208799240395905235L;  // snub icosidodecahedron
  t[38] = 0.643029605914072573107464141441L;  // snub icosidodecahedron
  t[39] = 0.567715369466921317374872062669L;  // snub icosidodecahedron
  t[40] = 1.97783896542021867236841272616L;  // snub icosidodecahedron
  t[41] = 1.24950378846302719500774109632L;  // snub icosidodecahedron
  t[42] = 0.192893711352359022108262546061L;  // snub icosidodecahedron
  t[43] = 1.74618644098582634573474528789L;  // snub icosidodecahedron
  t[44] = 0.84755004678906079739621795603L;  // snub icosidodecahedron
  t[45] = 1.10315683507175377262728114645L;  // snub icosidodecahedron
  t[46] = 0.6764447647281682L;  // placement of the regular tetrahedron
  t[47] = 1.64691794069037444140475745697L;  // snub icosidodecahedron
  t[48] = 0.728335176957191477360671629838L;  // snub icosidodecahedron
  t[49] = 1.4152654162559821147710900187L;  // snub icosidodecahedron
  t[50] = 1.45402422933801541929649491091L;  // snub icosidodecahedron
  t[51] = 2.3177L;  // placement of the truncated cuboctahedron
  t[52] = 1.91421356237309504880168872421L;  // ((4+sqrt(128))/8); truncated cuboctahedron
  t[53] = 3.8024L;  // placement of the truncated icosidodecahedron
  t[54] = 3.73606797749978969640917366873L;  // ((3/2) + 1*sqrt(5)); truncated icosidodecahedron
  t[55] = 3.42705098312484227230688025155L;  // ((7/4) + (3/4)*sqrt(5)); truncated icosidodecahedron
  t[56] = 3.11803398874989484820458683437L;  // (2 + (1/2)*sqrt(5)); truncated icosidodecahedron
  t[57] = 1.1727L;  // placement of the truncated tetrahedron
  t[58] = 0.353553390593273762200422181052L;  // (sqrt(32)/16); truncated tetrahedron
  t[59] = 1.06066017177982128660126654316L;  // (sqrt(288)/16); truncated tetrahedron
  t[60] = 1.399L;  // placement of the rhombicuboctahedron
  // clang-format on
  return t;
}

}  // namespace

constinit const std::array<kernel::Real, kLibraryConstantCount> LibraryConstantTable =
    MakeLibraryConstantTable();

kernel::Real LibraryTableValue(std::int16_t word) {
  const kernel::Real value = LibraryConstantTable[static_cast<std::size_t>(std::abs(word))];
  return word < 0 ? -value : value;
}

}  // namespace solid
