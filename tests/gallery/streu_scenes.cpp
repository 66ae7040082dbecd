// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "streu/form1.h"
#include "tests/gallery/gallery.h"

#include <QCheckBox>
#include <QScrollBar>

namespace rb::gallery {

void StreuScenes(const Shoot &shoot)
{
    streu::Form1 form;
    form.Form_Load();
    form.show();
    for (int k : {1, 2, 15}) {
        form.HScroll1->setValue(k);
        shoot(&form, QStringLiteral("streu-k%1").arg(k));
    }
    // The turning point's numbers on the plot.
    form.Check1->click();
    for (int k : {1, 2}) {
        form.HScroll1->setValue(k);
        shoot(&form, QStringLiteral("streu-values-k%1").arg(k));
    }
    form.hide();
}

} // namespace rb::gallery
