// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace rb {

namespace {
double requestedZoom = kMinZoom;
double currentZoom = kMinZoom;
} // namespace

double Zoom() { return currentZoom; }
double RequestedZoom() { return requestedZoom; }

double ZoomThatFits(double requested, const QScreen *screen)
{
    const double wanted = std::clamp(requested, kMinZoom, kMaxZoom);
    if (!screen) return wanted;
    const QRect area = screen->availableGeometry();
    const double room = std::min(double(area.width()) / kSmallestScreen.width(),
                                 double(area.height()) / kSmallestScreen.height());
    // Zooms are kept to hundredths, so a title can say which one it is.
    return std::max(kMinZoom, std::min(wanted, std::floor(room * 100 + 1e-9) / 100));
}

void RequestZoom(double requested)
{
    requestedZoom = std::clamp(requested, kMinZoom, kMaxZoom);
    currentZoom = qGuiApp ? ZoomThatFits(requestedZoom, QGuiApplication::primaryScreen()) : requestedZoom;
}

int Zoomed(int base, double zoom)
{
    // Rounded up from a little above the half: at the zoom a full-HD screen
    // allows (1.4) a hairline gets its second pixel, at 1.25 not yet.
    return std::max(base, int(std::ceil(base * std::max(zoom, 1.0) - kPenRoundDown)));
}

} // namespace rb
