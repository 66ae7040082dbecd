// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/model/bow_profile.h"

#include "optics/airy_function.h"
#include "optics/mie.h"

#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDeg = kPi / 180;
// Angles summed at a time between looks at the cancel flag: a few
// milliseconds of work for the largest drop.
constexpr int kAnglesPerBlock = 64;

// θ, radians from the antisolar point, of the ray with impact parameter b
// (in drop radii) after k inner reflections.
double ExitAngle(double n, double b, int k)
{
    const double alpha = std::asin(b), beta = std::asin(b / n);
    return k == 1 ? 4 * beta - 2 * alpha : kPi + 2 * alpha - 6 * beta;
}

double DescartesImpact(double n, int k)
{
    const double p = k + 1;
    return std::sqrt(1 - (n * n - 1) / (p * p - 1));
}

// The Fresnel reflectances, s and p, of the surface at the Descartes ray's
// angle of incidence; inside the drop the same, by Stokes' relations.
struct Reflectance {
    double s, p;
};
Reflectance FresnelAt(double n, double b)
{
    const double ci = std::sqrt(1 - b * b), ct = std::sqrt(1 - b * b / (n * n));
    const double rs = (ci - n * ct) / (ci + n * ct), rp = (n * ci - ct) / (n * ci + ct);
    return {rs * rs, rp * rp};
}

} // namespace

double DescartesDegrees(double n, int reflections)
{
    return ExitAngle(n, DescartesImpact(n, reflections), reflections) / kDeg;
}

bool MieProfile(double n, double x, BowFilter filter, const AngleGrid &grid, const std::atomic<bool> &cancel,
                std::vector<double> &out, int &terms)
{
    const optics::MieSeries series = optics::MieCoefficients(n, x);
    terms = series.Terms();
    out.assign(static_cast<std::size_t>(grid.count), 0.0);
    std::vector<double> mu(kAnglesPerBlock);
    std::vector<optics::Amplitudes> amp(kAnglesPerBlock);
    const double norm = 1 / (kPi * x * x);
    for (int from = 0; from < grid.count; from += kAnglesPerBlock) {
        if (cancel.load(std::memory_order_relaxed)) return false;
        const int len = std::min(kAnglesPerBlock, grid.count - from);
        for (int i = 0; i < len; ++i) mu[static_cast<std::size_t>(i)] = -std::cos(grid.At(from + i) * kDeg);
        const auto count = static_cast<std::size_t>(len);
        optics::ScatteringAmplitudes(series, std::span<const double>(mu.data(), count),
                                     std::span<optics::Amplitudes>(amp.data(), count));
        for (std::size_t i = 0; i < count; ++i) {
            const double s = std::norm(amp[i].s1), p = std::norm(amp[i].s2);
            const double both = filter == BowFilter::S ? s : filter == BowFilter::P ? p : s + p;
            out[static_cast<std::size_t>(from) + i] = 0.5 * both * norm;
        }
    }
    return true;
}

void AiryProfile(double n, double x, BowFilter filter, const AngleGrid &grid, std::vector<double> &out)
{
    out.assign(static_cast<std::size_t>(grid.count), 0.0);
    for (const int k : {1, 2}) {
        const double b = DescartesImpact(n, k), thetaR = ExitAngle(n, b, k);
        constexpr double db = 1e-4;
        const double h =
            0.5 * std::abs(ExitAngle(n, b + db, k) - 2 * thetaR + ExitAngle(n, b - db, k)) / (db * db);
        const Reflectance r = FresnelAt(n, b);
        const double es = std::pow(1 - r.s, 2) * std::pow(r.s, k), ep = std::pow(1 - r.p, 2) * std::pow(r.p, k);
        const double eps = 0.5 * (filter == BowFilter::S ? es : filter == BowFilter::P ? ep : es + ep);
        const double scale = std::pow(x, 2.0 / 3.0) / std::cbrt(h), sign = k == 1 ? 1 : -1;
        const double factor = 2 * std::cbrt(x) * eps * b / std::pow(h, 2.0 / 3.0);
        for (int i = 0; i < grid.count; ++i) {
            const double theta = grid.At(i) * kDeg, z = sign * (thetaR - theta) * scale;
            const double ai = optics::AiryAi(-z);
            out[static_cast<std::size_t>(i)] += factor * ai * ai / std::sin(theta);
        }
    }
}

} // namespace rb::tavrin
