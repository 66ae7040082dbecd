// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The light one drop sends into the directions of the bows, for one
// wavelength: the intensity against θ, the angle from the antisolar point,
// as the fraction of the light falling on the drop's cross-section that
// goes into a unit solid angle there, |S|²/(π·x²) with x = k·a.
//
// Three models: the whole drop's phasors (whole_drop_profile.cpp), and two
// theories: Lorenz–Mie's exact series (optics/mie.h), which holds for
// every drop and has every path of the light in it, the reflection off the
// drop's outside and both bows among them; and Airy's, which describes
// each bow by the cubic wavefront about its Descartes ray:
//     |S|²/(π·x²) = 2·x^{1/3}·ε·b_R·Ai²(−z)/(sin θ·h^{2/3}),
//     z = ±(θ_R − θ)·x^{2/3}/h^{1/3} (+ for the primary, whose light lies
// inside it; − for the secondary, whose light lies outside), b_R = sin α_R
// the Descartes ray's impact parameter, h half the curvature of θ(b) there
// and ε the share of the light Fresnel's laws let through the surfaces,
// (1 − R)²·R^{p−1} after p − 1 inner reflections. The factor comes from
// matching the mean of Ai² far on the lit side, π^{-1}·z^{-1/2}/2, to
// geometric optics' two rays, a²·ε·b/(sin θ·|dθ/db|) each.
#pragma once

#include <atomic>
#include <vector>

namespace rb::tavrin {

enum class BowTheory { Mie, Airy, WholeDrop };
// Through no filter (unpolarised light, the mean of both), or through a
// polarising filter that passes the light polarised perpendicular (s) or
// parallel (p) to the plane of sun, drop and eye, the half of sunlight that
// has that polarisation.
enum class BowFilter { None, S, P };

// Angles from firstDeg in steps of stepDeg.
struct AngleGrid {
    double firstDeg = 0, stepDeg = 0;
    int count = 0;
    double At(int i) const { return firstDeg + stepDeg * i; }
};

// For refractive index n and size parameter x. Mie returns false, having
// stopped early, once the flag is up; terms is the length of its series.
bool MieProfile(double n, double x, BowFilter filter, const AngleGrid &grid, const std::atomic<bool> &cancel,
                std::vector<double> &out, int &terms);
void AiryProfile(double n, double x, BowFilter filter, const AngleGrid &grid, std::vector<double> &out);
// The whole-drop phasor model (optics/whole_drop.h) for both bows, s and p
// summed apart, with the outer reflection's light; false, having stopped
// early, once the flag is up. rays is the number of phasors in its fans.
bool WholeDropProfile(double n, double x, BowFilter filter, const AngleGrid &grid, const std::atomic<bool> &cancel,
                      std::vector<double> &out, long long &rays);

// Descartes' angle, degrees from the antisolar point, of the bow after
// `reflections` inner reflections (1 or 2).
double DescartesDegrees(double n, int reflections);

} // namespace rb::tavrin
