// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave model's sweep of the observation point, "Bogensystem": the
// readout and the bars it leaves, stops and closes in the middle of it, runs
// started while it runs, and its pace when a user watches.
#include "common/canvas/scale_map.h"
#include "common/widgets/event_loop.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wave_window_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using namespace rb;
using namespace rb::testing;
using rb::tavrin::Form5;

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);
// The sweep moves the observation point from -198000 to -160000 in steps
// of 200: 191 positions. Its last bar that Bild III shows stands one step
// before the last position, which lies on the picture's right edge; a
// finished sweep leaves its counter one step past the last position.
constexpr int kPositions = 191;
constexpr double kLastVisibleBar = -160200;
constexpr double kPastTheLastPosition = -159800;

using WaveSweep = WaveWindow;

} // namespace

TEST_F(WaveSweep, SweepReadsOutTheAnglesInTheUsersLocaleAndDrawsTheBow)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Form5 &f = Open();
    QStringList readouts;
    QObject::connect(f.Text2, &QLineEdit::textChanged, f.Text2, [&](const QString &t) { readouts << t; });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(f.RunsActive(), 0);
    ASSERT_EQ(readouts.size(), kPositions);
    // The direction of the observation point seen from the drop, which it
    // lies 200000 units left of: atan(198000 / 200000) = 44.71° at the
    // first position, atan(160000 / 200000) = 38.66° at the last.
    EXPECT_EQ(readouts.front(), QStringLiteral("44,71°"));
    EXPECT_EQ(readouts.back(), QStringLiteral("38,66°"));
    EXPECT_TRUE(f.Text2->isVisible());
    EXPECT_TRUE(f.Label12->isVisible());
    // The drop and the rays of the last position, and its phasor chain.
    EXPECT_GT(Inked(f.Picture4), 1000);
    EXPECT_GT(Inked(f.Picture3), 0);
    // The main bow's bars and the inner bows' stand in Bild III.
    EXPECT_TRUE(BarAt(f.Picture1, -185000, kRed));
    EXPECT_TRUE(BarAt(f.Picture1, -179800, kRed));
    EXPECT_FALSE(f.model.stopRequest);
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();

    // With the figures off only bars and readout change. The sweep then
    // passes many positions per frame; the readout follows it, position by
    // position in order, and ends at the last one.
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    f.Option3D5->click();
    readouts.clear();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    ASSERT_FALSE(readouts.isEmpty());
    EXPECT_LE(readouts.size(), kPositions);
    for (qsizetype i = 1; i < readouts.size(); ++i)
        EXPECT_LT(QLocale().toDouble(readouts[i].chopped(1)), QLocale().toDouble(readouts[i - 1].chopped(1))) << i;
    EXPECT_EQ(readouts.back(), QStringLiteral("38,66°"));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("38,66°"));
    EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4), 0);
    EXPECT_TRUE(BarAt(f.Picture1, kLastVisibleBar, kRed));
}

TEST_F(WaveSweep, StopDuringASweepTakesEffectBeforeTheNextRayAndDrawsNoBar)
{
    enum Stop { Cls, Colour, ScrollBar };
    for (Stop stop : {Cls, Colour, ScrollBar}) {
        Form5 &f = Open();
        tavrin::WaveModel atStop;
        QString readoutAtStop;
        During([&] { return f.model.obsCoord >= -185000; },
               [&] {
                   atStop = f.model;
                   readoutAtStop = f.Text2->text();
                   if (stop == Cls) QTest::mouseClick(f.Command1, Qt::LeftButton);
                   if (stop == Colour) QTest::mouseClick(f.Option3D2, Qt::LeftButton, {}, QPoint(8, 8));
                   if (stop == ScrollBar) f.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
               });
        QTest::mouseClick(f.Command2, Qt::LeftButton);
        // No ray was traced after the stop: the ray state is where the stop
        // found it, and after "cls" Bild I and II stay empty.
        EXPECT_EQ(f.model.obsCoord, atStop.obsCoord) << stop;
        EXPECT_EQ(f.model.curX, atStop.curX) << stop;
        EXPECT_EQ(f.model.curY, atStop.curY) << stop;
        EXPECT_EQ(f.model.rayAngle, atStop.rayAngle) << stop;
        if (stop == Cls) {
            EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4) + Inked(f.Picture1), 0);
        }
        // The interrupted position has no bar; the one before it has.
        if (stop != Cls) {
            EXPECT_TRUE(BarAt(f.Picture1, atStop.obsCoord - 200, kRed)) << stop; // a step back
            EXPECT_FALSE(BarAt(f.Picture1, atStop.obsCoord, kRed)) << stop;
        }
        // The readout keeps the angle of the interrupted position: as the
        // stop found it, the direction of that point seen from the drop,
        // which it lies 200000 units left of, to two decimals.
        EXPECT_EQ(f.Text2->text(), readoutAtStop) << stop;
        ASSERT_TRUE(readoutAtStop.endsWith(QStringLiteral("°"))) << readoutAtStop.toStdString();
        const double seen = std::atan(-atStop.obsCoord / 200000) * 180 / 3.14159265358979323846;
        EXPECT_NEAR(QLocale().toDouble(readoutAtStop.chopped(1)), seen, 0.005) << readoutAtStop.toStdString();
        TearDown(); // a fresh window for the next case
        SetUp();
    }
}

