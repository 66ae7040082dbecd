// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
#include "tests/windows/pixels.h"

#include "common/widgets/picture.h"

#include <QImage>
#include <cmath>

namespace rb::testing {

bool IsDark(QRgb pixel) { return qGray(pixel) < 100; }

PixelTest Is(QRgb colour)
{
    return [colour](QRgb pixel) { return (pixel & 0xffffff) == (colour & 0xffffff); };
}

bool IsInk(QRgb pixel) { return (pixel & 0xffffff) != 0xffffff; }

QRgb PixelAt(Picture *p, QPoint logical)
{
    const QImage &img = p->Image();
    const double dpr = img.devicePixelRatio();
    return img.pixel(int(logical.x() * dpr), int(logical.y() * dpr));
}

QPoint LogicalPixel(Picture *p, double x, double y)
{
    const ScaleMap m = p->Map();
    return QPoint(int(std::lround(m.ToPixelX(x))), int(std::lround(m.ToPixelY(y))));
}

QPoint DevicePixel(Picture *p, double x, double y)
{
    const double dpr = p->Image().devicePixelRatio();
    const ScaleMap m = p->Map();
    return QPoint(int(m.ToPixelX(x) * dpr), int(m.ToPixelY(y) * dpr));
}

QRect ColumnsBetween(Picture *p, double x1, double x2)
{
    const int left = DevicePixel(p, x1, 0).x(), right = DevicePixel(p, x2, 0).x();
    return QRect(QPoint(std::min(left, right), 0), QPoint(std::max(left, right), p->Image().height() - 1));
}

int CountPixels(Picture *p, const PixelTest &test, const QRect &area)
{
    const QImage &img = p->Image();
    const QRect within = area.isEmpty() ? img.rect() : area & img.rect();
    int n = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x) n += test(img.pixel(x, y));
    return n;
}

bool AnyNear(Picture *p, double x, double y, int reach, const PixelTest &test)
{
    const QPoint c = DevicePixel(p, x, y);
    return CountPixels(p, test, QRect(c - QPoint(reach, reach), c + QPoint(reach, reach))) > 0;
}

bool DarkNear(Picture *p, double x, double y) { return AnyNear(p, x, y, 3, IsDark); }

bool ColourNear(Picture *p, double x, double y, QRgb colour) { return AnyNear(p, x, y, 2, Is(colour)); }

int Inked(Picture *p) { return CountPixels(p, IsInk); }

bool HasColour(Picture *p, QRgb colour) { return CountPixels(p, Is(colour)) > 0; }

bool ShowsOnly(Picture *p, const std::function<void(Picture &)> &draw)
{
    Picture ref;
    ref.resize(p->size());
    ref.SetBackColor(p->BackColor());
    ref.SetForeColor(p->ForeColor());
    ref.Scale(p->ScaleLeft(), p->ScaleTop(), p->ScaleWidth(), p->ScaleHeight());
    ref.Cls();
    draw(ref);
    return ref.Image() == p->Image();
}

} // namespace rb::testing
