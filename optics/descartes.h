// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Descartes' ray of a bow: the ray of least deviation after k internal
// reflections (k + 1 chords). With P = k + 1 and angles in drop radii of
// the impact parameter u = sin α, sin β = u/n, the ray leaves at the
// scattering angle θ(u) = ±(2P·β − 2α) reduced to (0, π) from the
// antisolar point; θ′(u) = 2P/(n·cos β) − 2/cos α vanishes at
//     cos²α = (n² − 1)/(P² − 1),
// and there half the curvature is
//     h = u·|P/(n³·cos³β) − 1/cos³α|,
// which for the primary bow (P = 2) is (9/4)·√(4 − n²)/(n² − 1)^{3/2}.
#pragma once

#include <cmath>

namespace rb::optics {

inline double DescartesImpact(double n, int reflections = 1)
{
    const double p = reflections + 1;
    return std::sqrt(1.0 - (n * n - 1.0) / (p * p - 1.0));
}

inline double DeviationCurvature(double n, int reflections = 1)
{
    if (reflections == 1) return 9.0 / 4.0 * std::sqrt(4.0 - n * n) / std::pow(n * n - 1.0, 1.5);
    const double u = DescartesImpact(n, reflections), p = reflections + 1;
    const double ca = std::sqrt(1.0 - u * u), cb = std::sqrt(1.0 - u * u / (n * n));
    return u * std::fabs(p / (n * n * n * cb * cb * cb) - 1.0 / (ca * ca * ca));
}

} // namespace rb::optics
