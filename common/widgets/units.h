// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Layout units: 1/1440 inch, mapped to logical pixels by the screen's
// logical resolution times the presentation zoom, and the screen's size in
// those units.
#pragma once

class QWidget;

namespace rb {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDpi = 96.0;

double ScreenDpi();
double TwipsToPixels(double twips);
double PixelsToTwips(double pixels);
// The usable area of the primary screen (without panels), in 1/1440 inch.
double ScreenWidthTwips();
double ScreenHeightTwips();

// Places a control in 1/1440 inch relative to its parent (a frame or a
// window without a user scale).
void PlaceTwips(QWidget *w, double left, double top, double width, double height);

} // namespace rb
