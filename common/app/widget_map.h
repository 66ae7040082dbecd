// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A map of the visible controls for tests that drive the real programs from
// outside, through the X server: a synthetic click has to know where a
// button is on the screen, and the toolkit's widgets are not X windows that
// xdotool could find.
//
// When REGENBOGEN_WIDGET_MAP names a file, the program keeps it up to date,
// looking every 50 ms. One line per widget:
//
//   window title <TAB> class <TAB> text <TAB> visible <TAB> x y w h
//
// with the rectangle in the screen's device pixels, which is what X input
// uses, also under a scale factor. Without the variable nothing is done.
#pragma once

class QApplication;

namespace rb {

void InstallWidgetMap(QApplication &app);

} // namespace rb
