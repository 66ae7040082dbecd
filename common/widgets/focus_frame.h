// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// A focus that shows from the back of a classroom: the control that has the
// keyboard focus gets a frame in the highlight colour, at least 2 pixels
// wide and wider with the zoom, whatever kind of control it is. The style's
// own hint (a thin outline, or none on a scroll bar) is easily missed.
//
// The frame is painted over the control right after the control has painted
// itself, inside its rectangle: no extra widget stands in the window, and
// the frame moves and hides with the control. Pictures draw their own.
#pragma once

class QApplication;
class QWidget;

namespace rb {

void InstallFocusFrames(QApplication &app);
// The width of the frame on a control of that window, in logical pixels.
int FocusFrameWidth(const QWidget *w);

} // namespace rb
