// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/wavemodel/model/mie_curve.h"

#include "optics/mie.h"
#include "optics/mie_debye.h"
#include "tavrin/wavemodel/model/angle_scale.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Bild III's x range, as Airy's curve spans it.
constexpr double kFirstX = -198000, kLastX = -160000;
// Angles per block: small enough that a cancel is seen within a few
// milliseconds, large enough for the blocked sums of the solver.
constexpr std::size_t kAnglesPerBlock = 64;

double Intensity(const optics::Amplitudes &a, MiePolarisation p)
{
    const double s = std::norm(a.s1), pp = std::norm(a.s2);
    return p == MiePolarisation::S ? s : p == MiePolarisation::P ? pp : 0.5 * (s + pp);
}

} // namespace

double MieCurveAngle(int pixel, int pixels)
{
    return AngleAtScaleX(kFirstX + (pixel + 0.5) * (kLastX - kFirstX) / pixels);
}

std::vector<double> MieCurve(const MieCurveRequest &r, const std::atomic<bool> &cancel, unsigned threads)
{
    if (r.pixels <= 0) return {};
    const double n = WaterIndex(r.colour);
    const double x = kPi * r.diameterMicrons / WavelengthMicrons(r.colour);
    const optics::MieSeries series =
        r.paths == MiePaths::All ? optics::MieCoefficients(n, x) : optics::DebyeTerm(n, x, 2);

    const auto count = static_cast<std::size_t>(r.pixels);
    std::vector<double> mu(count), out(count);
    for (std::size_t i = 0; i < count; ++i)
        mu[i] = -std::cos(MieCurveAngle(static_cast<int>(i), r.pixels)); // Θ = π − θ

    // Each worker takes the next block until none is left or the flag is up;
    // the blocks are disjoint, so the workers share nothing but the counter.
    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};
    const auto work = [&] {
        std::vector<optics::Amplitudes> amp(kAnglesPerBlock);
        for (;;) {
            if (cancel.load(std::memory_order_relaxed)) {
                stopped = true;
                return;
            }
            const std::size_t from = next.fetch_add(kAnglesPerBlock);
            if (from >= count) return;
            const std::size_t len = std::min(kAnglesPerBlock, count - from);
            optics::ScatteringAmplitudes(series, std::span<const double>(mu.data() + from, len),
                                         std::span<optics::Amplitudes>(amp.data(), len));
            for (std::size_t k = 0; k < len; ++k) out[from + k] = Intensity(amp[k], r.polarisation);
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < std::max(1u, threads); ++t) helpers.emplace_back(work);
    work();
    for (std::thread &t : helpers) t.join();
    if (stopped) return {};
    return out;
}

} // namespace rb::tavrin
