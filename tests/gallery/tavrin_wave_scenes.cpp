// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The wave-model window: fresh, after sweeps in the three colours, with a
// small and a large drop, by hand near the bow, and single rays; a sweep at
// its watching pace caught halfway; the whole-drop model with Airy's theory
// for three drop sizes and the three colours, and by hand.
#include "tests/gallery/gallery.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/wavemodel/model/wave_fan.h"
#include "tavrin/wavemodel/model/wave_runs.h"
#include "tavrin/navigation.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

namespace rb::gallery {

namespace {

// Runs the sweep without pacing up to the middle of Bild III, then at the
// watching pace, and takes the picture halfway through the rays of the next
// position; "cls" then ends the sweep.
void PacedSweepHalfDone(tavrin::Form5 &form, const Shoot &shoot)
{
    constexpr double kMiddle = (tavrin::kObsFirst + tavrin::kObsLast) / 2;
    QTimer watch;
    watch.setInterval(0);
    bool shot = false;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (form.model.obsCoord < kMiddle || shot) return;
        shot = true;
        tavrin::SetRunPace(1);
        QTimer::singleShot(int(tavrin::kPositionPaceMs * 1.5), [&] {
            shoot(&form, QStringLiteral("tavrin-wave-paced-half"));
            form.Command1->click();
        });
    });
    watch.start();
    form.Command2->click();
    watch.stop();
    tavrin::SetRunPace(0);
}

} // namespace

void TavrinWaveScenes(const Shoot &shoot)
{
    tavrin::SetRunPace(0);
    auto &windows = tavrin::Navigation::Get();
    tavrin::Form5 &form = windows.WaveForm();
    form.show();
    shoot(&form, QStringLiteral("tavrin-wave-start"));

    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-sweep-red"));
    form.Option3D2->click();
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-sweep-green"));
    form.Option3D3->click();
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-sweep-blue"));

    form.Command1->click();
    form.Option3D1->click();
    form.VScroll1->setValue(50);
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-diameter-50"));
    form.Command1->click();
    form.VScroll1->setValue(2000);
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-diameter-2000"));

    // By hand, where the rays near the bow's angle meet in step: a long chain.
    form.VScroll1->setValue(1000);
    form.Picture4_MouseDown(kLeftButton, 0, -12000, -13300);
    shoot(&form, QStringLiteral("tavrin-wave-by-hand"));

    form.Command1->click();
    form.Form_MouseDown(kLeftButton, 0, 437, 1800);
    form.Form_MouseDown(kLeftButton, 0, 437, 1200);
    shoot(&form, QStringLiteral("tavrin-wave-single-left"));
    form.Form_MouseDown(kRightButton, 0, 437, 1700);
    shoot(&form, QStringLiteral("tavrin-wave-single-right"));

    form.Command1->click();
    PacedSweepHalfDone(form, shoot);

    // The fan of 321 rays against Airy's theory for the same drop.
    form.Command1->click();
    form.Check1->click();
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-fan-theory"));

    // The whole drop with the theory, small to large drops.
    form.Option3D7->click();
    for (int diameter : {50, 200, 1000}) {
        form.Command1->click();
        form.VScroll1->setValue(diameter);
        form.Command2->click();
        shoot(&form, QStringLiteral("tavrin-wave-whole-%1").arg(diameter));
    }
    // The three colours in one drop of 1000 µm.
    form.Command1->click();
    for (QRadioButton *colour : {form.Option3D1, form.Option3D2, form.Option3D3}) {
        colour->click();
        form.Command2->click();
    }
    shoot(&form, QStringLiteral("tavrin-wave-whole-colours"));
    // By hand near the main bow: the spiral and its resultant.
    form.Option3D1->click();
    form.Picture4_MouseDown(kLeftButton, 0, -14000, -13000);
    shoot(&form, QStringLiteral("tavrin-wave-whole-by-hand"));

    // By keyboard: Bild II has the focus and its marked point, run by Enter.
    form.Command1->click();
    form.Picture4->setFocus(Qt::TabFocusReason);
    form.Picture4_KeyDown(Qt::Key_Return, 0);
    form.Picture4_KeyDown(Qt::Key_Left, 0);
    shoot(&form, QStringLiteral("tavrin-wave-keys"));
    windows.Reset();
}

} // namespace rb::gallery
