// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The path of one ray through the drop and its scattering angle.
#include "tavrin/raymodel/model/ray_model.h"
#include "tests/support/recording_canvas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace rb;
using namespace rb::tavrin;

namespace {

constexpr double kDeg = 180 / std::numbers::pi;

RayModel Water(int colour, int k)
{
    RayModel m;
    m.colourIndex = static_cast<std::int16_t>(colour);
    m.reflCount = static_cast<std::int16_t>(k);
    m.SetRefractiveIndex();
    return m;
}

void ExpectSegment(const DrawOp &op, double x1, double y1, double x2, double y2)
{
    EXPECT_NEAR(op.x1, x1, 0.01);
    EXPECT_NEAR(op.y1, y1, 0.01);
    EXPECT_NEAR(op.x2, x2, 0.01);
    EXPECT_NEAR(op.y2, y2, 0.01);
}

} // namespace

TEST(TraceRay, RedRayThroughWaterAtMinus400)
{
    RayModel m = Water(1, 1);
    RecordingCanvas scene;
    m.curY = -400;
    ASSERT_TRUE(m.TraceRay(scene));

    EXPECT_NEAR(m.incAngle * kDeg, -30, 1e-9);
    EXPECT_NEAR(m.refrAngle * kDeg, -22.06, 0.005);
    EXPECT_NEAR(m.scatterAngle, 28.25, 0.005);

    const auto &ops = scene.Ops();
    ASSERT_EQ(ops.size(), 6u);
    ExpectSegment(ops[0], -2000, -400, -692.82, -400);         // incoming
    ExpectSegment(ops[1], -692.82, -400, -1692.82, -2132.05);  // reflected outside
    ExpectSegment(ops[2], -692.82, -400, 775.82, -195.20);     // to the back
    ExpectSegment(ops[3], 775.82, -195.20, 2699.52, 351.95);   // partial ray
    ExpectSegment(ops[4], 775.82, -195.20, -421.02, 680.25);   // reflected inside
    ExpectSegment(ops[5], -421.02, 680.25, -2182.87, 1626.76); // exit ray
    for (const auto &op : ops) EXPECT_EQ(op.color, RGB(255, 0, 0));
    EXPECT_NEAR(m.curX, -421.02, 0.01); // left at the exit point
    EXPECT_NEAR(m.curY, 680.25, 0.01);
}

TEST(TraceRay, SegmentCountFollowsReflectionsAndPartialRays)
{
    for (int k : {1, 2, 3, 5}) {
        for (int show : {1, 2}) {
            RayModel m = Water(2, k);
            m.showReflected = static_cast<std::int16_t>(show);
            RecordingCanvas scene;
            m.curY = 700;
            ASSERT_TRUE(m.TraceRay(scene));
            const std::size_t expected = show == 1 ? 2 * k + 4 : k + 3;
            EXPECT_EQ(scene.Count(DrawOp::Segment), expected) << "k=" << k << " show=" << show;
            EXPECT_EQ(scene.Ops().size(), expected);
        }
    }
}

TEST(TraceRay, AxialRayComesStraightBack)
{
    RayModel m = Water(1, 1);
    RecordingCanvas scene;
    m.curY = 0;
    m.TraceRay(scene);
    const auto &ops = scene.Ops();
    ASSERT_EQ(ops.size(), 6u);
    ExpectSegment(ops[2], -800, 0, 800, 0);
    ExpectSegment(ops[4], 800, 0, -800, 0);
    ExpectSegment(ops[5], -800, 0, -2800, 0);
    EXPECT_EQ(m.scatterAngle, 0);
}

// The extreme scattering angle over all b of one sign: the bow of each
// colour, and the glass drop's primary bow far below the strip.
TEST(TraceRay, BowAnglesPerMaterialAndColour)
{
    struct Case {
        int material, colour, k;
        bool maximum;
        double angle, at;
    } cases[] = {
        {0, 1, 1, true, 42.34, -689},  {0, 2, 1, true, 41.76, -688},
        {0, 3, 1, true, 40.99, -686},  {0, 1, 2, false, 50.42, 760},
        {0, 2, 2, false, 51.47, 760},  {0, 3, 2, false, 52.86, 759},
        {1, 1, 1, true, 22.16, -607},  {1, 2, 1, true, 21.69, -604},
        {1, 3, 1, true, 21.04, -600},
    };
    for (const Case &c : cases) {
        RayModel m = Water(c.colour, c.k);
        m.material = static_cast<std::int16_t>(c.material);
        m.SetRefractiveIndex();
        RecordingCanvas scene;
        const double sign = c.maximum ? 1 : -1;
        double best = -1e9, bestB = 0;
        for (double b = c.at - 30; b <= c.at + 30; b += 0.25) {
            m.curY = b;
            m.TraceRay(scene);
            if (sign * m.scatterAngle > best) {
                best = sign * m.scatterAngle;
                bestB = b;
            }
            // k = 1 is odd in b: the mirror ray scatters to −W
            if (c.k == 1) {
                const double w = m.scatterAngle;
                m.curY = -b;
                m.TraceRay(scene);
                EXPECT_NEAR(m.scatterAngle, -w, 1e-9);
            }
            scene.Forget();
        }
        SCOPED_TRACE(testing::Message() << "material " << c.material << " colour " << c.colour
                                        << " k " << c.k);
        EXPECT_NEAR(sign * best, c.angle, 0.005);
        EXPECT_NEAR(bestB, c.at, 1.0);
    }
}
