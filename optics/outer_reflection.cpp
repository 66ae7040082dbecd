// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

#include "optics/outer_reflection.h"

#include "optics/fresnel.h"

#include <cmath>

namespace rb::optics {

namespace {
constexpr double kPi = 3.14159265358979323846;

double Rms(FresnelPair a) { return std::sqrt((a.s * a.s + a.p * a.p) / 2.0); }

// Towards θ outside (0, π) no light reflected off the side facing the
// observer arrives by this construction (a by-hand point may lie so).
bool Reaches(double theta) { return theta > 0.0 && theta < kPi; }
} // namespace

double ReflectedRayWeight(Component c, double n, double alpha)
{
    const FresnelPair r = OuterReflection(alpha, std::asin(std::sin(alpha) / n));
    switch (c) {
    case Component::S: return -r.s;
    case Component::P: return -r.p;
    case Component::Unit: break;
    }
    const double uRainbow = std::sqrt((4.0 - n * n) / 3.0);
    return Rms(r) / Rms(BowAmplitude(std::asin(uRainbow), std::asin(uRainbow / n)));
}

Phasor OuterReflectionPhasor(double n, double ka, double step, double theta)
{
    if (!Reaches(theta)) return {0.0, 0.0};
    const double alpha = theta / 2.0, u = std::sin(alpha);
    const double uRainbow = std::sqrt((4.0 - n * n) / 3.0);
    const double amplitude = ReflectedRayWeight(Component::Unit, n, alpha) * std::sqrt(u / uRainbow) *
                             std::sqrt(kPi * std::cos(alpha) / ka) / step;
    const double phi = std::fmod(ka * (1.0 - 2.0 * std::cos(alpha)), 2.0 * kPi) + 0.25 * kPi;
    return {amplitude * std::cos(phi), amplitude * std::sin(phi)};
}

Phasor PartialWaveReflection(double n, double ka, Component c, double uRainbow, double theta)
{
    if (!Reaches(theta)) return {0.0, 0.0};
    const double alpha = theta / 2.0, u = std::sin(alpha);
    // √(2π/|φ″|) partial waves of weight 2·|½R²¹²|·√(u/u_R) each.
    const double amplitude =
        ReflectedRayWeight(c, n, alpha) * std::sqrt(u / uRainbow) * std::sqrt(kPi * ka * std::cos(alpha));
    const double phi = 0.5 * kPi - std::fmod(2.0 * ka * std::cos(alpha), 2.0 * kPi);
    return {amplitude * std::cos(phi), amplitude * std::sin(phi)};
}

} // namespace rb::optics
