// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "common/widgets/units.h"

#include "common/widgets/zoom.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace rb {

double ScreenDpi()
{
    // The zoom makes every inch of the layout larger by its factor.
    const QScreen *s = QGuiApplication::primaryScreen();
    return (s ? s->logicalDotsPerInchX() : kDefaultDpi) * Zoom();
}

double TwipsToPixels(double twips) { return twips * ScreenDpi() / kTwipsPerInch; }
double PixelsToTwips(double pixels) { return pixels * kTwipsPerInch / ScreenDpi(); }

double ScreenWidthTwips()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return PixelsToTwips(s ? s->availableGeometry().width() : 1024);
}

double ScreenHeightTwips()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return PixelsToTwips(s ? s->availableGeometry().height() : 768);
}

void PlaceTwips(QWidget *w, double left, double top, double width, double height)
{
    const int x = int(std::lround(TwipsToPixels(left)));
    const int y = int(std::lround(TwipsToPixels(top)));
    const int r = int(std::lround(TwipsToPixels(left + width)));
    const int b = int(std::lround(TwipsToPixels(top + height)));
    w->setGeometry(x, y, std::max(1, r - x), std::max(1, b - y));
}

} // namespace rb
