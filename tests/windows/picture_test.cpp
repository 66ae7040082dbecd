// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The picture surface on a real (offscreen) screen: where drawings land in
// pixels, in both directions of y and at every pixel ratio; when it asks to
// be drawn anew; how mouse input and child controls use its user scale.
#include "common/widgets/picture.h"
#include "tests/windows/pixels.h"
#include "tests/windows/wait.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace rb;
using rb::testing::HandlePostedEvents;

namespace {
// Is the logical pixel (x, y) of the picture drawn in dark ink?
bool Ink(Picture &p, int x, int y) { return rb::testing::IsDark(rb::testing::PixelAt(&p, QPoint(x, y))); }

struct Shown {
    Picture picture;
    explicit Shown(int w = 100, int h = 100)
    {
        picture.resize(w, h);
        picture.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&picture));
    }
};
} // namespace

TEST(Picture, DrawsInUserCoordinatesWithYUpOrDown)
{
    for (const bool yUp : {true, false}) {
        Shown s;
        Picture &p = s.picture;
        // x from −100 to 100; y either from 100 (top) down to −100, or the reverse
        if (yUp)
            p.Scale(-100, 100, 200, -200);
        else
            p.Scale(-100, -100, 200, 200);
        p.Line(-100, 50, 100, 50);
        const int row = yUp ? 25 : 75;
        for (int x = 0; x < 100; x += 9) EXPECT_TRUE(Ink(p, x, row)) << yUp << " x=" << x;
        EXPECT_FALSE(Ink(p, 50, 50));
        // An arc from 0 to π/2 runs counter-clockwise as seen: upper right.
        p.Cls();
        p.Arc(0, 0, 80, 0.05, 1.52);
        EXPECT_TRUE(Ink(p, 50 + 28, 50 - 28) || Ink(p, 50 + 29, 50 - 29) || Ink(p, 50 + 28, 50 - 29)) << yUp;
        EXPECT_FALSE(Ink(p, 50 + 28, 50 + 28)) << yUp;
        // A dot two pixels wide
        p.Cls();
        p.SetDrawWidth(2);
        p.PSet(0, 0);
        EXPECT_TRUE(Ink(p, 50, 50));
        EXPECT_FALSE(Ink(p, 53, 53));
    }
}

TEST(Picture, DrawingTheSameFiguresAgainChangesNoPixel)
{
    Shown s(120, 120);
    Picture &p = s.picture;
    p.Scale(-100, 100, 200, -200);
    const auto draw = [&p] {
        p.Circle(0, 0, 60);
        p.Arc(-20, 10, 45, 2.7, 5.9);
        p.Line(-90, -80, 70, 95);
        p.SetDrawWidth(5);
        p.PSet(30, -40);
        p.SetDrawWidth(1);
    };
    draw();
    const QImage once = p.Image().copy();
    draw();
    EXPECT_EQ(p.Image(), once);
}

TEST(Picture, AsksToBeDrawnWhenFirstShownAndWhenItsImageIsRebuilt)
{
    Picture p;
    p.resize(80, 60);
    QSignalSpy paint(&p, &Picture::Paint);
    p.PSet(10, 10); // drawing before the first show is kept
    p.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p));
    // Paint is a posted event: once those have been handled, a second one
    // would have come too.
    ASSERT_TRUE(HandlePostedEvents());
    EXPECT_EQ(paint.count(), 1);
    p.update();
    p.hide();
    p.show();
    ASSERT_TRUE(HandlePostedEvents());
    EXPECT_EQ(paint.count(), 1); // covered or hidden: the pixels were kept
    EXPECT_EQ(p.Image().width(), int(80 * p.devicePixelRatioF()));
    p.resize(120, 60);
    EXPECT_TRUE(QTest::qWaitFor([&paint] { return paint.count() >= 2; }, 5000));
    ASSERT_TRUE(HandlePostedEvents());
    EXPECT_EQ(paint.count(), 2);
    EXPECT_EQ(p.Image().width(), int(120 * p.devicePixelRatioF()));
}

TEST(Picture, MouseAndChildControlsUseTheUserScale)
{
    Shown s(200, 100);
    Picture &p = s.picture;
    p.Scale(0, 1000, 2000, -1000); // y up, 10 units per pixel
    QSignalSpy down(&p, &Picture::MouseDown);
    QSignalSpy up(&p, &Picture::MouseUp);
    QTest::mousePress(&p, Qt::RightButton, Qt::ShiftModifier, QPoint(50, 25));
    QTest::mouseRelease(&p, Qt::RightButton, Qt::ShiftModifier, QPoint(50, 25));
    ASSERT_EQ(down.count(), 1);
    EXPECT_EQ(down[0][0].toInt(), kRightButton);
    EXPECT_EQ(down[0][1].toInt(), kShift);
    EXPECT_DOUBLE_EQ(down[0][2].toDouble(), 500);
    EXPECT_DOUBLE_EQ(down[0][3].toDouble(), 750);
    EXPECT_EQ(up.count(), 1);

    QLabel child(QStringLiteral("x"), &p);
    p.Place(&child, 100, 900, 300, 200);
    EXPECT_EQ(child.geometry(), QRect(10, 10, 30, 20));
    EXPECT_DOUBLE_EQ(p.ChildLeft(&child), 100);
    EXPECT_DOUBLE_EQ(p.ChildTop(&child), 900);
    EXPECT_DOUBLE_EQ(p.ChildWidth(&child), 300);
}
