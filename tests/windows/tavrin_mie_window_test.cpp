// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Lorenz–Mie theory in the wave window on every test screen: its controls
// fit the wave-optics frame and are reached by the keyboard; the curve comes
// from the worker threads without blocking the window, goes into the table
// and the picture's description, and a change of settings drops it.
#include "common/export/window_saver.h"
#include "tests/windows/text_fit.h"
#include "tests/windows/wave_window_fixture.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <gtest/gtest.h>
#include <iostream>

using namespace rb;
using namespace rb::testing;
using rb::tavrin::Form5;

namespace {

bool AwaitMie(Form5 &f)
{
    QElapsedTimer t;
    t.start();
    while (f.MieBusy() && t.elapsed() < 30000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return !f.MieBusy();
}

// The table's Mie rows: model column and amplitude.
std::vector<std::pair<QString, double>> MieRows(Form5 &f)
{
    const QByteArray csv = f.findChild<WindowSaver *>()->Content(SaveFormat::Csv);
    std::vector<std::pair<QString, double>> rows;
    for (const QByteArray &line : csv.split('\n')) {
        const QStringList r = QString::fromUtf8(line).split(QLatin1Char(','));
        if (r.size() == 8 && r[0] == QStringLiteral("Mie")) rows.emplace_back(r[1], r[3].toDouble());
    }
    return rows;
}

} // namespace

TEST_F(WaveWindow, MieControlsAreOffFitTheFrameAndTakeTheKeyboard)
{
    Form5 &f = Open();
    EXPECT_FALSE(f.Check3->isChecked());
    EXPECT_TRUE(f.Option3D12->isChecked());
    EXPECT_TRUE(f.Option3D8->isChecked()); // a group apart from the polarisation
    for (QWidget *w : std::initializer_list<QWidget *>{f.Check3, f.Option3D12, f.Option3D13}) {
        EXPECT_TRUE(w->isVisible());
        EXPECT_TRUE(f.Frame3D4->contentsRect().contains(w->geometry())) << w->geometry().x();
        EXPECT_TRUE(w->focusPolicy() & Qt::TabFocus);
        EXPECT_FALSE(w->accessibleDescription().isEmpty());
    }
    EXPECT_TRUE(ClippedTexts(&f).isEmpty()) << ClippedTexts(&f).join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(OverlappingControls(&f, {{f.Picture1, f.Picture2}}).isEmpty())
        << OverlappingControls(&f, {{f.Picture1, f.Picture2}}).join(QLatin1Char('\n')).toStdString();
    // The choice by keyboard: space on the focused option.
    f.Option3D13->setFocus();
    QTest::keyClick(f.Option3D13, Qt::Key_Space);
    EXPECT_TRUE(f.Option3D13->isChecked());
    EXPECT_TRUE(f.Option3D8->isChecked());
    EXPECT_FALSE(f.MieBusy()); // nothing computed while the box is off
}

TEST_F(WaveWindow, MieCurveArrivesInTheTableAndTheDescriptionAndAChangeDropsIt)
{
    Form5 &f = Open();
    f.Option3D7->click();
    f.Option3D5->click();
    const int before = Inked(f.Picture1);
    f.Check3->click();
    EXPECT_TRUE(f.MieBusy());
    ASSERT_TRUE(AwaitMie(f));
    std::cout << "Mie curve, 1000 µm red, " << f.Picture1->width() << " px: " << f.MieMilliseconds() << " ms\n";
    EXPECT_GT(Inked(f.Picture1), before);
    const QString text = f.Picture1->accessibleDescription();
    EXPECT_TRUE(text.contains(QStringLiteral("Mie-Theorie (alle Wege): höchstes Maximum bei 4"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("innere Bögen"))) << text.toStdString();
    std::vector<std::pair<QString, double>> rows = MieRows(f);
    EXPECT_GE(rows.size(), std::size_t(f.Picture1->width()));
    for (const auto &r : rows) EXPECT_EQ(r.first, QStringLiteral("alle Wege"));

    // The bow ray alone: its main maximum as high as Airy's, 1000.
    f.Option3D13->click();
    ASSERT_TRUE(AwaitMie(f));
    rows = MieRows(f);
    double tallest = 0;
    for (const auto &r : rows)
        if (r.first == QStringLiteral("nur Bogenstrahl")) tallest = std::max(tallest, r.second);
    EXPECT_NEAR(tallest, 1000, 0.5);

    // The largest drop in blue light, then at once another diameter: the
    // first curve never arrives, the second does; "cls" empties the table.
    f.Command1->click();
    f.Option3D3->click();
    f.VScroll1->setValue(2000);
    f.Check3->click(); // off
    f.Check3->click(); // on: 2000 µm
    f.VScroll1->setValue(1999);
    EXPECT_FALSE(f.MieBusy());
    EXPECT_TRUE(MieRows(f).empty());
    f.Check3->click();
    f.Check3->click();
    ASSERT_TRUE(AwaitMie(f));
    std::cout << "Mie curve, 1999 µm blue, " << f.Picture1->width() << " px: " << f.MieMilliseconds() << " ms\n";
    EXPECT_FALSE(MieRows(f).empty());
    const auto pixels = std::size_t(std::lround(f.Picture1->width() * f.Picture1->devicePixelRatioF()));
    EXPECT_EQ(MieRows(f).size(), pixels); // one curve, not two
    f.Command1->click();
    EXPECT_TRUE(MieRows(f).empty());
    EXPECT_FALSE(f.Picture1->accessibleDescription().contains(QStringLiteral("Mie")));
}
