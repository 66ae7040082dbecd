// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The canvas state every surface shares: scales, current point, colours,
// and the guard against non-finite coordinates.
#include "common/canvas/clip.h"
#include "common/canvas/draw_log.h"
#include "tests/support/recording_canvas.h"
#include "common/canvas/scale_map.h"
#include "common/canvas/dropped_calls.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using namespace rb;

TEST(ScaleMap, MapsBothWaysAndFlipsWhenHeightIsNegative)
{
    // 400 x 300 pixels; x from -100 to 100, y from 100 (top) to -100 (bottom)
    const ScaleMap m(-100, 100, 200, -200, 400, 300);
    EXPECT_DOUBLE_EQ(m.ToPixelX(-100), 0);
    EXPECT_DOUBLE_EQ(m.ToPixelX(100), 400);
    EXPECT_DOUBLE_EQ(m.ToPixelY(100), 0);
    EXPECT_DOUBLE_EQ(m.ToPixelY(-100), 300);
    EXPECT_DOUBLE_EQ(m.ToPixelY(0), 150);
    EXPECT_DOUBLE_EQ(m.ToUserY(75), 50);
    EXPECT_DOUBLE_EQ(m.ToUserX(m.ToPixelX(37.5)), 37.5);
    const ScaleMap zero(0, 0, 0, 0, 10, 10); // never divides by zero
    EXPECT_TRUE(std::isfinite(zero.ToUserX(5)));
}

TEST(Canvas, DefaultUnitIsTwipsAndOneSetterKeepsTheOthers)
{
    RecordingCanvas c(960, 480, 96); // 10 x 5 inches
    EXPECT_FLOAT_EQ(c.ScaleWidth(), 14400);
    EXPECT_FLOAT_EQ(c.ScaleHeight(), 7200);
    c.SetScaleWidth(4000);
    EXPECT_FLOAT_EQ(c.ScaleHeight(), 7200);
    c.SetScaleHeight(-4000.0 * 480 / 960);
    c.SetScaleTop(-0.3 * c.ScaleHeight());
    c.SetScaleLeft(-0.666 * c.ScaleWidth());
    EXPECT_FLOAT_EQ(c.ScaleLeft(), -2664);
    EXPECT_FLOAT_EQ(c.ScaleTop(), 600);
    // values are held in single precision
    c.Scale(0.1, 0, 1, 1);
    EXPECT_EQ(c.ScaleLeft(), 0.1f);
}

TEST(Canvas, CurrentPointFollowsLinesDotsAndClear)
{
    RecordingCanvas c;
    c.Line(1, 2, 3, 4);
    c.LineTo(5, 6);
    c.PSet(7, 8);
    c.LineTo(9, 10, RGB(255, 0, 0));
    c.Cls();
    c.LineTo(1, 1);
    const auto segs = c.OfKind(DrawOp::Segment);
    ASSERT_EQ(segs.size(), 4u);
    EXPECT_EQ(segs[1].x1, 3);
    EXPECT_EQ(segs[1].y1, 4);
    EXPECT_EQ(segs[2].x1, 7);
    EXPECT_EQ(segs[2].color, RGB(255, 0, 0));
    EXPECT_EQ(segs[3].x1, 0); // Cls puts the current point at the origin
    EXPECT_EQ(segs[3].y1, 0);
}

TEST(Canvas, ColourAndWidthAreResolvedPerOperation)
{
    RecordingCanvas c;
    c.SetForeColor(RGB(1, 2, 3));
    c.SetDrawWidth(3);
    c.PSet(0, 0);
    c.SetDrawWidth(0); // never below one pixel
    c.Arc(0, 0, 10, 0, 1.57, RGB(9, 9, 9));
    c.Circle(0, 0, -5);
    const auto &ops = c.Ops();
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].color, RGB(1, 2, 3));
    EXPECT_EQ(ops[0].width, 3);
    EXPECT_EQ(ops[1].width, 1);
    EXPECT_FALSE(ops[1].full);
    EXPECT_EQ(ops[1].color, RGB(9, 9, 9));
    EXPECT_TRUE(ops[2].full);
    EXPECT_EQ(ops[2].r, 5);
    EXPECT_EQ(RedOf(RGB(10, 20, 30)), 10);
    EXPECT_EQ(BlueOf(RGB(10, 20, 30)), 30);
}

