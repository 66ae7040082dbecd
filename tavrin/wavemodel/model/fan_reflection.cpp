// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/fan_reflection.h"

#include "optics/outer_reflection.h"
#include "tavrin/wavemodel/model/wave_fan.h"

#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
// The search for the reflection point stays this far inside the edge,
// where the reflected strip has all but vanished anyway.
constexpr double kEdgeMargin = 1e-6;
constexpr int kBisections = 100;

struct Bounce {
    double qx, qy, path;
};

// The ray at height b, reflected at the near side of the drop of radius r
// towards B: where, and its optical path from the start plane.
Bounce At(double r, double b, double bx, double by)
{
    const double qx = -std::sqrt(r * r - b * b);
    return {qx, b, qx - kStartPlaneX + std::hypot(bx - qx, by - b)};
}

// d(path)/db, from the reflection point's move along the surface.
double Slope(double r, double b, double bx, double by)
{
    const Bounce q = At(r, b, bx, by);
    const double d = std::hypot(bx - q.qx, by - b), dqx = -b / q.qx;
    return dqx * (1.0 - (bx - q.qx) / d) - (by - b) / d;
}

} // namespace

Phasor FanReflection::For(Component c, double n, double radius) const
{
    if (!reaches) return {0.0, 0.0};
    const double uRainbow = std::sqrt((4.0 - n * n) / 3.0);
    const double w = optics::ReflectedRayWeight(c, n, alpha) * std::sqrt(std::fabs(b) / radius / uRainbow);
    return {w * strip.cosPhi, w * strip.sinPhi};
}

FanReflection ReflectionTowards(const WaveModel &m, double bx, double by)
{
    FanReflection f;
    const double r = m.dropRadius;
    // Inside the drop, or in its shadow behind it, no reflected light.
    if (bx * bx + by * by <= r * r || (bx > 0.0 && std::fabs(by) < r)) return f;
    // The path is stationary at one height: where d(path)/db changes sign
    // from the lower edge to the upper.
    double lo = -r * (1.0 - kEdgeMargin), hi = r * (1.0 - kEdgeMargin);
    double slo = Slope(r, lo, bx, by);
    if (!(slo * Slope(r, hi, bx, by) < 0.0)) return f;
    for (int i = 0; i < kBisections && hi - lo > 1e-9; ++i) {
        const double mid = 0.5 * (lo + hi), s = Slope(r, mid, bx, by);
        if ((s < 0.0) == (slo < 0.0)) {
            lo = mid;
            slo = s;
        } else {
            hi = mid;
        }
    }
    const double b = 0.5 * (lo + hi);
    const Bounce q = At(r, b, bx, by);
    // The way on to B must leave the surface outwards.
    if ((bx - q.qx) * q.qx + (by - q.qy) * q.qy <= 0.0) return f;
    // φ″ along b, from the path's second difference over one ray spacing.
    const double k = 2.0 * kPi / m.waveUnits, h = kFanStep;
    if (std::fabs(b) + h >= r) return f;
    const double curvature = k * (At(r, b + h, bx, by).path - 2.0 * q.path + At(r, b - h, bx, by).path) / (h * h);
    if (!(std::fabs(curvature) > 0.0)) return f;
    const double turns = q.path / m.waveUnits;
    const double phi = (turns - std::floor(turns)) * 2.0 * kPi + (curvature > 0.0 ? 0.25 : -0.25) * kPi;
    const double length = std::sqrt(2.0 * kPi / std::fabs(curvature)) / kFanStep;
    f.reaches = true;
    f.b = b;
    f.qx = q.qx;
    f.qy = q.qy;
    f.alpha = std::asin(std::fabs(b) / r);
    f.strip = {length * std::cos(phi), length * std::sin(phi)};
    return f;
}

} // namespace rb::tavrin
