// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tavrin/sunlight/model/sun_bow.h"

#include "optics/sun_disc.h"
#include "optics/water_index.h"
#include "tavrin/sunlight/model/size_spread.h"
#include "tavrin/sunlight/model/white_light.h"

#include <algorithm>
#include <cmath>
#include <thread>

namespace rb::tavrin {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kSamplesPerRipple = 3;
constexpr double kWholeDropStepDeg = 0.05;

// The profile on the fine grid brought to the pixels: linear between the
// grid's points at each pixel's centre, or, where the grid is finer than
// the pixels and no disc has smoothed it, the mean over the pixel.
void ToPixels(const std::vector<double> &fine, const AngleGrid &g, const std::vector<double> &centres,
              double pixelDeg, bool average, std::vector<double> &out)
{
    out.resize(centres.size());
    const auto at = [&](double deg) {
        const double f = std::clamp((deg - g.firstDeg) / g.stepDeg, 0.0, g.count - 1.0);
        const auto i = std::min(static_cast<std::size_t>(f), fine.size() - 2);
        const double t = f - static_cast<double>(i);
        return (1 - t) * fine[i] + t * fine[i + 1];
    };
    for (std::size_t p = 0; p < centres.size(); ++p) {
        if (!average) {
            out[p] = at(centres[p]);
            continue;
        }
        const int steps = std::max(1, static_cast<int>(std::ceil(pixelDeg / g.stepDeg)));
        double sum = 0;
        for (int s = 0; s < steps; ++s) sum += at(centres[p] - pixelDeg / 2 + (s + 0.5) * pixelDeg / steps);
        out[p] = sum / steps;
    }
}

} // namespace

double RippleDegrees(double diameterMicrons, double nm) { return 0.06 * (1000 / diameterMicrons) * (nm / 550); }

std::optional<SunBow> ComputeSunBow(const SunBowRequest &r, const std::atomic<bool> &cancel, unsigned threads)
{
    SunBow bow;
    bow.request = r;
    const int pixels = std::max(2, r.pixels);
    const double pixelDeg = (r.lastDeg - r.firstDeg) / pixels;
    for (int p = 0; p < pixels; ++p) bow.angleDeg.push_back(r.firstDeg + (p + 0.5) * pixelDeg);
    const WhiteLight &light = Sunlight();
    bow.nm = light.nm;
    const std::size_t bands = light.nm.size();
    bow.intensity.resize(bands);
    std::vector<int> terms(bands, 0), lengths(bands, 0);
    std::vector<long long> rays(bands, 0);
    const std::vector<SizeSample> sizes = SpreadSizes(r.diameterMicrons, r.spread, r.sunDisc);
    bow.sizes = static_cast<int>(sizes.size());

    std::atomic<std::size_t> next{0};
    std::atomic<bool> stopped{false};
    const auto work = [&] {
        std::vector<double> fine, one;
        for (;;) {
            const std::size_t band = next.fetch_add(1); // bands run blue to red: longest first
            if (band >= bands || stopped.load(std::memory_order_relaxed)) return;
            const double nm = light.nm[band], n = optics::RainIndex(nm / 1000);
            // The disc smooths the profile far beyond the ripple, so a finer
            // step buys nothing there; a point sun shows every pixel. The
            // largest drop has the finest ripple. The whole drop's bows have
            // no ripple: their finest fringes are its inner bows, a third of
            // a degree apart or more.
            const double ripple = RippleDegrees(sizes.back().diameterMicrons, nm) / kSamplesPerRipple;
            const double finest = r.theory == BowTheory::WholeDrop ? kWholeDropStepDeg : ripple;
            const double step = r.sunDisc ? std::min(finest, 0.05) : std::min(finest, pixelDeg);
            const double margin = (r.sunDisc ? optics::kSunRadiusDegrees : 0) + pixelDeg + step;
            AngleGrid grid{r.firstDeg - margin, step,
                           static_cast<int>(std::ceil((r.lastDeg - r.firstDeg + 2 * margin) / step)) + 1};
            for (const SizeSample &size : sizes) {
                std::vector<double> &profile = sizes.size() == 1 ? fine : one;
                const double x = kPi * size.diameterMicrons / (nm / 1000);
                if (r.theory == BowTheory::Mie) {
                    int t = 0;
                    if (!MieProfile(n, x, r.filter, grid, cancel, profile, t)) {
                        stopped = true;
                        return;
                    }
                    terms[band] += t;
                } else if (r.theory == BowTheory::WholeDrop) {
                    long long summed = 0;
                    if (!WholeDropProfile(n, x, r.filter, grid, cancel, profile, summed)) {
                        stopped = true;
                        return;
                    }
                    rays[band] += summed;
                } else {
                    AiryProfile(n, x, r.filter, grid, profile);
                }
                if (sizes.size() == 1) break;
                if (&size == &sizes.front()) fine.assign(profile.size(), 0.0);
                for (std::size_t i = 0; i < profile.size(); ++i) fine[i] += size.weight * profile[i];
            }
            if (r.sunDisc) fine = optics::ConvolveWithDisc(fine, step, optics::kSunRadiusDegrees);
            ToPixels(fine, grid, bow.angleDeg, pixelDeg, !r.sunDisc && step < pixelDeg, bow.intensity[band]);
            lengths[band] = grid.count;
        }
    };
    std::vector<std::thread> helpers;
    for (unsigned t = 1; t < std::max(1u, threads); ++t) helpers.emplace_back(work);
    work();
    for (std::thread &t : helpers) t.join();
    if (stopped || cancel) return std::nullopt;

    for (std::size_t b = 0; b < bands; ++b) {
        bow.terms += terms[b];
        bow.rays += rays[b];
        bow.anglesPerBand = std::max(bow.anglesPerBand, lengths[b]);
    }
    std::vector<double> column(bands);
    for (std::size_t p = 0; p < bow.angleDeg.size(); ++p) {
        for (std::size_t b = 0; b < bands; ++b) column[b] = bow.intensity[b][p];
        bow.xyz.push_back(SpectrumXyz(column));
        bow.balanced.push_back(BalancedRgb(bow.xyz.back()));
    }
    return bow;
}

} // namespace rb::tavrin
