#include "kernel/triangle_group_checks.h"

#include "kernel/hyperbolic_tiling.h"

namespace kernel {

TriangleGroupFault CheckTriangleGroup(int p, int q, int r) {
  if (!TriangleGroupOrdersInBounds(p, q, r)) return TriangleGroupFault::kOrderOutOfBounds;
  if (!IsHyperbolicTriangleGroup(p, q, r)) return TriangleGroupFault::kNotHyperbolic;
  if (TriangleGroupTooLargeToDraw(p, q, r)) return TriangleGroupFault::kTooLargeToDraw;
  return TriangleGroupFault::kNone;
}

int TriangleGroupTessellationDepth(int p, int q, int r) {
  const int qr = q + r;
  if (p == 2 && qr < 13) return 4;
  if (p == 3 && qr < 9) return 4;
  if (p < 7 && qr < 8) return 3;
  return 2;
}

bool ReadWholeNumber(std::string_view text, int& value) {
  std::size_t i = 0;
  const auto skipBlanks = [&] {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  };
  skipBlanks();
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t firstDigit = i;
  long long magnitude = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    magnitude = magnitude * 10 + (text[i] - '0');
    if (magnitude > 2147483648LL) return false;
  }
  if (i == firstDigit) return false;
  skipBlanks();
  if (i != text.size()) return false;
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue > 2147483647LL) return false;
  value = static_cast<int>(signedValue);
  return true;
}

}  // namespace kernel
