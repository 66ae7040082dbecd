// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The start window's two illustrations and the rays a click adds.
#include "tests/support/recording_canvas.h"
#include "tavrin/start/model/start_illustrations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

using namespace rb;
using namespace rb::tavrin;

namespace {

void ExpectPoint(double x, double y, double ex, double ey)
{
    EXPECT_NEAR(x, ex, 0.01);
    EXPECT_NEAR(y, ey, 0.01);
}

// The segments of the ray whose incoming line starts at (x0, h).
std::vector<DrawOp> RayFrom(const RecordingCanvas &c, double x0, double h)
{
    const auto segs = c.OfKind(DrawOp::Segment);
    for (std::size_t i = 0; i < segs.size(); ++i)
        if (segs[i].x1 == x0 && segs[i].y1 == h) {
            const std::size_t n = x0 == -3000 ? 4 : 3; // the left picture adds the outgoing ray
            return {segs.begin() + static_cast<long>(i), segs.begin() + static_cast<long>(i + n)};
        }
    return {};
}

} // namespace

TEST(StartIllustrations, FirstAndLastRayOfThePaint)
{
    struct Case {
        double h, entryX, backX, backY, exitX, exitY;
    } cases[] = {
        {475, -879.99, 972.41, 233.28, -568.71, -822.54},
        {815, -579.46, 933.61, 358.28, 114.53, -993.42},
    };
    StartIllustrations s;
    RecordingCanvas right, left;
    ASSERT_TRUE(s.DrawIllustrations(right, left, {}));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.h);
        for (const auto &ray : {RayFrom(right, -2000, c.h), RayFrom(left, -3000, c.h)}) {
            ASSERT_GE(ray.size(), 3u);
            ExpectPoint(ray[0].x2, ray[0].y2, c.entryX, c.h);
            ExpectPoint(ray[1].x2, ray[1].y2, c.backX, c.backY);
            ExpectPoint(ray[2].x2, ray[2].y2, c.exitX, c.exitY);
        }
    }
    const auto first = RayFrom(left, -3000, 475);
    ExpectPoint(first[3].x1, first[3].y1, -568.71, -822.54);
    ExpectPoint(first[3].x2, first[3].y2, -4133.35, -2637.30);
    EXPECT_NEAR(std::atan2(first[3].y2 - first[3].y1, first[3].x2 - first[3].x1) * 180 / std::numbers::pi,
                -153.02, 0.005);
}

TEST(StartIllustrations, PaintDrawsDropsRaysWaveletsAndDots)
{
    StartIllustrations s;
    RecordingCanvas right, left;
    s.DrawIllustrations(right, left, {});

    // per ray on the right: 3 segments, 6 front arcs, 2 dots, 6 exit arcs
    EXPECT_EQ(right.Count(DrawOp::Segment), 15u);
    EXPECT_EQ(right.Count(DrawOp::Arc), 1u + 5 * 12);
    EXPECT_EQ(right.Count(DrawOp::Dot), 10u);
    // per ray on the left: 4 segments and 2 dots
    EXPECT_EQ(left.Count(DrawOp::Segment), 20u);
    EXPECT_EQ(left.Count(DrawOp::Arc), 1u);
    EXPECT_EQ(left.Count(DrawOp::Dot), 10u);
    EXPECT_TRUE(right.Ops()[0].full && left.Ops()[0].full);
    EXPECT_EQ(right.Ops()[0].r, 1000);

    std::vector<double> exitRadii;
    for (const auto &a : right.OfKind(DrawOp::Arc)) {
        if (a.full) continue;
        if (a.x1 == -2000) {
            EXPECT_TRUE((a.start == 0 && a.end == 1.57) || (a.start == 4.71 && a.end == 6.28));
        } else {
            EXPECT_EQ(a.start, 2.7);
            EXPECT_EQ(a.end, 5.9);
            exitRadii.push_back(a.r);
        }
    }
    ASSERT_EQ(exitRadii.size(), 30u);
    EXPECT_EQ(std::vector<double>(exitRadii.begin(), exitRadii.begin() + 6),
              (std::vector<double>{400, 700, 1000, 1300, 1600, 1900}));
    EXPECT_EQ(exitRadii[24], 880);
    EXPECT_EQ(exitRadii[29], 2380);

    for (const auto &d : right.OfKind(DrawOp::Dot)) EXPECT_EQ(d.width, 5);
    for (const auto &d : left.OfKind(DrawOp::Dot)) EXPECT_EQ(d.width, 1);
    EXPECT_EQ(right.DrawWidth(), 1);
}

TEST(StartIllustrations, ClickAddsFiveRaysWithoutWavelets)
{
    StartIllustrations s;
    RecordingCanvas right;
    ASSERT_TRUE(s.DrawClickRays(right, {}));
    EXPECT_EQ(right.Ops().size(), 15u);
    EXPECT_EQ(right.Count(DrawOp::Segment), 15u);
    for (double h : {475, 525, 575, 625, 675}) EXPECT_EQ(RayFrom(right, -2000, h).size(), 3u) << h;
    const auto last = RayFrom(right, -2000, 675);
    ExpectPoint(last[1].x2, last[1].y2, 948.08, 318.02);
    ExpectPoint(last[2].x2, last[2].y2, -181.54, -983.38);
}

TEST(StartIllustrations, StopsAtOnceWhenTheProgramEnds)
{
    StartIllustrations s;
    RecordingCanvas right, left;
    EXPECT_FALSE(s.DrawIllustrations(right, left, [] { return false; }));
    EXPECT_EQ(right.Count(DrawOp::Segment), 3u); // one ray, then no more
    EXPECT_EQ(left.Count(DrawOp::Segment), 0u);
    EXPECT_FALSE(s.DrawClickRays(right, [] { return false; }));
    EXPECT_EQ(right.Count(DrawOp::Segment), 6u);
}

// A click or a second paint handled while a paint waits for events must not
// cut the paint short.
TEST(StartIllustrations, PaintSurvivesRunsStartedWhileItYields)
{
    StartIllustrations s;
    RecordingCanvas right, left, nestedLeft;
    int yields = 0;
    ASSERT_TRUE(s.DrawIllustrations(right, left, [&] {
        if (++yields == 2) s.DrawClickRays(right, {});
        if (yields == 3) s.DrawIllustrations(right, nestedLeft, {});
        return true;
    }));
    for (double h : {475, 560, 645, 730, 815}) EXPECT_EQ(RayFrom(left, -3000, h).size(), 4u) << h;
    EXPECT_EQ(left.Count(DrawOp::Segment), 20u);
    // The outer paint's fourth and fifth rays keep their own wavelet radii.
    const auto arcs = right.OfKind(DrawOp::Arc);
    EXPECT_EQ(arcs.back().r, 2380);
    EXPECT_EQ(right.Count(DrawOp::Segment), 15u + 15 + 15);
}
