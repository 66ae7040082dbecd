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
// With a polarisation component chosen (s or p), the fan is the physical
// one, a Kirchhoff integral over the emerging wavefront of a sphere:
//   - each ray's weight carries its Fresnel amplitudes (in, reflected
//     inside, out) for that component;
//   - the amplitude follows the light's flux: a strip du of the incoming
//     ring carries the power u·du, spread over the width w·du of the
//     emerging wavefront; the field there is √(u/w) per unit width and the
//     strip adds √(u/w)·w·du = √(u·w)·du. The wavefront is a ring round the
//     axis; its sum over the azimuth, done by stationary phase, leaves
//     1/√(sin θ) (the ring's radius cancels against the flux's). The weight
//     is √(u/u_R · w) · √(sin θ_R / sin θ): 1 at the rainbow ray and θ_R.
//     At stationary points this gives each ray geometric optics' intensity
//     ε·u/(π·sin θ·|dθ/du|) exactly;
//   - the wavefront is not taken at the exit points: there its width
//     w = |1 − 4·cos α/(n·cos β)| passes through zero at u_s, a caustic
//     that touches the drop's surface, where the phase would be stationary
//     for every θ at once and adds a term of its own that shifts the bows
//     of small drops by tenths of a degree. Each ray is instead followed
//     back from its exit point P to X = P − t̂ (one radius against its
//     direction t̂; path one radius shorter): on that virtual wavefront the
//     width X′ × t̂ keeps its sign over the whole fan of both bows, the
//     rays beyond u_s join smoothly, and at every stationary point the
//     phase is unchanged, since there t̂ = ŝ;
//   - the fan runs from 0.40 to 0.995 radii, faded in below 0.55 and out
//     above 0.975, so it holds every ray that leaves between 31° and the
//     bow, on both branches. Its rays are not evenly spaced: they lie as
//     densely as the phase turns there (each weight takes its share du of
//     the integral), so the fast-turning rays near grazing incidence do
//     not set the spacing of all the others.
// The bar scale stays that of the plain fan, so a component's bars show
// how much of the light it carries.
//
// The secondary bow is the same fan after two internal reflections (three
// chords): the ray leaves at the position angle 6β − α − 2π, its path is
// 1 − cos α + 6n·cos β, the strip width at the exit point
// |1 − 6·cos α/(n·cos β)| (zero at u = √((36 − n²)/35) ≈ 0.989, so it is
// stepped back as the primary's), its Fresnel amplitudes t·r·r·t, and its
// Descartes ray lies at cos²α = (n² − 1)/8. Rays from the upper half of
// the drop leave it upwards, towards −θ; by the drop's symmetry that is the
// light towards +θ, so the fan is written for +θ.
//
// The geometry of each ray does not depend on θ and is worked out once per
// fan: a phase then costs two multiply-adds and a sine and cosine.
#pragma once

#include "optics/drop_phasor.h"

#include <vector>

namespace rb::optics {

class WholeDropFan {
public:
    // The fan for refractive index n and size parameter k·a, fine enough for
    // directions θ from thetaFrom to thetaTo (radians).
    // Component::Unit is the plain fan of unit phasors; S and P the
    // physical fan of that component. `reflections` is 1 for the primary
    // bow, 2 for the secondary (S and P only). Neighbouring phasors differ
    // by at most maxStepTurns of a turn.
    WholeDropFan(double n, double ka, double thetaFrom, double thetaTo, Component component = Component::Unit,
                 int reflections = 1, double maxStepTurns = 1.0 / 20.0);

    int Rays() const { return int(u_.size()); }
    double Step() const { return step_; }
    double ImpactParameter(int j) const { return u_[j]; }
    double Weight(int j) const { return weight_[j]; }
    double RefrIndex() const { return n_; }
    double SizeParameter() const { return ka_; }
    int Reflections() const { return reflections_; }

    // Ray j's weighted phasor towards θ, given as cos θ and sin θ.
    Phasor Term(int j, double cosTheta, double sinTheta) const;
    // |Σ terms| times this is the amplitude in bar units: 1000 at the main
    // maximum of Airy's theory for this drop.
    double BarScale() const { return barScale_; }
    // The same for the direction θ: the physical fan's sum also takes the
    // azimuthal spreading √(sin θ_R / sin θ).
    double BarScaleAt(double theta) const;
    Component Part() const { return component_; }
    // The light reflected off the drop's outside towards θ, in the units of
    // the sum of the terms (outer_reflection.h).
    Phasor OuterReflection(double theta) const;
    // The amplitude towards θ in bar units, summed without any drawing;
    // with the outer reflection added if `outer`.
    double Amplitude(double theta, bool outer = false) const;
    // The physical fan's light towards θ as the share of the light falling
    // on the drop's cross-section that goes into a unit solid angle there,
    // for this component alone: |S|²/(π·x²) in Mie's terms. Near the
    // rainbow ray the sum is Airy's integral, and this matches its
    // 2·x^{1/3}·ε·u_R·Ai²(−z)/(sin θ·h^{2/3}); far from it, each ray's
    // geometric ε·u/(π·sin θ·|dθ/du|).
    double Intensity(double theta, bool outer = false) const;
    // The intensities of this fan and of `other`, made with the same
    // arguments but the other component, summed in one pass over the
    // phases they share.
    void IntensitiesWith(const WholeDropFan &other, double theta, double &mine, double &theirs) const;

private:
    double ToIntensity(double sumSquared, double theta) const;
    // The physical fan's rays, as densely as its phase turns.
    void LayOutByRate(double n, double ka, double from, double to, double uFrom, double uTo, double maxPhaseStep,
                      std::vector<double> &spacing);

    double n_, ka_, step_ = 0, barScale_ = 0;
    Component component_;
    int reflections_ = 1;
    double uRainbow_ = 1;
    double sinRainbow_ = 1; // sin θ_R, for the azimuthal spreading
    std::vector<double> u_, weight_;
    std::vector<double> phase0_;  // k·a·(1 − cos α + 4n·cos β), reduced to one turn
    std::vector<double> kpx_, kpy_; // k·a·P
};

// The size parameter k·a of a drop of the given diameter in light of the
// given wavelength, both in micrometres.
double SizeParameter(double diameterMicrons, double waveMicrons);

} // namespace rb::optics
