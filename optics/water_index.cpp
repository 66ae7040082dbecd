// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/water_index.h"

#include <cmath>

namespace rb::optics {

namespace {

// The coefficients of IAPWS R9-97, table 2 of the release (dimensionless).
constexpr double kA[8] = {0.244257733,   9.74634476e-3, -3.73234996e-3, 2.68678472e-4,
                          1.58920570e-3, 2.45934259e-3, 0.900704920,    -1.66626219e-2};
constexpr double kLambdaUv = 0.2292020, kLambdaIr = 5.432937;
// The reference values that make T, ρ and λ dimensionless.
constexpr double kTRef = 273.15, kRhoRef = 1000.0, kLambdaRef = 0.589;

} // namespace

double IapwsWaterIndex(double wavelengthMicrons, double kelvin, double densityKgPerM3)
{
    const double rho = densityKgPerM3 / kRhoRef, t = kelvin / kTRef;
    const double l2 = std::pow(wavelengthMicrons / kLambdaRef, 2);
    const double rhs = kA[0] + kA[1] * rho + kA[2] * t + kA[3] * l2 * t + kA[4] / l2 +
                       kA[5] / (l2 - kLambdaUv * kLambdaUv) + kA[6] / (l2 - kLambdaIr * kLambdaIr) +
                       kA[7] * rho * rho;
    // (n² − 1)/(n² + 2) = A  ⇔  n² = (1 + 2A)/(1 − A).
    const double a = rhs * rho;
    return std::sqrt((1.0 + 2.0 * a) / (1.0 - a));
}

double RainIndex(double wavelengthMicrons) { return IapwsWaterIndex(wavelengthMicrons, kRainKelvin, kRainDensity); }

} // namespace rb::optics
