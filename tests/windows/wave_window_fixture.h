// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The fixture of the wave-model window's tests: the window opened through
// tavrin's navigation, runs without waiting for the eye, and the means to
// act in the middle of a run and to press at a point of a picture.
#pragma once

#include "common/widgets/picture.h"
#include "tavrin/navigation.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/wavemodel/model/wave_runs.h"
#include "tests/windows/pixels.h"
#include "tests/windows/tavrin_windows.h"
#include "tests/windows/wait.h"

#include <QLocale>
#include <QTest>
#include <QTimer>
#include <functional>

namespace rb::testing {

class WaveWindow : public TavrinWindows {
protected:
    void SetUp() override
    {
        TavrinWindows::SetUp();
        tavrin::SetRunPace(0); // no waiting for the eye
        // The readouts below are written as a user of this locale reads them.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void TearDown() override
    {
        QLocale::setDefault(savedLocale_);
        TavrinWindows::TearDown();
    }

    tavrin::Form5 &Open()
    {
        tavrin::Form5 &f = tavrin::Navigation::Get().WaveForm();
        f.show();
        EXPECT_TRUE(Settle(&f));
        return f;
    }

    // Runs `action` once, at the first event pass (during a run's yield)
    // where `when` holds.
    void During(std::function<bool()> when, std::function<void()> action)
    {
        auto *t = new QTimer(&timers_);
        t->setInterval(0);
        QObject::connect(t, &QTimer::timeout, t, [t, when, action] {
            if (!when()) return;
            t->stop();
            action();
        });
        t->start();
    }

    // A press at a point in a picture's (or the window's) user units.
    static void Press(Picture *p, double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mouseClick(p, b, Qt::NoModifier, LogicalPixel(p, x, y));
    }

    // Is there a pixel of colour c in Bild III within a third of a bar's
    // spacing (200 units) of x?
    static bool BarAt(Picture *picture1, double x, QRgb c)
    {
        return CountPixels(picture1, Is(c), ColumnsBetween(picture1, x - 60, x + 60)) > 0;
    }

    QObject timers_;
    QLocale savedLocale_;
};

} // namespace rb::testing
