// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// Lee's diagram and rain of many sizes against what the literature reports:
// R. L. Lee, Applied Optics 37, 1506 (1998), whose Mie diagram puts the
// primary's brightest light at 138–139° of scattering (41–42° from the
// antisolar point) for drops of 0.5–2 mm, moving in to about 142° (38°) for
// 20 µm, and shows the bow nearly colourless below about 60 µm; and
// A. B. Fraser, J. Opt. Soc. Am. 73, 1626 (1983), who showed that inner bows
// are seen only where the drops' sizes spread little, and are washed out by
// a spread of sizes.
#include "tavrin/sunlight/model/lee_diagram.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace rb::tavrin;

SunBow Picture(double d, double spread = 0)
{
    const std::atomic<bool> go{false};
    SunBowRequest r;
    r.diameterMicrons = d;
    r.spread = spread;
    r.pixels = 440;
    return *ComputeSunBow(r, go, 2);
}

LeeRow Row(double d) { return LeeRowOf(Picture(d)); }

// Inner bows: maxima of the luminance inside the primary, between 36° and
// half a degree short of its brightest angle, standing at least 3 % above the
// minimum beyond them.
int InnerBows(const LeeRow &row, const std::vector<double> &angle)
{
    const double peak = LeePeakDegrees(row, angle);
    int count = 0;
    for (std::size_t p = 1; p + 1 < row.xyz.size(); ++p) {
        if (angle[p] < 36 || angle[p] > peak - 0.5) continue;
        const double y = row.xyz[p].y;
        if (y < row.xyz[p - 1].y || y < row.xyz[p + 1].y) continue;
        double low = y;
        for (std::size_t q = p + 1; q < row.xyz.size() && row.xyz[q].y <= row.xyz[q - 1].y; ++q) low = row.xyz[q].y;
        if (y - low > 0.03 * y) ++count;
    }
    return count;
}

// The contrast (max − min)/(max + min) of the inner bow nearest to the
// primary and the dark gap between them.
double FirstInnerBowContrast(const LeeRow &row, const std::vector<double> &angle)
{
    const double peak = LeePeakDegrees(row, angle);
    std::size_t p = 0;
    while (p + 1 < angle.size() && angle[p + 1] < peak) ++p;
    while (p > 0 && row.xyz[p - 1].y <= row.xyz[p].y) --p; // down into the gap
    const double low = row.xyz[p].y;
    while (p > 0 && row.xyz[p - 1].y >= row.xyz[p].y) --p; // up to the inner bow
    const double high = row.xyz[p].y;
    return (high - low) / (high + low);
}

TEST(LeeDiagram, BrightestLightMovesInAndPalesAsTheDropsShrink)
{
    const std::vector<double> angle = Picture(10).angleDeg;
    for (const double d : {500.0, 2000.0}) {
        const double peak = LeePeakDegrees(Row(d), angle);
        EXPECT_GE(peak, 41.0) << d;
        EXPECT_LE(peak, 42.3) << d;
    }
    EXPECT_NEAR(LeePeakDegrees(Row(20), angle), 38, 1.0);
    // Almost white below 60 µm: far less colour than rain of millimetre drops.
    const double rain = LeeSaturation(Row(1000), angle);
    for (const double d : {20.0, 50.0}) EXPECT_LT(LeeSaturation(Row(d), angle), 0.3 * rain) << d;
}

// A spread of sizes dephases the inner bows. In Airy's theory the k-th
// inner bow lies at a fixed z = Δθ·x^{2/3}/h^{1/3}, the k-th zero of Ai′
// (Abramowitz and Stegun, table 10.13: 1.0188, 3.2482, 4.8201 …), with the
// phase (2/3)·z^{3/2}; under a normal spread σ of ln D its contrast keeps
// exp(−(σ·(2/3)·z^{3/2})²/2) for one wavelength: 0.93 for the first inner bow
// (z = 3.2482) at 10 %, 0.54 at 30 %. White light dephases further, so
// the contrast may only fall below these; the higher inner bows, which move
// faster, are gone first.
TEST(LeeDiagram, ASpreadOfSizesWashesTheInnerBowsOutFromTheOutsideIn)
{
    const auto kept = [](double sigma) {
        const double phase = 2.0 / 3.0 * std::pow(3.2482, 1.5) * sigma;
        return std::exp(-phase * phase / 2);
    };
    for (const double d : {200.0, 500.0}) {
        const SunBow one = Picture(d), tenth = Picture(d, 0.1);
        const double c = FirstInnerBowContrast(LeeRowOf(one), one.angleDeg);
        EXPECT_GE(InnerBows(LeeRowOf(one), one.angleDeg), 3) << d;
        EXPECT_LE(FirstInnerBowContrast(LeeRowOf(tenth), tenth.angleDeg), (kept(0.1) + 0.03) * c) << d;
        EXPECT_GE(FirstInnerBowContrast(LeeRowOf(tenth), tenth.angleDeg), 0.6 * c) << d;
        EXPECT_LE(InnerBows(LeeRowOf(tenth), tenth.angleDeg), InnerBows(LeeRowOf(one), one.angleDeg)) << d;
        if (d > 200) continue; // the widest spread of the larger drops costs seconds
        const SunBow third = Picture(d, 0.3);
        EXPECT_LE(FirstInnerBowContrast(LeeRowOf(third), third.angleDeg), (kept(0.3) + 0.03) * c) << d;
        EXPECT_LE(InnerBows(LeeRowOf(third), third.angleDeg), 1) << d;
    }
    // The same from the diagram's own rows: a row averaged over its
    // neighbours, computed for one size each.
    const int at = LeeRowNear(300);
    std::vector<std::optional<LeeRow>> rows(kLeeRows);
    EXPECT_FALSE(SpreadRow(rows, static_cast<std::size_t>(at), 0.1)); // not before its neighbours are there
    SunBowRequest settings;
    settings.pixels = 440;
    const std::atomic<bool> go{false};
    std::vector<double> angle;
    for (int i = 0; i < kLeeRows; ++i) {
        if (std::abs(LeeDiameters()[static_cast<std::size_t>(i)] / 300 - 1) > 0.45) continue;
        const SunBow b = *ComputeSunBow(LeeRowRequest(settings, static_cast<std::size_t>(i)), go, 2);
        rows[static_cast<std::size_t>(i)] = LeeRowOf(b);
        angle = b.angleDeg;
    }
    const double c = FirstInnerBowContrast(*SpreadRow(rows, static_cast<std::size_t>(at), 0), angle);
    const double c10 = FirstInnerBowContrast(*SpreadRow(rows, static_cast<std::size_t>(at), 0.1), angle);
    EXPECT_LE(c10, (kept(0.1) + 0.03) * c);
    EXPECT_GE(c10, 0.6 * c);
}

} // namespace
