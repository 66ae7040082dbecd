// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The Lorenz–Mie solver and its Debye terms against published values, the
// laws the series must keep, and Airy's theory where it holds.
#include "optics/mie.h"

#include "optics/mie_debye.h"
#include "tavrin/wavemodel/model/airy_theory.h"
#include "tavrin/wavemodel/model/wave_model.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace rb::optics;

namespace {

constexpr double kPi = 3.14159265358979323846;
double Deg(double radians) { return radians * 180.0 / kPi; }

double RelativeError(Complex got, Complex want) { return std::abs(got - want) / std::abs(want); }

// The angle (degrees from the antisolar point) of the tallest maximum of the
// unpolarised intensity between lo and hi, on a 0.0005° grid refined by a
// parabola through the highest point and its neighbours; `amplitudes` gives
// S1 and S2 at angles θ from the antisolar point in radians.
template <class F> double TallestMaximum(F amplitudes, double lo, double hi)
{
    constexpr double step = 0.0005;
    std::vector<double> theta;
    for (double t = lo; t <= hi; t += step) theta.push_back(t * kPi / 180.0);
    std::vector<double> in;
    for (const Amplitudes &q : amplitudes(theta)) in.push_back(std::norm(q.s1) + std::norm(q.s2));
    std::size_t best = 1;
    for (std::size_t i = 1; i + 1 < in.size(); ++i)
        if (in[i] > in[i - 1] && in[i] >= in[i + 1] && in[i] > in[best]) best = i;
    const double y0 = in[best - 1], y1 = in[best], y2 = in[best + 1];
    return lo + (best + 0.5 * (y0 - y2) / (y0 - 2 * y1 + y2)) * step;
}

// The bow term of a drop, and the full series, as functions of θ.
auto BowTerm(double n, double x)
{
    return [=](const std::vector<double> &theta) { return BowTermAmplitudes(n, x, theta); };
}
auto FullSeries(double n, double x)
{
    return [s = MieCoefficients(n, x)](const std::vector<double> &theta) {
        std::vector<double> mu;
        for (const double t : theta) mu.push_back(-std::cos(t));
        std::vector<Amplitudes> a(mu.size());
        ScatteringAmplitudes(s, mu, a);
        return a;
    };
}

} // namespace

// Bohren and Huffman, "Absorption and Scattering of Light by Small
// Particles" (1983), appendix A: the worked example of BHMIE, a sphere of
// radius 0.525 µm and n = 1.55 in light of 0.6328 µm.
TEST(Mie, BohrenHuffmanWorkedExample)
{
    const Efficiencies q = MieEfficiencies(MieCoefficients(1.55, 2 * kPi * 0.525 / 0.6328));
    EXPECT_NEAR(q.ext, 3.10543, 1e-5);
    EXPECT_NEAR(q.sca, 3.10543, 1e-5);
    EXPECT_NEAR(q.back, 2.92534, 1e-5);
}

