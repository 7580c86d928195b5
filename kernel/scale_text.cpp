#include "kernel/scale_text.h"

#include <cmath>

#include "kernel/real.h"
#include "kernel/number_text.h"

namespace kernel {

void NearFraction(Real v, int maxDenominator, int& numerator, int& denominator) {
  const int limit = maxDenominator < 1 ? 1 : maxDenominator;
  const Real a = std::fabs(v);
  const Real tolerance = static_cast<Real>(0.5) / limit;
  int n = 1;
  int m = RoundLD(a);
  for (; n <= limit; ++n) {
    const Real k = a * n;
    m = RoundLD(k);
    if (std::fabs(k - m) < tolerance) break;
  }
  if (n > limit) {
    n = limit;
    m = RoundLD(a * n);
  }
  const int g = Gcd(m, n);
  if (g > 1) {
    m /= g;
    n /= g;
  }
  numerator = v < 0 ? -m : m;
  denominator = n;
}

std::string PiMultipleText(Real value, int maxDenominator, std::string_view piText) {
  int m = 0;
  int n = 1;
  NearFraction(value / Pi, maxDenominator, m, n);
  std::string text;
  if (m == -1) text = "-";
  else if (m != 1) text = std::to_string(m);
  text += piText;
  if (n > 1) text += "/" + std::to_string(n);
  return text;
}

std::string ScaleLabelText(Real value, const ScaleTextStyle& style) {
  const int decimals = style.places % 10;
  std::string text;
  if (style.multiplesOfPi) text = PiMultipleText(value, 100, style.piText);
  else if (decimals == 0) text = std::to_string(RoundLD(value));
  else text = FormatLD(value, decimals + 2, decimals);
  if (style.places >= 10) text += style.suffix;
  return text;
}

}  // namespace kernel
