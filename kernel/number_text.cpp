#include "kernel/number_text.h"

#include <array>
#include <charconv>
#include <cmath>

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

bool IsCSpace(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
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
  std::size_t pos = 0;
  while (pos < text.size() && IsCSpace(text[pos])) ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const char* first = text.data() + pos;
  const char* last = text.data() + text.size();
  if (first == last || *first == '+' || *first == '-') return 0;

  auto format = std::chars_format::general;
  if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
    // "0x" without hexadecimal digits after it reads as the 0 before the x.
    if (IsHexDigit(first[2]) || first[2] == '.') {
      format = std::chars_format::hex;
      first += 2;
    }
  }
  Real value = 0;
  auto [end, error] = std::from_chars(first, last, value, format);
  if (error == std::errc::invalid_argument) return 0;
  if (error == std::errc::result_out_of_range) {
    // Too large or too small for the type: the C library gives infinity or zero. The value is
    // tiny when its exponent is negative, or, without an exponent, when no digit before the point
    // is non-zero.
    const std::string_view number(first, static_cast<std::size_t>(end - first));
    const std::size_t exponent = number.find_first_of(format == std::chars_format::hex ? "pP" : "eE");
    bool tiny;
    if (exponent != std::string_view::npos) {
      tiny = exponent + 1 < number.size() && number[exponent + 1] == '-';
    } else {
      const std::string_view integer_part = number.substr(0, number.find('.'));
      tiny = integer_part.find_first_not_of('0') == std::string_view::npos;
    }
    value = tiny ? 0 : HUGE_VALL;
  }
  return negative ? -value : value;
}

std::int32_t RoundLD(Real x) {
  if (std::isnan(x)) return 0;
  const std::int32_t sign = x < 0 ? -1 : 1;
  const Real a = std::fabs(x);
  if (a > 2147483646) return 2147483647 * sign;
  Real integer;
  const Real fraction = std::modf(a, &integer);
  if (fraction > static_cast<Real>(0.5)) integer += 1;
  return sign * static_cast<std::int32_t>(integer + static_cast<Real>(0.01));
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
