// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/gallery/gallery.h"
#include "tavrin/start/form3.h"
#include "tavrin/navigation.h"

namespace rb::gallery {

void TavrinStartScenes(const Shoot &shoot)
{
    auto &windows = tavrin::Navigation::Get();
    tavrin::Form3 &start = windows.StartForm();
    start.show();
    shoot(&start, QStringLiteral("tavrin-start"));
    start.Form_Click();
    shoot(&start, QStringLiteral("tavrin-start-click"));
    windows.Reset();
}

} // namespace rb::gallery
