#include "kernel/constants.h"

#include <cmath>

namespace kernel {

// Defined in this order on purpose: each one may use those above it (one translation unit,
// so the order of dynamic initialisation is the order of definition).
const Real SqrtPi = std::sqrt(Pi);
const Real LnSqrtPi = std::log(SqrtPi);
const Real TwoOverSqrtPi = 2 / SqrtPi;
const Real SqrtTwoPi = std::sqrt(2 * Pi);
const Real InvSqrtTwoPi = 1 / SqrtTwoPi;
const Real Sqrt2 = std::sqrt(static_cast<Real>(2));
const Real Sqrt3 = std::sqrt(static_cast<Real>(3));
const Real HalfSqrt3 = static_cast<Real>(0.5) * Sqrt3;
const Real TetraHeight = std::sqrt(static_cast<Real>(24)) * (static_cast<Real>(1) / 3);
const Real GoldenRatio = (std::sqrt(static_cast<Real>(5)) + 1) * static_cast<Real>(0.5);
const Real Ln2 = std::log(static_cast<Real>(2));
const Real Ln10 = std::log(static_cast<Real>(10));
const Real LnTwoPi = std::log(2 * Pi);
const Real Log10E = 1 / Ln10;
const Real ExpArgLimit = 5000;
const Real ExpHugeLimit = std::exp(ExpArgLimit);
const Real ExpTinyLimit = std::exp(-ExpArgLimit);
const Real HugeReal = static_cast<Real>(std::exp(42.0));
const Point2 UnitX2{1, 0};
const Point2 Origin2{0, 0};
const Point3 Origin3{0, 0, 0};

}  // namespace kernel
