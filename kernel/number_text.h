#pragma once
// 80-bit reals to text and back, rounding to integers, and small integer helpers.
// The texts are the C library's "%Lf" / "%LE" texts in the C locale whatever the process locale
// is: a decimal point, never a comma.

#include <cstdint>
#include <string>
#include <string_view>

#include "kernel/real.h"

namespace kernel {

// Fixed-point text with decimals digits after the point, filled with blanks on the left to at least
// width characters ("%*.*Lf"; a negative width fills on the right instead).
std::string FormatLD(Real x, int width, int decimals);

// Scientific text "%*.*LE" with width decimals + 3: 1250 with 2 decimals gives "1.25E+03", and with
// star the exponent is written as a power of ten: "1.25*10^+03".
std::string FormatSci(Real x, int decimals, bool star);

// Fixed-point text with n decimals, except for numbers up to 0.1 that n decimals would not show
// well: those get a mantissa and a negative power of ten ("1.23E-3" for 0.00123 with n = 2).
std::string FormatLDAuto(Real x, int n);

// The C library's conversion in the "C" locale: leading white space skipped, the longest valid
// prefix taken (decimal or hexadecimal, inf, nan), 0 when there is none. Only the characters of the
// view are read, so it may be a field of a larger buffer. Numbers too small for a normal 80-bit
// real read as the subnormal value nearest to them, as the C library reads them.
Real StrToLD(std::string_view text);

// Nearest integer with an exact half rounded toward zero (2.5 -> 2, 2.51 -> 3, -2.5 -> -2);
// saturates at +-2147483647 and gives 0 for a NaN.
// Inline: every repaint rounds the pixels of every point.
inline std::int32_t RoundLD(Real x) {
  if (x != x) return 0;  // not a number
  const std::int32_t sign = x < 0 ? -1 : 1;
  const Real a = x < 0 ? -x : x;
  if (a > 2147483646) return 2147483647 * sign;
  // Adding and taking away 2^63 rounds to the nearest integer (a 64-bit mantissa keeps no
  // fraction there), an exact half to the even neighbour; that half is then taken toward zero.
  // The integer goes through double, exact below 2^53, whose truncating conversion needs no
  // switch of the x87 rounding mode.
  constexpr Real kIntegerShift = 9223372036854775808.0L;
  Real integer = (a + kIntegerShift) - kIntegerShift;
  if (integer - a == static_cast<Real>(0.5)) integer -= 1;
  return sign * static_cast<std::int32_t>(static_cast<double>(integer));
}

// Greatest common divisor by Euclid's rule with the C remainder; Gcd(a, 0) = a.
std::int32_t Gcd(std::int32_t a, std::int32_t b);

// Widens [lo, hi] to contain x.
void WidenRange(Real x, Real& lo, Real& hi);

}  // namespace kernel
