// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// Lorenz–Mie theory against Airy's in the wave window: red light, the whole
// drop, the full series over Airy's curve at 50, 200 and 2000 µm, and at
// 200 µm the bow ray alone.
#include "tests/gallery/gallery.h"
#include "tavrin/navigation.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/wavemodel/model/wave_runs.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace rb::gallery {

namespace {
void AwaitMie(tavrin::Form5 &form)
{
    QElapsedTimer t;
    t.start();
    while (form.MieBusy() && t.elapsed() < 20000) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
} // namespace

void TavrinMieScenes(const Shoot &shoot)
{
    tavrin::SetRunPace(0);
    auto &windows = tavrin::Navigation::Get();
    tavrin::Form5 &form = windows.WaveForm();
    form.show();
    form.Option3D7->click();
    form.Option3D5->click();
    for (const int diameter : {50, 200, 2000}) {
        form.Command1->click();
        form.VScroll1->setValue(diameter);
        form.Check1->click(); // Airy's curve, drawn at once
        form.Check1->click();
        form.Check3->setChecked(true);
        form.Check3_Click();
        AwaitMie(form);
        shoot(&form, QStringLiteral("tavrin-wave-mie-%1").arg(diameter));
        form.Check3->setChecked(false);
    }
    form.Command1->click();
    form.VScroll1->setValue(200);
    form.Option3D13->click();
    form.Check1->click();
    form.Check3->click();
    AwaitMie(form);
    shoot(&form, QStringLiteral("tavrin-wave-mie-bow-ray-200"));
    windows.Reset();
}

} // namespace rb::gallery
