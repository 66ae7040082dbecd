// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The Mie curve as Bild III draws it: the bow term's main maximum as high as
// Airy's, the same reference for the full series, and the bows picked out
// of a curve whose maxima are known from Airy's formula.
#include "tavrin/wavemodel/model/mie_heights.h"

#include "tavrin/wavemodel/model/airy_theory.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace rb::tavrin;

TEST(MieHeights, BowTermPeaksAtAirysHeightAndTheFullSeriesUsesTheSameReference)
{
    MieCurveRequest r{WaveColour::Red, 1000, MiePolarisation::Unpolarised, MiePaths::BowRay, 500};
    const std::atomic<bool> go{false};
    const std::vector<double> bow = MieCurveHeights(r, 1000, go);
    ASSERT_EQ(bow.size(), 500u);
    EXPECT_NEAR(*std::max_element(bow.begin(), bow.end()), 1000, 1e-9);
    // The reference searched around Airy's maximum is the bow curve's own.
    const std::vector<double> raw = MieCurve(r, go);
    EXPECT_NEAR(BowTermPeakIntensity(r), *std::max_element(raw.begin(), raw.end()), 1e-9 * raw[0] + 1e-12);
    // The full series at the same scale: its bow lies near the bow term's,
    // a little taller or lower by the other paths' light, not rescaled.
    r.paths = MiePaths::All;
    const std::vector<double> all = MieCurveHeights(r, 1000, go);
    const double tallest = *std::max_element(all.begin(), all.end());
    EXPECT_GT(tallest, 800);
    EXPECT_LT(tallest, 1300);
}

TEST(MieHeights, BowMaximaAreAirysMaximaAndSkipARipple)
{
    // |Ai(−z)| at the pixels of a 2000 µm red drop, its maxima at the zeros
    // of Ai′ (Abramowitz and Stegun, table 10.13: a′1 … a′4 = 1.0188,
    // 3.2482, 4.8201, 6.1633), through AiryBow::MaximumAngle; then a
    // ripple a twentieth as high and ten times finer laid over it. (The
    // fourth maximum once read past the end of the table of a′.)
    const MieCurveRequest r{WaveColour::Red, 2000, MiePolarisation::Unpolarised, MiePaths::All, 1900};
    const AiryBow bow = AiryBowFor(WaterIndex(r.colour), r.diameterMicrons, WavelengthMicrons(r.colour));
    std::vector<double> curve(1900);
    const double pitch = (bow.MaximumAngle(2) - bow.MaximumAngle(3)) / 10;
    for (int i = 0; i < 1900; ++i) {
        const double theta = MieCurveAngle(i, 1900);
        curve[std::size_t(i)] = bow.Relative(theta) * (1 + 0.05 * std::cos(theta / pitch * 6.2831853));
    }
    const std::vector<std::size_t> found = BowMaxima(curve, BowMaximaWindow(r), 3);
    ASSERT_EQ(found.size(), 4u);
    for (int s = 1; s <= 4; ++s) {
        const double step = std::abs(MieCurveAngle(int(found[std::size_t(s - 1)]) + 1, 1900) -
                                     MieCurveAngle(int(found[std::size_t(s - 1)]), 1900));
        EXPECT_NEAR(MieCurveAngle(int(found[std::size_t(s - 1)]), 1900), bow.MaximumAngle(s), 1.5 * pitch + step)
            << "maximum " << s;
    }
}
