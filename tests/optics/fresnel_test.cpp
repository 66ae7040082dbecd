// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Fresnel's coefficients against numbers worked by hand from the forms in
// the refractive indices (Hecht, Optics, 4th ed., eqs. 4.34, 4.35, 4.40,
// 4.41): r_s = (cos θi − n cos θt)/(cos θi + n cos θt), and so on.
#include "optics/fresnel.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace rb::optics;

namespace {
constexpr double kDeg = 3.14159265358979323846 / 180.0;
}

// Air into glass of n = √2 at 45°, refracted to 30°, worked by hand:
//   cos 45° = 0.707107, n cos 30° = 1.224745, n cos 45° = 1, cos 30° = 0.866025
//   r_s = (0.707107 − 1.224745)/(0.707107 + 1.224745) = −0.267949
//   r_p = (1 − 0.866025)/(1 + 0.866025)               =  0.071797
//   t_s = 1.414214/1.931852 = 0.732051,  t_p = 1.414214/1.866025 = 0.757875
// and back out from 30° to 45°: t_s' = 2·1.224745/1.931852 = 1.267949.
TEST(Fresnel, HandWorkedSurfaceAtFortyFiveDegrees)
{
    const FresnelPair r = OuterReflection(45 * kDeg, 30 * kDeg);
    const FresnelPair t = TransmissionIn(45 * kDeg, 30 * kDeg);
    const FresnelPair out = TransmissionOut(45 * kDeg, 30 * kDeg);
    EXPECT_NEAR(r.s, -0.267949, 1e-6);
    EXPECT_NEAR(r.p, 0.071797, 1e-6);
    EXPECT_NEAR(t.s, 0.732051, 1e-6);
    EXPECT_NEAR(t.p, 0.757875, 1e-6);
    EXPECT_NEAR(out.s, 1.267949, 1e-6);
    // Inside, the same surface reflects with the opposite sign (Stokes).
    const FresnelPair inside = InternalReflection(45 * kDeg, 30 * kDeg);
    EXPECT_NEAR(inside.s, 0.267949, 1e-6);
    EXPECT_NEAR(inside.p, -0.071797, 1e-6);
}

// Water of n = 1.3312 (red): Brewster's angle inside, tan α = n, lies at
// b = sin α = n/√(1 + n²) = 1.3312/1.664960 = 0.799539. The p component's
// internal reflection vanishes there and has opposite signs either side;
// the s component keeps its sign.
TEST(Fresnel, InternalReflectionOfParallelComponentChangesSignAtBrewster)
{
    const double n = 1.3312;
    auto at = [n](double b) { return InternalReflection(std::asin(b), std::asin(b / n)); };
    EXPECT_NEAR(at(0.799539).p, 0.0, 1e-5);
    EXPECT_LT(at(0.79).p * at(0.81).p, 0.0);
    EXPECT_GT(at(0.79).s, 0.0);
    EXPECT_GT(at(0.81).s, 0.0);
}

// The rainbow ray of red light in water, b = 0.86: worked by hand with
// α = 59.3166°, β = 40.2434° (sin β = 0.86/1.3312), the bow's products
// t·r'·t' come to 0.29499 (s) and 0.05803 (p), so the geometric bow has
// a degree of polarisation (S² − P²)/(S² + P²) = 0.9255: the 0.92 of
// the textbooks (e.g. Können, Polarized Light in Nature).
TEST(Fresnel, BowProductAtTheRainbowRay)
{
    const double alpha = std::asin(0.86), beta = std::asin(0.86 / 1.3312);
    const FresnelPair a = BowAmplitude(alpha, beta);
    EXPECT_NEAR(a.s, 0.29499, 2e-5);
    EXPECT_NEAR(a.p, 0.05803, 2e-5);
    EXPECT_NEAR((a.s * a.s - a.p * a.p) / (a.s * a.s + a.p * a.p), 0.9255, 1e-4);
}
