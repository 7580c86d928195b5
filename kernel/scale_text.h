#pragma once
// The texts of the scale labels at the ticks of an axis: whole numbers, fixed point, or multiples
// of pi written as fractions, with an optional suffix character (a degree sign, say).

#include <string>
#include <string_view>

#include "kernel/real.h"

namespace kernel {

// The fraction m / n nearest to v with n from 1 to maxDenominator: the first n for which |v| n lies
// within 0.5 / maxDenominator of a whole number m (n = maxDenominator when none does), reduced
// by the common divisor; m carries the sign of v.
void NearFraction(Real v, int maxDenominator, int& numerator, int& denominator);

// value / pi as a fraction of pi: "-" for a numerator of -1, nothing for 1, the number else; then
// the pi text; then "/" and the denominator when it exceeds 1 ("3p/4", "-p", "p/2").
std::string PiMultipleText(Real value, int maxDenominator, std::string_view piText);

struct ScaleTextStyle {
  // Decimals are places mod 10; places of 10 or more append the suffix.
  int places = 0;
  bool multiplesOfPi = false;
  // What stands for pi (the pi character, or a formula's command for it).
  std::string_view piText = "p";
  char suffix = '\xB0';
};

// The label of a tick at value: with 0 decimals the whole number nearest to it ("2", "-3");
// else fixed point with that many decimals in a field of decimals + 2 ("0.50"); with multiples
// of pi the fraction of pi instead; then the suffix when asked.
std::string ScaleLabelText(Real value, const ScaleTextStyle& style);

}  // namespace kernel
