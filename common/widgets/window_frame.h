// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The window manager's frame around a top-level window: title bar and
// borders, in logical pixels. A window sized from the screen has to leave
// room for it, yet a frame exists only once a window is shown. So the frame
// is measured once, before the first window is laid out, and corrected by
// what the first shown window really gets.
#pragma once

#include <QMargins>

class QWindow;

namespace rb {

// The frame a new top-level window will get. Measured on first use: on X11
// by asking the window manager for the extents it would give a window
// (without showing one), elsewhere by what the platform reports for a window
// not yet shown. Zero where nothing is known.
QMargins ExpectedFrame();
// Replaces the expectation with a frame seen on a shown window.
void SetExpectedFrame(const QMargins &frame);
// The frame a shown window has got.
QMargins ShownFrame(const QWindow &window);

} // namespace rb
