#include "kernel/number_text.h"

#include <locale.h>
#include <stdlib.h>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace kernel {

namespace {

constexpr int kDefaultPrecision = 6;  // what printf takes for a negative precision

// x printed with the given precision, exactly as printf does in the C locale.
std::string PrintReal(Real x, std::chars_format format, int precision) {
  if (precision < 0) precision = kDefaultPrecision;
  std::array<char, 128> small;
  const std::to_chars_result fits =
      std::to_chars(small.data(), small.data() + small.size(), x, format, precision);
  if (fits.ec == std::errc()) return std::string(small.data(), fits.ptr);
  // Fixed-point text of a huge value: up to 4933 digits before the point.
  std::string large(4950 + static_cast<std::size_t>(precision), '\0');
  const std::to_chars_result done =
      std::to_chars(large.data(), large.data() + large.size(), x, format, precision);
  large.resize(static_cast<std::size_t>(done.ptr - large.data()));
  return large;
}

// printf's field width: blanks on the left, or on the right for a negative width.
std::string FillToWidth(std::string text, int width) {
  const long long w = width < 0 ? -static_cast<long long>(width) : width;
  if (static_cast<long long>(text.size()) >= w) return text;
  const std::size_t fill = static_cast<std::size_t>(w) - text.size();
  if (width < 0) {
    text.append(fill, ' ');
  } else {
    text.insert(0, fill, ' ');
  }
  return text;
}

}  // namespace

std::string FormatLD(Real x, int width, int decimals) {
  return FillToWidth(PrintReal(x, std::chars_format::fixed, decimals), width);
}

std::string FormatSci(Real x, int decimals, bool star) {
  std::string text = PrintReal(x, std::chars_format::scientific, decimals);
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  text = FillToWidth(std::move(text), decimals + 3);
  if (star) {
    const std::size_t e = text.find('E');
    if (e != std::string::npos) text.replace(e, 1, "*10^");
  }
  return text;
}

std::string FormatLDAuto(Real x, int n) {
  static const Real kZero = std::exp(static_cast<Real>(-5000));  // below it a number counts as 0
  const Real a = std::fabs(x);
  if (a < kZero) {
    return (x < 0 ? "-" : "") + FormatLD(0, n, n + 2);
  }
  const Real t = std::log(a) / std::log(static_cast<Real>(10));
  const std::int32_t e = RoundLD(std::floor(std::fabs(t + static_cast<Real>(1e-13))));
  if (a > static_cast<Real>(0.1) || static_cast<long long>(n) > 2LL * e) return FormatLD(x, n + 2, n);
  const Real scale = std::exp(static_cast<Real>(e + 1) * std::log(static_cast<Real>(10)));
  return FormatLD(x * scale, n + 2, n) + "E-" + std::to_string(e + 1);
}

Real StrToLD(std::string_view text) {
  // The C library reads from a terminated text, and for "inf" and "nan" it looks on past the end
  // of what it takes (for "infinity" and "nan(...)"): the view may be a field of a larger buffer, so
  // it is read from a copy. strtold_l in the "C" locale reads a decimal point whatever the process
  // locale is, and it reads subnormal numbers (down to 4e-4951) to their value rather than to 0.
  const std::string terminated(text);
  const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  const Real value = c != static_cast<locale_t>(nullptr) ? strtold_l(terminated.c_str(), nullptr, c)
                                                          : std::strtold(terminated.c_str(), nullptr);
  if (c != static_cast<locale_t>(nullptr)) freelocale(c);
  return value;
}

std::int32_t Gcd(std::int32_t a, std::int32_t b) {
  while (b != 0) {
    // x % -1 is 0, but the machine's division traps on INT32_MIN % -1.
    const std::int32_t r = b == -1 ? 0 : a % b;
    a = b;
    b = r;
  }
  return a;
}

void WidenRange(Real x, Real& lo, Real& hi) {
  if (lo > x) lo = x;
  if (x > hi) hi = x;
}

}  // namespace kernel
