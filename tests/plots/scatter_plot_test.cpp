// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The direction of the light leaving a drop: where the curve lies for the
// bows the program is about, and how it is drawn.
#include "tests/support/recording_canvas.h"
#include "streu/model/scatter_plot.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace rb;
using namespace rb::streu;

namespace {
const float kPi = static_cast<float>(4.0 * std::atan(1.0));
constexpr double kWater = 4.0 / 3.0;

double DirectionAtY(double y) { return (3700.0 - y) / 10.0; }

std::vector<DrawOp> Curve(std::int16_t k)
{
    RecordingCanvas c;
    DrawScatterCurve(c, k, kWater, kPi);
    return c.OfKind(DrawOp::Dot);
}
} // namespace

TEST(ScatterCurve, ThousandDotsTwoPixelsWideNeverReachingTheGrazingRay)
{
    RecordingCanvas c;
    DrawScatterCurve(c, 1, kWater, kPi);
    const auto dots = c.OfKind(DrawOp::Dot);
    ASSERT_EQ(dots.size(), 1000u);
    EXPECT_EQ(dots.front().x1, 0.0);
    EXPECT_NEAR(dots.back().x1, 999.0, 1e-6);
    EXPECT_LT(dots.back().x1, 1000.0);
    for (const DrawOp &d : dots) EXPECT_EQ(d.width, 2);
    EXPECT_EQ(c.DrawWidth(), 1);
}

TEST(ScatterCurve, BowsLieWhereTheCurveTurns)
{
    struct Case {
        std::int16_t k;
        double start, extreme, bAtExtreme, end;
    };
    // k = 1: straight back at b = 0, primary bow at its minimum near 138°.
    // k = 2: starts on the 360° line, secondary bow near 231°.
    const Case cases[] = {{1, 180.0, 138.0, 0.86, 161.0}, {2, 360.0, 231.0, 0.95, 244.0}};
    for (const Case &k : cases) {
        const auto dots = Curve(k.k);
        EXPECT_NEAR(DirectionAtY(dots.front().y1), k.start, 1e-4) << "k=" << k.k;
        const auto lowest = std::max_element(dots.begin(), dots.end(),
                                             [](const DrawOp &a, const DrawOp &b) { return a.y1 < b.y1; });
        EXPECT_NEAR(DirectionAtY(lowest->y1), k.extreme, 0.1) << "k=" << k.k;
        EXPECT_NEAR(lowest->x1 / 1000.0, k.bAtExtreme, 0.01) << "k=" << k.k;
        EXPECT_NEAR(DirectionAtY(dots.back().y1), k.end, 1.0) << "k=" << k.k;
    }
}

TEST(ScatterCurve, DirectionWrapsIntoOneTurn)
{
    // Exactly 360° stays on the top line rather than wrapping to 0°.
    EXPECT_EQ(ScatterDirection(0.0, 2, kWater, kPi), 360.0);
    // With π in single precision, three reflections start a hair below 180°.
    const double d3 = ScatterDirection(0.0, 3, kWater, kPi);
    EXPECT_LT(d3, 180.0);
    EXPECT_NEAR(d3, 179.99999, 1e-4);
    EXPECT_NEAR(ScatterDirection(0.0, 15, kWater, kPi), 180.0, 1e-3);
    for (std::int16_t k = 1; k <= 15; ++k) {
        for (const DrawOp &d : Curve(k)) {
            const double dir = DirectionAtY(d.y1);
            ASSERT_GT(dir, 0.0) << "k=" << k;
            ASSERT_LE(dir, 360.0) << "k=" << k;
        }
    }
}

TEST(ScatterGrid, TenDegreeLinesThickAtQuarterTurnsAndTenthsOfB)
{
    RecordingCanvas c;
    DrawScatterGrid(c);
    const auto segs = c.OfKind(DrawOp::Segment);
    ASSERT_EQ(segs.size(), 37u + 5u + 11u);
    int thick = 0;
    for (const DrawOp &s : segs) {
        if (s.width == 3) {
            ++thick;
            EXPECT_EQ(std::fmod(3700.0 - s.y1, 900.0), 0.0);
        }
    }
    EXPECT_EQ(thick, 5);
    EXPECT_EQ(segs.back().x1, 1000.0);
    EXPECT_EQ(segs.back().y2, 100.0);
    EXPECT_EQ(c.DrawWidth(), 1);
}
