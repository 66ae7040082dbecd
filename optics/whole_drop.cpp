// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "optics/whole_drop.h"

#include "optics/airy_function.h"
#include "optics/descartes.h"
#include "optics/outer_reflection.h"

#include <algorithm>
#include <cmath>

namespace rb::optics {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTurn = 2.0 * kPi;

// The fan and its faded ends, in drop radii: the plain fan's, and the
// physical fan's outer fade, past the outer ray of every direction shown.
constexpr double kFanFrom = 0.50, kFullFrom = 0.68, kFullTo = 0.90, kFanTo = 0.97;
// The physical fan takes every ray that leaves between 31° and the bow
// (u 0.55 … 0.975) in full, and fades out where the rays leave below 31°
// and towards grazing incidence. A narrower fade (0.97 … 0.985) moves the
// bow of 100 µm drops by 0.2°.
constexpr double kPhysicalFrom = 0.40, kPhysicalFullFrom = 0.55, kPhysicalFullTo = 0.975, kPhysicalTo = 0.995;
// Towards grazing incidence the phase of the physical fan turns ever
// faster along u: its rays are laid out in proportion to that rate, but
// never sparser than this share of its largest rate.
constexpr double kLeastDensity = 0.1;
// The secondary bow's fan: its Descartes ray lies at u ≈ 0.95; rays below
// 0.80 leave beyond 64°, and its outer rays reach 57.5° at u = 0.993.
constexpr double kSecondaryFrom = 0.70, kSecondaryFullFrom = 0.80, kSecondaryFullTo = 0.993,
                 kSecondaryTo = 0.999;
// How far the physical fan's wavefront lies behind the exit points, drop
// radii along each ray (negative: back into the drop): one radius brings it
// to about the drop's centre, where Airy laid his wavefront. Measured
// against Debye's p = 2, −0.25 and −0.5 leave the bows of 100–200 µm drops
// 0.05–0.1° off, −2 as much the other way; −1 keeps them within 0.03°.
constexpr double kStepBack = -1.0;
// Points at which the phase slope is sampled to choose the step, and the
// margin laid on the largest slope found between them.
constexpr int kSlopeSamples = 2000;
constexpr double kSlopeMargin = 1.1;
// A direction far from the bow needs a finer fan; this keeps a by-hand run
// towards any point of Bild II within a few milliseconds of maths.
constexpr int kMostRays = 400000;
// Bild II's rays come in from here, as the fan of 321 rays does.
constexpr double kIncomingFromX = -14000.0;

// A smooth step from 0 at t ≤ 0 to 1 at t ≥ 1 with every derivative 0 at
// both ends, so the faded ends of the fan diffract nothing of their own.
double SmoothStep(double t)
{
    if (t <= 0.0) return 0.0;
    if (t >= 1.0) return 1.0;
    return 1.0 / (1.0 + std::exp(1.0 / t - 1.0 / (1.0 - t)));
}

struct FanRange {
    double from, fullFrom, fullTo, to;
};

FanRange RangeOf(bool physical, int reflections)
{
    if (reflections == 2) return {kSecondaryFrom, kSecondaryFullFrom, kSecondaryFullTo, kSecondaryTo};
    if (physical) return {kPhysicalFrom, kPhysicalFullFrom, kPhysicalFullTo, kPhysicalTo};
    return {kFanFrom, kFullFrom, kFullTo, kFanTo};
}

double Fade(double u, const FanRange &r)
{
    return SmoothStep((u - r.from) / (r.fullFrom - r.from)) * SmoothStep((r.to - u) / (r.to - r.fullTo));
}

struct RayGeometry {
    double alpha, beta;
    double px, py;     // exit point P on the unit circle
    double path;       // 1 − cos α + 4n·cos β
    double exitAngle;  // the outgoing direction as a scattering angle, 4β − 2α
    double stripWidth; // dp/du = |1 − 4·cos α / (n·cos β)|
    double pSpeed;     // |dP/du| = dp/du / cos α
};

// The physical fan's wavefront: each ray followed back from its exit point
// P by kStepBack drop radii, to X = P − |s₀|·t̂ (see the header).
void StepBack(RayGeometry &g, double n, int reflections)
{
    const double chords = reflections + 1.0, ca = std::cos(g.alpha), cb = std::cos(g.beta);
    // The exit point's position angle ψ and the ray's direction τ, and
    // their rates along u.
    const double positionRate = 2.0 * chords / (n * cb) - 1.0 / ca;
    const double directionRate = 2.0 * chords / (n * cb) - 2.0 / ca;
    const double direction = 2.0 * chords * g.beta - 2.0 * g.alpha - reflections * kPi;
    const double mirror = reflections == 2 ? -1.0 : 1.0;
    g.px += kStepBack * std::cos(direction);
    g.py += mirror * kStepBack * std::sin(direction);
    g.path += kStepBack;
    // The strip's width across the ray, X′ × t̂ = −ψ′·cos α − s₀·τ′: at the
    // exit point (s₀ = 0) it passes through zero at the stationary exit
    // point; stepped back, it keeps its sign over the whole fan.
    g.stripWidth = std::fabs(-positionRate * ca - kStepBack * directionRate);
    g.pSpeed = std::fabs(positionRate) + std::fabs(kStepBack * directionRate);
}

// After two internal reflections the exit point's y is mirrored, so that
// the ray that leaves upwards towards −θ is written as the one towards +θ.
RayGeometry Geometry(double u, double n, int reflections = 1, bool physical = false)
{
    RayGeometry g;
    g.alpha = std::asin(u);
    g.beta = std::asin(u / n);
    if (reflections == 2) {
        const double exitPosition = 6.0 * g.beta - g.alpha - kTurn;
        g.px = std::cos(exitPosition);
        g.py = -std::sin(exitPosition);
        g.path = 1.0 - std::cos(g.alpha) + 6.0 * n * std::cos(g.beta);
        g.exitAngle = kPi + 2.0 * g.alpha - 6.0 * g.beta;
        g.stripWidth = std::fabs(1.0 - 6.0 * std::cos(g.alpha) / (n * std::cos(g.beta)));
    } else {
        const double exitPosition = 4.0 * g.beta - g.alpha - kPi;
        g.px = std::cos(exitPosition);
        g.py = std::sin(exitPosition);
        g.path = 1.0 - std::cos(g.alpha) + 4.0 * n * std::cos(g.beta);
        g.exitAngle = 4.0 * g.beta - 2.0 * g.alpha;
        g.stripWidth = std::fabs(1.0 - 4.0 * std::cos(g.alpha) / (n * std::cos(g.beta)));
    }
    g.pSpeed = g.stripWidth / std::cos(g.alpha);
    if (physical) StepBack(g, n, reflections);
    return g;
}

// The largest |dφ/du| / (k·a) over the fan for θ in [from, to]:
// dφ/du = k·a·(t̂ − ŝ)·dP/du, bounded by |t̂ − ŝ|·|dP/du|, and |t̂ − ŝ| =
// 2·|sin((θ_ray − θ)/2)| is largest at one end of the range.
double LargestSlope(double n, double from, double to, const FanRange &r, int reflections, bool physical)
{
    double most = 0.0;
    for (int i = 0; i <= kSlopeSamples; ++i) {
        const double u = r.from + (r.to - r.from) * i / kSlopeSamples;
        const RayGeometry g = Geometry(u, n, reflections, physical);
        const double apart = std::max(std::fabs(std::sin((g.exitAngle - from) / 2.0)),
                                      std::fabs(std::sin((g.exitAngle - to) / 2.0)));
        most = std::max(most, 2.0 * apart * g.pSpeed);
    }
    return most;
}

} // namespace

