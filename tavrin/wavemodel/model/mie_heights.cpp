// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/mie_heights.h"

#include "optics/mie.h"
#include "optics/mie_debye.h"
#include "tavrin/wavemodel/model/airy_theory.h"

#include <algorithm>
#include <cmath>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;

AiryBow Airy(const MieCurveRequest &r)
{
    return AiryBowFor(WaterIndex(r.colour), r.diameterMicrons, WavelengthMicrons(r.colour));
}

// Pixels per radian of θ, on average across Bild III: the scale is nearly
// linear (its step changes by a sixth from 44° to 39°).
double PixelsPerRadian(const MieCurveRequest &r)
{
    return r.pixels / std::abs(MieCurveAngle(0, r.pixels) - MieCurveAngle(r.pixels - 1, r.pixels));
}

} // namespace

double BowTermPeakIntensity(const MieCurveRequest &r)
{
    const AiryBow airy = Airy(r);
    const double first = airy.MaximumAngle(1), half = 0.5 * (first - airy.MaximumAngle(2));
    std::vector<double> mu;
    for (int i = 0; i < r.pixels; ++i) {
        const double theta = MieCurveAngle(i, r.pixels);
        if (std::abs(theta - first) <= half) mu.push_back(-std::cos(theta));
    }
    if (mu.empty()) return 0;
    const optics::MieSeries bow =
        optics::DebyeTerm(WaterIndex(r.colour), kPi * r.diameterMicrons / WavelengthMicrons(r.colour), 2);
    std::vector<optics::Amplitudes> amp(mu.size());
    optics::ScatteringAmplitudes(bow, mu, amp);
    double most = 0;
    for (const optics::Amplitudes &a : amp) {
        const double s = std::norm(a.s1), p = std::norm(a.s2);
        const double i = r.polarisation == MiePolarisation::S   ? s
                         : r.polarisation == MiePolarisation::P ? p
                                                                : 0.5 * (s + p);
        most = std::max(most, i);
    }
    return most;
}

std::vector<double> MieCurveHeights(const MieCurveRequest &r, double peakHeight, const std::atomic<bool> &cancel,
                                    unsigned threads)
{
    std::vector<double> curve = MieCurve(r, cancel, threads);
    if (curve.empty()) return curve;
    // The bow ray's own curve holds its main maximum; the full series needs
    // the bow term beside it, at a few dozen pixels only.
    const double reference =
        r.paths == MiePaths::BowRay ? *std::max_element(curve.begin(), curve.end()) : BowTermPeakIntensity(r);
    if (!(reference > 0) || cancel.load()) return {};
    const double scale = peakHeight / std::sqrt(reference);
    for (double &v : curve) v = scale * std::sqrt(v);
    return curve;
}

std::vector<std::size_t> BowMaxima(const std::vector<double> &c, std::size_t halfWindow, int inner)
{
    if (c.empty()) return {};
    const auto tallest = static_cast<std::size_t>(std::max_element(c.begin(), c.end()) - c.begin());
    std::vector<std::size_t> found{tallest};
    for (std::size_t i = tallest + 1; i + 1 < c.size() && static_cast<int>(found.size()) <= inner; ++i) {
        if (!(c[i] > c[i - 1] && c[i] >= c[i + 1])) continue;
        const std::size_t from = i > halfWindow ? i - halfWindow : 0, to = std::min(c.size() - 1, i + halfWindow);
        if (*std::max_element(c.begin() + std::ptrdiff_t(from), c.begin() + std::ptrdiff_t(to) + 1) <= c[i])
            found.push_back(i);
    }
    return found;
}

std::size_t BowMaximaWindow(const MieCurveRequest &r)
{
    const AiryBow airy = Airy(r);
    const double spacing = airy.MaximumAngle(2) - airy.MaximumAngle(3);
    return std::max<std::size_t>(1, static_cast<std::size_t>(spacing * PixelsPerRadian(r) / 3));
}

} // namespace rb::tavrin
