// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// The event loop inside long computations: a run yields to the window
// events as it goes, and the program can be ended from anywhere, also while
// a run is on the stack.
#pragma once

namespace rb {

// Runs pending window events inside a long computation. Returns false once
// the program has been asked to end: the caller then unwinds at once.
bool DoEvents();
// Runs the window events for about `ms` milliseconds, sleeping while there
// are none: a paced computation waits here for its next step. Returns
// false once the program has been asked to end, at once if it already was.
bool WaitEvents(int ms);

// Ends the program: every window is hidden (none is drawn on or deleted while
// a run may still be on the stack), every running loop notices at its next
// yield, and the event loop returns with status 0.
void End();
bool EndRequested();
// For tests that drive several programs' windows in one process.
void ResetEndRequest();

} // namespace rb
