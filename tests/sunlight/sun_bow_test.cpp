// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The rainbow in sunlight against what is known of it independently of this
// code: Descartes' and Airy's angles worked from the refractive index, the
// hues of the spectrum, and what observers of rainbows report.
#include "optics/water_index.h"
#include "tavrin/sunlight/model/sky_colours.h"
#include "tavrin/sunlight/model/white_light.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <thread>

namespace {

using namespace rb::tavrin;

SunBow Bow(double d, BowTheory t = BowTheory::Mie, BowFilter f = BowFilter::None, int pixels = 440)
{
    const std::atomic<bool> go{false};
    SunBowRequest r;
    r.diameterMicrons = d;
    r.theory = t;
    r.filter = f;
    r.pixels = pixels;
    return *ComputeSunBow(r, go, 2);
}

std::size_t Band(const SunBow &b, double nm)
{
    return static_cast<std::size_t>(std::find(b.nm.begin(), b.nm.end(), nm) - b.nm.begin());
}

// The angle of the largest value of v between two angles.
template <typename Value> double PeakAngle(const SunBow &b, double from, double to, Value v)
{
    double best = -1, at = 0;
    for (std::size_t p = 0; p < b.angleDeg.size(); ++p)
        if (b.angleDeg[p] >= from && b.angleDeg[p] <= to && v(p) > best) best = v(p), at = b.angleDeg[p];
    return at;
}
double LuminancePeak(const SunBow &b, double from, double to)
{
    return PeakAngle(b, from, to, [&](std::size_t p) { return b.xyz[p].y; });
}
double BandPeak(const SunBow &b, double nm, double from, double to)
{
    const std::size_t i = Band(b, nm);
    return PeakAngle(b, from, to, [&](std::size_t p) { return b.intensity[i][p]; });
}
double YAt(const SunBow &b, double deg)
{
    return b.xyz[static_cast<std::size_t>((deg - 35) / 22 * static_cast<double>(b.xyz.size()))].y;
}
// How far the colour is from grey, relative to its luminance.
double Saturation(const SunBow &b, std::size_t p)
{
    const rb::optics::Rgb &c = b.balanced[p];
    return (std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b})) / b.xyz[p].y;
}

TEST(WhiteLight, SunIsWhiteAndEachBandHasItsHue)
{
    const std::vector<double> sun(Sunlight().nm.size(), 1.0);
    const rb::optics::Rgb w = BalancedRgb(SpectrumXyz(sun));
    EXPECT_NEAR(w.r, 1, 1e-12);
    EXPECT_NEAR(w.g, 1, 1e-12);
    EXPECT_NEAR(w.b, 1, 1e-12);
    // The hues of an sRGB chart of the spectrum: 455 nm blue, 525 nm green,
    // 575 nm yellow (red and green alike, no blue), 625 nm red.
    const auto single = [](double nm) {
        std::vector<double> one(Sunlight().nm.size(), 0.0);
        one[static_cast<std::size_t>((nm - 385) / 10)] = 1;
        return BalancedRgb(SpectrumXyz(one));
    };
    const rb::optics::Rgb b = single(455), g = single(525), y = single(575), r = single(625);
    EXPECT_GT(b.b, 3 * std::max(b.r, b.g));
    EXPECT_GT(g.g, 3 * std::max(g.r, g.b));
    EXPECT_NEAR(y.r / y.g, 1, 0.35);
    EXPECT_LT(y.b, 0);
    EXPECT_GT(r.r, 3 * std::max(r.g, r.b));
}

TEST(SunBow, MillimetreDropsShowBothBowsWithTheirColoursAndTheDarkBand)
{
    const SunBow b = Bow(1000);
    // Primary: red (655 nm) outside, violet (405 nm) inside, a bright
    // band at 41.5–42.3°; Descartes' angles for n(655 nm) = 1.3311 and
    // n(405 nm) = 1.3432 are 42.4° and 40.6°, a wave optics shift of a few
    // tenths inwards.
    const double red = BandPeak(b, 655, 39, 44), violet = BandPeak(b, 405, 39, 44);
    EXPECT_GT(red, violet + 1);
    EXPECT_NEAR(red, 42.1, 0.4);
    EXPECT_GE(LuminancePeak(b, 39, 45), 41.5);
    EXPECT_LE(LuminancePeak(b, 39, 45), 42.3);
    // Secondary: the other way round, the red 8–9° beyond the primary's
    // red (Descartes: 50.4° − 42.4° = 8.0°, Airy moves it further out).
    const double red2 = BandPeak(b, 655, 49, 55), violet2 = BandPeak(b, 405, 49, 56);
    EXPECT_LT(red2, violet2 - 1);
    EXPECT_GT(red2 - red, 8.0);
    EXPECT_LT(red2 - red, 9.5);
    // Alexander's band: far darker than the sky inside the primary.
    EXPECT_LT(YAt(b, 46), 0.2 * YAt(b, 38));
    EXPECT_GT(b.terms, 40 * 3000);
}