TEST(Canvas, NonFiniteCoordinatesAreCountedAndDropped)
{
    ResetDroppedNonFiniteCalls();
    RecordingCanvas c;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    c.PSet(1, 1);
    c.Line(nan, 0, 1, 1);
    c.PSet(0, inf);
    c.Circle(0, 0, nan);
    c.LineTo(2, 2);
    EXPECT_EQ(DroppedNonFiniteCalls(), 3u);
    ASSERT_EQ(c.Ops().size(), 2u);
    EXPECT_EQ(c.Ops()[1].x1, 1); // the dropped calls did not move the current point
    ResetDroppedNonFiniteCalls();
}

TEST(Clip, CutsSegmentsToTheRectangle)
{
    struct Case {
        double x1, y1, x2, y2;
        bool visible;
        double ex1, ey1, ex2, ey2;
    };
    const Case cases[] = {
        {-10, 5, 20, 5, true, 0, 5, 10, 5},     // through, horizontal
        {5, -10, 5, 20, true, 5, 0, 5, 10},     // through, vertical
        {2, 2, 8, 8, true, 2, 2, 8, 8},         // inside
        {-5, -5, -1, 20, false, 0, 0, 0, 0},    // left of it
        {-10, -10, 20, 20, true, 0, 0, 10, 10}, // diagonal
        {-1e12, 5, 1e12, 5, true, 0, 5, 10, 5}, // enormous
    };
    for (const Case &k : cases) {
        double x1 = k.x1, y1 = k.y1, x2 = k.x2, y2 = k.y2;
        ASSERT_EQ(ClipSegment(x1, y1, x2, y2, 0, 0, 10, 10), k.visible);
        if (!k.visible) continue;
        EXPECT_NEAR(x1, k.ex1, 1e-9);
        EXPECT_NEAR(y1, k.ey1, 1e-9);
        EXPECT_NEAR(x2, k.ex2, 1e-9);
        EXPECT_NEAR(y2, k.ey2, 1e-9);
    }
}

TEST(DrawLog, KeepsWhatThePictureShowsSinceItsLastClear)
{
    const DrawOp a{.kind = DrawOp::Segment, .x1 = 0, .y1 = 0, .x2 = 10, .y2 = 10, .color = RGB(255, 0, 0), .width = 1};
    const DrawOp b{.kind = DrawOp::Dot, .x1 = 5, .y1 = 5, .color = RGB(0, 0, 255), .width = 2};
    DrawLog log(3);
    log.Clear(RGB(0, 0, 0));
    log.Add(a);
    log.Add(b);
    log.Add(a); // drawn again: replaces, and is now on top
    ASSERT_EQ(log.Size(), 2u);
    EXPECT_EQ(log.Ops()[0].kind, DrawOp::Dot);
    EXPECT_EQ(log.Ops()[1].kind, DrawOp::Segment);
    for (int i = 0; i < 3000; ++i) log.Add(a); // many repaints: no growth
    EXPECT_EQ(log.Ops().size(), 2u);

    DrawOp c = a;
    c.x2 = 11;
    log.Add(c);
    EXPECT_FALSE(log.Overflowed());
    c.x2 = 12;
    log.Add(c); // a fourth operation in a log of three
    EXPECT_TRUE(log.Overflowed());
    EXPECT_EQ(log.Size(), 0u);
    log.Clear(RGB(1, 2, 3));
    EXPECT_FALSE(log.Overflowed());
    EXPECT_EQ(log.Background(), RGB(1, 2, 3));
}
