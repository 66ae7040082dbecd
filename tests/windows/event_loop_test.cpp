// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The end of a program from anywhere: End hides every window, and a run
// that yields learns at its next yield that it must stop.
#include "common/widgets/event_loop.h"
#include "common/widgets/picture.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace rb;

TEST(End, HidesEveryWindowAndStopsRunsAtTheirNextYield)
{
    Picture window;
    window.resize(100, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(DoEvents());
    End();
    EXPECT_TRUE(EndRequested());
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(DoEvents());
    ResetEndRequest();
    EXPECT_TRUE(DoEvents());
}
