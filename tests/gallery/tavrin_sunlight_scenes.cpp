// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
//
// The rainbow in sunlight, opened from the wave model's window: rain of
// 1000 µm and 300 µm drops, drizzle of 50 µm and a fogbow of 20 µm, and the
// 1000 µm bow through a p filter; Lee's diagram complete under each, and
// rain of 300 µm drops with a spread of 10 % in size.
#include "tests/gallery/gallery.h"
#include "tavrin/navigation.h"
#include "tavrin/sunlight/sun_form.h"
#include "tavrin/wavemodel/form5.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace rb::gallery {

namespace {

void WaitDone(const tavrin::SunForm &form)
{
    QElapsedTimer t;
    t.start();
    // Lee's diagram too, so every shot shows it whole.
    while ((form.Computing() || form.LeeFilling()) && t.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

void Diameter(tavrin::SunForm &form, const QString &um)
{
    form.Text1->setText(um);
    emit form.Text1->editingFinished();
    WaitDone(form);
}

} // namespace

void TavrinSunlightScenes(const Shoot &shoot)
{
    auto &windows = tavrin::Navigation::Get();
    tavrin::Form5 &wave = windows.WaveForm();
    wave.show();
    wave.Command4->click();
    tavrin::SunForm &form = windows.SunlightForm();
    WaitDone(form);
    shoot(&form, QStringLiteral("tavrin-sun-1000um"));
    for (const char *d : {"300", "50", "20"}) {
        Diameter(form, QString::fromLatin1(d));
        shoot(&form, QStringLiteral("tavrin-sun-%1um").arg(QString::fromLatin1(d)));
    }
    Diameter(form, QStringLiteral("300"));
    form.SetSpread(10);
    WaitDone(form);
    shoot(&form, QStringLiteral("tavrin-sun-300um-10pct"));
    form.SetSpread(0);
    Diameter(form, QStringLiteral("1000"));
    form.Option5->click();
    WaitDone(form);
    shoot(&form, QStringLiteral("tavrin-sun-1000um-p"));
    form.Option3->click();
    WaitDone(form);
    form.close();
    wave.close();
}

} // namespace rb::gallery