double SizeParameter(double diameterMicrons, double waveMicrons)
{
    return kTurn / waveMicrons * diameterMicrons / 2.0;
}

WholeDropFan::WholeDropFan(double n, double ka, double thetaFrom, double thetaTo, Component component,
                           int reflections, double maxStepTurns)
    : n_(n), ka_(ka), component_(component), reflections_(reflections == 2 ? 2 : 1)
{
    const bool physical = component != Component::Unit;
    const FanRange range = RangeOf(physical, reflections_);
    const double maxPhaseStep = kTurn * maxStepTurns;
    std::vector<double> spacing; // du at each ray over the even step, 1 for an even fan
    if (physical) {
        LayOutByRate(n, ka, thetaFrom, thetaTo, range.from, range.to, maxPhaseStep, spacing);
    } else {
        const double slope = kSlopeMargin * LargestSlope(n, thetaFrom, thetaTo, range, reflections_, physical);
        const int rays = std::clamp(int(std::ceil((range.to - range.from) * ka * slope / maxPhaseStep)) + 1, 2,
                                    kMostRays);
        step_ = (range.to - range.from) / (rays - 1);
        for (int j = 0; j < rays; ++j) u_.push_back(range.from + j * step_);
    }
    const int rays = int(u_.size());
    // The rainbow ray, where the strip width is 1 (see the header).
    const double uRainbow = reflections_ == 1 ? std::sqrt((4.0 - n * n) / 3.0) : DescartesImpact(n, reflections_);
    uRainbow_ = uRainbow;
    sinRainbow_ = std::sin(Geometry(uRainbow, n, reflections_).exitAngle);
    weight_.reserve(rays);
    phase0_.reserve(rays);
    kpx_.reserve(rays);
    kpy_.reserve(rays);
    for (int j = 0; j < rays; ++j) {
        const double u = u_[j];
        const RayGeometry g = Geometry(u, n, reflections_, physical);
        const double light = physical ? PhasorLength(component, g.alpha, g.beta, reflections_) *
                                            std::sqrt(u / uRainbow * g.stripWidth) *
                                            spacing[static_cast<std::size_t>(j)]
                                      : g.stripWidth;
        weight_.push_back(light * Fade(u, range));
        // The constant part of the phase is large (up to 10⁵ radians);
        // reduced to one turn it leaves the sine and cosine their digits.
        phase0_.push_back(std::fmod(ka * g.path, kTurn));
        kpx_.push_back(ka * g.px);
        kpy_.push_back(ka * g.py);
    }
    // Near the rainbow ray the sum is (1/step)·∫ e^{iφ} du, and Airy's
    // integral gives its main maximum as 2π·(k·a·h)^{−1/3}·Ai(a′_1).
    const double airyPeak = kTurn * std::cbrt(1.0 / (ka * DeviationCurvature(n, reflections_))) * kAiryPeak;
    barScale_ = 1000.0 * step_ / airyPeak;
}