// The largest relative difference of the luminance between two pictures
// between two angles.
double Parting(const SunBow &a, const SunBow &b, double from, double to)
{
    double most = 0;
    for (std::size_t p = 0; p < a.xyz.size(); ++p)
        if (a.angleDeg[p] >= from && a.angleDeg[p] <= to)
            most = std::max(most, std::abs(a.xyz[p].y - b.xyz[p].y) / a.xyz[p].y);
    return most;
}

TEST(SunBow, LargeDropsAgreeWithAiryAndSmallOnesDoNot)
{
    const SunBow mie = Bow(2000), airy = Bow(2000, BowTheory::Airy);
    EXPECT_GE(LuminancePeak(mie, 39, 45), 41.5);
    EXPECT_LE(LuminancePeak(mie, 39, 45), 42.3);
    EXPECT_NEAR(BandPeak(mie, 655, 39, 44), BandPeak(airy, 655, 39, 44), 0.06);
    EXPECT_LT(Parting(mie, airy, 38, 42), 0.1); // the bow and the sky inside it
    // 20 and 50 µm: across the broad bow Airy's cubic wavefront no longer
    // holds, and it lacks the light reflected off the drop.
    for (const double d : {20.0, 50.0}) EXPECT_GT(Parting(Bow(d), Bow(d, BowTheory::Airy), 36, 45), 0.3) << d;
}

// The whole drop's phasors, extended to the secondary bow: the same
// observers' facts as Mie's picture, and close to it for millimetre drops.
TEST(SunBow, WholeDropPhasorsShowBothBowsAsMieDoes)
{
    const SunBow mie = Bow(1000), b = Bow(1000, BowTheory::WholeDrop);
    const double red = BandPeak(b, 655, 39, 44), violet = BandPeak(b, 405, 39, 44);
    EXPECT_NEAR(red, BandPeak(mie, 655, 39, 44), 0.06);
    EXPECT_GT(red, violet + 1);
    const double red2 = BandPeak(b, 655, 49, 55), violet2 = BandPeak(b, 405, 49, 56);
    EXPECT_NEAR(red2, BandPeak(mie, 655, 49, 55), 0.15);
    EXPECT_LT(red2, violet2 - 1);
    EXPECT_LT(YAt(b, 46), 0.2 * YAt(b, 38));
    EXPECT_LT(Parting(mie, b, 40.5, 42.2), 0.1);
    EXPECT_GT(b.rays, 40 * 1000);
    const std::atomic<bool> stop{true};
    SunBowRequest r;
    r.theory = BowTheory::WholeDrop;
    EXPECT_FALSE(ComputeSunBow(r, stop, 2));
}

TEST(SunBow, FogOfSmallDropsMakesABroadPaleBowNear38Degrees)
{
    const SunBow fog = Bow(20), rain = Bow(1000);
    EXPECT_NEAR(LuminancePeak(fog, 35, 45), 38, 1.5);
    // Broad: half its peak still 1.5° to either side.
    const double top = YAt(fog, LuminancePeak(fog, 35, 45));
    EXPECT_GT(YAt(fog, LuminancePeak(fog, 35, 45) + 1.5), 0.5 * top);
    // Pale: within the bow (where it has half its peak or more) its colours
    // stay far nearer grey than those of the bow of rain.
    const auto most = [](const SunBow &b) {
        const double top = YAt(b, LuminancePeak(b, 35, 45));
        double m = 0;
        for (std::size_t p = 0; p < b.xyz.size(); ++p)
            if (b.angleDeg[p] < 45 && b.xyz[p].y > 0.5 * top) m = std::max(m, Saturation(b, p));
        return m;
    };
    const double fogMost = most(fog), rainMost = most(rain);
    EXPECT_LT(fogMost, 0.3 * rainMost);
}

TEST(SunBow, ThePFilterAlmostQuenchesTheBow)
{
    // Near Brewster's angle inside the drop (the Descartes ray meets the
    // back at 40°, Brewster's angle is 36.9°) p light is hardly reflected.
    const SunBow s = Bow(300, BowTheory::Mie, BowFilter::S), p = Bow(300, BowTheory::Mie, BowFilter::P);
    const auto rise = [](const SunBow &b) { return YAt(b, LuminancePeak(b, 39, 44)) - YAt(b, 46); };
    EXPECT_LT(rise(p), 0.1 * rise(s));
}

TEST(SunBow, ThreadsAgreeAndAFlagStopsThem)
{
    SunBowRequest r;
    r.diameterMicrons = 100;
    r.pixels = 300;
    const std::atomic<bool> go{false}, stop{true};
    EXPECT_EQ(ComputeSunBow(r, go, 1)->xyz.back().y, ComputeSunBow(r, go, 2)->xyz.back().y);
    EXPECT_FALSE(ComputeSunBow(r, stop, 2));
    std::atomic<bool> cancel{false};
    std::optional<SunBow> late;
    r.diameterMicrons = 2000;
    std::thread worker([&] { late = ComputeSunBow(r, cancel, 2); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    cancel = true;
    worker.join();
    EXPECT_FALSE(late);
}

} // namespace
