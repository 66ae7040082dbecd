// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The whole-drop phasor model: the same idea as the fan of 321 rays, done
// the way wave optics does it, so that its bars can be laid on Airy's
// theory.
//
//   - The drop has its true size and the light its true wavelength: only
//     the size parameter k·a = 2π·a/λ enters, and all lengths below are in
//     drop radii.
//   - The observer is at infinity in the direction θ below −x: θ is the
//     scattering angle from the antisolar point, the outgoing direction is
//     ŝ = (−cos θ, −sin θ).
//   - A ray at impact parameter u (radii) enters at (−cos α, u), sin α = u,
//     crosses the drop twice (2n·cos β each, sin β = u/n) and leaves at the
//     point P at the position angle 4β − α − π, in the direction
//     4β − 2α − π. Its phase is k·a times its optical path from the plane
//     x = −1 to the plane perpendicular to ŝ:
//         φ(u, θ) = k·a · (1 − cos α + 4n·cos β − P·ŝ).
//     That is stationary in u exactly where the ray itself leaves along ŝ.
//   - The rays cover the part of the upper half that takes part in the bow,
//     u = 0.50 … 0.97, so closely that neighbouring phasors never differ by
//     more than a twentieth of a turn, for every θ the fan is made for.
//   - Each ray carries the strip of the emerging wavefront it stands for:
//     weight dp/du = |1 − 4·cos α / (n·cos β)|, p being the offset of the
//     outgoing ray across its own direction. The wavefront then has the
//     same amplitude everywhere, as in Airy's theory; the weight is 1 at
//     the rainbow ray. It falls to 0 where tan α = 4·tan β,
//     u_s = √((16 − n²)/15) ≈ 0.974: there the exit point stands still as u
//     changes, so the phase would be stationary for every θ at once and add
//     a contribution that does not depend on θ, lobes on the dark side.
//   - Both ends of the fan are faded in smoothly (u 0.50 → 0.68 and
//     0.90 → 0.97), so they add no edge diffraction of their own. Every ray
//     that leaves in a direction of Bild III (38.6° … 44.8°) lies between.
//
// The geometry of each ray does not depend on θ and is worked out once per
// fan: a phase then costs two multiply-adds and a sine and cosine.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/color.h"
#include "tavrin/wavemodel/model/wave_model.h"

#include <vector>

namespace rb::tavrin {

// The sweep observes from 38.6° to 44.8°, a little beyond both ends of
// Bild III; a fan made for this range is fine enough for every bar.
constexpr double kBowFromDegrees = 38.6, kBowToDegrees = 44.8;

class WholeDropFan {
public:
    // The fan for refractive index n and size parameter k·a, fine enough for
    // directions θ from thetaFrom to thetaTo (radians).
    WholeDropFan(double n, double ka, double thetaFrom, double thetaTo);

    int Rays() const { return int(u_.size()); }
    double Step() const { return step_; }
    double ImpactParameter(int j) const { return u_[j]; }
    double Weight(int j) const { return weight_[j]; }
    double RefrIndex() const { return n_; }
    double SizeParameter() const { return ka_; }

    // Ray j's weighted phasor towards θ, given as cos θ and sin θ.
    Phasor Term(int j, double cosTheta, double sinTheta) const;
    // |Σ terms| times this is the amplitude in bar units: 1000 at the main
    // maximum of Airy's theory for this drop.
    double BarScale() const { return barScale_; }
    // The amplitude towards θ in bar units, summed without any drawing.
    double Amplitude(double theta) const;

    // Draws ray j in Bild II, whose drop has the radius `radius`: in from
    // x = −14000, the two chords, and out towards ŝ(θ) for `outLength`.
    void DrawRay(Canvas &picture4, int j, double theta, double radius, double outLength, Color c) const;

private:
    double n_, ka_, step_ = 0, barScale_ = 0;
    std::vector<double> u_, weight_;
    std::vector<double> phase0_;  // k·a·(1 − cos α + 4n·cos β), reduced to one turn
    std::vector<double> kpx_, kpy_; // k·a·P
};

// The size parameter k·a of a drop of the given diameter in light of the
// given wavelength, both in micrometres.
double SizeParameter(double diameterMicrons, double waveMicrons);

} // namespace rb::tavrin