void WholeDropFan::LayOutByRate(double n, double ka, double from, double to, double uFrom, double uTo,
                                double maxPhaseStep, std::vector<double> &spacing)
{
    // The phase's rate along u, bounded as in LargestSlope, at evenly spaced
    // samples; the rays follow its running integral.
    const double width = uTo - uFrom, sampleStep = width / kSlopeSamples;
    std::vector<double> density(kSlopeSamples + 1), running(kSlopeSamples + 1, 0.0);
    double most = 0.0;
    for (int i = 0; i <= kSlopeSamples; ++i) {
        const RayGeometry g = Geometry(uFrom + sampleStep * i, n, reflections_, true);
        const double apart = std::max(std::fabs(std::sin((g.exitAngle - from) / 2.0)),
                                      std::fabs(std::sin((g.exitAngle - to) / 2.0)));
        density[i] = 2.0 * apart * g.pSpeed;
        most = std::max(most, density[i]);
    }
    for (int i = 0; i <= kSlopeSamples; ++i) {
        density[i] = kSlopeMargin * std::max(density[i], kLeastDensity * most);
        if (i > 0) running[i] = running[i - 1] + 0.5 * (density[i - 1] + density[i]) * sampleStep;
    }
    const double total = running[kSlopeSamples];
    const int rays = std::clamp(int(std::ceil(total * ka / maxPhaseStep)) + 1, 2, kMostRays);
    step_ = width / (rays - 1);
    u_.reserve(rays);
    spacing.reserve(rays);
    int i = 0;
    for (int j = 0; j < rays; ++j) {
        const double target = total * j / (rays - 1);
        while (i + 1 < kSlopeSamples && running[i + 1] < target) ++i;
        const double t = std::clamp((target - running[i]) / (running[i + 1] - running[i]), 0.0, 1.0);
        u_.push_back(uFrom + sampleStep * (i + t));
        // du per ray here over the even step: the ray's share of ∫ du.
        spacing.push_back(total / width / (density[i] + t * (density[i + 1] - density[i])));
    }
}

