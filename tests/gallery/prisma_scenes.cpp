// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "prisma/form1.h"
#include "tests/gallery/gallery.h"

#include <QCheckBox>
#include <QScrollBar>

namespace rb::gallery {

void PrismaScenes(const Shoot &shoot)
{
    prisma::Form1 form;
    form.Form_Load();
    form.show();
    shoot(&form, QStringLiteral("prisma-start"));
    form.HScroll2->setValue(100);
    shoot(&form, QStringLiteral("prisma-n1.00"));
    form.HScroll2->setValue(50);
    shoot(&form, QStringLiteral("prisma-n0.50"));
    form.HScroll2->setValue(150);
    form.HScroll1->setValue(180);
    shoot(&form, QStringLiteral("prisma-A180"));
    form.HScroll1->setValue(1);
    shoot(&form, QStringLiteral("prisma-A1"));
    // The minimum's numbers on the plot.
    form.HScroll1->setValue(60);
    form.Check1->click();
    shoot(&form, QStringLiteral("prisma-values"));
    form.Check1->click();
    form.hide();
}

} // namespace rb::gallery
