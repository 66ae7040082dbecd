// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// One ray through the drop and its phase at the observer.
#include "tests/support/recording_canvas.h"
#include "tavrin/wavemodel/model/wave_model.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace rb;
using namespace rb::tavrin;

namespace {

double Degrees(double radians) { return radians * 45.0 / std::atan(1.0); }

// Direction of a segment, 0 … 360° counter-clockwise from +x.
double Heading(const DrawOp &op)
{
    const double d = Degrees(std::atan2(op.y2 - op.y1, op.x2 - op.x1));
    return d < 0 ? d + 360.0 : d;
}

} // namespace

TEST(WaveRay, EntersCrossesAndLeavesTheDrop)
{
    struct Crossing {
        double x, y, exitHeading; // surface point reached, ray leaving there
    };
    struct Case {
        double b, entryX, alpha, beta;
        std::vector<Crossing> crossings; // transmitted, primary, secondary bow
    };
    const Case cases[] = {
        {1800, -871.78, 64.158, 42.586,
         {{1867.0, 717.2, 316.9}, {557.5, -1920.7, 222.0}, {-1960.8, -393.8, 127.2}}},
        {0, -2000, 0, 0, {{2000, 0, 0}, {-2000, 0, 180}}}, // along the axis and back
    };
    for (const Case &c : cases) {
        WaveModel m;
        RecordingCanvas pic;
        m.StartRay(c.b);
        EXPECT_NEAR(m.curX, c.entryX, 0.01);
        EXPECT_EQ(m.curY, c.b);
        EXPECT_NEAR(Degrees(m.incAngle), c.alpha, 0.001);
        EXPECT_NEAR(Degrees(m.refrAngle), c.beta, 0.001);
        for (const Crossing &k : c.crossings) {
            pic.Forget();
            m.AdvanceToSurface(pic);
            m.TurnAtSurface();
            m.DrawExitRay(pic);
            EXPECT_NEAR(m.curX, k.x, 0.1) << c.b;
            EXPECT_NEAR(m.curY, k.y, 0.1) << c.b;
            EXPECT_NEAR(std::hypot(m.curX, m.curY), 2000.0, 1e-3); // on the surface
            ASSERT_EQ(pic.Ops().size(), 2u); // the chord, then the ray leaving
            const DrawOp &exit = pic.Ops()[1];
            EXPECT_NEAR(Heading(exit), k.exitHeading, 0.05) << c.b;
            EXPECT_NEAR(std::hypot(exit.x2 - exit.x1, exit.y2 - exit.y1), 5000.0, 1e-6);
            EXPECT_EQ(exit.color, RGB(255, 0, 0));
        }
    }
}

TEST(WaveRay, ReflectedRayLeavesAtPiMinusTwiceAlphaForAnyIndex)
{
    for (double n : {1.33, 1.5, 2.4}) {
        WaveModel m;
        m.refrIndex = n;
        RecordingCanvas pic;
        m.StartRay(1800);
        m.DrawReflectedRay(pic);
        ASSERT_EQ(pic.Ops().size(), 1u);
        const DrawOp &ray = pic.Ops()[0];
        EXPECT_NEAR(Heading(ray), 51.68, 0.01) << n;
        EXPECT_NEAR(std::hypot(ray.x2 - ray.x1, ray.y2 - ray.y1), 8000.0, 1e-6);
    }
}

TEST(WavePhase, PathOfWholeOrPartWavelengthsGivesItsPhasor)
{
    // On the axis with n = 1.25 the path from the start plane through the
    // drop and back to B = (−4000, 0) is 0 + 1.25·8000 + 2000 = 12000.
    struct Case {
        double waveUnits, cosPhi, sinPhi;
    };
    const Case cases[] = {
        {1.5, 1, 0},  // 8000 wavelengths
        {64, -1, 0},  // 187.5
        {128, 0, -1}, // 93.75
    };
    for (const Case &c : cases) {
        WaveModel m;
        m.refrIndex = 1.25;
        m.waveUnits = c.waveUnits;
        RecordingCanvas pic;
        const Phasor p = m.TraceRayPhase(0, -4000, 0, pic);
        EXPECT_NEAR(p.cosPhi, c.cosPhi, 1e-9) << c.waveUnits;
        EXPECT_NEAR(p.sinPhi, c.sinPhi, 1e-9) << c.waveUnits;
        ASSERT_EQ(pic.Ops().size(), 4u); // incoming, two chords, to B
        EXPECT_EQ(pic.Ops()[0].x1, -14000);
    }
}

TEST(WavePhase, WavelengthInDrawingUnitsFollowsTheDiameter)
{
    const struct {
        int diameter;
        double waveUnits;
    } cases[] = {{1000, 1.4}, {50, 28}, {2000, 0.7}};
    for (const auto &c : cases) {
        WaveModel m;
        m.SetDiameter(c.diameter);
        EXPECT_TRUE(m.stopRequest); // a running loop stops
        m.UpdateWaveUnits();
        EXPECT_DOUBLE_EQ(m.waveUnits, c.waveUnits) << c.diameter;
    }
}
