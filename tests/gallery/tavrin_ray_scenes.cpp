// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/gallery/gallery.h"
#include "tavrin/raymodel/form2.h"
#include "tavrin/navigation.h"

#include <QCheckBox>
#include <QRadioButton>

namespace rb::gallery {

namespace {

// A fan of rays by hand: a press at `from`, a drag to `to`, the release.
void Fan(tavrin::form2 &f, double from, double to, double step)
{
    f.Picture3_MouseDown(1, 0, -1500, from);
    for (double y = from; step > 0 ? y <= to : y >= to; y += step) f.Picture3_MouseMove(1, 0, -1500, y);
    f.Picture3_MouseUp(1, 0, -1500, to);
}

} // namespace

void TavrinRayScenes(const Shoot &shoot)
{
    auto &windows = tavrin::Navigation::Get();
    tavrin::form2 &f = windows.RayForm();
    shoot(&f, QStringLiteral("tavrin-ray-open"));

    Fan(f, -300, -790, -35);
    shoot(&f, QStringLiteral("tavrin-ray-hand-fan"));

    // The three colours of the primary bow on one strip.
    f.Command2_Click();
    f.Command3_Click();
    for (QRadioButton *colour : {f.Option3, f.Option4, f.Option5}) {
        colour->setChecked(true);
        f.Command6_Click();
    }
    shoot(&f, QStringLiteral("tavrin-ray-slow-k1-rgb"));
    // Descartes' angle of the blue light marked, with its value.
    f.Check1->setChecked(true);
    shoot(&f, QStringLiteral("tavrin-ray-values"));
    f.Check1->setChecked(false);

    f.Option3->setChecked(true);
    f.Option2->setChecked(true);
    f.Command3_Click();
    f.Command7_Click();
    shoot(&f, QStringLiteral("tavrin-ray-fast-k2"));

    f.Option11->setChecked(true);
    f.Option1->setChecked(true);
    Fan(f, -100, -790, -60);
    shoot(&f, QStringLiteral("tavrin-ray-overview"));

    f.Option10->setChecked(true);
    f.Option9->setChecked(true);
    f.Option7->setChecked(true);
    f.Command3_Click();
    f.Command7_Click();
    shoot(&f, QStringLiteral("tavrin-ray-off-k5"));

    f.Option8->setChecked(true);
    f.Option1->setChecked(true);
    f.Option14->setChecked(true);
    f.Command3_Click();
    f.Command7_Click();
    Fan(f, 200, 780, 80);
    shoot(&f, QStringLiteral("tavrin-ray-glass"));

    // By keyboard: the scene has the focus, its marked height two steps up
    // from a ray sent with Enter.
    f.Option13->setChecked(true);
    f.Command2_Click();
    f.Picture3->setFocus(Qt::TabFocusReason);
    f.Picture3_KeyDown(Qt::Key_Return, 0);
    for (int i = 0; i < 10; ++i) f.Picture3_KeyDown(Qt::Key_Up, 0);
    shoot(&f, QStringLiteral("tavrin-ray-keys"));
    windows.Reset();
}

} // namespace rb::gallery
