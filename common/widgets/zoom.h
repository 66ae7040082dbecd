// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The presentation zoom: one factor for a program's windows that scales
// everything they show, for a class that sits far from the screen.
//
// The user asks for a zoom (on the command line or with Ctrl+Plus, Ctrl+Minus
// and Ctrl+0); the program gets the largest zoom not above that at which its
// windows still fit the screen. At zoom z the layout counts z logical pixels
// where it counted one: 1/1440 inch, fonts, pens and focus frames all grow
// by z. A window sized as a share of the screen keeps its size and finds
// its design laid out on a screen z times smaller; every window is laid out
// and checked on screens down to kSmallestScreen, so that is the limit of
// the program's zoom. A window of a fixed design size may grow further on
// its own, up to the zoom asked for, while it fits its screen.
#pragma once

#include <QSize>

class QScreen;

namespace rb {

constexpr double kMinZoom = 1.0;
constexpr double kMaxZoom = 3.0;
// A key press changes the zoom by this much.
constexpr double kZoomStep = 0.25;
// The smallest screen, in logical pixels, the windows' layouts are made for
// and checked on.
constexpr QSize kSmallestScreen(1024, 768);

// The zoom the program works at now, and the one the user asked for.
double Zoom();
double RequestedZoom();
// The largest zoom not above `requested` (clamped to kMinZoom..kMaxZoom) at
// which kSmallestScreen fits the usable area of `screen`; kMinZoom on a
// smaller screen.
double ZoomThatFits(double requested, const QScreen *screen);
// Asks for a zoom and works out the one the primary screen allows. Before
// the application exists only the request is kept.
void RequestZoom(double requested);

// How far below a whole pixel a zoomed pen may fall and still be rounded up.
constexpr double kPenRoundDown = 0.35;
// Whole pixels of a pen, a frame or a mark that is `base` logical pixels
// wide at zoom 1, at zoom `zoom`: never thinner than at zoom 1.
int Zoomed(int base, double zoom);

} // namespace rb
