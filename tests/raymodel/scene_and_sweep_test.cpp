// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The drop's outline, the strip's ticks and the continuous sweep.
#include "tavrin/raymodel/model/ray_model.h"
#include "tests/support/recording_canvas.h"
#include "tavrin/raymodel/model/sweep_table.h"
#include "common/canvas/dropped_calls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using namespace rb;
using namespace rb::tavrin;

namespace {

struct SweptRay {
    double b; // the impact parameter, read off the incoming stretch
    double w; // its scattering angle
    DrawOp dot;
};

std::vector<SweptRay> Sweep(RayModel &m, SweepMode mode, const std::function<double()> &rnd,
                            RecordingCanvas &scene, RecordingCanvas &strip)
{
    std::vector<SweptRay> rays;
    std::size_t seen = scene.Ops().size();
    m.SweepImpactParameter(scene, strip, mode, rnd, [&] {
        const auto &ops = scene.Ops();
        const auto in = std::find_if(ops.begin() + static_cast<long>(seen), ops.end(),
                                     [](const DrawOp &o) { return o.kind == DrawOp::Segment; });
        rays.push_back({in->y1, m.scatterAngle, strip.Ops().back()});
        seen = ops.size();
    });
    return rays;
}

double Zero() { return 0; }

} // namespace

TEST(Scene, OutlineIsARingOf629Dots)
{
    RayModel m;
    RecordingCanvas scene;
    scene.SetForeColor(RGB(0, 0, 0));
    m.DrawDropOutline(scene);
    const auto dots = scene.OfKind(DrawOp::Dot);
    ASSERT_EQ(dots.size(), 629u);
    EXPECT_EQ(scene.Ops().size(), 629u);
    for (const auto &d : dots) {
        EXPECT_NEAR(std::hypot(d.x1, d.y1), 800, 1e-9);
        EXPECT_EQ(d.color, RGB(0, 0, 0));
    }
    EXPECT_NEAR(dots.back().x1, 800 * std::cos(6.28), 1e-6);
    EXPECT_NEAR(dots.back().y1, 800 * std::sin(6.28), 1e-6);
}

TEST(Scene, StripHas31ShortAnd4LongWhiteTicks)
{
    RayModel m;
    RecordingCanvas strip;
    m.DrawAngleTicks(strip);
    const auto ticks = strip.OfKind(DrawOp::Segment);
    ASSERT_EQ(ticks.size(), 35u);
    std::vector<double> longAt;
    for (const auto &t : ticks) {
        EXPECT_EQ(t.color, RGB(255, 255, 255));
        EXPECT_EQ(t.x2, 200);
        EXPECT_EQ(t.y1, t.y2);
        if (t.x1 == 150) {
            longAt.push_back(t.y1);
        } else {
            EXPECT_EQ(t.x1, 180);
        }
    }
    EXPECT_EQ(longAt, (std::vector<double>{950, 650, 350, 50}));
    EXPECT_EQ(ticks.front().y1, 950); // 30°
    EXPECT_EQ(ticks[30].y1, 50);      // 60°
}

TEST(Sweep, RaysAndRangePerReflectionCountAndMode)
{
    struct Case {
        int k;
        SweepMode mode;
        std::size_t rays;
        double first, last;
    } cases[] = {
        {1, SweepMode::Slow, 134, -400, -799},     {1, SweepMode::Fast, 134, -400, -799},
        {2, SweepMode::Slow, 80, 641, 799},        {2, SweepMode::Fast, 80, 640.1, 798.1},
        {3, SweepMode::Slow, 80, 641, 799},        {3, SweepMode::Fast, 80, 640.1, 798.1},
        {5, SweepMode::Slow, 76, -724.5, -799.5},  {5, SweepMode::Fast, 80, -720.09, -799.09},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "k=" << c.k << (c.mode == SweepMode::Slow ? " slow" : " fast"));
        RayModel m;
        m.reflCount = static_cast<std::int16_t>(c.k);
        RecordingCanvas scene, strip;
        const auto rays = Sweep(m, c.mode, Zero, scene, strip); // no random offset
        ASSERT_EQ(rays.size(), c.rays);
        EXPECT_NEAR(rays.front().b, c.first, 1e-3);
        EXPECT_NEAR(rays.back().b, c.last, 1e-3);
        EXPECT_EQ(strip.Count(DrawOp::Dot), c.rays);
        EXPECT_EQ(scene.Count(DrawOp::Segment), c.rays * (2 * c.k + 4));

        // The largest random offsets still keep every b inside the drop.
        RayModel edge;
        edge.reflCount = m.reflCount;
        RecordingCanvas scene2, strip2;
        for (const auto &r : Sweep(edge, c.mode, [] { return 0.99999994; }, scene2, strip2))
            EXPECT_LT(std::fabs(r.b), 800);
    }
    EXPECT_EQ(DroppedNonFiniteCalls(), 0u);
}

