// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Reading what a picture shows, in its own user units: the pixels of its
// retained image (device pixels, so the checks hold at every pixel ratio)
// and the logical pixels a mouse press lands on.
#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <functional>

namespace rb {
class Picture;
}

namespace rb::testing {

using PixelTest = std::function<bool(QRgb)>;

// Dark ink: a line, a dot or a letter drawn in black or another dark colour.
bool IsDark(QRgb pixel);
// Exactly that colour (its transparency aside).
PixelTest Is(QRgb colour);
// Anything but the white background.
bool IsInk(QRgb pixel);

// The image's pixel under a logical pixel of the picture.
QRgb PixelAt(Picture *p, QPoint logical);
// The logical pixel of the user point (x, y): where a press on it lands.
QPoint LogicalPixel(Picture *p, double x, double y);
// The device pixel of the user point (x, y) in the picture's image.
QPoint DevicePixel(Picture *p, double x, double y);
// The image's full height between the user x coordinates x1 and x2.
QRect ColumnsBetween(Picture *p, double x1, double x2);

// How many pixels of the image in `area` (the whole image when empty) pass.
int CountPixels(Picture *p, const PixelTest &test, const QRect &area = {});
// True when a pixel within `reach` device pixels of the user point passes.
bool AnyNear(Picture *p, double x, double y, int reach, const PixelTest &test);
// Dark ink within 3 device pixels of the user point.
bool DarkNear(Picture *p, double x, double y);
// The colour within 2 device pixels of the user point.
bool ColourNear(Picture *p, double x, double y, QRgb colour);
// Pixels that are not the white background.
int Inked(Picture *p);
bool HasColour(Picture *p, QRgb colour);

// True when the picture shows exactly what `draw` draws on a cleared
// picture of the same size, colours and scale.
bool ShowsOnly(Picture *p, const std::function<void(Picture &)> &draw);

} // namespace rb::testing
