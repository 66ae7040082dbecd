// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Regenbogen authors
// Waiting in window tests: on a condition, never for a fixed time. Under a
// loaded machine a fixed sleep is either too short (the test fails at
// random) or too long (every run pays for it).
#pragma once

class QWidget;

namespace rb::testing {

// Runs the event loop until every event posted so far has been handled:
// the pictures' queued first Paint, input handed over after a hold, a
// dialog deleted later. Afterwards a test may also check that something
// did not happen. False when that takes longer than timeoutMs.
bool HandlePostedEvents(int timeoutMs = 5000);

// Waits until the window is exposed on its screen and its pictures have
// had their first Paint.
bool Settle(QWidget *window, int timeoutMs = 5000);

// Runs the event loop until the program ends, and returns its status; -1
// when it has not ended after timeoutMs.
int RunUntilEnd(int timeoutMs = 20000);

} // namespace rb::testing
