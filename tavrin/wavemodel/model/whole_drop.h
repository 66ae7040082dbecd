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
// one, worked as wave optics does it for a sphere:
//   - each ray's weight carries its three Fresnel amplitudes (in, reflected
//     inside, out) for that component;
//   - the wavefront is three-dimensional: each strip is a ring round the
//     axis, which brings in light in proportion to its radius, and the
//     sum over the ring's azimuth, done by stationary phase, leaves
//     1/√(sin θ). The weight becomes dp/du · √(u / u_R) · √(sin θ_R /
//     sin θ), 1 at the rainbow ray and at θ_R, the strip width dp/du kept
//     as in Airy's uniform wavefront. (An amplitude that follows the flux
//     along the wavefront, √(dp/du) instead of dp/du, does worse against
//     Mie's bow term: it lets the nearly still exit point near u_s add a
//     term of its own, and the inner bows' heights stray by 15 %.);
//   - the fan is faded out only between 0.95 and 0.972, beyond every outer
//     ray of Bild III (u ≈ 0.95 leaves at 38.5°), so no ray of a pair is
//     weakened.
// The bar scale stays that of the plain fan, so a component's bars show
// how much of the light it carries.
//
// The geometry of each ray does not depend on θ and is worked out once per
// fan: a phase then costs two multiply-adds and a sine and cosine.
#pragma once

#include "common/canvas/canvas.h"
#include "common/canvas/color.h"
#include "tavrin/wavemodel/model/polarisation.h"
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
    // Component::Unit is the plain fan of unit phasors; S and P the
    // physical fan of that component.
    WholeDropFan(double n, double ka, double thetaFrom, double thetaTo, Component component = Component::Unit);

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

    // Draws ray j in Bild II, whose drop has the radius `radius`: in from
    // x = −14000, the two chords, and out towards ŝ(θ) for `outLength`.
    void DrawRay(Canvas &picture4, int j, double theta, double radius, double outLength, Color c) const;

private:
    double n_, ka_, step_ = 0, barScale_ = 0;
    Component component_;
    double sinRainbow_ = 1; // sin θ_R, for the azimuthal spreading
    std::vector<double> u_, weight_;
    std::vector<double> phase0_;  // k·a·(1 − cos α + 4n·cos β), reduced to one turn
    std::vector<double> kpx_, kpy_; // k·a·P
};

// The size parameter k·a of a drop of the given diameter in light of the
// given wavelength, both in micrometres.
double SizeParameter(double diameterMicrons, double waveMicrons);

} // namespace rb::tavrin
