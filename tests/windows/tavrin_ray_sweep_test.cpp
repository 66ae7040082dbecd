// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The ray model's two sweeps: the slow one builds up visibly and holds the
// user's input until it ends, a close ends it and the program at once, and
// the fast one wipes the rays but keeps the marks. With them the input hold
// the slow sweep relies on, tried on plain buttons.
#include "tavrin/raymodel/form2.h"
#include "tavrin/raymodel/input_hold.h"
#include "tests/windows/ray_window_checks.h"
#include "tests/windows/tavrin_windows.h"
#include "tests/windows/wait.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cmath>

using namespace rb;
using namespace rb::tavrin;
using namespace rb::testing;

namespace {

using RaySweep = TavrinWindows;

} // namespace

// The slow sweep shows its rays one by one, at least 25 ms apart, and
// handles what the user does meanwhile only once it has ended.
TEST_F(RaySweep, SlowSweepBuildsUpVisiblyAndHoldsInputUntilItEnds)
{
    form2 &f = Navigation::Get().RayForm();
    ASSERT_TRUE(Settle(&f));
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *e) override
        {
            paints += e->type() == QEvent::Paint;
            return false;
        }
    } counter;
    f.Picture1->installEventFilter(&counter);

    bool heldDuringSweep = false;
    QTimer::singleShot(300, [&f] {
        QTest::mouseClick(f.Picture3, Qt::LeftButton, {}, LogicalPixel(f.Picture3, -1500, 1500));
        QTest::mouseClick(f.Option2, Qt::LeftButton, {}, QPoint(5, f.Option2->height() / 2));
    });
    QTimer::singleShot(600, [&f, &heldDuringSweep] {
        heldDuringSweep = f.Sweeping() && f.model.reflCount == 1 && f.Label6->isVisible();
    });
    QElapsedTimer clock;
    clock.start();
    f.Command6->click();
    const qint64 took = clock.elapsed();

    // One reflection: 134 rays, each shown for at least 25 ms.
    EXPECT_GE(took, 134 * 25 - 10);
    EXPECT_LT(took, 134 * 25 * 3);
    EXPECT_GE(counter.paints, 67); // the strip was shown at least every other ray
    EXPECT_TRUE(heldDuringSweep);
    EXPECT_FALSE(f.Sweeping());
    // The held input is handed over as posted events.
    ASSERT_TRUE(HandlePostedEvents());
    EXPECT_EQ(f.model.reflCount, 2); // the held click on "2 " came through
    EXPECT_TRUE(f.Option2->isChecked());
    EXPECT_FALSE(f.Label6->isVisible()); // and so did the press
}

// A close during a sweep ends the program at once: the sweep stops before
// its last ray, and the input held until then is dropped.
TEST_F(RaySweep, CloseDuringASlowSweepEndsTheProgramAtOnce)
{
    form2 &f = Navigation::Get().RayForm();
    f.Option2->setChecked(true); // 80 rays, the last at b = 799
    ASSERT_TRUE(Settle(&f));
    QTimer::singleShot(0, [&f] { f.Command6->click(); });
    QTimer::singleShot(150, [&f] { QTest::mouseClick(f.Option1, Qt::LeftButton, {}, QPoint(5, f.Option1->height() / 2)); });
    QTimer::singleShot(300, [&f] { f.close(); });
    EXPECT_EQ(RunUntilEnd(), 0);
    EXPECT_TRUE(EndRequested());
    EXPECT_FALSE(f.Sweeping());
    EXPECT_LT(f.model.curY, 790);
    EXPECT_EQ(f.model.reflCount, 2);
    EXPECT_FALSE(f.isVisible());
}

// While input is held, presses of the buttons that start a run queue one
// run at most, whether they come through the window or to the button, by
// mouse or by key; the rest of the input keeps its order. A close goes
// through at once and drops what was held.
TEST_F(RaySweep, HeldInputQueuesOneRunAndYieldsToAClose)
{
    Form top;
    auto *slow = new QPushButton(QStringLiteral("slow"), &top);
    auto *fast = new QPushButton(QStringLiteral("fast"), &top);
    auto *option = new QPushButton(QStringLiteral("option"), &top);
    slow->setGeometry(0, 0, 80, 30);
    fast->setGeometry(0, 40, 80, 30);
    option->setGeometry(0, 80, 80, 30);
    top.resize(100, 120);
    top.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&top));
    QStringList clicked;
    for (QPushButton *b : {slow, fast, option})
        QObject::connect(b, &QPushButton::clicked, [&clicked, b] { clicked << b->text(); });
    const auto viaWindow = [&top](QWidget *w) {
        QTest::mouseClick(top.windowHandle(), Qt::LeftButton, {}, w->mapTo(&top, w->rect().center()));
    };

    {
        InputHold hold({slow, fast});
        viaWindow(slow);
        viaWindow(option);
        viaWindow(slow);
        QTest::keyClick(slow, Qt::Key_Space);
        viaWindow(fast);
        QTest::mouseClick(slow, Qt::LeftButton);
        viaWindow(option);
        EXPECT_TRUE(clicked.isEmpty());
    }
    ASSERT_TRUE(HandlePostedEvents());
    EXPECT_EQ(clicked, QStringList({"slow", "option", "option"}));

    clicked.clear();
    bool closed = false;
    QObject::connect(&top, &Form::Unload, [&closed] { closed = true; });
    {
        InputHold hold({slow, fast});
        viaWindow(option);
        top.close();
        EXPECT_TRUE(closed && hold.Closing());
        viaWindow(slow);
    }
    ASSERT_TRUE(HandlePostedEvents());
    EXPECT_TRUE(clicked.isEmpty());
}

TEST_F(RaySweep, FastSweepWipesTheRaysHidesTheHelpAndKeepsTheMarks)
{
    form2 &f = Navigation::Get().RayForm();
    ASSERT_TRUE(Settle(&f));
    f.Picture3_MouseDown(kLeftButton, 0, 0, -689);
    f.Picture3_MouseUp(kLeftButton, 0, 0, -689);
    f.Command2->click(); // help back, the bow's mark stays
    f.Option2->setChecked(true);
    QElapsedTimer clock;
    clock.start();
    f.Command7->click();
    EXPECT_LT(clock.elapsed(), 1000);
    EXPECT_FALSE(f.Label6->isVisible());
    // Red light leaves water after one reflection at Descartes' 42.34° at
    // the most, so the ray at b = -689 marked the main bow there.
    EXPECT_TRUE(ColourNear(f.Picture1, 75, StripY(42.34), kRed));
    // The secondary bow's dots lie between about 50.4° and 60°; apart from
    // the hand-placed ray's mark no red lies below 50.3°.
    const double dpr = f.Picture1->Image().devicePixelRatio();
    const ScaleMap m = f.Picture1->Map();
    const double markRow = m.ToPixelY(StripY(42.34)) * dpr;
    const int markEnd = DevicePixel(f.Picture1, 150, 0).x(); // the marks are 150 units long
    int above = 0, below = 0;
    for (int y = 0; y < f.Picture1->Image().height(); ++y) {
        if (std::fabs(y - markRow) <= 2 * dpr) continue; // the hand-placed ray's mark
        const int red = CountPixels(f.Picture1, Is(kRed), QRect(0, y, markEnd, 1));
        (m.ToUserY(y / dpr) < StripY(50.3) ? above : below) += red;
    }
    EXPECT_GT(above, 20);
    EXPECT_EQ(below, 0);
    EXPECT_FALSE(SceneShowsOnlyTheOutline(f));
}
