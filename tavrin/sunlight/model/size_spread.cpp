// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/model/size_spread.h"

#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kCutOff = 3;       // standard deviations
constexpr int kMostSamples = 61;
constexpr double kShortestMicrons = 0.385; // the bluest band: the largest x
// h^{1/3} of the primary bow of water, and the window's reach inside it.
constexpr double kCurvatureCbrt = 1.7, kReachRadians = 0.12;
// The sun's disc, 0.0093 rad across: an inner bow of angular period
// 2π·h^{1/3}/(√z·x^{2/3}) narrower than that is smeared out.
constexpr double kDiscRadians = 0.0093;

// The largest (2/3)·z^{3/2}/Δln D among the inner bows that can be seen.
double PhaseRate(double x, bool sunDisc)
{
    const double x23 = std::pow(x, 2.0 / 3.0);
    double z = kReachRadians * x23 / kCurvatureCbrt;
    if (sunDisc) z = std::min(z, std::pow(2 * kPi * kCurvatureCbrt / (kDiscRadians * x23), 2));
    return 2.0 / 3.0 * std::pow(z, 1.5);
}

} // namespace

std::vector<SizeSample> SpreadSizes(double d, double spread, bool sunDisc)
{
    spread = std::clamp(spread, 0.0, kLargestSpread);
    if (spread <= 0) return {{d, 1.0}};
    const double largest = d * (1 + kCutOff * spread);
    const double quarter = kPi / 2 / std::max(PhaseRate(kPi * largest / kShortestMicrons, sunDisc), 1e-9);
    // Never coarser than half a standard deviation, so the bell itself is
    // drawn well.
    const double relStep = std::min(spread / 2, quarter);
    const int half = std::min((kMostSamples - 1) / 2, static_cast<int>(std::ceil(kCutOff * spread / relStep)));
    std::vector<SizeSample> out;
    double total = 0;
    for (int i = -half; i <= half; ++i) {
        const double u = kCutOff * static_cast<double>(i) / half; // in standard deviations
        const double D = d * (1 + u * spread);
        const double w = std::exp(-0.5 * u * u) * D * D;
        out.push_back({D, w});
        total += w;
    }
    for (SizeSample &s : out) s.weight /= total;
    return out;
}

} // namespace rb::tavrin
