// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/model/bow_profile.h"

#include "optics/descartes.h"
#include "optics/fresnel.h"
#include "optics/whole_drop.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;
// Each bow's fan is summed only where its light is: from the bow into its
// dark side as far as this many of Airy's units z (Ai² has fallen below
// 10⁻⁸ of its peak there), and at least this many degrees.
constexpr double kDarkSideZ = 8, kDarkSideLeastDeg = 3;
constexpr int kAnglesPerLook = 16;

// The light reflected off the drop's outside towards θ: a sphere reflects
// the light on its cross-section evenly into all directions, 1/(4π) per
// unit solid angle, times the reflectance at the angle of incidence θ/2.
// Added in intensity: the sun's disc would smear its ripple with the bow
// away for every drop but the smallest.
double OuterReflectance(double n, double theta, optics::Component c)
{
    const double alpha = theta / 2, beta = std::asin(std::sin(alpha) / n);
    const optics::FresnelPair r = optics::OuterReflection(alpha, beta);
    const double a = c == optics::Component::S ? r.s : r.p;
    return a * a / (4 * kPi);
}

} // namespace

bool WholeDropProfile(double n, double x, BowFilter filter, const AngleGrid &grid, const std::atomic<bool> &cancel,
                      std::vector<double> &out, long long &rays)
{
    out.assign(static_cast<std::size_t>(grid.count), 0.0);
    rays = 0;
    std::vector<optics::Component> parts;
    if (filter != BowFilter::P) parts.push_back(optics::Component::S);
    if (filter != BowFilter::S) parts.push_back(optics::Component::P);
    const double firstDeg = grid.At(0), lastDeg = grid.At(grid.count - 1);
    // The sphere's surface coefficients serve both components and both bows.
    const optics::DebyeSurfaces surfaces = optics::DebyeSurfacesFor(optics::Complex(n, 0.0), x);
    for (const int k : {1, 2}) {
        const double thetaR = DescartesDegrees(n, k);
        const double unit = std::cbrt(optics::DeviationCurvature(n, k)) / std::pow(x, 2.0 / 3.0) / kDeg;
        const double dark = std::max(kDarkSideLeastDeg, kDarkSideZ * unit);
        const double from = k == 1 ? firstDeg : std::max(firstDeg, thetaR - dark);
        const double to = k == 1 ? std::min(lastDeg, thetaR + dark) : lastDeg;
        if (from >= to) continue;
        // s and p share every phase: with no filter both are summed in one
        // pass.
        const optics::WholeDropFan first(surfaces, n, x, parts[0], k);
        std::optional<optics::WholeDropFan> second;
        if (parts.size() == 2) second.emplace(surfaces, n, x, parts[1], k);
        rays += first.Rays() * static_cast<long long>(parts.size());
        for (int i = 0; i < grid.count; ++i) {
            if (i % kAnglesPerLook == 0 && cancel.load(std::memory_order_relaxed)) return false;
            const double deg = grid.At(i), theta = deg * kDeg;
            double light = 0.0;
            if (k == 1)
                for (const optics::Component c : parts) light += OuterReflectance(n, theta, c);
            if (deg >= from && deg <= to) {
                if (second) {
                    double s = 0.0, p = 0.0;
                    first.IntensitiesWith(*second, theta, s, p);
                    light += s + p;
                } else {
                    light += first.Intensity(theta);
                }
            }
            // Half of sunlight has each polarisation.
            out[static_cast<std::size_t>(i)] += 0.5 * light;
        }
    }
    return true;
}

} // namespace rb::tavrin