// Wiscombe, "Mie scattering calculations: advances in technique and fast,
// vector-speed computer codes", NCAR/TN-140+STR (1979), the test cases of
// MIEV0 for m = 1.33 − 10⁻⁵i at x = 1, 100 and 10 000 and Θ = 0°, 30° …
// 180°. Wiscombe's time factor is e^{+iωt}: his S are the complex
// conjugates of ours. At x = 10 000 the values quoted beyond 90° depend on
// the number of terms a code uses, so only 0° … 90° are compared there.
// x = 10 000 is also where a downward recurrence started too low shows:
// Q_sca drops to 1.718.
TEST(Mie, WiscombeTestCasesForWater)
{
    struct Case {
        double x, qext, qsca;
        std::vector<Amplitudes> s; // Θ = 0°, 30°, 60°, …
    };
    const Case cases[] = {
        {1,
         9.395198e-02,
         9.392330e-02,
         {{{2.348800e-02, 2.281705e-01}, {2.348800e-02, 2.281705e-01}},
          {{2.341722e-02, 2.217102e-01}, {2.034830e-02, 1.938171e-01}},
          {{2.322408e-02, 2.046815e-01}, {1.181704e-02, 1.075976e-01}},
          {{2.296081e-02, 1.828349e-01}, {2.729533e-04, 6.702879e-03}},
          {{2.269820e-02, 1.625401e-01}, {-1.114466e-02, -7.646326e-02}},
          {{2.250635e-02, 1.486170e-01}, {-1.942300e-02, -1.271557e-01}},
          {{2.243622e-02, 1.437106e-01}, {-2.243622e-02, -1.437106e-01}}}},
        {100,
         2.101321,
         2.096594,
         {{{5.253302e+03, -1.243188e+02}, {5.253302e+03, -1.243188e+02}},
          {{-5.534573e+01, -2.971881e+01}, {-8.467204e+01, -1.999470e+01}},
          {{1.710488e+01, -1.520096e+01}, {3.310764e+01, -2.709787e+00}},
          {{-3.655758e+00, 8.769860e+00}, {-6.550512e+00, -4.675370e+00}},
          {{2.414318e+00, 5.380874e-01}, {6.039011e+00, -1.169971e+01}},
          {{-1.222996e+00, 3.283917e+01}, {-9.653812e+00, 1.474455e+01}},
          {{-5.659205e+01, 4.650974e+01}, {5.659205e+01, -4.650974e+01}}}},
        {10000,
         2.004089,
         1.723857,
         {{{5.010222e+07, -1.535815e+05}, {5.010222e+07, -1.535815e+05}},
          {{3.786814e+03, -7.654293e+03}, {5.074755e+03, -7.515986e+03}},
          {{-2.731172e+03, 1.326633e+03}, {-3.076558e+03, -1.775975e+02}},
          {{-1.061003e+03, -1.930155e+02}, {2.430920e+02, 8.409836e+01}}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.x);
        const MieSeries s = MieCoefficients({1.33, 1e-5}, c.x);
        const Efficiencies q = MieEfficiencies(s);
        EXPECT_NEAR(q.ext / c.qext, 1, 2e-6);
        EXPECT_NEAR(q.sca / c.qsca, 1, 2e-6);
        for (std::size_t k = 0; k < c.s.size(); ++k) {
            SCOPED_TRACE(30 * k);
            const Amplitudes a = ScatteringAmplitudes(s, std::cos(kPi / 6 * static_cast<double>(k)));
            EXPECT_LT(RelativeError(std::conj(a.s1), c.s[k].s1), 2e-6);
            EXPECT_LT(RelativeError(std::conj(a.s2), c.s[k].s2), 2e-6);
        }
    }
}

// The optical theorem, Q_ext = 4/x²·Re S(0°), ties the efficiencies to the
// forward amplitude; without absorption all that is taken out of the beam is
// scattered. For a tiny sphere both go to Rayleigh's law: with
// K = (m² − 1)/(m² + 2), Q_sca → 8/3·x⁴·|K|² and Q_ext − Q_sca → 4x·Im K.
TEST(Mie, OpticalTheoremEnergyAndRayleighLimit)
{
    for (const Complex m : {Complex(1.3312, 0), Complex(1.5, 0.1), Complex(1.33, 1e-5)}) {
        for (const double x : {0.5, 30.0, 2000.0, 16500.0}) {
            SCOPED_TRACE(x);
            const MieSeries s = MieCoefficients(m, x);
            const Efficiencies q = MieEfficiencies(s);
            EXPECT_NEAR(q.ext, 4 / (x * x) * ScatteringAmplitudes(s, 1.0).s1.real(), 1e-9 * q.ext);
            if (m.imag() == 0) {
                EXPECT_NEAR(q.sca, q.ext, 1e-9 * q.ext);
            }
        }
    }
    const Complex m(1.5, 0.1), k = (m * m - 1.0) / (m * m + 2.0);
    const double x = 0.01;
    const Efficiencies q = MieEfficiencies(MieCoefficients(m, x));
    EXPECT_NEAR(q.sca / (8.0 / 3 * std::pow(x, 4) * std::norm(k)), 1, 1e-3);
    EXPECT_NEAR((q.ext - q.sca) / (4 * x * k.imag()), 1, 1e-3);
}

// The Debye terms are the Mie coefficients taken apart: for every partial
// wave, p = 0 … 3 and the geometric rest −½·T·R^3/(1 − R) add up to a_n and
// b_n, which the solver gets by a different route (D_n downward, ψ and ξ
// upward).
TEST(Mie, DebyeTermsAddUpToTheMieCoefficients)
{
    for (const Complex m : {Complex(1.3312, 0), Complex(1.33, 0.01)})
        for (const double x : {3.0, 200.0, 5000.0}) {
            SCOPED_TRACE(x);
            const MieSeries mie = MieCoefficients(m, x);
            const DebyeSurfaces surfaces = DebyeSurfacesFor(m, x);
            std::vector<MieSeries> terms;
            for (int p = 0; p <= 3; ++p) terms.push_back(DebyeTerm(surfaces, m, x, p));
            const auto rest = [](const DebyeSurface &s) {
                return -0.5 * s.t2112 * std::pow(s.r121, 3) / (1.0 - s.r121);
            };
            double worst = 0;
            for (std::size_t n = 0; n < mie.a.size(); ++n) {
                Complex a = rest(surfaces.a[n]), b = rest(surfaces.b[n]);
                for (const MieSeries &t : terms) {
                    a += t.a[n];
                    b += t.b[n];
                }
                worst = std::max({worst, std::abs(a - mie.a[n]), std::abs(b - mie.b[n])});
            }
            EXPECT_LT(worst, 1e-11);
        }
}

// Airy's theory (tavrin/wavemodel/model/airy_theory.h) against the bow term
// for large drops: for 2000 µm drops the main maxima agree within 0.01°. For
// small drops Airy's bow lies inside the exact one: at 50 µm in red light
// (656 nm, n = 1.3312) an independent computation puts Airy's maximum at
// 39.76° and the bow term's at 39.87° (compare Wang and van de Hulst,
// Appl. Opt. 30, 106 (1991), and Laven's comparisons of Mie and Airy theory
// at philiplaven.com). The full series for 1000 µm in red has its maximum
// near the bow at 41.99°.
TEST(Mie, BowTermMeetsAiryForLargeDropsAndNotForSmallOnes)
{
    using rb::tavrin::WaveColour;
    for (const WaveColour c : {WaveColour::Red, WaveColour::Blue}) {
        const double n = rb::tavrin::WaterIndex(c), lambda = rb::tavrin::WavelengthMicrons(c);
        const double airy = Deg(rb::tavrin::AiryBowFor(n, 2000, lambda).MaximumAngle(1));
        EXPECT_NEAR(TallestMaximum(BowTerm(n, kPi * 2000 / lambda), airy - 0.2, airy + 0.2), airy, 0.01);
    }
    const double n = rb::tavrin::WaterIndex(WaveColour::Red), lambda = rb::tavrin::WavelengthMicrons(WaveColour::Red);
    const double airy50 = Deg(rb::tavrin::AiryBowFor(n, 50, lambda).MaximumAngle(1));
    EXPECT_NEAR(airy50, 39.76, 0.005);
    EXPECT_NEAR(TallestMaximum(BowTerm(n, kPi * 50 / lambda), 39.3, 40.5), 39.87, 0.005);
    EXPECT_NEAR(TallestMaximum(FullSeries(n, kPi * 1000 / lambda), 41.8, 42.2), 41.99, 0.01);
}