TEST_F(WaveSweep, ClosingDuringASweepEndsTheProgramAtOnce)
{
    Form5 &f = Open();
    QElapsedTimer sinceClose;
    During([&] { return f.model.obsCoord >= -190000; },
           [&] {
               sinceClose.start();
               f.close();
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_TRUE(sinceClose.isValid());
    EXPECT_LT(sinceClose.elapsed(), 100);
    EXPECT_TRUE(EndRequested());
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.RunsActive(), 0);
    EXPECT_LT(f.model.obsCoord, -160000); // before the last position
}

TEST_F(WaveSweep, RunsStartedDuringASweepRunInsideIt)
{
    Form5 &f = Open();
    f.Option3D5->click(); // figures off: quicker, and the by-hand run still marks Bild I
    // A press into Bild II during the sweep: the sweep goes on to its end.
    During([&] { return f.model.obsCoord >= -190000; },
           [&] {
               Press(f.Picture4, -20000, -12000);
               Press(&f, 437, 1500); // and a single ray from the background
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(f.model.obsCoord, kPastTheLastPosition);
    EXPECT_TRUE(BarAt(f.Picture1, kLastVisibleBar, kRed));
    EXPECT_EQ(f.Text2->text(), QStringLiteral("38.66°")); // the last position's angle
    EXPECT_FALSE(f.Text2->isVisible()); // hidden by the press into Bild II

    // A second "Bogensystem" during a sweep runs to its end; the first one
    // then finishes the position it was at and ends as well.
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    int inner = 0;
    During([&] { return f.model.obsCoord >= -190000; },
           [&] {
               QTest::mouseClick(f.Command2, Qt::LeftButton);
               inner = f.RunsActive();
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(inner, 1);
    EXPECT_EQ(f.RunsActive(), 0);
    EXPECT_TRUE(BarAt(f.Picture1, kLastVisibleBar, kRed));
    EXPECT_FALSE(f.model.stopRequest);
}

TEST_F(WaveSweep, PacedRunsCanBeWatchedAndStillStopAtOnce)
{
    tavrin::SetRunPace(1);
    Form5 &f = Open();
    // With the figures on, each position's rays take at least 120 ms.
    std::vector<qint64> shown;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(f.Text2, &QLineEdit::textChanged, f.Text2, [&] { shown.push_back(clock.elapsed()); });
    tavrin::WaveModel atStop;
    QElapsedTimer sinceCls;
    During([&] { return shown.size() >= 5; },
           [&] {
               atStop = f.model;
               sinceCls.start();
               QTest::mouseClick(f.Command1, Qt::LeftButton);
           });
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    ASSERT_EQ(shown.size(), 5u);
    for (std::size_t i = 1; i < shown.size(); ++i) {
        EXPECT_GE(shown[i] - shown[i - 1], 120) << i;
        EXPECT_LT(shown[i] - shown[i - 1], 1000) << i;
    }
    // "cls" stopped it before the next ray, within a frame or so.
    EXPECT_LT(sinceCls.elapsed(), 100);
    EXPECT_EQ(f.model.curY, atStop.curY);
    EXPECT_EQ(Inked(f.Picture3) + Inked(f.Picture4), 0);

    // A run by hand lasts at least a second; with the figures off nothing
    // waits: the whole sweep is done long before one paced position.
    clock.restart();
    Press(f.Picture4, -12000, -13300);
    EXPECT_GE(clock.elapsed(), 1000);
    f.Option3D5->click();
    clock.restart();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(f.model.obsCoord, kPastTheLastPosition);
    EXPECT_LT(clock.elapsed(), 191 * 120 / 4);
}

// Presses by the thousand on a control that starts a run, while the runs go
// on: they nest one deep at most, so the stack holds, and a close after the
// last press still ends the program at once.
TEST_F(WaveSweep, ThousandsOfPressesNestOneDeepAndTheWindowStillCloses)
{
    constexpr int kPresses = 3000, kPerPass = 20;
    for (const bool sweep : {true, false}) {
        SCOPED_TRACE(sweep ? "Bogensystem" : "Bild II");
        Form5 &f = Open();
        QWidget *target = sweep ? static_cast<QWidget *>(f.Command2) : f.Picture4;
        const ScaleMap m = f.Picture4->Map();
        const QPoint at = sweep ? f.Command2->rect().center()
                                : QPoint(int(m.ToPixelX(-20000)), int(m.ToPixelY(-12000)));
        int sent = 0, deepest = 0;
        QElapsedTimer sinceClose;
        QTimer stream;
        stream.setInterval(0);
        QObject::connect(&stream, &QTimer::timeout, [&] {
            deepest = std::max(deepest, f.RunsActive());
            if (sent == kPresses) {
                stream.stop();
                sinceClose.start();
                f.close();
                return;
            }
            // Posted, so each arrives in the event pass of a running run.
            for (int i = 0; i < kPerPass; ++i, ++sent) {
                const QPointF global = target->mapToGlobal(QPointF(at));
                for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease})
                    QCoreApplication::postEvent(
                        target, new QMouseEvent(type, QPointF(at), global, Qt::LeftButton,
                                                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                                Qt::NoModifier));
            }
        });
        stream.start();
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_TRUE(QTest::qWaitFor([&] { return sinceClose.isValid() && f.RunsActive() == 0; }, 60000));
        EXPECT_EQ(sent, kPresses);
        // The presses met a run nested in another, and went no deeper.
        EXPECT_EQ(deepest, 2);
        EXPECT_TRUE(EndRequested());
        EXPECT_LT(sinceClose.elapsed(), 1000);
        TearDown();
    }
}
