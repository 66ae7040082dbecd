// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The Debye series: the Mie coefficients taken apart into the paths light
// takes through the sphere. Each partial wave n meets the surface as a
// spherical wave; from outside it is reflected (R²¹²) or let in (T²¹), from
// inside reflected back (R¹²¹) or let out (T¹²). Summed over the number p
// of chords inside the drop,
//     a_n = ½ · (1 − R²¹² − Σ_{p≥1} T²¹·T¹²·(R¹²¹)^{p−1}),
// and b_n the same with the other polarisation's surface coefficients. The
// term p = 0 is the light diffracted round the drop and reflected off its
// outside, p = 1 the light let straight through, p = 2 the light reflected
// once inside: the primary bow alone, without the ripple that the outer
// reflection lays over it.
//
// With ζ¹ = ψ − iχ the outgoing and ζ² = ψ + iχ the incoming Riccati–
// Hankel function and D¹, D² their logarithmic derivatives, for a
// polarisation with the surface factor κ (m for a_n, 1/m for b_n):
//     R²¹² = −ζ²(x)/ζ¹(x) · (D²(mx) − κ·D²(x)) / (D²(mx) − κ·D¹(x)),
//     R¹²¹ = −ζ¹(mx)/ζ²(mx) · (D¹(mx) − κ·D¹(x)) / (D²(mx) − κ·D¹(x)),
//     T²¹·T¹² = ζ²(x)/ζ¹(x) · ζ¹(mx)/ζ²(mx)
//               · κ·(D²(x) − D¹(x))·(D²(mx) − D¹(mx)) / (D²(mx) − κ·D¹(x))².
// The ratios and derivatives run upward in n, where the Hankel functions
// are the dominant solutions and the recurrence is stable.
#pragma once

#include "optics/mie.h"

#include <span>
#include <vector>

namespace rb::optics {

// The surface coefficients of one partial wave and one polarisation.
struct DebyeSurface {
    Complex r212, r121, t2112; // t2112 = T²¹·T¹²
};

// For n = 1 … MieTerms(x), at index n − 1: those of a_n and of b_n.
struct DebyeSurfaces {
    std::vector<DebyeSurface> a, b;
};
DebyeSurfaces DebyeSurfacesFor(Complex m, double x);

// The p-th term of one partial wave's coefficient, from its surfaces:
// ½·(1 − R²¹²) for p = 0, −½·T²¹·T¹²·(R¹²¹)^{p−1} for p ≥ 1.
Complex DebyeCoefficient(const DebyeSurface &surface, int p);

// The series of the p-th Debye term alone (p = 0: diffraction and outer
// reflection; p = 2: one inner reflection).
MieSeries DebyeTerm(const DebyeSurfaces &surfaces, Complex m, double x, int p);
MieSeries DebyeTerm(Complex m, double x, int p);

// The primary bow alone (Debye p = 2) at angles θ measured from the
// antisolar point (radians), θ = π − Θ: S1 and S2 for a drop of index n
// and size parameter x.
std::vector<Amplitudes> BowTermAmplitudes(double n, double x, std::span<const double> thetaFromAntisolar);

} // namespace rb::optics
