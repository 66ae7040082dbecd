// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

#include "optics/outer_reflection.h"

#include "optics/fresnel.h"

#include <cmath>

namespace rb::optics {

namespace {
constexpr double kPi = 3.14159265358979323846;

double Rms(FresnelPair a) { return std::sqrt((a.s * a.s + a.p * a.p) / 2.0); }
} // namespace

Phasor OuterReflectionPhasor(double n, double ka, double step, Component component, double theta)
{
    // Towards θ outside (0, π) no light reflected off the side facing the
    // observer arrives by this construction (a by-hand point may lie so).
    if (!(theta > 0.0 && theta < kPi)) return {0.0, 0.0};
    const double alpha = theta / 2.0, u = std::sin(alpha), beta = std::asin(u / n);
    const double uRainbow = std::sqrt((4.0 - n * n) / 3.0);
    const FresnelPair r = OuterReflection(alpha, beta);
    double amplitude = 0.0;
    switch (component) {
    case Component::S: amplitude = r.s; break;
    case Component::P: amplitude = r.p; break;
    case Component::Unit: {
        const double aR = std::asin(uRainbow), bR = std::asin(uRainbow / n);
        amplitude = -Rms(r) / Rms(BowAmplitude(aR, bR));
        break;
    }
    }
    amplitude *= std::sqrt(u / uRainbow) * std::sqrt(kPi * std::cos(alpha) / ka) / step;
    const double phi = std::fmod(ka * (1.0 - 2.0 * std::cos(alpha)), 2.0 * kPi) + 0.75 * kPi;
    return {amplitude * std::cos(phi), amplitude * std::sin(phi)};
}

} // namespace rb::optics
