// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The deviation of a ray by a prism: the curve's shape for the start values
// and at the edges of the scroll bars' ranges.
#include "prisma/model/deviation_plot.h"
#include "tests/support/recording_canvas.h"
#include "common/canvas/dropped_calls.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace rb;
using namespace rb::prisma;

namespace {
const double kPi = 4.0 * std::atan(1.0);
double Rad(double deg) { return kPi * deg / 180.0; }

struct Plot {
    std::vector<DrawOp> positive, negative, segments;
};

Plot Draw(double apexDeg, float n)
{
    RecordingCanvas c;
    ResetDroppedNonFiniteCalls();
    DrawDeviationPlot(c, Rad(apexDeg), n, kPi);
    EXPECT_EQ(DroppedNonFiniteCalls(), 0u) << "A=" << apexDeg << " n=" << n;
    EXPECT_EQ(c.DrawWidth(), 1);
    Plot p;
    p.segments = c.OfKind(DrawOp::Segment);
    for (const DrawOp &d : c.OfKind(DrawOp::Dot)) (std::signbit(d.x1) ? p.negative : p.positive).push_back(d);
    return p;
}

double Deviation(const DrawOp &d) { return (1000.0 - d.y1) / 10.0; }
} // namespace

TEST(DeviationPlot, StartValuesShowTheMinimumDeviation)
{
    const Plot p = Draw(60, 1.5f);
    ASSERT_FALSE(p.positive.empty());
    EXPECT_TRUE(p.negative.empty()); // n·sin β2 ≥ 1.5·sin 60° > 1 there
    EXPECT_NEAR(p.positive.front().x1 / 10.0, 28.0, 1e-6);
    EXPECT_NEAR(Deviation(p.positive.front()), 55.5, 0.1);
    const auto low = std::max_element(p.positive.begin(), p.positive.end(),
                                      [](const DrawOp &a, const DrawOp &b) { return a.y1 < b.y1; });
    EXPECT_NEAR(Deviation(*low), 37.2, 0.05);
    EXPECT_NEAR(low->x1 / 10.0, 48.6, 0.15);
    EXPECT_NEAR(p.positive.back().x1 / 10.0, 90.0, 1e-9);
    EXPECT_LT(p.positive.back().x1, 900.0); // the running value stops a hair below 90°
    EXPECT_NEAR(Deviation(p.positive.back()), 57.9, 0.1);
    for (const DrawOp &d : p.positive) EXPECT_EQ(d.width, 2);
}

TEST(DeviationPlot, GridHasTenRowsTheAxisAndNineteenColumns)
{
    const Plot p = Draw(60, 1.5f);
    ASSERT_EQ(p.segments.size(), 10u + 1u + 19u);
    EXPECT_EQ(p.segments[0].y1, 1000.0);
    EXPECT_EQ(p.segments[9].y1, 100.0);
    EXPECT_EQ(p.segments[11].x1, -900.0);
    for (const DrawOp &s : p.segments) EXPECT_EQ(s.width, 1);
}

TEST(DeviationPlot, EdgesOfTheRanges)
{
    // n = 1: no deviation as long as the ray gets through.
    Plot p = Draw(60, 1.0f);
    ASSERT_FALSE(p.positive.empty());
    for (const DrawOp &d : p.positive) EXPECT_NEAR(d.y1, 1000.0, 1e-3);
    // the negative branch leaves the baseline once A + α passes 90°
    for (const DrawOp &d : p.negative) {
        const double alpha = -d.x1 / 10.0;
        const double expect = alpha + 60 <= 90 ? 0.0 : 2 * (60 + alpha) - 180;
        EXPECT_NEAR((d.y1 - 1000.0) / 10.0, expect, 1e-3) << alpha;
    }
    // n < 1: no point where sin α ≥ n, and the deviation is negative.
    p = Draw(60, 0.5f);
    for (const DrawOp &d : p.positive) {
        EXPECT_LT(std::sin(Rad(d.x1 / 10.0)), 0.5);
        EXPECT_LT(Deviation(d), 0.0);
    }
    // A = 180°: the positive branch is empty and nothing fails.
    p = Draw(180, 1.5f);
    EXPECT_TRUE(p.positive.empty());
    p = Draw(180, 2.0f);
    EXPECT_TRUE(p.positive.empty());
    p = Draw(180, 0.5f);
    // A = 1°: δ ≈ (n − 1)·A just above the baseline.
    p = Draw(1, 1.5f);
    const auto low = std::max_element(p.positive.begin(), p.positive.end(),
                                      [](const DrawOp &a, const DrawOp &b) { return a.y1 < b.y1; });
    EXPECT_NEAR(Deviation(*low), 0.5, 0.01);
}

TEST(DeviationPlot, EveryScrollBarSettingDrawsOnlyFiniteOrMissingPoints)
{
    for (int apex = 1; apex <= 180; apex += 7) {
        for (int n100 = 50; n100 <= 200; n100 += 5) Draw(apex, static_cast<float>(n100 / 100.0));
    }
    Draw(180, 2.0f);
    Draw(180, 1.0f);
}
