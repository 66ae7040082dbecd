// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Lorenz–Mie theory: the exact scattering of a plane wave by a homogeneous
// sphere. The sphere has the relative refractive index m (real for water, a
// positive imaginary part for absorption) and the size parameter
// x = 2π·a/λ; the far field is the series
//     S1(Θ) = Σ (2n+1)/(n(n+1)) · (a_n·π_n(cos Θ) + b_n·τ_n(cos Θ)),
//     S2(Θ) = Σ (2n+1)/(n(n+1)) · (a_n·τ_n(cos Θ) + b_n·π_n(cos Θ)),
// Θ the scattering angle (0 forward). S1 is the amplitude of light polarised
// perpendicular to the scattering plane (s), S2 of light polarised in it (p).
// Conventions are Bohren and Huffman's: time factor e^{−iωt}, so an
// absorbing m = n + i·k has k > 0.
//
// The coefficients are worked out once per sphere and wavelength; the sums
// over n are then a few multiply-adds per term and angle, with the angular
// functions π_n, τ_n by their upward recurrences.
#pragma once

#include <complex>
#include <span>
#include <vector>

namespace rb::optics {

using Complex = std::complex<double>;

// The number of terms that makes the series converge: Wiscombe's rule
// x + 4·x^{1/3} + 2.
int MieTerms(double x);

// The coefficients of one series, a_n and b_n for n = 1 … Terms() stored at
// index n − 1. The Mie coefficients themselves, or one Debye term of them
// (optics/mie_debye.h): the sums below do not care which.
struct MieSeries {
    Complex m;
    double x = 0;
    std::vector<Complex> a, b;

    int Terms() const { return static_cast<int>(a.size()); }
};

// a_n, b_n by the logarithmic derivative D_n(mx) = ψ′_n(mx)/ψ_n(mx), got by
// downward recurrence from far above the turning point, and the Riccati–
// Bessel functions ψ_n(x), ξ_n(x) by upward recurrence. Good up to x of a
// few ten thousand.
MieSeries MieCoefficients(Complex m, double x);

// Where the downward recurrence for D_n starts: well above both the number
// of terms and |mx|. The usual max(terms, |mx|) + 15 is too low for large
// spheres (at x = 10 000 it loses a third of a percent of Q_sca), so the
// margin grows with the width of the turning region, |mx|^{1/3}.
int LogDerivativeStart(int terms, Complex mx);
// D_n(z) for n = 0 … terms, at index n.
std::vector<Complex> LogDerivatives(Complex z, int terms);

struct Amplitudes {
    Complex s1, s2;
};

// S1 and S2 at one scattering angle, given as μ = cos Θ.
Amplitudes ScatteringAmplitudes(const MieSeries &series, double mu);
// The same for many angles at once: the terms are run through in blocks of
// angles, which is several times faster than one angle at a time.
void ScatteringAmplitudes(const MieSeries &series, std::span<const double> mu, std::span<Amplitudes> out);

// Efficiencies: cross-sections over the geometric one π·a².
struct Efficiencies {
    double ext = 0, sca = 0, back = 0;
};
Efficiencies MieEfficiencies(const MieSeries &series);

} // namespace rb::optics
