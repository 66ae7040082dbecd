// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "prisma/model/minimum_deviation.h"

#include "optics/arcsine.h"

#include <cmath>

namespace rb::prisma {

namespace {
// The deviation of the ray entering at alpha (degrees), if it passes.
std::optional<double> Deviation(double alpha, double apex, double n, double pi)
{
    const double f = std::sin(alpha * pi / 180.0) / n;
    if (!(f < 1.0)) return std::nullopt;
    const double beta1 = optics::Arcsin(f);
    if (!(beta1 + pi / 2.0 - apex > 0.0)) return std::nullopt;
    const double s = n * std::sin(apex - beta1);
    if (!(s < 1.0)) return std::nullopt;
    return alpha + (optics::Arcsin(s) - apex) * 180.0 / pi;
}
} // namespace

std::optional<DeviationMinimum> MinimumDeviation(double apexAngle, float refrIndex, double piValue)
{
    // A fine scan, then a golden-section search in the step around the
    // lowest sample: the curve is smooth, and a scan alone would round the
    // angle to its step.
    constexpr double kStep = 0.01;
    std::optional<DeviationMinimum> best;
    for (int i = 0; i <= 9000; ++i) {
        const double alpha = i * kStep;
        const auto d = Deviation(alpha, apexAngle, refrIndex, piValue);
        if (d && (!best || *d < best->deviation)) best = DeviationMinimum{alpha, *d};
    }
    if (!best) return best;
    double lo = std::max(0.0, best->incidence - kStep), hi = std::min(90.0, best->incidence + kStep);
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int i = 0; i < 40; ++i) {
        const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        const auto da = Deviation(a, apexAngle, refrIndex, piValue);
        const auto db = Deviation(b, apexAngle, refrIndex, piValue);
        if (!da || !db) break;
        if (*da < *db) hi = b; else lo = a;
    }
    const double mid = (lo + hi) / 2.0;
    if (const auto d = Deviation(mid, apexAngle, refrIndex, piValue); d && *d <= best->deviation)
        best = DeviationMinimum{mid, *d};
    return best;
}

} // namespace rb::prisma
