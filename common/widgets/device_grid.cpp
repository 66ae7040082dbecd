// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/device_grid.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace rb {

int OnDeviceGrid(int logical)
{
    const QScreen *s = QGuiApplication::primaryScreen();
    const double scale = s ? s->devicePixelRatio() : 1.0;
    if (!(scale > 0.0) || scale >= 1.0) return logical;
    // Rounded as the toolkit rounds (qRound): halves away from zero.
    const double device = std::round(logical * scale);
    return int(std::round(device / scale));
}

} // namespace rb
