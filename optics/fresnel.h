// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Fresnel's amplitude coefficients at the surface of a drop, for the two
// components of the light: s (the electric field perpendicular to the plane
// of incidence, which for the drop is the plane of scattering) and p (the
// field in that plane).
//
// Everything is written with the two angles a ray makes with the normal
// where it meets the surface: α outside, in air, and β inside, with
// sin α = n·sin β. Written so, the coefficients need no refractive index
// (Born & Wolf, Principles of Optics, §1.5.2, eqs. 20–21):
//
//   from a medium at angle θi into one at angle θt
//     t_s =  2 sin θt cos θi / sin(θi + θt)
//     t_p =  2 sin θt cos θi / (sin(θi + θt) cos(θi − θt))
//     r_s = −sin(θi − θt) / sin(θi + θt)
//     r_p =  tan(θi − θt) / tan(θi + θt)
//
// The signs are Born & Wolf's: r_s and r_p compare the reflected field
// with the incident one in a frame that turns with the ray. Only products
// along one path and the sign changes along a fan of rays matter here, and
// those are the same in every convention.
//
// Inside the drop the light meets the surface at β and would leave at α:
// θi = β, θt = α. So the internal reflection of the p component,
// tan(β − α) / tan(β + α), is zero where α + β = 90° (Brewster's angle,
// tan α = n) and changes sign there. For water (n ≈ 1.33) that is at
// sin α = n / √(1 + n²) ≈ 0.80: just inside the rainbow ray at ≈ 0.86.
//
// Angles in radians, 0 ≤ β ≤ α < π/2; at α = 0 the s and p formulas are
// 0/0 and the limits are not needed by any fan (which starts well off the
// axis), so the caller keeps away from it.
#pragma once

#include <cmath>

namespace rb::optics {

// One coefficient for each component.
struct FresnelPair {
    double s = 1.0;
    double p = 1.0;
};

inline FresnelPair operator*(FresnelPair a, FresnelPair b) { return {a.s * b.s, a.p * b.p}; }

// From a medium where the ray makes θi with the normal into one where it
// makes θt: the transmitted and the reflected amplitude.
inline FresnelPair Transmitted(double thetaI, double thetaT)
{
    const double sum = std::sin(thetaI + thetaT);
    const double s = 2.0 * std::sin(thetaT) * std::cos(thetaI) / sum;
    return {s, s / std::cos(thetaI - thetaT)};
}

inline FresnelPair Reflected(double thetaI, double thetaT)
{
    return {-std::sin(thetaI - thetaT) / std::sin(thetaI + thetaT),
            std::tan(thetaI - thetaT) / std::tan(thetaI + thetaT)};
}

// The four surface events of light in a drop, with α outside and β inside.
inline FresnelPair TransmissionIn(double alpha, double beta) { return Transmitted(alpha, beta); }
inline FresnelPair InternalReflection(double alpha, double beta) { return Reflected(beta, alpha); }
inline FresnelPair TransmissionOut(double alpha, double beta) { return Transmitted(beta, alpha); }
inline FresnelPair OuterReflection(double alpha, double beta) { return Reflected(alpha, beta); }

// The light of a bow of `reflections` internal reflections: in, reflected
// inside, out. Every surface the ray meets it meets at the same α and β.
inline FresnelPair BowAmplitude(double alpha, double beta, int reflections = 1)
{
    FresnelPair a = TransmissionIn(alpha, beta) * TransmissionOut(alpha, beta);
    for (int i = 0; i < reflections; ++i) a = a * InternalReflection(alpha, beta);
    return a;
}

} // namespace rb::optics
