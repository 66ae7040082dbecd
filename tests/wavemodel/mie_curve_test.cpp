// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The Mie curve across Bild III: shared among threads it is the curve of one
// thread, at the angles of the scale, and a flag raised before or midway
// stops it.
#include "tavrin/wavemodel/model/mie_curve.h"

#include "optics/mie.h"
#include "tavrin/wavemodel/model/angle_scale.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <thread>

using namespace rb::tavrin;

TEST(MieCurve, ThreadsShareTheAnglesOfTheScaleAndAFlagStopsThem)
{
    const MieCurveRequest r{WaveColour::Blue, 200, MiePolarisation::S, MiePaths::All, 333};
    const std::atomic<bool> go{false}, stop{true};
    const std::vector<double> one = MieCurve(r, go, 1);
    ASSERT_EQ(one.size(), 333u);
    EXPECT_EQ(MieCurve(r, go, 3), one);
    EXPECT_TRUE(MieCurve(r, stop, 2).empty());

    // The first pixel's centre on the scale, and |S1|² there by hand.
    const double theta = AngleAtScaleX(-198000 + 0.5 * 38000 / 333);
    const double x = 3.14159265358979323846 * 200 / WavelengthMicrons(WaveColour::Blue);
    const rb::optics::Amplitudes a =
        rb::optics::ScatteringAmplitudes(rb::optics::MieCoefficients(WaterIndex(WaveColour::Blue), x),
                                         -std::cos(theta));
    EXPECT_DOUBLE_EQ(MieCurveAngle(0, 333), theta);
    EXPECT_NEAR(one[0], std::norm(a.s1), 1e-12 * one[0]);

    // The largest drop in blue light across 3840 pixels takes far longer
    // than the wait before the flag goes up.
    std::atomic<bool> cancel{false};
    std::vector<double> out{1.0};
    std::thread worker([&] {
        out = MieCurve({WaveColour::Blue, 2000, MiePolarisation::S, MiePaths::All, 3840}, cancel);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    cancel = true;
    worker.join();
    EXPECT_TRUE(out.empty());
}
