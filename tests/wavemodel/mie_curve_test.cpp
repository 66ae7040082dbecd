// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The Mie curve across Bild III: shared among threads it is the curve of one
// thread, a raised flag stops it, and its polarisations are S1's and S2's.
#include "tavrin/wavemodel/model/mie_curve.h"

#include "optics/mie.h"
#include "tavrin/wavemodel/model/angle_scale.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>

using namespace rb::tavrin;

TEST(MieCurve, ThreadsShareTheAnglesAndAFlagStopsThem)
{
    MieCurveRequest r{WaveColour::Blue, 200, MiePolarisation::S, MiePaths::All, 333};
    const std::atomic<bool> go{false}, stop{true};
    const std::vector<double> one = MieCurve(r, go, 1), three = MieCurve(r, go, 3);
    ASSERT_EQ(one.size(), 333u);
    EXPECT_EQ(one, three);
    EXPECT_TRUE(MieCurve(r, stop, 2).empty());

    // The first pixel's centre on the angle scale, and S1 there by hand.
    EXPECT_DOUBLE_EQ(MieCurveAngle(0, 333), AngleAtScaleX(-198000 + 0.5 * 38000 / 333));
    const double x = 3.14159265358979323846 * 200 / WavelengthMicrons(WaveColour::Blue);
    const rb::optics::Amplitudes a = rb::optics::ScatteringAmplitudes(
        rb::optics::MieCoefficients(WaterIndex(WaveColour::Blue), x), -std::cos(MieCurveAngle(0, 333)));
    EXPECT_NEAR(one[0], std::norm(a.s1), 1e-12 * one[0]);

    r.polarisation = MiePolarisation::P;
    const std::vector<double> p = MieCurve(r, go);
    r.polarisation = MiePolarisation::Unpolarised;
    const std::vector<double> u = MieCurve(r, go);
    for (std::size_t i = 0; i < u.size(); i += 37) EXPECT_NEAR(u[i], 0.5 * (one[i] + p[i]), 1e-12 * u[i]);
}

// A flag raised while the curve is on its way stops it: the largest drop in
// blue light across 3840 pixels takes far longer than the wait before the
// flag goes up.
TEST(MieCurve, AFlagRaisedMidwayStopsIt)
{
    std::atomic<bool> cancel{false};
    std::vector<double> out{1.0};
    std::thread worker([&] { out = MieCurve({WaveColour::Blue, 2000, MiePolarisation::S, MiePaths::All, 3840}, cancel); });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    cancel = true;
    worker.join();
    EXPECT_TRUE(out.empty());
}