// The fast sweep draws the offset first, then the dot's x (and for k = 5 its
// vertical spread), each from its own random number.
TEST(Sweep, FastModeJittersEachRayWithinItsStep)
{
    struct Case {
        int k;
        double first; // b of the first ray with every random number 0.5
    } cases[] = {
        {1, -400.475}, {2, 640.1f + 0.9}, {3, 640.1f + 0.5f}, {5, -720.09f - 0.45},
    };
    for (const Case &c : cases) {
        RayModel m;
        m.reflCount = static_cast<std::int16_t>(c.k);
        RecordingCanvas scene, strip;
        int draws = 0;
        const auto rays = Sweep(m, SweepMode::Fast, [&] { return ++draws % 2 ? 0.5 : 0.2; }, scene, strip);
        EXPECT_EQ(rays.front().b, c.first) << "k=" << c.k;
        EXPECT_EQ(rays.front().dot.x1, 150 * 0.2) << "k=" << c.k;
        if (c.k == 5) {
            EXPECT_EQ(rays.front().dot.y1, 1848 - 30 * rays.front().w + 4 * 0.5);
        }
    }
}

TEST(Sweep, SlowPrimaryBowCrowdsBelow42Degrees)
{
    RayModel m;
    RecordingCanvas scene, strip;
    const auto rays = Sweep(m, SweepMode::Slow, [] { return 0.5; }, scene, strip);
    const auto top = std::max_element(rays.begin(), rays.end(),
                                      [](const SweptRay &a, const SweptRay &b) { return a.w < b.w; });
    EXPECT_EQ(top->b, -688);
    EXPECT_NEAR(top->w, 42.34, 0.005);
    EXPECT_NEAR(top->dot.y1, 579.8, 0.05);
    const auto nearBow = std::count_if(rays.begin(), rays.end(), [](const SweptRay &r) {
        return r.w >= 41;
    });
    EXPECT_EQ(nearBow, 37);
    for (const auto &r : rays) {
        EXPECT_GE(r.dot.y1, top->dot.y1); // no dot above the bow
        EXPECT_EQ(r.dot.y1, 1850 - 30 * r.w);
        EXPECT_EQ(r.dot.x1, 75);
        EXPECT_EQ(r.dot.color, RGB(255, 0, 0));
    }
}

// Where the strip stays dark: glass's primary bow lies below 30°, water's
// three reflections scatter to negative W, glass's secondary bow beyond 60°.
TEST(Sweep, SettingsWhoseDotsMissTheStrip)
{
    struct Case {
        int k, material, colour;
        SweepMode mode;
        double minW, maxW;
    } cases[] = {
        {1, 1, 1, SweepMode::Slow, -1e9, 22.17}, {1, 1, 2, SweepMode::Slow, -1e9, 21.7},
        {1, 1, 3, SweepMode::Slow, -1e9, 21.05}, {3, 0, 1, SweepMode::Fast, -43, 0},
        {2, 1, 1, SweepMode::Fast, 88, 108},
    };
    for (const Case &c : cases) {
        RayModel m;
        m.reflCount = static_cast<std::int16_t>(c.k);
        m.material = static_cast<std::int16_t>(c.material);
        m.colourIndex = static_cast<std::int16_t>(c.colour);
        RecordingCanvas scene, strip;
        for (const auto &r : Sweep(m, c.mode, [] { return 0.3; }, scene, strip)) {
            EXPECT_GE(r.w, c.minW) << "k=" << c.k << " b=" << r.b;
            EXPECT_LE(r.w, c.maxW) << "k=" << c.k << " b=" << r.b;
            EXPECT_TRUE(r.dot.y1 < 0 || r.dot.y1 > 1000) << "k=" << c.k << " b=" << r.b;
        }
    }
}

TEST(Sweep, FastClearsTheSceneSlowDrawsOverItAndBothEndWithTheOutline)
{
    for (SweepMode mode : {SweepMode::Slow, SweepMode::Fast}) {
        RayModel m;
        m.reflCount = 5;
        m.delayDummy = 7;
        RecordingCanvas scene, strip;
        m.PlaceRayByPress(scene, strip, -700);
        const std::size_t before = scene.Ops().size();
        Sweep(m, mode, Zero, scene, strip);
        const auto &ops = scene.Ops();
        const std::size_t start = mode == SweepMode::Fast ? before + 1 : before;
        if (mode == SweepMode::Fast) {
            EXPECT_EQ(ops[before].kind, DrawOp::Clear);
        }
        for (std::size_t i = 0; i < 629; ++i) {
            EXPECT_EQ(ops[start + i].kind, DrawOp::Dot);
            EXPECT_EQ(ops[ops.size() - 1 - i].kind, DrawOp::Dot);
        }
        EXPECT_EQ(scene.Count(DrawOp::Clear), mode == SweepMode::Fast ? 1u : 0u);
        EXPECT_EQ(strip.Count(DrawOp::Segment), 1u); // the mouse ray's mark stays
        // the slow sweep's pace: 20000 sines per ray, the last one kept
        EXPECT_EQ(m.delayDummy, mode == SweepMode::Slow ? static_cast<float>(std::sin(20000)) : 7.0f);
    }
}
