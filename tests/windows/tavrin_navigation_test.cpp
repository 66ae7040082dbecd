// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// tavrin's start window, the hub of the program, and the ways between its
// windows: what the start window shows when it opens, "Start" and "Menu"
// back and forth with every setting kept, and every way to end the program.
#include "tavrin/raymodel/form2.h"
#include "tavrin/start/form3.h"
#include "tavrin/wavemodel/form5.h"
#include "tests/windows/pixels.h"
#include "tests/windows/tavrin_windows.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wait.h"
#include "common/widgets/units.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

using namespace rb;
using namespace rb::tavrin;
using namespace rb::testing;

using StartWindow = TavrinWindows;
using TavrinNavigation = TavrinWindows;

TEST_F(StartWindow, IsLaidOutCentredAndDrawsItsIllustrations)
{
    Form3 &f = Navigation::Get().StartForm();
    f.show();
    ASSERT_TRUE(Settle(&f));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Moddelle zur Regenbogendeutung"));
    EXPECT_NEAR(f.width(), TwipsToPixels(10395), 1);
    EXPECT_NEAR(f.height(), TwipsToPixels(10500), 1);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(f.x(), (screen.width() - f.width()) / 2, 1);
    EXPECT_NEAR(f.y(), (screen.height() - f.height()) / 2, 1);
    EXPECT_TRUE(f.Label7->isVisible());
    EXPECT_TRUE(f.Label8->isVisible());
    for (Picture *p : {f.Picture1, f.Picture2}) {
        EXPECT_FLOAT_EQ(p->ScaleWidth(), 4000);
        EXPECT_NEAR(p->ScaleLeft(), -2664, 0.01);
        EXPECT_NEAR(p->ScaleHeight(), -4646.5, 1);
        EXPECT_NEAR(p->ScaleTop(), 1393.9, 0.5);
    }
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(OverlappingControls(&f).isEmpty()) << OverlappingControls(&f).join(QLatin1Char('\n')).toStdString();
    // Buttons are not hidden under the long description beside them.
    EXPECT_EQ(f.childAt(f.Command1->geometry().center()), f.Command1);

    // The left picture: a ray coming in from beyond the edge; the right
    // one: the plane wave's dot where the same ray starts.
    // They are drawn at the first paint, ray by ray.
    EXPECT_TRUE(QTest::qWaitFor([&f] { return DarkNear(f.Picture2, -1500, 475); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&f] { return DarkNear(f.Picture1, -2000, 475); }, 5000));
    // A click between the buttons adds rays to the right picture; a click
    // on a text does not.
    const QImage before = f.Picture1->Image().copy();
    QTest::mouseClick(f.Label5, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(f.Picture1->Image(), before);
    QTest::mouseClick(&f, Qt::LeftButton, {}, QPoint(int(TwipsToPixels(300)), int(TwipsToPixels(10200))));
    EXPECT_NE(f.Picture1->Image(), before);
    EXPECT_TRUE(DarkNear(f.Picture1, -1500, 525)); // a click ray between the first two
}

TEST_F(TavrinNavigation, MenuAndStartReturnToTheSameWindowsWithTheirSettings)
{
    Form3 &start = Navigation::Get().StartForm();
    start.show();
    start.Command4->click();
    form2 *ray = Navigation::Get().LoadedRayForm();
    ASSERT_NE(ray, nullptr);
    EXPECT_TRUE(ray->isVisible());
    EXPECT_FALSE(start.isVisible());
    ray->Option6->setChecked(true);
    ray->Option5->setChecked(true);
    ray->Option14->setChecked(true);
    ray->Option9->setChecked(true);
    ray->Option11->setChecked(true);

    ray->Command4->click(); // "Menu"
    EXPECT_TRUE(start.isVisible());
    EXPECT_FALSE(ray->isVisible());
    start.Command4->click();
    start.Command4_Click(); // a second "Start" while it is open
    EXPECT_EQ(Navigation::Get().LoadedRayForm(), ray);
    EXPECT_TRUE(ray->isVisible());
    EXPECT_TRUE(ray->Option6->isChecked());
    EXPECT_EQ(ray->model.reflCount, 3);
    EXPECT_EQ(ray->model.colourIndex, 3);
    EXPECT_EQ(ray->model.material, 1);
    EXPECT_EQ(ray->model.showReflected, 2);
    EXPECT_EQ(ray->model.rayLength, 20000);
    EXPECT_FLOAT_EQ(ray->Picture3->ScaleLeft(), -22540);

    ray->Command4->click();
    start.Command3->click();
    start.Command3->click();
    Form5 *wave = Navigation::Get().LoadedWaveForm();
    ASSERT_NE(wave, nullptr);
    EXPECT_TRUE(start.isVisible()); // the wave model opens beside it
    int rayWindows = 0, waveWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        rayWindows += qobject_cast<form2 *>(w) != nullptr;
        waveWindows += qobject_cast<Form5 *>(w) != nullptr;
    }
    EXPECT_EQ(rayWindows, 1);
    EXPECT_EQ(waveWindows, 1);
}

TEST_F(TavrinNavigation, EveryEndPathEndsTheProgramWithStatusZero)
{
    struct Path {
        const char *name;
        bool openRay, openWave;
        std::function<void()> act;
    };
    auto &w = Navigation::Get();
    const Path paths[] = {
        {"End at once", false, false, [&w] { w.StartForm().Command1->click(); }},
        {"End with both models open", true, true, [&w] { w.StartForm().Command1->click(); }},
        {"close the start window", false, true, [&w] { w.StartForm().close(); }},
        {"close the hidden start window", true, false, [&w] { w.StartForm().close(); }},
        {"close the ray model", true, false, [&w] { w.RayForm().close(); }},
        {"close the wave model", true, true, [&w] { w.WaveForm().close(); }},
    };
    for (const Path &p : paths) {
        SetUp();
        w.StartForm().show();
        if (p.openWave) w.StartForm().Command3->click();
        if (p.openRay) w.StartForm().Command4->click();
        QTimer::singleShot(0, p.act);
        EXPECT_EQ(RunUntilEnd(), 0) << p.name;
        EXPECT_TRUE(EndRequested()) << p.name;
        for (QWidget *top : QApplication::topLevelWidgets()) EXPECT_FALSE(top->isVisible()) << p.name;
    }
}
