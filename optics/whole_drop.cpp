// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// What the two fans of the whole drop share: their rainbow ray, the bar
// scale, and their sums towards a direction (whole_drop.h).
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
} // namespace

double SizeParameter(double diameterMicrons, double waveMicrons)
{
    return kTurn / waveMicrons * diameterMicrons / 2.0;
}

WholeDropFan::WholeDropFan(double n, double ka, double thetaFrom, double thetaTo, Component component,
                           int reflections, double maxStepTurns)
    : n_(n), ka_(ka), component_(component),
      reflections_(reflections == 2 && component != Component::Unit ? 2 : 1)
{
    SetRainbowRay();
    if (component == Component::Unit) LayOutPlain(thetaFrom, thetaTo, maxStepTurns);
    else LayOutPartialWaves(DebyeSurfacesFor(Complex(n, 0.0), ka));
    SetBarScale();
}

WholeDropFan::WholeDropFan(const DebyeSurfaces &surfaces, double n, double ka, Component component, int reflections)
    : n_(n), ka_(ka), component_(component == Component::Unit ? Component::S : component),
      reflections_(reflections == 2 ? 2 : 1)
{
    SetRainbowRay();
    LayOutPartialWaves(surfaces);
    SetBarScale();
}

void WholeDropFan::SetBarScale()
{
    // Near the rainbow ray the sum is (1/step)·∫ e^{iφ} du, and Airy's
    // integral gives its main maximum as 2π·(k·a·h)^{−1/3}·Ai(a′_1).
    const double airyPeak = kTurn * std::cbrt(1.0 / (ka_ * DeviationCurvature(n_, reflections_))) * kAiryPeak;
    barScale_ = 1000.0 * step_ / airyPeak;
}

void WholeDropFan::SetRainbowRay()
{
    // The rainbow ray, where the plain fan's strip width is 1.
    uRainbow_ = reflections_ == 1 ? std::sqrt((4.0 - n_ * n_) / 3.0) : DescartesImpact(n_, reflections_);
    const double alpha = std::asin(uRainbow_), beta = std::asin(uRainbow_ / n_);
    const double thetaR = reflections_ == 1 ? 4.0 * beta - 2.0 * alpha : kPi + 2.0 * alpha - 6.0 * beta;
    sinRainbow_ = std::sin(thetaR);
}

Phasor WholeDropFan::Term(int j, const FanDirection &d) const
{
    const std::size_t k = static_cast<std::size_t>(j);
    if (partialWaves_) {
        const double turn = -sigma_ * std::fmod((firstWave_ + j + 0.5) * d.theta, kTurn);
        const double c = std::cos(turn), s = std::sin(turn);
        return {wRe_[k] * c - wIm_[k] * s, wRe_[k] * s + wIm_[k] * c};
    }
    // −P·ŝ = P_x·cos θ + P_y·sin θ.
    const double phi = phase0_[k] + kpx_[k] * d.cosTheta + kpy_[k] * d.sinTheta;
    return {weight_[k] * std::cos(phi), weight_[k] * std::sin(phi)};
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

Phasor WholeDropFan::Sum(double theta) const
{
    Phasor sum{0.0, 0.0};
    if (partialWaves_) {
        Phasor none;
        PartialWaveSums(theta, nullptr, sum, none);
        return sum;
    }
    const FanDirection d(theta);
    for (int j = 0; j < Rays(); ++j) {
        const Phasor p = Term(j, d);
        sum.cosPhi += p.cosPhi;
        sum.sinPhi += p.sinPhi;
    }
    return sum;
}

double WholeDropFan::Amplitude(double theta, bool outer) const
{
    Phasor sum = Sum(theta);
    if (outer && reflections_ == 1) {
        const Phasor r = OuterReflection(theta);
        sum.cosPhi += r.cosPhi;
        sum.sinPhi += r.sinPhi;
    }
    return BarScaleAt(theta) * std::sqrt(sum.cosPhi * sum.cosPhi + sum.sinPhi * sum.sinPhi);
}

Phasor WholeDropFan::OuterReflection(double theta) const
{
    if (partialWaves_) return PartialWaveReflection(n_, ka_, component_, uRainbow_, theta);
    return OuterReflectionPhasor(n_, ka_, step_, theta);
}

double WholeDropFan::Intensity(double theta, bool outer) const
{
    // |Σ|·step is the integral over u, and the bar scale's √(sin θ_R/sin θ)
    // brings in the azimuthal spreading.
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
    Phasor a, b;
    if (partialWaves_ && other.partialWaves_ && other.Rays() == Rays() && other.firstWave_ == firstWave_) {
        PartialWaveSums(theta, &other, a, b);
    } else {
        a = Sum(theta);
        b = other.Sum(theta);
    }
    mine = ToIntensity(a.cosPhi * a.cosPhi + a.sinPhi * a.sinPhi, theta);
    theirs = other.ToIntensity(b.cosPhi * b.cosPhi + b.sinPhi * b.sinPhi, theta);
}

} // namespace rb::optics
