// The arcsine as the programs compute it, atan(x / √(1 − x²)). The callers
// keep |x| < 1; at ±1 the quotient has no value.
#pragma once

#include <cmath>

namespace rb {

inline double Arcsin(double x) { return std::atan(x / std::sqrt(1.0 - x * x)); }

} // namespace rb
