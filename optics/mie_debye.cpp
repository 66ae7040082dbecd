// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/mie_debye.h"

#include <cmath>

namespace rb::optics {

namespace {

// D¹_n, D²_n and ζ¹_n/ζ²_n at z for n = 1 … terms, at index n − 1.
struct HankelRatios {
    std::vector<Complex> d1, d2, q;
};

// ζ¹ upward: with r_n = ζ¹_{n−1}/ζ¹_n the recurrence
// ζ_n = (2n−1)/z·ζ_{n−1} − ζ_{n−2} becomes r_n = 1 / ((2n−1)/z − r_{n−1}),
// and ζ′_n = ζ_{n−1} − n/z·ζ_n gives D¹_n = r_n − n/z; ζ¹_{−1} = e^{iz},
// ζ¹_0 = −i·e^{iz}, so r_0 = i. That is stable for every n: ζ¹ is never the
// smaller solution. ζ² is, inside an absorbing drop: there
// |ζ²/ζ¹| ≈ e^{2·Im z} below the turning point and about 1 above it, and
// the same upward recurrence for ζ² would lose every digit. So ζ² is
// taken as 2ψ − ζ¹, with ψ known through its logarithmic derivative D_n
// (downward, optics/mie.h): with u_n = ψ_n/ζ¹_n,
//     ζ²/ζ¹ = 2u − 1,   D² = (2u·D − D¹) / (2u − 1),
// and u_n = u_{n−1} · r_n / (D_n + n/z), u_0 = (1 − e^{−2iz})/2.
HankelRatios RatiosAt(Complex z, int terms)
{
    HankelRatios h;
    h.d1.reserve(static_cast<std::size_t>(terms));
    h.d2.reserve(static_cast<std::size_t>(terms));
    h.q.reserve(static_cast<std::size_t>(terms));
    const std::vector<Complex> d = LogDerivatives(z, terms);
    const Complex i(0.0, 1.0);
    Complex r = i, u = 0.5 * (1.0 - std::exp(-2.0 * i * z));
    for (int n = 1; n <= terms; ++n) {
        const Complex nz = static_cast<double>(n) / z;
        r = 1.0 / ((2.0 * n - 1.0) / z - r);
        const Complex dn = d[static_cast<std::size_t>(n)];
        u *= r / (dn + nz);
        const Complex d1 = r - nz, ratio = 2.0 * u - 1.0; // ζ²/ζ¹
        h.d1.push_back(d1);
        h.d2.push_back((2.0 * u * dn - d1) / ratio);
        h.q.push_back(1.0 / ratio);
    }
    return h;
}

DebyeSurface Surface(Complex kappa, Complex d1x, Complex d2x, Complex qx, Complex d1m, Complex d2m, Complex qm)
{
    const Complex den = d2m - kappa * d1x;
    return {-(d2m - kappa * d2x) / (qx * den), -qm * (d1m - kappa * d1x) / den,
            qm / qx * kappa * (d2x - d1x) * (d2m - d1m) / (den * den)};
}

} // namespace

Complex DebyeCoefficient(const DebyeSurface &s, int p)
{
    if (p == 0) return 0.5 * (1.0 - s.r212);
    return -0.5 * s.t2112 * std::pow(s.r121, p - 1);
}

DebyeSurfaces DebyeSurfacesFor(Complex m, double x)
{
    const int terms = MieTerms(x);
    const HankelRatios out = RatiosAt(Complex(x, 0.0), terms);
    const HankelRatios in = RatiosAt(m * x, terms);
    DebyeSurfaces s;
    s.a.reserve(static_cast<std::size_t>(terms));
    s.b.reserve(static_cast<std::size_t>(terms));
    for (std::size_t k = 0; k < static_cast<std::size_t>(terms); ++k) {
        const auto at = [&](Complex kappa) {
            return Surface(kappa, out.d1[k], out.d2[k], out.q[k], in.d1[k], in.d2[k], in.q[k]);
        };
        s.a.push_back(at(m));
        s.b.push_back(at(1.0 / m));
    }
    return s;
}

MieSeries DebyeTerm(const DebyeSurfaces &surfaces, Complex m, double x, int p)
{
    MieSeries s{m, x, {}, {}};
    s.a.reserve(surfaces.a.size());
    s.b.reserve(surfaces.b.size());
    for (std::size_t k = 0; k < surfaces.a.size(); ++k) {
        s.a.push_back(DebyeCoefficient(surfaces.a[k], p));
        s.b.push_back(DebyeCoefficient(surfaces.b[k], p));
    }
    return s;
}

MieSeries DebyeTerm(Complex m, double x, int p) { return DebyeTerm(DebyeSurfacesFor(m, x), m, x, p); }

std::vector<Amplitudes> BowTermAmplitudes(double n, double x, std::span<const double> thetaFromAntisolar)
{
    std::vector<double> mu;
    mu.reserve(thetaFromAntisolar.size());
    for (const double theta : thetaFromAntisolar) mu.push_back(-std::cos(theta)); // cos(π − θ)
    std::vector<Amplitudes> out(mu.size());
    ScatteringAmplitudes(DebyeTerm(Complex(n, 0.0), x, 2), mu, out);
    return out;
}

} // namespace rb::optics
