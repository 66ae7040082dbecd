// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors

// The wave window's wave-optics frame: the four polarisations of the whole
// drop at 500 µm, each after a sweep, with the chain of the last position;
// the outer reflection at 1000 µm, swept and by hand on the dark side, with
// the whole drop and with the fan of 321 rays; and
// the values of the bows written on Bild III.
#include "tests/gallery/gallery.h"
#include "tavrin/navigation.h"
#include "tavrin/wavemodel/form5.h"
#include "tavrin/wavemodel/model/wave_runs.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace rb::gallery {

void TavrinWaveOpticsScenes(const Shoot &shoot)
{
    tavrin::SetRunPace(0);
    auto &windows = tavrin::Navigation::Get();
    tavrin::Form5 &form = windows.WaveForm();
    form.show();
    form.Option3D7->click();
    form.VScroll1->setValue(500);
    const struct {
        QRadioButton *option;
        const char *name;
    } polarisations[] = {{form.Option3D8, "ohne"},
                         {form.Option3D9, "s"},
                         {form.Option3D10, "p"},
                         {form.Option3D11, "unpolarisiert"}};
    for (const auto &p : polarisations) {
        form.Command1->click();
        p.option->click();
        form.Command2->click();
        shoot(&form, QStringLiteral("tavrin-wave-polarisation-%1").arg(QLatin1String(p.name)));
    }

    // Unpolarised light of a drop of 1000 µm with the light reflected off
    // its outside: the bars ripple on the dark side; by hand there, the
    // reflection is the last, long link of each chain.
    form.Command1->click();
    form.VScroll1->setValue(1000);
    form.Check2->click();
    form.Command2->click();
    form.Picture4_MouseDown(kLeftButton, 0, -13000, -12340); // 43.5°
    shoot(&form, QStringLiteral("tavrin-wave-outer-reflection"));

    // The fan of 321 rays with phasors of length 1: its chain ends in the
    // reflection's link, Bild II shows the reflected ray beside the fan's,
    // and the dark side's bars stand clear of the angle scale.
    form.Command1->click();
    form.Option3D6->click();
    form.Option3D8->click();
    form.Command2->click();
    form.Picture4_MouseDown(kLeftButton, 0, -13000, -12340);
    shoot(&form, QStringLiteral("tavrin-wave-fan-outer-reflection"));

    // "Werte": the fan of 321 rays in red with Airy's curve, the angles of
    // the tallest bar and the first two inner bows written on Bild III.
    form.Command1->click();
    form.Check2->click();
    form.Option3D8->click();
    form.Option3D6->click();
    form.Check1->click();
    form.Check4->click();
    form.Command2->click();
    shoot(&form, QStringLiteral("tavrin-wave-values"));
    windows.Reset();
}

} // namespace rb::gallery