Phasor WholeDropFan::Term(int j, double cosTheta, double sinTheta) const
{
    // −P·ŝ = P_x·cos θ + P_y·sin θ.
    const double phi = phase0_[j] + kpx_[j] * cosTheta + kpy_[j] * sinTheta;
    return {weight_[j] * std::cos(phi), weight_[j] * std::sin(phi)};
}

double WholeDropFan::BarScaleAt(double theta) const
{
    if (component_ == Component::Unit) return barScale_;
    // A by-hand point may look in any direction: towards the axis the
    // spreading would grow without bound (the glory, which this model does
    // not describe), so it is held at its value 3° from the axis.
    constexpr double kLeastSine = 0.052;
    return barScale_ * std::sqrt(sinRainbow_ / std::max(kLeastSine, std::fabs(std::sin(theta))));
}

double WholeDropFan::Amplitude(double theta, bool outer) const
{
    const double ct = std::cos(theta), st = std::sin(theta);
    double c = 0.0, s = 0.0;
    for (int j = 0; j < Rays(); ++j) {
        const Phasor p = Term(j, ct, st);
        c += p.cosPhi;
        s += p.sinPhi;
    }
    if (outer && reflections_ == 1) {
        const Phasor r = OuterReflection(theta);
        c += r.cosPhi;
        s += r.sinPhi;
    }
    return BarScaleAt(theta) * std::sqrt(c * c + s * s);
}

Phasor WholeDropFan::OuterReflection(double theta) const
{
    return OuterReflectionPhasor(n_, ka_, step_, component_, theta);
}

double WholeDropFan::Intensity(double theta, bool outer) const
{
    // |Σ|·step is the integral over u, and the bar scale's √(sin θ_R/sin θ)
    // brings in the azimuthal spreading (see the header for the match).
    const double amplitude = Amplitude(theta, outer) / BarScaleAt(theta);
    return ToIntensity(amplitude * amplitude, theta);
}

double WholeDropFan::ToIntensity(double sumSquared, double theta) const
{
    const double spread = BarScaleAt(theta) / barScale_ * step_;
    return sumSquared * spread * spread * ka_ * uRainbow_ / (2.0 * kPi * kPi * sinRainbow_);
}

void WholeDropFan::IntensitiesWith(const WholeDropFan &other, double theta, double &mine, double &theirs) const
{
    const double ct = std::cos(theta), st = std::sin(theta);
    double c1 = 0.0, s1 = 0.0, c2 = 0.0, s2 = 0.0;
    const int rays = std::min(Rays(), other.Rays());
    for (int j = 0; j < rays; ++j) {
        const double phi = phase0_[j] + kpx_[j] * ct + kpy_[j] * st;
        const double c = std::cos(phi), s = std::sin(phi);
        c1 += weight_[j] * c;
        s1 += weight_[j] * s;
        c2 += other.weight_[j] * c;
        s2 += other.weight_[j] * s;
    }
    mine = ToIntensity(c1 * c1 + s1 * s1, theta);
    theirs = other.ToIntensity(c2 * c2 + s2 * s2, theta);
}

} // namespace rb::optics
