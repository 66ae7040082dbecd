// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The arcsine as the programs compute it, atan(x / √(1 − x²)). Every model
// of the drop and the prism has always taken it this way, and the last bits
// of its result fix the exact points they draw. The callers keep |x| < 1;
// at ±1 the quotient has no value.
#pragma once

#include <cmath>

namespace rb::optics {

inline double Arcsin(double x) { return std::atan(x / std::sqrt(1.0 - x * x)); }

} // namespace rb::optics
