// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/airy_function.h"

#include <cmath>

namespace rb::optics {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Ai(0) and −Ai′(0).
constexpr double kAi0 = 0.355028053887817239;
constexpr double kMinusAiPrime0 = 0.258819403792806798;
// Below this |x| the power series is summed; its terms grow like
// exp(⅔·|x|^{3/2}) before they fall, so beyond it cancellation would eat
// the digits, while the asymptotic series is already good to 1e-12 there.
constexpr double kSeriesLimit = 7.0;
constexpr int kAsymptoticTerms = 12;

// Ai(x) = Ai(0)·f(x) + Ai′(0)·g(x) with
//   f = Σ 3^k (1/3)_k x^{3k} / (3k)!,  g = Σ 3^k (2/3)_k x^{3k+1} / (3k+1)!.
double PowerSeries(double x)
{
    const double x3 = x * x * x;
    double f = 1.0, g = x, tf = 1.0, tg = x;
    for (int k = 1; k < 200; ++k) {
        tf *= x3 / ((3.0 * k - 1.0) * (3.0 * k));
        tg *= x3 / ((3.0 * k) * (3.0 * k + 1.0));
        f += tf;
        g += tg;
        if (std::fabs(tf) <= 1e-17 * std::fabs(f) && std::fabs(tg) <= 1e-17 * std::fabs(g)) break;
    }
    return kAi0 * f - kMinusAiPrime0 * g;
}

// The coefficients u_k of the asymptotic expansions in ζ = ⅔·|x|^{3/2}:
// u_k = u_{k−1}·(6k−5)(6k−3)(6k−1) / ((2k−1)·216·k).
struct AsymptoticCoefficients {
    double u[kAsymptoticTerms];
    AsymptoticCoefficients()
    {
        u[0] = 1.0;
        for (int k = 1; k < kAsymptoticTerms; ++k)
            u[k] = u[k - 1] * (6.0 * k - 5) * (6.0 * k - 3) * (6.0 * k - 1) / ((2.0 * k - 1) * 216.0 * k);
    }
};

const double *U()
{
    static const AsymptoticCoefficients c;
    return c.u;
}

// x → +∞: Ai(x) ≈ e^{−ζ} / (2√π x^{1/4}) · Σ (−1)^k u_k / ζ^k.
double DecayingSide(double x)
{
    const double zeta = 2.0 / 3.0 * x * std::sqrt(x);
    double sum = 0.0, power = 1.0;
    for (int k = 0; k < kAsymptoticTerms; ++k) {
        sum += (k % 2 ? -U()[k] : U()[k]) / power;
        power *= zeta;
    }
    return std::exp(-zeta) / (2.0 * std::sqrt(kPi) * std::pow(x, 0.25)) * sum;
}

// x = −z → −∞: Ai(−z) ≈ (sin(ζ + π/4)·P − cos(ζ + π/4)·Q) / (√π z^{1/4}), with
// P = Σ (−1)^k u_{2k} / ζ^{2k} and Q = Σ (−1)^k u_{2k+1} / ζ^{2k+1}.
double OscillatingSide(double z)
{
    const double zeta = 2.0 / 3.0 * z * std::sqrt(z);
    double p = 0.0, q = 0.0, power = 1.0;
    for (int k = 0; k < kAsymptoticTerms; ++k) {
        const double term = ((k / 2) % 2 ? -U()[k] : U()[k]) / power;
        (k % 2 ? q : p) += term;
        power *= zeta;
    }
    const double phase = zeta + kPi / 4.0;
    return (std::sin(phase) * p - std::cos(phase) * q) / (std::sqrt(kPi) * std::pow(z, 0.25));
}

} // namespace

double AiryAi(double x)
{
    if (std::fabs(x) <= kSeriesLimit) return PowerSeries(x);
    return x > 0 ? DecayingSide(x) : OscillatingSide(-x);
}

} // namespace rb::optics
